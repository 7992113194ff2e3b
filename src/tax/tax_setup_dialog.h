// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Tax Setup": the user chooses a state or types a rate, and "Set && Save"
// stores it in the program-wide setting and the tax file.

#include <optional>
#include <string_view>

#include "core/program_values.h"
#include "platform/dialog.h"

namespace tallyfox {

class CDlgTaxSetup : public Dialog {
 public:
  explicit CDlgTaxSetup(ProgramValues& values);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  enum Mode { kStateMode = 0, kCustomRateMode = 1 };

  void OnModeClicked();
  void OnSetAndSave();
  void ShowMode();
  // Moves what the user chose into `setting`; the message to show when the
  // input is incomplete.
  std::optional<std::u16string_view> TakeInput(TaxSetting& setting) const;

  static const MessageEntry<CDlgTaxSetup> kMessageMap[];

  ProgramValues& values_;
  int mode_ = kStateMode;
};

// Runs Tax Setup for a window's state button: true when it ended with OK,
// by "Set && Save" or by the caption OK button, so the caller refreshes.
bool RunTaxSetup(ProgramValues& values);

}  // namespace tallyfox
