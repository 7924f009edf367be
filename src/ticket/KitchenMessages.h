#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Catalogue;
class HandlerGuard;
class ProductTable;
class RegisterLink;
class Session;
class TicketView;

// The kitchen list of the ticket screen: recall messages ("Rappel prépa") or the dishes the kitchen holds for the
// table ("Demande Suite"); "Envoyer" sends the ticked entries of whichever list is on screen.
class KitchenMessages final : public QObject
{
public:
    KitchenMessages(RegisterLink& link, Session& session, const Catalogue& catalogue, const ProductTable& products,
                    HandlerGuard& guard, ViewSlot<TicketView>& ticketView, std::function<bool()> nextCourseSupported);

    // "Rappel prépa".
    void openRecallList();
    // "Demande Suite".
    void askNextCourse();
    // "Envoyer".
    void sendTicked();

    // Which list is on screen: it decides what "Envoyer" asks for.
    bool listHoldsNextCourses() const { return m_listHoldsNextCourses; }

private:
    std::optional<QString> kitchenLabel(int article) const;

    RegisterLink& m_link;
    Session& m_session;
    const Catalogue& m_catalogue;
    const ProductTable& m_products;
    ViewSlot<TicketView>& m_ticketView;
    std::function<bool()> m_nextCourseSupported;
    bool m_listHoldsNextCourses = false;
};
