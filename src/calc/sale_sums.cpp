#include "calc/sale_sums.h"

#include "common/numbers.h"

namespace tallyfox {
namespace {

constexpr double kPercent = 0.01;

}  // namespace

SaleSums SumSale(std::span<const SaleRow> rows, double taxRate) {
  SaleSums sums;
  double netSum = 0;
  double taxSum = 0;
  for (const SaleRow& row : rows) {
    const double gross = ReadNumber(row.quantity) * ReadNumber(row.price);
    const double net = (1 - ReadNumber(row.percentOff) * kPercent) * gross;
    sums.rowResults.push_back(FormatFixed2(net));
    // The sums add each amount as shown, read back from its text.
    netSum += ReadNumber(sums.rowResults.back());
    taxSum += ReadNumber(FormatFixed2(net * taxRate));
  }
  sums.tax = FormatFixed2(taxSum);
  sums.total = FormatFixed2(taxSum + netSum);
  return sums;
}

}  // namespace tallyfox
