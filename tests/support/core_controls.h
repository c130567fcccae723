// Shorthands for naming controls in tests.
#pragma once

#include "sheet/catalogue.h"

namespace verimoda::test {

inline Control general(int i) {
    return {Array::TEXT_GENERALE, i};
}
inline Control option(int box) {
    return {Array::Check_FRAME_GENERALE, box};
}
inline Control si(int row) {
    return {Array::Check_SI, row};
}
inline Control no(int row) {
    return {Array::Check_NO, row};
}
inline Control na(int row) {
    return {Array::Check_NA, row};
}
inline Control text1(int i) {
    return {Array::Text1, i};
}
inline Control button(int i) {
    return {Array::Command_Function, i};
}

} // namespace verimoda::test
