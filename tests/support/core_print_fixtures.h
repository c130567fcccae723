// Sheets to print.
#pragma once

#include "sheet/sheet.h"

namespace verimoda::test {

// A complete sheet whose answers differ from row to row: "Si", "No" and "N/A" in turn where they
// are available, and amounts of nine to twelve digits in the indicator boxes.
void fillWholeSheet(Sheet& sheet);

// The printed page (2-6) that carries item i.
inline int printedPage(int i) {
    return i < 24 ? 2 : i < 26 ? 3 : i < 50 ? 4 : i < 67 ? 5 : 6;
}

} // namespace verimoda::test
