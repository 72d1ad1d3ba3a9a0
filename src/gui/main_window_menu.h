// The items of the main window's menus, in one table: each toolkit makes every menu it shows
// (the menu bar, the menu of a right click on the list or the big button) from it, so that an
// item is named, ordered and told apart in one place.
#pragma once

#include <array>

#include "texts/texts.h"

namespace tarnwick::gui {

enum class MenuItem { kTrash, kLookFirst, kExcludedFolders, kPlans, kPasses, kTakeBack };

// The menus of the menu bar, in their order.
enum class BarMenu { kOptions, kHistory };
struct BarMenuEntry {
  BarMenu menu;
  const char* text;  // '&' marks the mnemonic
};
inline constexpr std::array<BarMenuEntry, 2> kMenuBar{{
    {BarMenu::kOptions, texts::kOptionsMenu},
    {BarMenu::kHistory, texts::kHistoryMenu},
}};

struct MenuItemEntry {
  MenuItem item;
  const char* text;  // '&' marks the mnemonic
  bool checkable;    // a switch that shows a check mark
  BarMenu menu;      // the menu of the menu bar that holds it
};

// In the order the menu bar shows them.
inline constexpr std::array<MenuItemEntry, 6> kMainWindowMenu{{
    {MenuItem::kTrash, texts::kTrashMenuItem, true, BarMenu::kOptions},
    {MenuItem::kLookFirst, texts::kLookFirstMenuItem, true, BarMenu::kOptions},
    {MenuItem::kExcludedFolders, texts::kExcludedFoldersMenuItem, false, BarMenu::kOptions},
    {MenuItem::kPlans, texts::kPlansMenuItem, false, BarMenu::kOptions},
    {MenuItem::kPasses, texts::kPassesMenuItem, false, BarMenu::kHistory},
    {MenuItem::kTakeBack, texts::kTakeBackMenuItem, false, BarMenu::kHistory},
}};

// The menu of a right click on the list or the big button, in its order.
inline constexpr std::array<MenuItem, 4> kContextMenu{
    {MenuItem::kTrash, MenuItem::kLookFirst, MenuItem::kTakeBack, MenuItem::kExcludedFolders}};

// The table's entry of an item.
constexpr const MenuItemEntry& EntryOf(MenuItem item) {
  for (const MenuItemEntry& entry : kMainWindowMenu) {
    if (entry.item == item) return entry;
  }
  return kMainWindowMenu.front();  // every item has its entry
}

}  // namespace tarnwick::gui
