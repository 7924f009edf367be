#include "Navigator.h"

#include "widgets/InputBlocker.h"
#include "widgets/ViewSlot.h"

#include <QCoreApplication>
#include <QWidget>

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

Navigator::Navigator(const Screens& screens) : m_screens(screens)
{
    for (const ScreenView& view :
         {m_screens.outdatedNotice, m_screens.tableChoice, m_screens.config, m_screens.payment, m_screens.setMenu,
          m_screens.message, m_screens.plan, m_screens.parking, m_screens.waiter, m_screens.ticket})
        view.hide();
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

void Navigator::openConfiguration()
{
    m_screens.config->setGeometry(m_screens.start->geometry());
    m_screens.config->show();
    m_screens.start.hide();
    m_screens.config->raise();
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
    m_screens.ticket->raise();
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
    m_screens.payment->raise();
}

void Navigator::showSetMenus()
{
    m_screens.setMenu->raise();
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

void Navigator::closeMessageEntry()
{
    m_screens.message.hide();
    m_screens.ticket->show();
}
