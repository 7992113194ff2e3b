// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "Converter" page: units, currencies and shoe sizes.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/converter/exchange_rates.h"
#include "core/converter/units.h"
#include "core/program_values.h"
#include "platform/dialog.h"
#include "res/converter_ids.h"

namespace tallyfox {

class CDialogTab5 : public Dialog {
 public:
  explicit CDialogTab5(ProgramValues& values, int templateNumber = kIddConverterPortrait);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

  void OnCategoryChange();
  // Converts at once on every keystroke in the value field and every change
  // of unit.
  void UpdateConversion();
  void OnRateEdited();
  void OnSetRate();
  // Only while "Currency" is chosen; whatever fails leaves the rates as they were.
  void OnUpdateRates();
  void DrawStripedRows(Notification& notification);

  ProgramValues& values_;

 private:
  void ClearUnitFields();
  void ShowUnitFields(bool withRate);
  void FillUnitLists(std::span<const std::u16string_view> entries);
  void ReadSelections();
  void ConvertCurrencyPair();
  void ShowRatesDate();
  std::int32_t RatePosition(std::int32_t index) const;
  bool IsLandscapePage() const;

  static const MessageEntry<CDialogTab5> kMessageMap[];

  std::u16string valueText_;
  std::u16string resultText_;
  std::u16string rateText_;
  ConverterCategory converterCategory_ = ConverterCategory::Currency;
  std::int32_t fromIndex_ = 0;
  std::int32_t toIndex_ = 0;
  CurrencyList currencyList_ = CurrencyList::Startup;
};

class CDialogTab5L : public CDialogTab5 {
 public:
  explicit CDialogTab5L(ProgramValues& values) : CDialogTab5(values, kIddConverterLandscape) {}
};

}  // namespace tallyfox
