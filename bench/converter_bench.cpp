// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The converter: every unit conversion over every pair of its units, and a
// keystroke in "Currency", which reads the rate out of the installed file.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

#include "bench_data.h"
#include "core/converter/exchange_rates.h"
#include "core/converter/units.h"

namespace tallyfox::bench {
namespace {

constexpr std::u16string_view kTypedValue = u"12.5";
// The pair whose line is near the end of the file: the longest lookup.
constexpr std::int32_t kLastFrom = 23;
constexpr std::int32_t kLastTo = 22;

using Conversion = std::u16string (*)(std::int32_t, std::int32_t, std::u16string_view);

// Steps through every (from, to) pair in turn, so no one cell is favoured.
void ConvertEveryPair(benchmark::State& state, Conversion convert, std::int32_t unitCount) {
  std::int32_t cell = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(convert(cell / unitCount, cell % unitCount, kTypedValue));
    cell = (cell + 1) % (unitCount * unitCount);
  }
}

std::int32_t UnitCount(ConverterCategory category) {
  return static_cast<std::int32_t>(UnitNames(category).size());
}

void BM_ConvertWeight(benchmark::State& state) {
  ConvertEveryPair(state, ConvertWeight, UnitCount(ConverterCategory::Weight));
}
void BM_ConvertLength(benchmark::State& state) {
  ConvertEveryPair(state, ConvertLength, UnitCount(ConverterCategory::Length));
}
void BM_ConvertArea(benchmark::State& state) {
  ConvertEveryPair(state, ConvertArea, UnitCount(ConverterCategory::Area));
}
void BM_ConvertVolume(benchmark::State& state) {
  ConvertEveryPair(state, ConvertVolume, UnitCount(ConverterCategory::Volume));
}
void BM_ConvertTemperature(benchmark::State& state) {
  ConvertEveryPair(state, ConvertTemperature, UnitCount(ConverterCategory::Temperature));
}

const std::filesystem::path kInstalledRates = TALLYFOX_INSTALLED_RATE_FILE;

// What the Converter page does for each character typed: look the rate up in
// the file, then show the amount.
std::u16string CurrencyKeystroke(std::int32_t from, std::int32_t to) {
  FailingReporter reporter;
  return ConvertCurrency(kTypedValue, ReadExchangeRate(kInstalledRates, from, to, reporter));
}

void BM_CurrencyKeystroke(benchmark::State& state) {
  const auto currencies = static_cast<std::int32_t>(kStartupCurrencies.size());
  std::int32_t pair = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CurrencyKeystroke(pair / currencies, pair % currencies));
    pair = (pair + 1) % (currencies * currencies);
  }
}

void BM_CurrencyKeystrokeLastPair(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CurrencyKeystroke(kLastFrom, kLastTo));
}

// The floor: the rate file's bytes read into memory.
void BM_CurrencyKeystroke_Floor(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::byte> bytes = ReadFileBytes(kInstalledRates);
    benchmark::DoNotOptimize(bytes.data());
  }
}

BENCHMARK(BM_ConvertWeight);
BENCHMARK(BM_ConvertLength);
BENCHMARK(BM_ConvertArea);
BENCHMARK(BM_ConvertVolume);
BENCHMARK(BM_ConvertTemperature);
BENCHMARK(BM_CurrencyKeystroke);
BENCHMARK(BM_CurrencyKeystrokeLastPair);
BENCHMARK(BM_CurrencyKeystroke_Floor);

}  // namespace
}  // namespace tallyfox::bench
