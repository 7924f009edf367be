#pragma once

#include <QObject>
#include <QString>

class TForm4;

// Waiter choice and identification: the waiter keys, the code panel and the way back from the table choice.
// A link failure while connecting or sending is left to the caller (the general error display); a failed read
// counts as no reply.
class WaiterLogin final : public QObject
{
public:
    // Connects the waiter keys, the code panel and the logout button of the window's views.
    explicit WaiterLogin(TForm4& form);

    void s1Click() { waiterClick(1); }
    void s2Click() { waiterClick(2); }
    void s3Click() { waiterClick(3); }
    void s4Click() { waiterClick(4); }
    void s5Click() { waiterClick(5); }
    void s6Click() { waiterClick(6); }
    void s7Click() { waiterClick(7); }
    void s8Click() { waiterClick(8); }

    // The identification request for waiter 1 to 8, and what the register's reply opens.
    void changeserv(int waiter);
    // "Valider" of the code panel.
    void ValiderClick();
    // A key typed in the code box, text being the character it adds (empty for none). Returns true when the code
    // so completed logged the waiter in: the key is then used up and the box stays empty.
    bool Edit3KeyDown(const QString& text);
    // "Se déconnecter du compte ...": back to the waiter keys.
    void Button17Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void waiterClick(int waiter);
    QString ask(const QString& request, int pauseMs, bool secondRead);
    void entreChoixTable(const QString& name);
    QString serv(int waiter) const;

    TForm4& m_form;
};
