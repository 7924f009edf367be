#pragma once

#include "widgets/Navigation.h"

class QWidget;

// The one place where screens are switched. It holds every screen of the window, hides them all but the start view
// at creation, and knows which views stand behind each screen and when the waiter must see one painted.
class Navigator final : public Navigation
{
public:
    // The window's views; each is hidden here but the start view.
    struct Screens
    {
        QWidget* start;
        QWidget* config;
        QWidget* outdatedNotice;
        QWidget* waiter;
        QWidget* tableChoice;
        QWidget* plan;
        QWidget* ticket;
        QWidget* payment;
        QWidget* setMenu;
        QWidget* message;
        QWidget* parking;
    };

    explicit Navigator(const Screens& screens);

    void paintNow() override;
    void paintDroppingInput() override;

    void showStart() override;
    void openConfiguration() override;
    void closeConfiguration() override;
    void enterService() override;
    void showWaiterKeys() override;
    void leaveWaiterKeys() override;
    void showTableChoice() override;
    void openTicket() override;
    void showTicket() override;
    void bringTicketForward() override;
    void repaintTicket() override;
    void leaveTicket() override;
    void showPlan() override;
    void showPlanFromTicket() override;
    void closePlan() override;
    bool closePlanIfOpen() override;
    void showPayment() override;
    void showSetMenus() override;
    void leaveSetMenus() override;
    void closeMessageEntry() override;

private:
    Screens m_screens;
};
