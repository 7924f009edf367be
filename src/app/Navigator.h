#pragma once

#include "widgets/Navigation.h"

#include <QString>

#include <functional>
#include <vector>

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
    // Runs the hook on a view made late, once it is made.
    void whenMade(std::function<void(QWidget&)> hook) const;

private:
    QWidget* m_view = nullptr;
    LazyWidget* m_lazy = nullptr;
};

// The one place where screens are switched. It holds every screen of the window, hides them all but the start view
// at creation, and knows which views stand behind each screen and when the waiter must see one painted. It keeps
// the views' back-to-front order, first the order in which the window creates them; a view made late takes the
// place that order gives it, as if it had been made with the window.
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
        ScreenView notice;
    };

    explicit Navigator(const Screens& screens);
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // The view the waiter sees: the visible one latest in the stack order, the transient notice aside.
    QWidget* frontView() const;
    // The visible views, back to front.
    std::vector<QWidget*> visibleViews() const;
    // A view by its object name, made now when it was not; null for a name no view has.
    QWidget* view(const QString& name) const;

    void paintNow() override;
    void paintDroppingInput() override;

    void showStart() override;
    void bringStartForward() override;
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
    void openMessageEntry() override;
    void closeMessageEntry() override;
    void showNotice() override;
    void hideNotice() override;
    void showOutdatedNotice() override;
    void hideOutdatedNotice() override;

private:
    // Moves the view to the end of the stack order and raises it there: every raise of a view comes through here.
    void bringToFront(const ScreenView& view);
    // Stacks a view just made under the first made view that stands after it in the order.
    void placeMade(QWidget& view);

    Screens m_screens;
    // back to front, each with its object name; points into m_screens
    struct Entry
    {
        QLatin1String name;
        const ScreenView* view;
    };
    std::vector<Entry> m_stack;
};
