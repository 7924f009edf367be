#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>
#include <QString>

class Catalogue;
class HandlerGuard;
class Navigation;
class RegisterLink;
class Session;
class TableChoiceView;
class TicketView;
class WaiterView;

// Waiter choice and identification: the waiter keys, the code panel and the way back from the table choice.
// A link failure while connecting or sending reaches the general error display; a failed read counts as no reply.
class WaiterLogin final : public QObject
{
public:
    WaiterLogin(RegisterLink& link, Session& session, const Catalogue& catalogue, HandlerGuard& guard,
                ViewSlot<WaiterView>& waiterView, ViewSlot<TableChoiceView>& tableChoiceView,
                ViewSlot<TicketView>& ticketView, Navigation& screens);

    // A waiter key, 1 to 8: the register says whether he may work, must type his code or clock in first.
    void chooseWaiter(int waiter);
    // "Valider" of the code panel.
    void validateCode();
    // A key typed in the code box, text being the character it adds (empty for none). Returns true when the code
    // so completed logged the waiter in: the key is then used up and the box stays empty.
    bool codeKeyTyped(const QString& text);
    // "Se déconnecter du compte ...": back to the waiter keys.
    void logOut();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openTableChoice();

    RegisterLink& m_link;
    Session& m_session;
    const Catalogue& m_catalogue;
    HandlerGuard& m_guard;
    ViewSlot<WaiterView>& m_waiterView;
    ViewSlot<TableChoiceView>& m_tableChoiceView;
    ViewSlot<TicketView>& m_ticketView;
    Navigation& m_screens;
};
