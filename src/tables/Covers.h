#pragma once

#include <QObject>

class TForm4;

// The covers panel: the register's count for the table, and the count the waiter gives it.
class Covers final : public QObject
{
public:
    // Connects "Nombre de couverts" and the covers panel's list and buttons.
    explicit Covers(TForm4& form);

    // A table just taken has no covers yet: the panel asks for them, "0" selected.
    void openAfterChoice();

    // "Nombre de couverts".
    void cornerbutton8Click();
    void ListBox1Change();
    void ListBox1ItemClick();
    // "Valider ..." and "Sortir".
    void Button15Click();
    void Button31Click();

private:
    TForm4& m_form;
};
