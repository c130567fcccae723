// Shorthands for naming controls in tests: general(3) is TEXT_GENERALE 3, si(12) is Check_SI 12.
#pragma once

#include "sheet/catalogue.h"

namespace verimoda::test {

inline constexpr auto general = [](int i) { return Control{Array::TEXT_GENERALE, i}; };
inline constexpr auto option = [](int box) { return Control{Array::Check_FRAME_GENERALE, box}; };
inline constexpr auto si = [](int row) { return Control{Array::Check_SI, row}; };
inline constexpr auto no = [](int row) { return Control{Array::Check_NO, row}; };
inline constexpr auto na = [](int row) { return Control{Array::Check_NA, row}; };
inline constexpr auto text1 = [](int i) { return Control{Array::Text1, i}; };
inline constexpr auto button = [](int i) { return Control{Array::Command_Function, i}; };

} // namespace verimoda::test
