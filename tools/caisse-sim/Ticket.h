#pragma once

#include "RestaurantCatalogue.h"

#include <QList>
#include <QString>

#include <optional>

namespace sim {

// What a preparation printer receives for one line of an order.
struct KitchenItem
{
    int article = 0;
    int course = 0; // 0: served with no course
    int quantity = 1;
    QString label; // the kitchen label
    QList<QString> options;
    bool supplement = false;
};

// One table's order, or one waiter's own account, as the register holds it. The terminal names a line by its
// rank among the article lines of the laid-out ticket, which is its rank here: each line is laid out as one
// article line, with its comments and set-menu dishes indented under it.
struct Ticket
{
    // The dish chosen for one course of a set menu.
    struct Dish
    {
        int article = 0;
        QString name;
        QString kitchenLabel;
        int course = 0;
        QList<QString> options;
        bool sent = false;
        bool claimed = false;
    };

    // One set menu sold: a slot per step, empty until its dish is chosen.
    using Composition = QList<std::optional<Dish>>;

    struct Line
    {
        int article = 0;
        QString name;
        int unitPrice = 0; // cents
        int quantity = 1;
        QList<QString> comments; // kitchen options and notes
        bool sent = true;        // already with the kitchen; a set menu line itself is never sent, its dishes are
        QString kitchenLabel;
        int course = 0;
        bool offered = false;
        bool supplement = false;  // ordered for the article line above it
        bool claimed = false;     // its course was asked for with the next-course request
        QList<Composition> menus; // a set menu line: one per unit sold
    };

    // A set menu sold, as a column of the terminal's set-menu grid.
    struct MenuColumn
    {
        int line = 0;
        int unit = 0;
    };

    int covers = 0;
    int waiter = 0;
    bool proforma = false;  // the bill was printed
    bool finalised = false; // totalled, waiting for its payment: no more changes
    QList<Line> lines;

    // A line for one unit of the product; a set menu line gets an empty composition.
    static Line lineFor(const RestaurantCatalogue::Product& product, int course, const QList<QString>& options,
                        const RestaurantCatalogue::SetMenu* menu);

    // Adds one unit to an identical line still waiting for the kitchen, or as a new line; supplements ordered
    // next go under it.
    void add(const RestaurantCatalogue::Product& product, int course, const QList<QString>& options,
             const RestaurantCatalogue::SetMenu* menu);
    // Under the article or set-menu dish added last, for its course; at the end when nothing was added yet.
    void addSupplement(int article, const RestaurantCatalogue::Supplement& supplement);

    // Line rank counts from 1. Removes one unit (a set menu's last composition); a line left with none goes,
    // with the supplements ordered for it. What the kitchen had comes back, to be cancelled there. Nothing
    // when there is no such line.
    std::optional<QList<KitchenItem>> reduce(int rank);
    bool offer(int rank);

    int total() const; // cents, offered lines left out
    bool waitingForKitchen() const;
    QList<int> waitingCourses() const; // in order, 0 for what has no course
    // Marks what waits for that course (0: every course) as sent and gives it, in the ticket's order.
    QList<KitchenItem> send(int course);

    // What the kitchen holds until the waiter asks for it: sent dishes not yet asked for, drinks left out.
    QList<KitchenItem> nextCourses() const;
    // Asks for the entries of nextCourses() that are ticked, in that order, and gives them.
    QList<KitchenItem> claim(const QList<bool>& ticks);

    QList<MenuColumn> menuColumns() const;
    // The slot of a step (from 0) of a set menu column (from 0), if the ticket has it.
    std::optional<Dish>* menuStep(int column, int step);
    // Supplements ordered next go under the set menu, for the course of the dish just chosen.
    void dishChosen(int column, int course);

private:
    void removeLines(int first, int count);

    int m_lastLine = -1; // where the next supplement goes
    int m_lastCourse = 0;
};

} // namespace sim
