#include "TicketDisplay.h"

#include "LineActionPanel.h"
#include "TicketMemo.h"
#include "TicketText.h"
#include "TicketView.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"

#include <QMouseEvent>
#include <QPushButton>

TicketDisplay::TicketDisplay(RegisterLink& link, Session& session, HandlerGuard& guard,
                             ViewSlot<TicketView>& ticketView, Navigation& screens)
    : m_link(link), m_session(session), m_guard(guard), m_ticketView(ticketView), m_screens(screens)
{
    m_ticketView.whenMade([this](TicketView& view) {
        m_guard.connect(view.refreshKey(), &RedKey::clicked, this, [this] { reload(); });
        m_guard.connect(view.spareRefreshKey(), &RedKey::clicked, this, [this] { reload(); });
        view.ticketMemo()->viewport()->installEventFilter(this);
        LineActionPanel* panel = view.lineActionPanel();
        m_guard.connect(panel->cancelButton(), &QPushButton::clicked, this, [this] { m_ticketView->closeLinePanel(); });
        m_guard.connect(panel->previousLineButton(), &QPushButton::clicked, this, [this] { stepLine(-1); });
        m_guard.connect(panel->nextLineButton(), &QPushButton::clicked, this, [this] { stepLine(1); });
    });
}

bool TicketDisplay::refresh(TrailingLine trailing, OnSilence onSilence, const std::function<void()>& shown)
{
    const Request request =
        trailing == TrailingLine::Read ? m_session.ticketRefresh() : m_session.ticketRefreshLeavingTrailingLine();
    // made before the exchange, never while it waits
    TicketView& view = m_ticketView.get();
    // the waiter sees the ticket at once, not after the wait for the trailing line
    const Exchange done = m_link.exchange(request, [&view, onSilence, &shown](const Exchange& got) {
        const bool silenceShown =
            onSilence == OnSilence::EmptyTicket || (onSilence == OnSilence::EmptyTicketUnlessBroken && !got.failed);
        // no register: the last ticket stays, and the link probe brings the start view back
        if (got.connected && (got.answered || silenceShown))
            view.showTicket(got.reply);
        else
            view.keepTicket();
        if (shown)
            shown();
    });
    return done.connected;
}

void TicketDisplay::reload()
{
    m_ticketView->closeLinePanel();
    refresh();
    m_screens.showTicket();
    m_screens.paintNow();
}

bool TicketDisplay::selectionHeld()
{
    if (!m_ticketView->ticketKept())
        return true;
    refresh(TrailingLine::Read, OnSilence::KeepTicket);
    return !m_ticketView->ticketKept() &&
           TicketText::articleLine(m_ticketView->ticketLines(), m_linenumber) == m_selectedLine;
}

void TicketDisplay::pickLineAt(int y)
{
    const auto* memo = static_cast<TicketMemo*>(m_ticketView->ticketMemo());
    const float band = static_cast<float>(y) / static_cast<float>(TicketMemo::linePitch(memo->font()));
    // the waiter means the line under his finger: lines scrolled out above count too
    m_lignes = band + static_cast<float>(memo->scrolledLines());
    // the top band is drawn empty however far the ticket is scrolled
    if (TicketText::lineAt(band) < 1)
        return;
    select(TicketText::lineAt(m_lignes));
}

void TicketDisplay::stepLine(float by)
{
    m_lignes += by;
    if (!select(TicketText::lineAt(m_lignes)))
        m_ticketView->closeLinePanel();
}

bool TicketDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_ticketView->ticketMemo()->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint inMemo = m_ticketView->ticketMemo()->viewport()->mapToParent(mouse->position().toPoint());
            m_guard.run([&] { pickLineAt(inMemo.y()); });
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TicketDisplay::select(int n)
{
    const std::optional<TicketText::PickedLine> picked = TicketText::pickLine(m_ticketView->ticketLines(), n);
    if (!picked)
        return false;
    m_linenumber = picked->linenumber;
    m_selectedLine = picked->text;
    m_ticketView->openLinePanel(picked->text);
    return true;
}
