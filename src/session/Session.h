#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The waiter, table and covers in service, and the requests that carry them. Every request to the register is
// built here or from the fields built here, so the "$" that ends each field is written in one place.
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

    QString ticketRequest() const { return standardRequest(QStringLiteral("ad$")); }
    // the ticket of a table just taken on the plan: its covers field is always 0
    QString planTicketRequest() const;
    // the covers of the table just taken from the list
    QString listCoversQuery() const;
    QString planCoversQuery() const { return standardRequest(QStringLiteral("couverts$")); }
    QString coversPanelQuery() const;
    QString coversUpdate() const { return standardRequest(QStringLiteral("envcouverts$")); }
    static QString waiterQuery(int waiter);

    // One unit of an article served as a course (0: none); with the product's kitchen options when it has a list.
    QString articleRequest(int article, int course) const;
    QString articleRequest(int article, int course, const QList<bool>& options) const;
    // "~" then "1$" for a ticked entry and "--$" for any other, in list order: "~--$1$--$".
    static QString choiceFlags(const QList<bool>& ticked);
    // Supplement i of the list (from 0), under the article added last.
    QString supplementRequest(int position) const;
    // The ticket's article line of that rank (from 1): one unit less, or offered.
    QString lineRemoval(int linenumber) const;
    QString lineOffer(int linenumber) const;
    QString codeCheck(const QString& code) const;

    // The course of the article added last, 0 for none: the kitchen messages are printed under it.
    int course() const { return m_course; }
    void setCourse(int course) { m_course = course; }

    QString waitingCoursesQuery() const { return standardRequest(QStringLiteral("demanderang$")); }
    // course 1 to 7, or 0 for everything waiting
    QString kitchenDispatch(int course) const;
    QString leaveTableNotice() const;
    QString recallMessages(const QList<bool>& ticked) const;
    // the next course carries the table and the waiter only
    QString nextCourseQuery() const;
    QString nextCourseClaim(const QList<bool>& ticked) const;
    QString totalQuery() const { return standardRequest(QStringLiteral("ntotal$")); }
    QString proformaRequest() const { return standardRequest(QStringLiteral("AN$")); }
    // command: "cb$", "ch$", "ba$" or "es$"
    QString payment(const QString& command) const { return standardRequest(command); }
    // the text goes out as typed: a "$" in it reaches the register as a separator
    QString registerScreenMessage(const QString& text) const;
    QString kitchenPrintersMessage(const QString& text) const;

    // The set menus running on the ticket.
    QString setMenuList() const { return standardRequest(QStringLiteral("af$")); }
    // A dish chosen in a set menu: the menu's column from 1, the line of its course (line 1 is the menu's title),
    // the dish's position in its row from 0, and the course it is served as.
    QString setMenuDish(int column, int line, int position, int course) const;
    // The kitchen options of the dish chosen last at that column and line.
    QString setMenuDishOptions(int course, int column, int line, const QList<bool>& ticked) const;

private:
    QString m_waiter = QStringLiteral("1");
    QString m_table = QStringLiteral("0");
    QString m_covers = QStringLiteral("0");
    int m_course = 0;
};
