#include "converter/units.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "common/numbers.h"
#include "common/text.h"

namespace tallyfox {
namespace {

// The reference factor tables, one text row per from-unit, cells separated
// by " | ": "=" passes the value on unchanged, "a/b" is the double nearest
// to the quotient.
const std::vector<std::string> kWeightTable = {
    "= | 0.001 | 1e-6 | 1000 | 0.035274 | 0.0022046 | 8.81849e-5 | 7.87365e-5",
    "1000 | = | 0.001 | 1000000 | 35.2739619 | 2.2046226 | 0.0881849 | 0.0787365",
    "1000000 | 1000 | = | 1000000000 | 35273.9619496 | 2204.6226218 | 88.1849049 | 78.7365222",
    "0.001 | 1e-6 | 1e-9 | = | 3.53e-5 | 2.2e-6 | 8.81849049e-8 | 7.87365222e-8",
    "28.3495231 | 0.0283495 | 2.83495e-5 | 28349.523125 | = | 0.0625 | 0.0025 | 0.00223214286",
    "453.59237 | 0.45359237 | 0.00045359237 | 453592.37 | 16 | = | 0.04 | 0.0357142857",
    "11339.8039 | 11.3398093 | 0.0113398093 | 11339809.3 | 400 | 25 | = | 0.892857143",
    "12700.5864 | 12.7005864 | 0.0127005864 | 12700586.4 | 448 | 28 | 1.12 | =",
};

const std::vector<std::string> kLengthTable = {
    "= | 1000000 | 1000 | 100 | 10 | 0.001 | 39.3700787 | 3.2808399 | 1.0936133 | 0.0006214 | "
    "0.0005399568034557236",
    "1e-6 | = | 0.001 | 0.0001 | 1e-5 | 1e-9 | 3.94e-5 | 3.28e-6 | 1.1e-6 | 6.2137119e-10 | "
    "5.399568034557236e-10",
    "0.001 | 1000 | = | 0.1 | 0.01 | 1e-6 | 0.0393701 | 0.0032808 | 0.0010936 | 6.2137119e-7 | "
    "5.399568034557235e-7",
    "0.01 | 10000 | 10 | = | 0.1 | 1e-5 | 0.3937008 | 0.0328084 | 0.0109361 | 6.2e-6 | "
    "5.399568034557236e-6",
    "0.1 | 100000 | 100 | 10 | = | 0.0001 | 3.9370079 | 0.328084 | 0.1093613 | 6.21e-5 | "
    "5.3995680345572353e-5",
    "1000 | 1000000000 | 1000000 | 100000 | 10000 | = | 39370.0787402 | 3280.839895 | 1093.6132983 "
    "| 0.6213712 | 0.5399568034557235",
    "0.0254 | 25400 | 25.4 | 2.54 | 0.254 | 2.54e-5 | = | 0.08333333333333333 | "
    "0.027777777777777776 | 1.5782828282828283e-5 | 1.37e-5",
    "0.3048 | 304800 | 304.8 | 30.48 | 3.048 | 0.0003048 | 12 | = | 0.3333333333333333 | "
    "0.0001893939393939394 | 0.0001646",
    "0.9144 | 914400 | 914.4 | 91.44 | 9.144 | 0.0009144 | 36 | 3 | = | 0.0005681818181818182 | "
    "0.0004937",
    "1609.344 | 1609344000 | 1609344 | 160934.4 | 16093.44 | 1.609344 | 63360 | 5280 | 1760 | = | "
    "0.8689762",
    "1852 | 1852000000 | 1852000 | 185200 | 18520 | 1.852 | 72913.3858268 | 6076.1154856 | "
    "2025.3718285 | 1.1507794 | =",
};

const std::vector<std::string> kAreaTable = {
    "= | 1000000 | 10000 | 100 | 1e-6 | 1550.0031 | 10.7639104 | 1.19599 | 3.8610216e-7 | "
    "0.0002471 | 0.0001",
    "1e-6 | = | 0.01 | 0.0001 | 1e-12 | 0.00155 | 1.08e-5 | 1.2e-6 | 3.8610216e-13 | 2.4710538e-10 "
    "| 1e-10",
    "0.0001 | 100 | = | 0.01 | 1e-10 | 0.1550003 | 0.0010764 | 0.0001196 | 3.8610216e-11 | "
    "2.4710538e-8 | 1e-8",
    "0.01 | 10000 | 100 | = | 1e-8 | 15.500031 | 0.1076391 | 0.0119599 | 3.8610216e-9 | 2.5e-6 | "
    "1e-6",
    "1000000 | 1000000000000 | 10000000000 | 100000000 | = | 1550003100.0061998 | 10763910.4167097 "
    "| 1195990.0463011 | 0.3861022 | 247.1053815 | 100",
    "0.0006452 | 645.16 | 6.4516 | 0.064516 | 6.4516e-10 | = | 0.006944444444444444 | 1/1296 | "
    "2.4909766860524435e-10 | 1.5942250790735638e-7 | 6.4516e-8",
    "0.092903 | 92903.04 | 929.0304 | 9.290304 | 9.290304e-8 | 144 | = | 0.1111111111111111 | "
    "3.587006427915519e-8 | 2.295684113865932e-5 | 9.3e-6",
    "0.8361274 | 836127.36 | 8361.2736 | 83.612736 | 8.3612736e-7 | 1296 | 9 | = | "
    "3.228305785123967e-7 | 0.00020661157024793388 | 8.36e-5",
    "2589988.110336 | 2589988110336 | 25899881103.36 | 258998811.0336 | 2.5899881 | 4014489600 | "
    "27878400 | 3097600 | = | 640 | 258.998811",
    "4046.8564224 | 4046856422.4 | 40468564.224 | 404685.64224 | 0.0040469 | 6272640 | 43560 | "
    "4840 | 0.0015625 | = | 0.4046856",
    "10000 | 10000000000 | 100000000 | 1000000 | 0.01 | 15500031.000062 | 107639.1041671 | "
    "11959.900463 | 0.003861 | 2.4710538 | =",
};

const std::vector<std::string> kVolumeTable = {
    "= | 1000000000 | 1000000 | 1000 | 1000 | 1000000 | 10000 | 61023.7440947 | 35.3146667 | "
    "1.3079506 | 33814.0227018 | 8453.5056755 | 2113.3764189 | 1056.6882094 | 264.1720524 | "
    "35195.0797279 | 7039.01551 | 1759.7539864 | 879.876938 | 219.9692483",
    "1e-9 | = | 0.001 | 1e-6 | 1e-6 | 0.001 | 1e-5 | 6.1e-5 | 3.5314667e-8 | 1.3079506e-9 | "
    "3.38e-5 | 8.5e-6 | 2.1e-6 | 1.1e-6 | 2.6417205e-7 | 3.52e-5 | 7.03901551e-6 | 1.7597539864e-6 "
    "| 8.79876938e-7 | 2.1996925e-7",
    "1e-6 | 1000 | = | 0.001 | 0.001 | = | 0.01 | 0.0610237 | 3.53e-5 | 1.3e-6 | 0.033814 | "
    "0.0084535 | 0.0021134 | 0.0010567 | 0.0002642 | 0.0351951 | 0.007039 | 0.0017597 | 0.0008798 "
    "| 0.00022",
    "0.001 | 1000000 | 1000 | = | = | 1000 | 10 | 61.0237441 | 0.0353147 | 0.001308 | 33.8140227 | "
    "8.4535057 | 2.1133764 | 1.0566882 | 0.2641721 | 35.1950797 | 7.03901551 | 1.7597539864 | "
    "0.879876938 | 0.2199692",
    "0.001 | 1000000 | 1000 | = | = | 1000 | 10 | 61.0237441 | 0.0353147 | 0.001308 | 33.8140227 | "
    "8.4535057 | 2.1133764 | 1.0566882 | 0.2641721 | 35.1950797 | 7.03901551 | 1.7597539864 | "
    "0.879876938 | 0.2199692",
    "1e-6 | 1000 | = | 0.001 | 0.001 | = | 0.01 | 0.0610237 | 3.53e-5 | 1.3e-6 | 0.033814 | "
    "0.0084535 | 0.0021134 | 0.0010567 | 0.0002642 | 0.0351951 | 0.007039 | 0.0017597 | 0.0008798 "
    "| 0.00022",
    "0.0001 | 100000 | 100 | 0.1 | 0.1 | 100 | = | 6.1023744 | 0.0035315 | 0.0001308 | 3.3814023 | "
    "0.8453506 | 0.2113376 | 0.1056688 | 0.0264172 | 3.519508 | 0.703901551 | 0.175975388 | "
    "0.0879876938 | 0.0219969",
    "1.64e-5 | 16387.064 | 16.387064 | 0.0163871 | 0.0163871 | 16.387064 | 0.1638706 | = | "
    "0.0005787037037037037 | 2.143347050754458e-5 | 0.5541126 | 0.1385281 | 0.034632 | 0.017316 | "
    "0.004329 | 0.576744 | 0.115348798 | 1/34.6774313 | 0.0144185997 | 0.0036047",
    "0.0283168 | 28316846.592 | 28316.846592 | 28.3168466 | 28.3168466 | 28316.846592 | "
    "283.1684659 | 1728 | = | 0.037037037037037035 | 957.5064935 | 239.3766234 | 59.8441558 | "
    "29.9220779 | 7.4805195 | 996.6136734 | 199.322722 | 49.8306806 | 24.9153403 | 6.2288355",
    "0.7645549 | 764554857.984 | 764554.857984 | 764.554858 | 764.554858 | 764554.857984 | "
    "7645.5485798 | 46656 | 27 | = | 25852.6753247 | 6463.1688312 | 1615.7922078 | 807.8961039 | "
    "201.974026 | 26908.5691831 | 5381.7135 | 1345.42838 | 672.714188 | 168.1785574",
    "2.96e-5 | 29573.5295625 | 29.5735296 | 0.0295735 | 0.0295735 | 29.5735296 | 0.2957353 | "
    "1.8046875 | 0.0010444 | 3.87e-5 | = | 0.25 | 0.0625 | 0.03125 | 0.0078125 | 1.0408427 | "
    "0.208168533 | 0.0520421333 | 0.0260210666 | 0.0065053",
    "0.0001183 | 118294.11825 | 118.2941183 | 0.1182941 | 0.1182941 | 118.2941183 | 1.1829412 | "
    "7.21875 | 0.0041775 | 0.0001547 | 4 | = | 0.25 | 0.125 | 0.03125 | 4.1633709 | 0.832674133 | "
    "0.208168533 | 0.104084267 | 0.0260211",
    "0.0004732 | 473176.473 | 473.176473 | 0.4731765 | 0.4731765 | 473.176473 | 4.7317647 | 28.875 "
    "| 0.0167101 | 0.0006189 | 16 | 4 | = | 0.5 | 0.125 | 16.6534837 | 3.33069653 | 0.832674133 | "
    "0.416337066 | 0.1040843",
    "0.0009464 | 946352.946 | 946.352946 | 0.9463529 | 0.9463529 | 946.352946 | 9.4635295 | 57.75 "
    "| 0.0334201 | 0.0012378 | 32 | 8 | 2 | = | 0.25 | 33.3069674 | 6.66139306 | 1.66534827 | "
    "0.832674133 | 0.2081685",
    "0.0037854 | 3785411.784 | 3785.411784 | 3.7854118 | 3.7854118 | 3785.411784 | 37.8541178 | "
    "231 | 0.1336806 | 0.0049511 | 128 | 32 | 8 | 4 | = | 133.2278695 | 26.6455723 | 6.66139306 | "
    "3.33069653 | 0.8326742",
    "2.84e-5 | 28413.0625 | 28.4130625 | 0.0284131 | 0.0284131 | 28.4130625 | 0.2841306 | "
    "1.7338715 | 0.0010034 | 3.72e-5 | 0.9607599 | 0.24019 | 0.0600475 | 0.0300237 | 0.0075059 | = "
    "| 0.2 | 0.05 | 0.025 | 0.00625",
    "0.000142065321 | 142065.321 | 142.065321 | 0.142065321 | 0.142065321 | 142.065321 | "
    "1.42065321 | 8.66935781 | 0.00501698947 | 0.000185814425 | 4.8038 | 1.20095 | 0.3002375 | "
    "0.15011875 | 0.0375296875 | 5 | = | 0.25 | 0.125 | 0.03125",
    "0.000568261285 | 568261.285 | 568.261285 | 0.568261285 | 0.568261285 | 568.261285 | "
    "5.68261285 | 34.6774313 | 0.0200650579 | 0.0007432577 | 19.2152 | 4.8038 | 1.20095 | 0.600475 "
    "| 0.15011875 | 20 | 4 | = | 0.5 | 0.125",
    "0.00113652257 | 1136522.57 | 1136.52257 | 1.1365226 | 1.1365226 | 1136.52257 | 11.3652257 | "
    "69.3548625 | 0.0401359 | 0.0014865 | 38.4304 | 9.6076 | 2.4019 | 1.20095 | 0.3002375 | 40 | 8 "
    "| 2 | = | 0.25",
    "0.00454609 | 4546090 | 4546.09 | 4.54609 | 4.54609 | 4546.09 | 45.4609 | 277.4194328 | "
    "0.1605437 | 0.0059461 | 153.7215905 | 38.4303976 | 9.6075994 | 4.8037997 | 1.2009499 | 160 | "
    "32 | 8 | 4 | =",
};
double ParseDecimal(std::string_view text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
  return value;
}

// Nothing for "=".
FactorCell ParseCell(std::string_view cell) {
  if (cell == "=") return std::nullopt;
  const std::size_t slash = cell.find('/');
  if (slash == std::string_view::npos) return ParseDecimal(cell);
  return ParseDecimal(cell.substr(0, slash)) / ParseDecimal(cell.substr(slash + 1));
}

std::vector<std::string_view> SplitCells(std::string_view row) {
  std::vector<std::string_view> cells;
  for (std::size_t start = 0;;) {
    const std::size_t bar = row.find(" | ", start);
    cells.push_back(row.substr(start, bar - start));
    if (bar == std::string_view::npos) return cells;
    start = bar + 3;
  }
}

using Converter = std::u16string (*)(std::int32_t, std::int32_t, std::u16string_view);

struct FactorCategory {
  const char* name;
  ConverterCategory category;
  Converter convert;
  const std::vector<std::string>& reference;
};

const FactorCategory kFactorCategories[] = {
    {"Weight", ConverterCategory::Weight, &ConvertWeight, kWeightTable},
    {"length", ConverterCategory::Length, &ConvertLength, kLengthTable},
    {"Area", ConverterCategory::Area, &ConvertArea, kAreaTable},
    {"Volume", ConverterCategory::Volume, &ConvertVolume, kVolumeTable},
};

TEST(UnitTablesTest, EveryFactorCellIsTheReferenceDouble) {
  for (const FactorCategory& c : kFactorCategories) {
    SCOPED_TRACE(c.name);
    const std::optional<FactorTable> table = FactorTableOf(c.category);
    ASSERT_TRUE(table.has_value());
    const auto units = static_cast<std::int32_t>(c.reference.size());
    ASSERT_EQ(table->unitCount, units);
    ASSERT_EQ(UnitNames(c.category).size(), c.reference.size());
    for (std::int32_t from = 0; from < units; ++from) {
      const std::vector<std::string_view> cells = SplitCells(c.reference[from]);
      ASSERT_EQ(static_cast<std::int32_t>(cells.size()), units) << "row " << from;
      for (std::int32_t to = 0; to < units; ++to) {
        SCOPED_TRACE(::testing::Message() << "from " << from << " to " << to);
        const FactorCell expected = ParseCell(cells[to]);
        const FactorCell actual = table->At(from, to);
        ASSERT_EQ(actual.has_value(), expected.has_value());
        if (expected) {
          EXPECT_EQ(*actual, *expected);
        }
        // The conversion takes the cell of [from][to], not of [to][from].
        const double value = 3.0;
        EXPECT_EQ(ToUtf8(c.convert(from, to, u"3")),
                  ToUtf8(FormatGeneral(expected ? value * *expected : value)));
      }
    }
  }
}

TEST(UnitTablesTest, OnlyTheFactorCategoriesHaveTables) {
  for (const ConverterCategory category :
       {ConverterCategory::Currency, ConverterCategory::Temperature, ConverterCategory::MensShoes,
        ConverterCategory::WomensShoes, ConverterCategory::ChildrensShoes}) {
    SCOPED_TRACE(static_cast<int>(category));
    EXPECT_FALSE(FactorTableOf(category).has_value());
  }
}

TEST(UnitTablesTest, CategoriesAndUnitsHaveTheirExactTexts) {
  const std::vector<std::u16string_view> categories = {
      u"Currency",    u"Weight",        u"length",          u"Area", u"Volume", u"Temperature",
      u"Men's Shoes", u"Women's Shoes", u"Children's Shoes"};
  EXPECT_EQ(std::vector<std::u16string_view>(kCategoryNames.begin(), kCategoryNames.end()),
            categories);

  const struct {
    ConverterCategory category;
    std::vector<std::u16string_view> units;
  } cases[] = {
      {ConverterCategory::Weight,
       {u"gram(g)", u"kilogram(kg)", u"ton(t)", u"milligram(mg)", u"ounce(oz)", u"pound(lb)",
        u"quarter", u"quarter(UK)"}},
      {ConverterCategory::Length,
       {u"meter(m)", u"micrometer(um)", u"millimeter(mm)", u"centimeter(cm)", u"decimeter(dm)",
        u"kilometer(km)", u"inch(in)", u"foot(ft)", u"yard(yd)", u"mile(mi)",
        u"nautical mile(nmi)"}},
      {ConverterCategory::Area,
       {u"meter²(m²)", u"millimeter²(mm²)", u"centimeter²(cm²)", u"decimeter²(dm²)",
        u"kilometer²(km²)", u"inch²(in²)", u"foot²(ft²)", u"yard²(yd²)", u"mile²(mi²)", u"acre(ac)",
        u"hectare(ha)"}},
      {ConverterCategory::Volume,
       {u"meter³(m³)",
        u"millimeter³(mm³)",
        u"centimeter³(cm³/cc)",
        u"decimeter³(dm³/l)",
        u"liter(l)",
        u"milliliter(ml/cc)",
        u"deciliter(dl)",
        u"inch³(in³)",
        u"foot³(ft³/)",
        u"yard³(yd³)",
        u"ounce",
        u"gill",
        u"pint",
        u"quart",
        u"gallon",
        u"ounce(UK)",
        u"gill(UK)",
        u"pint(UK)",
        u"quart(UK)",
        u"gallon(UK)"}},
      {ConverterCategory::Temperature,
       {u"Celsius(C)", u"Fahrenheit(F)", u"Kelvin(K)", u"Rankine(Ra)", u"Reaumur(Re)"}},
      {ConverterCategory::Currency, {}},
      {ConverterCategory::MensShoes, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.category));
    const auto units = UnitNames(c.category);
    EXPECT_EQ(std::vector<std::u16string_view>(units.begin(), units.end()), c.units);
  }
  // The superscripts are the Latin-1 characters, not digits after a caret.
  EXPECT_EQ(UnitNames(ConverterCategory::Area)[0], u"meter\u00B2(m\u00B2)");
  EXPECT_EQ(UnitNames(ConverterCategory::Volume)[8], u"foot\u00B3(ft\u00B3/)");
}

struct ConversionCase {
  const char* name;
  Converter convert;
  std::int32_t from;
  std::int32_t to;
  std::u16string_view value;
  std::u16string_view expected;
};

TEST(UnitConversionTest, ShowsResultsAsUsersKnowThem) {
  const ConversionCase cases[] = {
      {"same unit only reformats", &ConvertWeight, 0, 0, u"1.50", u"1.5"},
      {"kg to mg in exponent form", &ConvertWeight, 1, 3, u"1", u"1e+06"},
      {"g to kg", &ConvertWeight, 0, 1, u"1500", u"1.5"},
      {"lb to oz", &ConvertWeight, 5, 4, u"1", u"16"},
      {"quarter(UK) to lb", &ConvertWeight, 7, 5, u"1", u"28"},
      {"mg to oz from its own cell", &ConvertWeight, 3, 4, u"1", u"3.53e-05"},
      {"mile to foot", &ConvertLength, 9, 7, u"1", u"5280"},
      {"nautical mile to meter", &ConvertLength, 10, 0, u"1", u"1852"},
      {"inch to foot", &ConvertLength, 6, 7, u"1", u"0.0833333"},
      {"acre to square mile", &ConvertArea, 9, 8, u"640", u"1"},
      {"acre to acre", &ConvertArea, 9, 9, u"5", u"5"},
      {"square inch to square yard", &ConvertArea, 5, 7, u"1296", u"1"},
      {"hectare to acre", &ConvertArea, 10, 9, u"1", u"2.47105"},
      {"gallon to quart", &ConvertVolume, 14, 13, u"1", u"4"},
      {"gallon(UK) to pint(UK)", &ConvertVolume, 19, 17, u"1", u"8"},
      {"ml to cm3 passes on", &ConvertVolume, 5, 2, u"1", u"1"},
      {"in3 to pint(UK) by the quotient", &ConvertVolume, 7, 17, u"34.6774313", u"1"},
      {"negative value", &ConvertLength, 5, 0, u"-2.5", u"-2500"},
      {"not a number", &ConvertWeight, 1, 0, u"abc", u"0"},
      {"leading number", &ConvertWeight, 1, 0, u"12abc", u"12000"},
      {"empty", &ConvertArea, 0, 1, u"", u"0"},
      {"leading blank", &ConvertLength, 0, 0, u" 7", u"7"},
      {"exponent", &ConvertLength, 0, 0, u"1e3", u"1000"},
      {"decimal comma reads up to it", &ConvertWeight, 0, 0, u"1,5", u"1"},
      {"huge value", &ConvertWeight, 2, 3, u"1e308", u"inf"},
      {"C to F", &ConvertTemperature, 0, 1, u"100", u"212.00"},
      {"C to F where they meet", &ConvertTemperature, 0, 1, u"-40", u"-40.00"},
      {"K to C", &ConvertTemperature, 2, 0, u"0", u"-273.15"},
      {"F to C", &ConvertTemperature, 1, 0, u"32", u"0.00"},
      {"Re to K", &ConvertTemperature, 4, 2, u"0", u"273.15"},
      {"Re to C", &ConvertTemperature, 4, 0, u"80", u"100.00"},
      {"same scale still two decimals", &ConvertTemperature, 0, 0, u"1", u"1.00"},
      {"temperature not a number", &ConvertTemperature, 0, 1, u"abc", u"32.00"},
      {"temperature same scale not a number", &ConvertTemperature, 3, 3, u"abc", u"0.00"},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToUtf8(c.convert(c.from, c.to, c.value)), ToUtf8(c.expected));
  }
}

TEST(UnitConversionTest, AnIndexOutsideTheListGivesZero) {
  const struct {
    const char* name;
    Converter convert;
    std::int32_t units;
    std::u16string_view zero;
  } converters[] = {
      {"Weight", &ConvertWeight, 8, u"0"},
      {"length", &ConvertLength, 11, u"0"},
      {"Area", &ConvertArea, 11, u"0"},
      {"Volume", &ConvertVolume, 20, u"0"},
      {"Temperature", &ConvertTemperature, 5, u"0.00"},
  };
  for (const auto& c : converters) {
    SCOPED_TRACE(c.name);
    for (const auto& [from, to] : std::vector<std::pair<std::int32_t, std::int32_t>>{
             {-1, 0}, {0, -1}, {-1, -1}, {c.units, 0}, {0, c.units}, {INT32_MIN, INT32_MAX}}) {
      SCOPED_TRACE(::testing::Message() << from << " to " << to);
      EXPECT_EQ(ToUtf8(c.convert(from, to, u"5")), ToUtf8(c.zero));
    }
    EXPECT_NE(ToUtf8(c.convert(c.units - 1, 0, u"5")), ToUtf8(c.zero));
  }
}

TEST(UnitConversionTest, EveryTemperatureFormulaRunsLeftToRight) {
  // Rows from, columns to: Celsius, Fahrenheit, Kelvin, Rankine, Reaumur.
  const std::u16string_view expected[5][5] = {
      {u"36.60", u"97.88", u"309.75", u"557.55", u"29.28"},
      {u"2.56", u"36.60", u"275.71", u"496.27", u"2.04"},
      {u"-236.55", u"-393.79", u"36.60", u"65.88", u"-189.24"},
      {u"-252.82", u"-423.07", u"20.33", u"36.60", u"-202.25"},
      {u"45.75", u"114.35", u"318.90", u"574.02", u"36.60"},
  };
  for (std::int32_t from = 0; from < 5; ++from) {
    for (std::int32_t to = 0; to < 5; ++to) {
      SCOPED_TRACE(::testing::Message() << "from " << from << " to " << to);
      EXPECT_EQ(ToUtf8(ConvertTemperature(from, to, u"36.6")), ToUtf8(expected[from][to]));
    }
  }
}

}  // namespace
}  // namespace tallyfox
