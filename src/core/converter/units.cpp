// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/units.h"

#include "core/common/numbers.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kWeightUnits[] = {
    u"gram(g)",   u"kilogram(kg)", u"ton(t)",  u"milligram(mg)",
    u"ounce(oz)", u"pound(lb)",    u"quarter", u"quarter(UK)",
};

constexpr std::u16string_view kLengthUnits[] = {
    u"meter(m)",      u"micrometer(um)", u"millimeter(mm)",     u"centimeter(cm)",
    u"decimeter(dm)", u"kilometer(km)",  u"inch(in)",           u"foot(ft)",
    u"yard(yd)",      u"mile(mi)",       u"nautical mile(nmi)",
};

constexpr std::u16string_view kAreaUnits[] = {
    u"meter\u00B2(m\u00B2)",
    u"millimeter\u00B2(mm\u00B2)",
    u"centimeter\u00B2(cm\u00B2)",
    u"decimeter\u00B2(dm\u00B2)",
    u"kilometer\u00B2(km\u00B2)",
    u"inch\u00B2(in\u00B2)",
    u"foot\u00B2(ft\u00B2)",
    u"yard\u00B2(yd\u00B2)",
    u"mile\u00B2(mi\u00B2)",
    u"acre(ac)",
    u"hectare(ha)",
};

constexpr std::u16string_view kVolumeUnits[] = {
    u"meter\u00B3(m\u00B3)",
    u"millimeter\u00B3(mm\u00B3)",
    u"centimeter\u00B3(cm\u00B3/cc)",
    u"decimeter\u00B3(dm\u00B3/l)",
    u"liter(l)",
    u"milliliter(ml/cc)",
    u"deciliter(dl)",
    u"inch\u00B3(in\u00B3)",
    u"foot\u00B3(ft\u00B3/)",
    u"yard\u00B3(yd\u00B3)",
    u"ounce",
    u"gill",
    u"pint",
    u"quart",
    u"gallon",
    u"ounce(UK)",
    u"gill(UK)",
    u"pint(UK)",
    u"quart(UK)",
    u"gallon(UK)",
};

constexpr std::u16string_view kTemperatureUnits[] = {
    u"Celsius(C)", u"Fahrenheit(F)", u"Kelvin(K)", u"Rankine(Ra)", u"Reaumur(Re)",
};

// The constants are the rounded doubles of 5/9 and 4/9, and each formula
// runs left to right, so that results match the converter users know.
constexpr double kFiveNinths = 0.5555555555555556;
constexpr double kFourNinths = 0.4444444444444444;

using TemperatureFormula = double (*)(double);

constexpr int kTemperatureScales = 5;
constexpr TemperatureFormula kTemperatureFormulas[kTemperatureScales][kTemperatureScales] = {
    {
        [](double v) { return v; },
        [](double v) { return v * 1.8 + 32; },
        [](double v) { return v + 273.15; },
        [](double v) { return v * 1.8 + 491.67; },
        [](double v) { return v * 0.8; },
    },
    {
        [](double v) { return (v - 32) * kFiveNinths; },
        [](double v) { return v; },
        [](double v) { return (v + 459.67) * kFiveNinths; },
        [](double v) { return v + 459.67; },
        [](double v) { return (v - 32) * kFourNinths; },
    },
    {
        [](double v) { return v - 273.15; },
        [](double v) { return v * 1.8 - 459.67; },
        [](double v) { return v; },
        [](double v) { return v * 1.8; },
        [](double v) { return (v - 273.15) * 0.8; },
    },
    {
        [](double v) { return ((v - 32) - 459.67) * kFiveNinths; },
        [](double v) { return v - 459.67; },
        [](double v) { return v * kFiveNinths; },
        [](double v) { return v; },
        [](double v) { return ((v - 32) - 459.67) * kFourNinths; },
    },
    {
        [](double v) { return v * 1.25; },
        [](double v) { return v * 2.25 + 32; },
        [](double v) { return v * 1.25 + 273.15; },
        [](double v) { return v * 2.25 + 491.67; },
        [](double v) { return v; },
    },
};

std::u16string ConvertByFactor(ConverterCategory category, std::int32_t fromIndex,
                               std::int32_t toIndex, std::u16string_view valueText) {
  const FactorTable table = *FactorTableOf(category);
  if (!table.HoldsPair(fromIndex, toIndex)) return FormatGeneral(0.0);
  const double value = ReadNumber(valueText);
  const FactorCell factor = table.At(fromIndex, toIndex);
  return FormatFinite(factor ? value * *factor : value, FormatGeneral);
}

bool IsTemperatureScale(std::int32_t index) { return index >= 0 && index < kTemperatureScales; }

}  // namespace

std::span<const std::u16string_view> UnitNames(ConverterCategory category) {
  switch (category) {
    case ConverterCategory::Weight:
      return kWeightUnits;
    case ConverterCategory::Length:
      return kLengthUnits;
    case ConverterCategory::Area:
      return kAreaUnits;
    case ConverterCategory::Volume:
      return kVolumeUnits;
    case ConverterCategory::Temperature:
      return kTemperatureUnits;
    default:
      return {};
  }
}

std::u16string ConvertWeight(std::int32_t fromIndex, std::int32_t toIndex,
                             std::u16string_view valueText) {
  return ConvertByFactor(ConverterCategory::Weight, fromIndex, toIndex, valueText);
}

std::u16string ConvertLength(std::int32_t fromIndex, std::int32_t toIndex,
                             std::u16string_view valueText) {
  return ConvertByFactor(ConverterCategory::Length, fromIndex, toIndex, valueText);
}

std::u16string ConvertArea(std::int32_t fromIndex, std::int32_t toIndex,
                           std::u16string_view valueText) {
  return ConvertByFactor(ConverterCategory::Area, fromIndex, toIndex, valueText);
}

std::u16string ConvertVolume(std::int32_t fromIndex, std::int32_t toIndex,
                             std::u16string_view valueText) {
  return ConvertByFactor(ConverterCategory::Volume, fromIndex, toIndex, valueText);
}

std::u16string ConvertTemperature(std::int32_t fromIndex, std::int32_t toIndex,
                                  std::u16string_view valueText) {
  if (!IsTemperatureScale(fromIndex) || !IsTemperatureScale(toIndex)) return FormatFixed2(0.0);
  return FormatFinite(kTemperatureFormulas[fromIndex][toIndex](ReadNumber(valueText)),
                      FormatFixed2);
}

}  // namespace tallyfox
