#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>
#include <QString>

#include <functional>

class HandlerGuard;
class Navigation;
class RegisterLink;
class Session;
class TicketView;

// The ticket of the current table: fetching it, showing it, picking a line by touch and stepping through the lines.
class TicketDisplay final : public QObject
{
public:
    TicketDisplay(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<TicketView>& ticketView,
                  Navigation& screens);

    // Whether a refresh takes the line the register sends after the ticket.
    enum class TrailingLine
    {
        Read,
        Left, // the next request's drop of pending lines takes it
    };
    // What a refresh shows when the register sends no ticket line.
    enum class OnSilence
    {
        EmptyTicket,             // as any reply: an empty ticket
        EmptyTicketUnlessBroken, // a read that times out empties it; a link that breaks leaves it as it was
        KeepTicket,              // the ticket on screen stays: an empty one would tell the waiter his order is gone
    };
    // Fetches the ticket and shows it. Called after every change of the order; silent on link errors: without a
    // register the last ticket stays on screen. shown runs once the ticket is painted, or at once when the request
    // never went out. False when no connection could be opened: nothing was asked.
    bool refresh(TrailingLine trailing = TrailingLine::Read, OnSilence onSilence = OnSilence::EmptyTicket,
                 const std::function<void()>& shown = {});
    // "actualise ticket": the ticket again, the line panel closed.
    void reload();
    // Whether the line selected is the line the register names by its rank. A ticket kept when the register did not
    // answer may be older than the register's: it is fetched first, and the line must still be there, unchanged.
    bool selectionHeld();
    // A touch on the ticket at y, in the memo's own coordinates: the line under the finger is picked.
    void pickLineAt(int y);
    // "<" and ">" of the line panel.
    void stepLine(float by);

    // The selected line as the register names it: its rank among the ticket's article lines.
    int linenumber() const { return m_linenumber; }
    // The touch position in lines.
    float lignes() const { return m_lignes; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool select(int n);

    RegisterLink& m_link;
    Session& m_session;
    HandlerGuard& m_guard;
    ViewSlot<TicketView>& m_ticketView;
    Navigation& m_screens;
    int m_linenumber = 0;
    QString m_selectedLine;
    float m_lignes = 0;
};
