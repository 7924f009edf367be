#pragma once

// Where the waiter goes next. Which views stand behind a screen, and the order in which they are shown, hidden,
// raised and painted, belong to the navigation: a handler names the screen, never holds another view to show it.
// The views stand in one back-to-front order, which only the navigation changes: every view is shown, hidden and
// brought to the front through it, the notices' included.
class Navigation
{
public:
    Navigation() = default;
    Navigation(const Navigation&) = delete;
    Navigation& operator=(const Navigation&) = delete;
    virtual ~Navigation() = default;

    // The screen as it stands reaches the waiter before a blocking wait; a touch meanwhile is served as usual.
    virtual void paintNow() = 0;
    // The same, where a touch meanwhile was aimed at the screen being left and is dropped.
    virtual void paintDroppingInput() = 0;

    // The start view, painted.
    virtual void showStart() = 0;
    // The start view in front of every view, once the register is lost.
    virtual void bringStartForward() = 0;
    // "Configuration" in place of the start view, and back.
    virtual void openConfiguration() = 0;
    virtual void closeConfiguration() = 0;
    // The waiter keys made ready for enterService while the start waits on the register, so that entering the
    // service only shows them.
    virtual void prepareService() = 0;
    // The service starts: the waiter keys replace the start view, painted at each step.
    virtual void enterService() = 0;
    // Back from the table choice to the waiter keys.
    virtual void showWaiterKeys() = 0;
    // The table choice replaces the waiter keys, painted before they go.
    virtual void leaveWaiterKeys() = 0;
    // The table choice, over whatever stands behind it.
    virtual void showTableChoice() = 0;
    // The table's ticket replaces the waiter keys and the table choice.
    virtual void openTicket() = 0;
    // The ticket, should it have been left.
    virtual void showTicket() = 0;
    // The ticket in front of every view, those raised over it included.
    virtual void bringTicketForward() = 0;
    // The ticket shown and painted at once, so that a notice laid over it stands on it.
    virtual void repaintTicket() = 0;
    // The ticket and its payment are left for the table choice.
    virtual void leaveTicket() = 0;
    // The room plan over the table choice.
    virtual void showPlan() = 0;
    // The room plan straight from the ticket: the table choice comes behind it, each painted as it comes.
    virtual void showPlanFromTicket() = 0;
    virtual void closePlan() = 0;
    // Closes the room plan when it is up; false when it was not.
    virtual bool closePlanIfOpen() = 0;
    // The amount to pay, in front of the ticket.
    virtual void showPayment() = 0;
    // The set-menu grid in front of the ticket, and back to the ticket, painted before the grid goes.
    virtual void showSetMenus() = 0;
    virtual void leaveSetMenus() = 0;
    // The message entry in front of the ticket, and left for it.
    virtual void openMessageEntry() = 0;
    virtual void closeMessageEntry() = 0;
    // The transient notice in front of every view, and gone.
    virtual void showNotice() = 0;
    virtual void hideNotice() = 0;
    // The outdated-register notice in front of every view, and gone.
    virtual void showOutdatedNotice() = 0;
    virtual void hideOutdatedNotice() = 0;
};
