#include "Navigator.h"

#include "widgets/InputBlocker.h"
#include "widgets/ViewSlot.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <utility>

QWidget* ScreenView::made() const
{
    return m_lazy ? m_lazy->widget() : m_view;
}

QWidget* ScreenView::ifMade() const
{
    return m_lazy ? m_lazy->widgetIfMade() : m_view;
}

void ScreenView::hide() const
{
    if (QWidget* view = ifMade())
        view->hide();
}

bool ScreenView::isVisible() const
{
    const QWidget* view = ifMade();
    return view && view->isVisible();
}

void ScreenView::whenMade(std::function<void(QWidget&)> hook) const
{
    if (m_lazy)
        m_lazy->whenWidgetMade(std::move(hook));
}

Navigator::Navigator(const Screens& screens)
    : m_screens(screens),
      // the order in which the window creates its views: a later view covers an earlier one where both are visible
      m_stack{{QLatin1String("Rectangle12"), &m_screens.outdatedNotice},
              {QLatin1String("choixtable"), &m_screens.tableChoice},
              {QLatin1String("config"), &m_screens.config},
              {QLatin1String("encaissement"), &m_screens.payment},
              {QLatin1String("formule"), &m_screens.setMenu},
              {QLatin1String("init"), &m_screens.start},
              {QLatin1String("messages"), &m_screens.message},
              {QLatin1String("plan"), &m_screens.plan},
              {QLatin1String("poubelle"), &m_screens.parking},
              {QLatin1String("serveur"), &m_screens.waiter},
              {QLatin1String("Textmess"), &m_screens.notice},
              {QLatin1String("ticket"), &m_screens.ticket}}
{
    for (const Entry& entry : m_stack) {
        if (entry.view != &m_screens.start)
            entry.view->hide();
        entry.view->whenMade([this](QWidget& view) { placeMade(view); });
    }
}

QWidget* Navigator::frontView() const
{
    for (auto it = m_stack.crbegin(); it != m_stack.crend(); ++it) {
        if (it->view != &m_screens.notice && it->view->isVisible())
            return it->view->ifMade();
    }
    return nullptr;
}

std::vector<QWidget*> Navigator::visibleViews() const
{
    std::vector<QWidget*> views;
    for (const Entry& entry : m_stack) {
        if (entry.view->isVisible())
            views.push_back(entry.view->ifMade());
    }
    return views;
}

QWidget* Navigator::view(const QString& name) const
{
    for (const Entry& entry : m_stack) {
        if (name == entry.name)
            return entry.view->made();
    }
    return nullptr;
}

void Navigator::bringToFront(const ScreenView& view)
{
    QWidget* made = view.made();
    const auto at =
        std::find_if(m_stack.begin(), m_stack.end(), [&](const Entry& entry) { return entry.view == &view; });
    std::rotate(at, std::next(at), m_stack.end());
    made->raise();
}

void Navigator::placeMade(QWidget& view)
{
    const auto at = std::find_if(m_stack.cbegin(), m_stack.cend(),
                                 [&](const Entry& entry) { return entry.view->ifMade() == &view; });
    const auto above =
        std::find_if(std::next(at), m_stack.cend(), [](const Entry& entry) { return entry.view->ifMade(); });
    // a view just made is the window's last child: it stays in front when no made view stands after it
    if (above == m_stack.cend())
        return;
    // restacked with no size, as Qt repaints all the window beneath a restacked view, hidden or not
    const QRect geometry = view.geometry();
    view.setGeometry(QRect());
    view.stackUnder(above->view->ifMade());
    view.setGeometry(geometry);
}

void Navigator::paintNow()
{
    QCoreApplication::processEvents();
}

void Navigator::paintDroppingInput()
{
    const InputBlocker blocker;
    QCoreApplication::processEvents();
}

void Navigator::showStart()
{
    m_screens.start->show();
    paintNow();
}

void Navigator::bringStartForward()
{
    m_screens.start->show();
    bringToFront(m_screens.start);
}

void Navigator::openConfiguration()
{
    m_screens.config->setGeometry(m_screens.start->geometry());
    m_screens.config->show();
    m_screens.start.hide();
    bringToFront(m_screens.config);
}

void Navigator::closeConfiguration()
{
    m_screens.start->show();
    m_screens.config.hide();
}

void Navigator::prepareService()
{
    m_screens.waiter.made();
}

void Navigator::enterService()
{
    // the waiter keys come in front of the start view, which then goes
    m_screens.waiter->show();
    paintNow();
    m_screens.start.hide();
    paintNow();
}

void Navigator::showWaiterKeys()
{
    m_screens.waiter->show();
    m_screens.tableChoice.hide();
}

void Navigator::leaveWaiterKeys()
{
    m_screens.tableChoice->show();
    paintDroppingInput();
    m_screens.waiter.hide();
}

void Navigator::showTableChoice()
{
    m_screens.tableChoice->show();
}

void Navigator::openTicket()
{
    m_screens.ticket->show();
    m_screens.waiter.hide();
    m_screens.tableChoice.hide();
}

void Navigator::showTicket()
{
    m_screens.ticket->show();
}

void Navigator::bringTicketForward()
{
    bringToFront(m_screens.ticket);
    m_screens.ticket->show();
}

void Navigator::repaintTicket()
{
    m_screens.ticket->show();
    m_screens.ticket->repaint();
}

void Navigator::leaveTicket()
{
    m_screens.tableChoice->show();
    m_screens.ticket.hide();
    m_screens.payment.hide();
}

void Navigator::showPlan()
{
    m_screens.plan->show();
}

void Navigator::showPlanFromTicket()
{
    m_screens.tableChoice->show();
    m_screens.tableChoice->repaint();
    m_screens.ticket.hide();
    m_screens.plan->show();
    m_screens.plan->repaint();
}

void Navigator::closePlan()
{
    m_screens.plan.hide();
}

bool Navigator::closePlanIfOpen()
{
    if (!m_screens.plan.isVisible())
        return false;
    m_screens.plan.hide();
    return true;
}

void Navigator::showPayment()
{
    m_screens.payment->show();
    bringToFront(m_screens.payment);
}

void Navigator::showSetMenus()
{
    bringToFront(m_screens.setMenu);
    m_screens.setMenu->show();
}

void Navigator::leaveSetMenus()
{
    // the ticket comes in front and is painted before the grid behind it goes
    bringTicketForward();
    paintNow();
    m_screens.setMenu.hide();
    m_screens.ticket->show();
}

void Navigator::openMessageEntry()
{
    bringToFront(m_screens.message);
    m_screens.message->show();
}

void Navigator::closeMessageEntry()
{
    m_screens.message.hide();
    m_screens.ticket->show();
}

void Navigator::showNotice()
{
    bringToFront(m_screens.notice);
    m_screens.notice->show();
}

void Navigator::hideNotice()
{
    m_screens.notice.hide();
}

void Navigator::showOutdatedNotice()
{
    bringToFront(m_screens.outdatedNotice);
    m_screens.outdatedNotice->show();
}

void Navigator::hideOutdatedNotice()
{
    m_screens.outdatedNotice.hide();
}
