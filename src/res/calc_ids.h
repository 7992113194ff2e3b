// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Sale and Discount pages. Both also carry the tax controls.

#include <array>
#include <cstddef>

#include "res/tax_control_ids.h"

namespace tallyfox {

inline constexpr int kIddDiscountPortrait = 129;
inline constexpr int kIddSalePortrait = 130;
inline constexpr int kIddDiscountLandscape = 133;
inline constexpr int kIddSaleLandscape = 134;

// Sale page: one entry per row, rows 1 to 16 in order. The ids are not
// consecutive, so a row's fields are found through these tables.
inline constexpr std::array<int, 16> kSalePriceIds = {
    1010, 1031, 1035, 1039, 1043, 1047, 1052, 1056, 1060, 1064, 1068, 1072, 1076, 1080, 1084, 1088};
inline constexpr std::array<int, 16> kSalePercentIds = {
    1011, 1032, 1036, 1040, 1044, 1048, 1053, 1057, 1061, 1065, 1069, 1073, 1077, 1081, 1085, 1089};
inline constexpr std::array<int, 16> kSaleQtyIds = {1012, 1033, 1037, 1041, 1045, 1049, 1054, 1058,
                                                    1062, 1066, 1070, 1074, 1078, 1082, 1086, 1090};
inline constexpr std::array<int, 16> kSaleResultIds = {
    1014, 1034, 1038, 1042, 1046, 1050, 1055, 1059, 1063, 1067, 1071, 1075, 1079, 1083, 1087, 1091};

inline constexpr int kIdcSaleFirstPrice = 1010;
inline constexpr int kIdcSaleCalc = 1005;
inline constexpr int kIdcSaleClear = 1006;
inline constexpr int kIdcSaleTax = 1092;
inline constexpr int kIdcSaleTotal = 1051;

// Discount page.
inline constexpr int kIdcDiscountPrice = 1002;
inline constexpr int kIdcDiscountPriceWithTax = 1035;
inline constexpr int kIdcDiscountCalc = 1005;
inline constexpr int kIdcDiscountCustomPercent = 1034;
inline constexpr int kIdcDiscountCustomResult = 1033;

// The result boxes of the fixed discounts 5% to 90%, in steps of 5%.
inline constexpr std::array<int, 18> kDiscountBoxIds = {1006, 1016, 1017, 1018, 1019, 1020,
                                                        1021, 1022, 1023, 1024, 1025, 1026,
                                                        1027, 1028, 1029, 1030, 1031, 1032};
// The landscape page has no room for 85% and 90%: it holds only the first boxes.
inline constexpr std::size_t kDiscountBoxCountLandscape = 16;

}  // namespace tallyfox
