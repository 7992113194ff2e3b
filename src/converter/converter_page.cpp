// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "converter/converter_page.h"

#include <optional>
#include <vector>

#include "converter/shoe_size_view.h"
#include "core/common/numbers.h"
#include "core/converter/rate_update.h"
#include "platform/context_menu.h"
#include "platform/modal.h"
#include "platform/progress_window.h"
#include "platform/striped_rows.h"
#include "rates/update_rates.h"

namespace tallyfox {
namespace {

constexpr int kUnitFieldIds[] = {kIdcFromUnitList, kIdcToUnitList, kIdcValueField, kIdcResultField};
constexpr int kRateRowIds[] = {kIdcExchangeRateLabel, kIdcExchangeRateField, kIdcSetRate,
                               kIdcUpdateRates};

// Kept until the progress window is gone, so that no message opens under it.
class HeldReports : public Reporter {
 public:
  void Report(std::u16string_view message) override { messages_.emplace_back(message); }
  void ShowAll(const Dialog* owner) const {
    for (const std::u16string& message : messages_) MessageBox(owner, message);
  }

 private:
  std::vector<std::u16string> messages_;
};

}  // namespace

const MessageEntry<CDialogTab5> CDialogTab5::kMessageMap[] = {
    {kIdcCategoryList, Notify::SelChange, &CDialogTab5::OnCategoryChange},
    {kIdcValueField, Notify::TextChange, &CDialogTab5::UpdateConversion},
    {kIdcFromUnitList, Notify::SelChange, &CDialogTab5::UpdateConversion},
    {kIdcToUnitList, Notify::SelChange, &CDialogTab5::UpdateConversion},
    {kIdcExchangeRateField, Notify::TextChange, &CDialogTab5::OnRateEdited},
    {kIdcSetRate, Notify::Clicked, &CDialogTab5::OnSetRate},
    {kIdcUpdateRates, Notify::Clicked, &CDialogTab5::OnUpdateRates},
    {kIdcShoeTable, Notify::CustomDraw, &CDialogTab5::DrawStripedRows},
};

CDialogTab5::CDialogTab5(ProgramValues& values, int templateNumber)
    : Dialog(templateNumber), values_(values) {
  UseMessageMap(this, kMessageMap);
}

void CDialogTab5::DoDataExchange(DataExchange& dx) {
  dx.Text(kIdcValueField, valueText_);
  dx.Text(kIdcResultField, resultText_);
  dx.Text(kIdcExchangeRateField, rateText_);
}

bool CDialogTab5::OnInitDialog() {
  Dialog::OnInitDialog();
  Item(kIdcShoeTable).Show(false);
  valueText_ = u"100";
  resultText_ = u"100.00";
  rateText_ = u"1.00";
  UpdateData(false);
  currencyList_ = CurrencyList::Startup;
  FillUnitLists(CurrencyNames(currencyList_));
  DropDownItem(kIdcCategoryList).SetCurSel(0);
  Item(kIdcSetRate).Enable(false);
  Item(kIdcExchangeRateField).Enable(false);
  SetContextMenu(Item(kIdcExchangeRateField), {{u"Update Rates", [this] { OnUpdateRates(); }}});
  SetRefreshKey(*this, [this] { OnUpdateRates(); });
  ShowRatesDate();
  return true;
}

void CDialogTab5::OnCategoryChange() {
  ClearUnitFields();
  converterCategory_ = static_cast<ConverterCategory>(DropDownItem(kIdcCategoryList).CurSel());
  switch (converterCategory_) {
    case ConverterCategory::Currency:
      valueText_ = u"100";
      resultText_ = u"100.00";
      rateText_ = u"1";
      ShowUnitFields(true);
      Item(kIdcSetRate).Enable(false);
      // Both lists start on the same currency, whose rate is not the user's
      // to set.
      Item(kIdcExchangeRateField).Enable(false);
      currencyList_ = CurrencyList::Refill;
      FillUnitLists(CurrencyNames(currencyList_));
      ShowRatesDate();
      break;
    case ConverterCategory::Weight:
    case ConverterCategory::Length:
    case ConverterCategory::Area:
    case ConverterCategory::Volume:
    case ConverterCategory::Temperature:
      valueText_ = u"1";
      resultText_ = converterCategory_ == ConverterCategory::Temperature ? u"1.00" : u"1";
      ShowUnitFields(false);
      FillUnitLists(UnitNames(converterCategory_));
      break;
    default:
      BuildShoeSizeTable(ListViewItem(kIdcShoeTable), converterCategory_, IsLandscapePage());
      break;
  }
  UpdateData(false);
}

void CDialogTab5::UpdateConversion() {
  UpdateData(true);
  ReadSelections();
  switch (converterCategory_) {
    case ConverterCategory::Currency:
      ConvertCurrencyPair();
      break;
    case ConverterCategory::Weight:
      resultText_ = ConvertWeight(fromIndex_, toIndex_, valueText_);
      break;
    case ConverterCategory::Length:
      resultText_ = ConvertLength(fromIndex_, toIndex_, valueText_);
      break;
    case ConverterCategory::Area:
      resultText_ = ConvertArea(fromIndex_, toIndex_, valueText_);
      break;
    case ConverterCategory::Volume:
      resultText_ = ConvertVolume(fromIndex_, toIndex_, valueText_);
      break;
    case ConverterCategory::Temperature:
      resultText_ = ConvertTemperature(fromIndex_, toIndex_, valueText_);
      break;
    default:
      return;
  }
  // Not the value field: setting its text would move the caret under the
  // user's typing.
  SetItemText(kIdcResultField, resultText_);
  SetItemText(kIdcExchangeRateField, rateText_);
}

void CDialogTab5::OnRateEdited() { Item(kIdcSetRate).Enable(true); }

void CDialogTab5::OnSetRate() {
  UpdateData(true);
  ReadSelections();
  MessageBoxReporter reporter(this);
  if (!StoreExchangeRate(values_.exchangeRateFile, RatePosition(fromIndex_), RatePosition(toIndex_),
                         rateText_, reporter)) {
    return;
  }
  Item(kIdcSetRate).Enable(false);
  UpdateConversion();
  ShowRatesDate();
}

void CDialogTab5::OnUpdateRates() {
  if (converterCategory_ != ConverterCategory::Currency) return;
  HeldReports reports;
  std::optional<RatesUpdated> updated;
  {
    ProgressWindow progress(*this, u"Fetching the European Central Bank's exchange rates\u2026");
    updated = UpdateRates(DailyRatesAddress(), values_.exchangeRateFile, progress, reports);
  }
  reports.ShowAll(this);
  if (!updated) return;
  UpdateConversion();
  ShowRatesDate();
  MessageBox(this, RatesUpdatedText(updated->date, updated->changedPairs));
}

void CDialogTab5::DrawStripedRows(Notification& notification) {
  tallyfox::DrawStripedRows(notification);
}

void CDialogTab5::ClearUnitFields() {
  DropDownItem(kIdcFromUnitList).ResetContent();
  DropDownItem(kIdcToUnitList).ResetContent();
  ListView& table = ListViewItem(kIdcShoeTable);
  table.ClearColumns();
  table.Show(false);
  for (const int id : kUnitFieldIds) Item(id).Show(false);
  for (const int id : kRateRowIds) Item(id).Show(false);
}

void CDialogTab5::ShowUnitFields(bool withRate) {
  for (const int id : kUnitFieldIds) Item(id).Show(true);
  if (withRate) {
    for (const int id : kRateRowIds) Item(id).Show(true);
  }
}

void CDialogTab5::FillUnitLists(std::span<const std::u16string_view> entries) {
  for (const int id : {kIdcFromUnitList, kIdcToUnitList}) {
    DropDownList& list = DropDownItem(id);
    list.ResetContent();
    for (const std::u16string_view entry : entries) list.AddString(entry);
    list.SetCurSel(0);
  }
}

void CDialogTab5::ReadSelections() {
  fromIndex_ = DropDownItem(kIdcFromUnitList).CurSel();
  toIndex_ = DropDownItem(kIdcToUnitList).CurSel();
}

void CDialogTab5::ConvertCurrencyPair() {
  MessageBoxReporter reporter(this);
  const double rate = ReadExchangeRate(values_.exchangeRateFile, RatePosition(fromIndex_),
                                       RatePosition(toIndex_), reporter);
  rateText_ = FormatFinite(rate, FormatGeneral);
  const bool sameCurrency = fromIndex_ == toIndex_;
  if (sameCurrency) Item(kIdcSetRate).Enable(false);
  Item(kIdcExchangeRateField).Enable(!sameCurrency);
  resultText_ = ConvertCurrency(valueText_, rate);
}

void CDialogTab5::ShowRatesDate() {
  const std::optional<std::u16string> date = ReadRatesDate(values_.exchangeRateFile);
  Item(kIdcExchangeRateField).SetDescription(date ? u"rates of " + *date : u"rates you set");
}

std::int32_t CDialogTab5::RatePosition(std::int32_t index) const {
  return RateFilePosition(currencyList_, index);
}

bool CDialogTab5::IsLandscapePage() const { return templateNumber() == kIddConverterLandscape; }

}  // namespace tallyfox
