// Sheets to print.
#pragma once

#include "sheet/sheet.h"

namespace verimoda::test {

// Every general-data box, one box of every option group (box 9 among them: "S&P/MIB"), an answer
// on every question row ("Si", "No" and "N/A" in turn where they are available) and a realistic
// amount in every indicator box, each different.
void fillWholeSheet(Sheet& sheet);

// The printed page (2-6) that carries item i.
inline int printedPage(int i) {
    return i < 24 ? 2 : i < 26 ? 3 : i < 50 ? 4 : i < 67 ? 5 : 6;
}

} // namespace verimoda::test
