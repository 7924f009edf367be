#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace sim {

// Everything the register knows about the restaurant and sends to a terminal at its catalogue load.
struct RestaurantCatalogue
{
    static constexpr int Keyboards = 12;
    static constexpr int Waiters = 8;
    static constexpr int Courses = 7;
    static constexpr int Tables = 100;
    static constexpr int SetMenus = 10;
    static constexpr int SetMenuSteps = 6;
    static constexpr int FirstSetMenu = 552;       // article number of set menu 1; set menu N is 551 + N
    static constexpr int SupplementFlags = 800;    // the terminal keeps supplement flags for articles 1 to 800
    static constexpr int LastProductArticle = 941; // supplements are ordered as 942 and on
    static constexpr int MaxProducts = 801;        // the terminal has keys for 801 products
    static constexpr int MaxSupplements = 50;

    struct Waiter
    {
        int number = 0;
        QString name;
        QString code;
        bool clockedIn = true;
    };

    struct PaymentMode
    {
        QString command; // "cb$", "ch$", "ba$" or "es$"
        QString caption;
    };

    // The terminal numbers its option lists 1 to 9; each is offered for the products that name it.
    struct KitchenOptionList
    {
        int list = 0;
        QString name;
        QList<QString> choices;
    };

    struct Supplement
    {
        int code = 0;
        QString name;
        int price = 0;
    };

    struct Product
    {
        int article = 0;
        QString name;
        int price = 0;
        QString colour; // "x" then AARRGGBB
        QString kitchenLabel;
        QList<int> courses;     // the courses (1-7) it may be served as
        int kitchenOptions = 0; // option list 1-9, 0 for none
        bool supplements = false;
    };

    struct Keyboard
    {
        int number = 0;
        QString name;
        QList<Product> products;
    };

    struct SetMenuStep
    {
        int course = 0;
        QList<int> articles; // the dishes to choose from, in the order they are offered
    };

    struct SetMenu
    {
        int article = 0;
        QString name;
        QList<SetMenuStep> steps;
    };

    // A line of a ticket open when the simulator starts.
    struct TicketLine
    {
        int article = 0;
        int quantity = 1;
        QList<QString> comments; // kitchen options and notes, printed under the line
        bool sent = true;        // already sent to the kitchen
        int course = 0;          // 0-7, the course it is to be served as
    };

    // A table in service when the simulator starts.
    struct OpenTicket
    {
        int covers = 0;
        int waiter = 0;
        bool proforma = false; // the bill was printed
        QList<TicketLine> lines;
    };

    // Geometry in the register's 600 x 800 plan space.
    struct Table
    {
        int number = 0;
        int covers = 0;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::optional<OpenTicket> ticket;
    };

    struct Room
    {
        int plan = 0;
        QString name;
        QList<Table> tables;
    };

    QString name;
    QString address;
    QList<Waiter> waiters;
    QList<PaymentMode> paymentModes;
    std::array<int, 3> printingOptions{};
    QList<KitchenOptionList> kitchenOptions;
    QList<QString> recallMessages;
    QList<Supplement> supplements;
    QList<Keyboard> keyboards;
    QList<SetMenu> setMenus;
    QList<Room> rooms;

    // The courses as the terminal names them: 1 "Boissons" to 7 "dessert"; empty for 0 (no course).
    static QString courseName(int course);

    // nullptr when absent
    const Waiter* waiter(int number) const;
    const Keyboard* keyboard(int number) const;
    const Product* product(int article) const;
    const SetMenu* setMenu(int article) const;
    const Table* table(int number) const;
    // The entries of the product's option list that choice flags tick, in list order.
    QList<QString> tickedOptions(const Product& product, const QList<bool>& flags) const;
    const KitchenOptionList* kitchenOptionList(int list) const;
};

} // namespace sim
