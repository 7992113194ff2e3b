// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number reading and the four result formats, each beside the standard
// library call that does the same work on plain ASCII.

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string_view>

#include "core/common/numbers.h"

namespace tallyfox::bench {
namespace {

constexpr std::u16string_view kTypedPrice = u"1234.56";
constexpr std::string_view kTypedPriceAscii = "1234.56";
constexpr double kResult = 1234.5678;
constexpr int kQuantity = 12345;

void BM_ReadNumber(benchmark::State& state) {
  for (auto _ : state) {
    std::u16string_view text = kTypedPrice;
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(ReadNumber(text));
  }
}

void BM_ReadNumber_Floor(benchmark::State& state) {
  for (auto _ : state) {
    std::string_view text = kTypedPriceAscii;
    benchmark::DoNotOptimize(text);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
  }
}

template <auto Format>
void BM_Format(benchmark::State& state) {
  for (auto _ : state) {
    double value = kResult;
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(Format(value));
  }
}

template <class Value, class... Options>
void FormatFloor(benchmark::State& state, Value value, Options... options) {
  std::array<char, 400> buffer;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, options...);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
  }
}

void BM_FormatFixed2(benchmark::State& state) { BM_Format<FormatFixed2>(state); }
void BM_FormatFixed2_Floor(benchmark::State& state) {
  FormatFloor(state, kResult, std::chars_format::fixed, 2);
}
void BM_FormatFixed4(benchmark::State& state) { BM_Format<FormatFixed4>(state); }
void BM_FormatFixed4_Floor(benchmark::State& state) {
  FormatFloor(state, kResult, std::chars_format::fixed, 4);
}
void BM_FormatGeneral(benchmark::State& state) { BM_Format<FormatGeneral>(state); }
void BM_FormatGeneral_Floor(benchmark::State& state) {
  FormatFloor(state, kResult, std::chars_format::general, 6);
}

void BM_FormatInteger(benchmark::State& state) {
  for (auto _ : state) {
    int value = kQuantity;
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(FormatInteger(value));
  }
}
void BM_FormatInteger_Floor(benchmark::State& state) { FormatFloor(state, kQuantity); }

BENCHMARK(BM_ReadNumber);
BENCHMARK(BM_ReadNumber_Floor);
BENCHMARK(BM_FormatFixed2);
BENCHMARK(BM_FormatFixed2_Floor);
BENCHMARK(BM_FormatFixed4);
BENCHMARK(BM_FormatFixed4_Floor);
BENCHMARK(BM_FormatGeneral);
BENCHMARK(BM_FormatGeneral_Floor);
BENCHMARK(BM_FormatInteger);
BENCHMARK(BM_FormatInteger_Floor);

}  // namespace
}  // namespace tallyfox::bench
