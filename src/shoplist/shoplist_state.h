#pragma once

// The list being worked on and the item being edited: owned by the Shoplist
// page and shared by reference with the dialogs it opens.

#include <filesystem>
#include <string>

#include "core/shoplist/list_store.h"

namespace tallyfox {

struct ShoplistState {
  std::u16string currentListName;
  std::filesystem::path currentListPath;
  ListItem currentItem;
};

}  // namespace tallyfox
