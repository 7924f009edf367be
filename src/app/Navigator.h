#pragma once

#include "widgets/Navigation.h"

class LazyWidget;
class QWidget;

// A screen's view: one made with the window, or one made the first time a screen shows it.
class ScreenView
{
public:
    ScreenView(QWidget* view) : m_view(view) {}
    ScreenView(LazyWidget& lazy) : m_lazy(&lazy) {}

    // The view, made now when it was not.
    QWidget* made() const;
    QWidget* operator->() const { return made(); }
    // The view, or null while it has not been made.
    QWidget* ifMade() const;
    // Hides the view, which stays unmade when it was.
    void hide() const;
    bool isVisible() const;

private:
    QWidget* m_view = nullptr;
    LazyWidget* m_lazy = nullptr;
};

// The one place where screens are switched. It holds every screen of the window, hides them all but the start view
// at creation, and knows which views stand behind each screen and when the waiter must see one painted.
class Navigator final : public Navigation
{
public:
    // The window's views; each is hidden here but the start view.
    struct Screens
    {
        ScreenView start;
        ScreenView config;
        ScreenView outdatedNotice;
        ScreenView waiter;
        ScreenView tableChoice;
        ScreenView plan;
        ScreenView ticket;
        ScreenView payment;
        ScreenView setMenu;
        ScreenView message;
        ScreenView parking;
    };

    explicit Navigator(const Screens& screens);

    void paintNow() override;
    void paintDroppingInput() override;

    void showStart() override;
    void openConfiguration() override;
    void closeConfiguration() override;
    void prepareService() override;
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
