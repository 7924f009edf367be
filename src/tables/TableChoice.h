#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TForm4;

// Choosing the table to serve: from the free or the occupied tables, from the room plan, or none (the waiter's
// own account). A table taken asks the register for its covers, then opens the covers panel or the ticket.
class TableChoice final : public QObject
{
public:
    static constexpr int FreeNoticeRounds = 100;
    static constexpr int BusyNoticeRounds = 150;

    // Connects the table-choice keys, the table list's buttons and the taps on the room plan's tables.
    explicit TableChoice(TForm4& form);

    // "Travailler sans table sur le compte serveur".
    void Button5Click();
    // "Tables libres", "Tables occupées".
    void Button24Click();
    void Button25Click();
    void demande_table_libre();
    void demande_table();
    // "Annuler", "Valider" of the table list.
    void Button30Click();
    void Button26Click();
    // A table touched on the room plan, 1 to 100.
    void sorttable(int table);

    // The transient notice over a view: shown for that many rounds of UI events and 10 ms pauses.
    void showNotice(const QString& text, QWidget* view, int rounds);

private:
    void fillList(const QString& request, bool staleRead, const QString& state, const QString& emptyNotice, int rounds);
    QString askCovers(const QString& request);
    void openTicket();

    TForm4& m_form;
};
