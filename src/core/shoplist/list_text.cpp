// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_text.h"

#include <algorithm>

#include "core/common/numbers.h"
#include "core/common/text.h"

namespace tallyfox {
namespace {

std::vector<std::u16string> SheetRow(const ListItem& item) {
  return {item.checked ? u"\u2611" : u"\u2610", item.qty, item.name, item.catalog, item.price};
}

void ReplaceControlCharacters(std::u16string& text) {
  std::ranges::replace_if(text, IsControlCharacter, kReplacementCharacter);
}

}  // namespace

std::u16string TaxLine(double tax) { return u"Tax:  " + FormatAmount(tax); }
std::u16string TotalLine(double total) { return u"Total:  " + FormatAmount(total); }
std::u16string LeftLine(double left) { return u"Left: " + FormatAmount(left); }

ListSheet MakeListSheet(std::u16string_view name, const ListContents& contents,
                        const std::optional<ListRates>& rates) {
  ListSheet sheet{std::u16string(name), {u"", u"Qty", u"Name", u"Catalog", u"Price"}, {}, {}};
  for (const ListItem& item : contents.items) sheet.rows.push_back(SheetRow(item));
  const double tax = ListTaxOf(contents.items, contents.subtotal, rates.value_or(ListRates{})).tax;
  if (rates) sheet.totals.push_back(TaxLine(tax));
  sheet.totals.push_back(TotalLine(tax + contents.subtotal));
  return sheet;
}

// "☐ 2 milk (food) 6.50": the catalog in brackets keeps the words apart.
std::u16string ListSheetText(const ListSheet& sheet) {
  std::u16string text = sheet.title + u"\n";
  for (const std::vector<std::u16string>& row : sheet.rows) {
    text += row[0] + u" " + row[1] + u" " + row[2] + u" (" + row[3] + u") " + row[4] + u"\n";
  }
  for (const std::u16string& line : sheet.totals) text += line + u"\n";
  return text;
}

std::u16string TerminalSheetText(const ListSheet& sheet) {
  ListSheet safe = sheet;
  ReplaceControlCharacters(safe.title);
  for (std::vector<std::u16string>& row : safe.rows) {
    for (std::u16string& field : row) ReplaceControlCharacters(field);
  }
  return ListSheetText(safe);
}

}  // namespace tallyfox
