#pragma once

#include <QObject>

class TForm4;

// The room plan: its tables coloured by the state the register gives each one, opened from the table choice
// or straight from the ticket.
class RoomPlan final : public QObject
{
public:
    // Connects "Plan de salle", "Choisir table" and the plan's "Quitter".
    explicit RoomPlan(TForm4& form);

    // "Plan de salle".
    void Button20Click();
    // "Choisir table", on the ticket.
    void b2Click();
    // "Quitter" of the plan: the table choice behind it shows again.
    void Button16Click();

    // Asks the register for the tables' states and colours the tables shown on the plan.
    void refreshTableStates();

private:
    TForm4& m_form;
};
