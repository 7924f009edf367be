#pragma once

#include "link/Request.h"

// How every request the terminal sends is exchanged: its waits, its extra reads and what a failure does. Session
// pairs each request it builds with its plan here, so every wait of the protocol is in this one file.
namespace ExchangePlans {

// A product key shows its caption gone this long before the article goes: the one wait of a direct tap.
constexpr int TouchShownMs = 50;
// The longest a tap holds the screen once the register is gone: the link ends a tap that finds it so
// (RegisterLink::SilentRequestsInRow, ServiceConnectTimeoutMs). A register that answers holds it for its own pace.
constexpr int TapHoldBoundMs = 4500;

constexpr ExchangePlan Plain{};
constexpr ExchangePlan Quiet = Plain.failing(OnError::Quiet);

// opening a service: a connection of its own, and the register given time to take it
constexpr int VersionSettleMs = 20;
constexpr ExchangePlan VersionProbe = Quiet.connectingAnew().settling(VersionSettleMs).pausing(120);
constexpr ExchangePlan VersionQuery = VersionProbe.readingTwice();
constexpr ExchangePlan VersionDate = Quiet.settling(VersionSettleMs).pausing(20);
// the link probe: any failure means the start view comes back
constexpr ExchangePlan LinkProbe = Quiet;
// the catalogue download: a failure stops the load or costs the list it asked for
constexpr ExchangePlan CatalogueList = Plain;
// the register wants a breath before "limp" and "nacuistot"
constexpr ExchangePlan CatalogueListSettled = Plain.settling(20);

// the register follows the ticket with one more line, which would otherwise answer the next request
constexpr ExchangePlan TicketRefresh = Quiet.pausing(100).readingTwice().droppingTrailingLine();
// after the kitchen options the next request drops that line before it goes, rather than wait for it now
constexpr ExchangePlan TicketRefreshLeavingTrailingLine = Quiet.pausing(100).readingTwice();
// while orders are taken a failure is not reported: the ticket shown says what the register holds
constexpr ExchangePlan ArticleOrder = Quiet.readingTwice();
// the register takes an article added after a course choice before its reply can be read
constexpr ExchangePlan ArticleOrderAfterCourse = Quiet.pausing(50);
constexpr ExchangePlan ArticleWithKitchenOptions = Quiet;
constexpr ExchangePlan Supplement = Quiet.pausing(100).readingTwice();
constexpr ExchangePlan LineChange = Quiet.pausing(50);

constexpr int DispatchPauseMs = 150;
// A link error reaches the waiter and nothing is sent: sending every course without the register's list would
// print the desserts with the starters, for good, where a second touch costs nothing.
constexpr ExchangePlan WaitingCourses = Plain.droppingStaleLine();
constexpr ExchangePlan KitchenDispatch = Quiet.pausing(DispatchPauseMs);
constexpr ExchangePlan LeaveTable = Quiet.pausing(DispatchPauseMs);
constexpr ExchangePlan NextCourseQuery = Quiet.droppingStaleLine();
constexpr ExchangePlan KitchenMessages = Quiet;

// unlike the other order-taking requests, a failure of the set menu list is shown to the waiter
constexpr ExchangePlan SetMenuList = Plain.settling(20).pausing(150).readingTwice();
constexpr ExchangePlan SetMenuDish = Quiet.readingTwice();
constexpr ExchangePlan SetMenuDishOptions = Quiet.pausing(100).readingTwice();

constexpr int TableListPauseMs = 150;
constexpr ExchangePlan FreeTables = Quiet.droppingStaleLine().pausing(TableListPauseMs);
constexpr ExchangePlan BusyTables = Quiet.pausing(TableListPauseMs);
constexpr ExchangePlan TakenTableCovers = Quiet.droppingStaleLine().pausing(150);
constexpr ExchangePlan PlanTicket = Quiet.pausing(100);
constexpr ExchangePlan TableStates = Quiet.droppingStaleLine().pausing(150);
constexpr ExchangePlan CoversPanel = Quiet.droppingStaleLine();

constexpr ExchangePlan WaiterKey = Plain.failing(OnError::RaiseUnsent).pausing(10).readingTwice();
constexpr ExchangePlan CodeCheck = Plain.failing(OnError::RaiseUnsent).pausing(100).readingTwice();
constexpr ExchangePlan CodeCheckWhileTyping = Plain.failing(OnError::RaiseUnsent);

constexpr ExchangePlan Total = Quiet.droppingStaleLine().pausing(300).readingTwice(100);
constexpr ExchangePlan Proforma = Quiet.droppingStaleLine().pausing(300).readingTwice();
constexpr int PaymentPauseMs = 100;
constexpr ExchangePlan Payment = Quiet.pausing(PaymentPauseMs);
// these modes may be answered a little late
constexpr ExchangePlan LatePayment = Payment.readingTwice();
constexpr ExchangePlan Message = Quiet.readingTwice();

} // namespace ExchangePlans
