#include "Covers.h"

#include "CoversPanel.h"
#include "TableChoiceView.h"
#include "TableReplies.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "ticket/TicketDisplay.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"

#include <QListWidget>
#include <QPushButton>

Covers::Covers(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<TableChoiceView>& tableChoiceView,
               TicketDisplay& ticketDisplay, Navigation& screens)
    : m_link(link), m_session(session), m_tableChoiceView(tableChoiceView), m_ticketDisplay(ticketDisplay),
      m_screens(screens)
{
    m_tableChoiceView.whenMade([this, &guard = guard](TableChoiceView& view) {
        guard.connect(view.coversKey(), &RedKey::clicked, this, [this] { open(); });
        CoversPanel* panel = view.coversPanel();
        // the chosen count shows on "Valider" at once, whatever runs
        connect(panel->coversList(), &QListWidget::itemSelectionChanged, this, [panel] { panel->showChosenCovers(); });
        guard.connect(panel->validateButton(), &QPushButton::clicked, this, [this] { validateCovers(); });
        guard.connect(panel->leaveButton(), &QPushButton::clicked, this, [this] { close(); });
    });
}

CoversPanel& Covers::panel()
{
    return *m_tableChoiceView->coversPanel();
}

void Covers::askForNewTable()
{
    m_tableChoiceView->openCoversPanel();
    panel().showPrompt(QStringLiteral("Entrez le nombre de couverts"));
    panel().selectCovers(0);
}

void Covers::open()
{
    m_tableChoiceView->openCoversPanel();
    const QString reply = m_link.exchange(m_session.coversPanelQuery()).reply;
    const TableReplies::CoversReply covers = TableReplies::coversReply(reply);
    switch (covers.kind) {
    case TableReplies::CoversReply::Kind::None:
        // nothing the list can show: the panel stays as it was
        break;
    case TableReplies::CoversReply::Kind::Entry:
        panel().selectCovers(covers.count);
        panel().showCurrentCovers(reply.trimmed());
        break;
    case TableReplies::CoversReply::Kind::TooMany:
        // the register's count is true but no entry stands for it: the waiter picks one, none is taken for him
        panel().selectCovers(-1);
        panel().showCurrentCovers(reply.trimmed());
        break;
    }
}

void Covers::validateCovers()
{
    const int chosen = panel().chosenCovers();
    // no count chosen: nothing to send, the panel waits for one
    if (chosen < 0)
        return;
    m_session.setCovers(QString::number(chosen));
    panel().showCurrentCovers(m_link.exchange(m_session.coversUpdate()).reply);
    m_tableChoiceView->closeCoversPanel();
    m_screens.openTicket();
    // a table taken from the list opens this panel before its ticket was ever fetched
    m_ticketDisplay.refresh();
    m_screens.paintNow();
}

void Covers::close()
{
    m_tableChoiceView->closeCoversPanel();
    m_screens.showTableChoice();
}
