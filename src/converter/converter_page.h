#pragma once

// The "Converter" page: units, currencies and shoe sizes.

#include "platform/dialog.h"
#include "res/converter_ids.h"
#include "tax/program_values.h"

namespace tallyfox {

class CDialogTab5 : public Dialog {
 public:
  explicit CDialogTab5(ProgramValues& values, int templateNumber = kIddConverterPortrait);

 protected:
  ProgramValues& values_;
};

class CDialogTab5L : public CDialogTab5 {
 public:
  explicit CDialogTab5L(ProgramValues& values) : CDialogTab5(values, kIddConverterLandscape) {}
};

}  // namespace tallyfox
