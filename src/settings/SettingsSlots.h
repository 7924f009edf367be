#pragma once

// What each settings slot holds. The slot numbers are the keys of the settings file: never renumber them.
namespace SettingsSlots {

constexpr int Address = 0;             // the register address, as typed in the start view
constexpr int AutoStart = 1;           // "1": start with the last valid address
constexpr int GraphicPlan = 2;         // "1": the room plan is offered
constexpr int AskCovers = 3;           // "1": a table without covers asks for them
constexpr int DoubleTap = 4;           // "1": product keys add on a double tap, anything else a single tap
constexpr int DataStamp = 10;          // the register's data stamp the cached catalogue was downloaded under
constexpr int PriceListFirstHalf = 10; // + keyboard 1-12: first half of its product list
constexpr int TabsAndWaiters = 30;     // "nongletserveur"
constexpr int PaymentCaptions = 31;    // "enc$"
constexpr int TablePlan = 33;          // "tablepos$"
constexpr int Supplements = 35;        // "listesupp"
constexpr int SupplementFlags = 36;    // "supplement"
constexpr int PrintingOptions = 41;    // "limp"
constexpr int KitchenLists = 42;       // "nacuistot"
constexpr int SetMenuContents = 43;    // "ctnform", in three slots: 43 to 45
constexpr int SetMenuContentsSlots = 3;
constexpr int CourseRanks = 45;         // + course 1-7: "rang1" to "rang7"
constexpr int SetMenuLists = 60;        // + set menu 1-10: "aform1" to "aform10", first 1000 characters
constexpr int SetMenuListsRest = 70;    // + set menu 1-10: characters 1001 to 2000
constexpr int PriceListSecondHalf = 80; // + keyboard 1-12: second half of its product list
constexpr int KitchenLabels = 100;      // + keyboard 1-12: "stgcuisN"

} // namespace SettingsSlots
