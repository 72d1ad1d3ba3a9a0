// The items of the main window's menus, in one table: each toolkit makes every menu it shows
// from it, so an item is named, ordered and told apart in one place.
#pragma once

#include <array>

#include "texts/texts.h"

namespace tarnwick::gui {

enum class MenuItem { kTrash, kLookFirst, kTakeBack, kExcludedFolders };

struct MenuItemEntry {
  MenuItem item;
  const char* text;
  bool checkable;  // a switch that shows a check mark
};

// In the order the menus show them.
inline constexpr std::array<MenuItemEntry, 4> kMainWindowMenu{{
    {MenuItem::kTrash, texts::kTrashMenuItem, true},
    {MenuItem::kLookFirst, texts::kLookFirstMenuItem, true},
    {MenuItem::kTakeBack, texts::kTakeBackMenuItem, false},
    {MenuItem::kExcludedFolders, texts::kExcludedFoldersMenuItem, false},
}};

}  // namespace tarnwick::gui
