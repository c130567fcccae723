// The sheet's font, "MS Sans Serif", is not on every machine: Liberation Sans has the same widths
// and stands in for it, so that printed lines break at the same places everywhere.
#pragma once

namespace verimoda {

// Call before any font is made (fonts resolved earlier keep their first match). Safe to repeat.
void substituteFonts();

} // namespace verimoda
