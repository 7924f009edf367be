#pragma once

// The sizes of a restaurant as the register describes it: its lists and replies are laid out for these counts.
namespace Limits {

constexpr int Waiters = 8;
constexpr int Keyboards = 12;
constexpr int Courses = 7; // 1 "Boissons" to 7 "dessert"
constexpr int SetMenus = 10;
constexpr int FirstSetMenuArticle = 552; // set menus are articles 552 to 561
constexpr int LastSetMenuArticle = FirstSetMenuArticle + SetMenus - 1;
constexpr int FirstSupplementArticle = 942; // supplement i of the list (from 0) is ordered as article 942 + i
constexpr int SupplementOptionFlags = 15;   // a supplement carries fifteen option flags, none ever ticked
constexpr int Tables = 100;
constexpr int MaxCovers = 25;

} // namespace Limits
