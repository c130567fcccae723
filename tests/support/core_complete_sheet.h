// A sheet that passes every check before generation: all general data with both closing dates,
// one box of each option group, every question row answered and every indicator box filled.
#pragma once

#include "sheet/sheet.h"

namespace verimoda::test {

void fillCompleteSheet(Sheet& sheet);

} // namespace verimoda::test
