#pragma once

#include <QObject>
#include <QString>

class TForm4;

// The ticket of the current table: fetching it, showing it, picking a line by touch and stepping through
// the lines, and the feedback line over it.
class TicketDisplay final : public QObject
{
public:
    // Connects "actualise ticket" (and the hidden "Retour menu" b10), the memo's touches and the line panel.
    explicit TicketDisplay(TForm4& form);

    // Fetches the ticket and shows it. Called after every change of the order; silent on link errors.
    void refreshticket();
    // Puts a ticket reply into Memo1: the one way a ticket reaches the screen.
    void showTicket(const QString& reply);
    // The feedback line over the ticket, hidden again by Timer1.
    void showNote(const QString& text);

    void b10Click();
    // y in the memo's own coordinates
    void Memo1MouseUp(int y);
    void Button36Click();
    void Button37Click();
    void Button33Click();

    // The selected line as the register names it, and the touch position in lines.
    int linenumber() const { return m_linenumber; }
    float lignes() const { return m_lignes; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(float by);
    bool select(int n);

    TForm4& m_form;
    int m_linenumber = 0;
    float m_lignes = 0;
};
