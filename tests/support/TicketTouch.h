#pragma once

#include <QString>

class TicketView;

// Touches the first article line of the ticket that holds text, as a waiter's finger does, and checks that the line
// panel opened.
void touchArticleLine(TicketView* ticket, const QString& text);
