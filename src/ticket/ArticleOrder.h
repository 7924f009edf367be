#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>
#include <QString>

#include <functional>

class Catalogue;
class HandlerGuard;
class Navigation;
class ParkingView;
class ProductKeys;
class ProductTable;
class RegisterLink;
class Session;
class Supplements;
class TicketDisplay;
class TicketView;
class TransientNotice;

// A product key adds one unit of its product to the table's ticket. On the way the waiter may be asked the course
// it is served as and its kitchen options; after it, the supplements it takes.
class ArticleOrder final : public QObject
{
public:
    ArticleOrder(RegisterLink& link, Session& session, const ProductTable& products, const Catalogue& catalogue,
                 HandlerGuard& guard, ProductKeys& keys, ViewSlot<TicketView>& ticketView,
                 ViewSlot<ParkingView>& parkingView, TicketDisplay& ticketDisplay, Supplements& supplements,
                 TransientNotice& notice, Navigation& screens, std::function<void()> restartLinkProbe);

    static constexpr int UnansweredNoticeRounds = 150;

    // The key of product k: the article goes at once, or the course or kitchen options are asked first.
    void addArticle(int k);
    // A key of "A servir en tant que": course 1 "Boissons" to 7 "dessert".
    void chooseCourse(int course);
    // "Valider" of the kitchen options: the article with its ticked options.
    void validateKitchenOptions();

    // The product last touched, its article number and the course it goes as (0: none), as the last tap or course
    // key left them.
    int article() const { return m_article; }
    int artencours() const { return m_artencours; }
    int rangchoisi() const;

private:
    // A key tapped while another handler runs orders once that one ends, if the key still lies under the point
    // touched then.
    void queueTap(int k);
    // After the course is chosen: the kitchen options, or the article at once.
    void addWithCourse();
    // The article request got no reply: the register may hold the line or not, so the waiter is shown its ticket, and
    // the taps he made meanwhile are dropped rather than add the line again.
    void showTicketAfterLostReply(const std::function<void()>& shown);
    void openSupplementsIfTaken();
    QString note() const;

    RegisterLink& m_link;
    Session& m_session;
    const ProductTable& m_products;
    const Catalogue& m_catalogue;
    HandlerGuard& m_guard;
    ProductKeys& m_keys;
    ViewSlot<TicketView>& m_ticketView;
    ViewSlot<ParkingView>& m_parkingView;
    TicketDisplay& m_ticketDisplay;
    Supplements& m_supplements;
    TransientNotice& m_notice;
    Navigation& m_screens;
    std::function<void()> m_restartLinkProbe;
    int m_article = 0;
    int m_artencours = 0;
};
