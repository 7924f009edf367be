#pragma once

#include "link/Request.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The waiter, table and covers in service, and every request the terminal sends, each paired with its plan from
// ExchangePlans: the "$" that ends each field is written here, and handlers say which request, never how.
class Session final
{
public:
    // A new service: waiter 1, no table, no covers.
    void reset();

    QString waiter() const { return m_waiter; }
    int waiterNumber() const { return m_waiter.toInt(); }
    void setWaiter(int waiter) { m_waiter = QString::number(waiter); }

    // "0" means none
    QString table() const { return m_table; }
    void setTable(const QString& table) { m_table = table; }
    void leaveTable() { m_table = QStringLiteral("0"); }

    // "0" means none; otherwise what the register last gave or the waiter chose, as text
    QString covers() const { return m_covers; }
    void setCovers(const QString& covers) { m_covers = covers; }

    // Each field followed by "$".
    static QString fields(const QStringList& values);
    // "12$4$3$": table, covers, waiter.
    QString standardFields() const;
    // keyword ("ad$", "envcouverts$") then the standard fields
    QString standardRequest(const QString& keyword) const { return keyword + standardFields(); }

    // opening a service: the version asked at activation, then at a local start, then the date-bound second one
    static Request versionProbe();
    static Request versionQuery();
    static Request versionDateQuery(const QDateTime& localNow);
    static Request linkProbe();
    // one list of the catalogue download ("nongletserveur", "naclav3_1"...); some want the link settled first
    static Request catalogueList(const QString& keyword);
    static Request catalogueListSettled(const QString& keyword);

    // the ticket, followed by a trailing line that is read and dropped, or left for the next request to drop
    Request ticketRefresh() const;
    Request ticketRefreshLeavingTrailingLine() const;
    // the ticket of a table just taken on the plan: its covers field is always 0
    Request planTicketRequest() const;
    static Request freeTablesQuery();
    static Request busyTablesQuery();
    static Request tableStatesQuery();
    // the covers of the table just taken from the list
    Request listCoversQuery() const;
    Request planCoversQuery() const;
    Request coversPanelQuery() const;
    Request coversUpdate() const;
    static Request waiterQuery(int waiter);

    // One unit of an article served as a course (0: none); after a course was chosen on its panel; with the
    // product's kitchen options when it has a list.
    Request articleRequest(int article, int course) const;
    Request articleRequestAfterCourse(int article, int course) const;
    Request articleRequest(int article, int course, const QList<bool>& options) const;
    // "~" then "1$" for a ticked entry and "--$" for any other, in list order: "~--$1$--$".
    static QString choiceFlags(const QList<bool>& ticked);
    // Supplement i of the list (from 0), under the article added last.
    Request supplementRequest(int position) const;
    // The ticket's article line of that rank (from 1): one unit less, or offered.
    Request lineRemoval(int linenumber) const;
    Request lineOffer(int linenumber) const;
    // the code validated, or the code as typed so far
    Request codeCheck(const QString& code) const;
    Request codeCheckWhileTyping(const QString& code) const;

    // The course of the article added last, 0 for none: the kitchen messages are printed under it.
    int course() const { return m_course; }
    void setCourse(int course) { m_course = course; }

    Request waitingCoursesQuery() const;
    // course 1 to 7, or 0 for everything waiting
    Request kitchenDispatch(int course) const;
    Request leaveTableNotice() const;
    Request recallMessages(const QList<bool>& ticked) const;
    // the next course carries the table and the waiter only
    Request nextCourseQuery() const;
    Request nextCourseClaim(const QList<bool>& ticked) const;
    Request totalQuery() const;
    Request proformaRequest() const;
    static constexpr int PaymentModes = 4;
    // payment mode 1 to 4: card, cheque, "ba" and cash
    Request payment(int mode) const;
    // the text goes out as typed: a "$" in it reaches the register as a separator
    Request registerScreenMessage(const QString& text) const;
    Request kitchenPrintersMessage(const QString& text) const;

    // The set menus running on the ticket.
    Request setMenuList() const;
    // A dish chosen in a set menu: the menu's column from 1, the line of its course (line 1 is the menu's title),
    // the dish's position in its row from 0, and the course it is served as.
    Request setMenuDish(int column, int line, int position, int course) const;
    // The kitchen options of the dish chosen last at that column and line.
    Request setMenuDishOptions(int course, int column, int line, const QList<bool>& ticked) const;

private:
    QString m_waiter = QStringLiteral("1");
    QString m_table = QStringLiteral("0");
    QString m_covers = QStringLiteral("0");
    int m_course = 0;
};
