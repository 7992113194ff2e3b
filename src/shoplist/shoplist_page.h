#pragma once

// The "Shoplist" page: the names of all shopping lists.

#include "platform/dialog.h"
#include "res/shoplist_ids.h"
#include "tax/program_values.h"

namespace tallyfox {

class CDialogTab4 : public Dialog {
 public:
  explicit CDialogTab4(ProgramValues& values, int templateNumber = kIddShoplistPortrait);

 protected:
  ProgramValues& values_;
};

class CDialogTab4L : public CDialogTab4 {
 public:
  explicit CDialogTab4L(ProgramValues& values) : CDialogTab4(values, kIddShoplistLandscape) {}
};

}  // namespace tallyfox
