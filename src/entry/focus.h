// The one keyboard order across the eight pages, and which page comes to the front. The focused
// control is always on the page in front: the page follows the control that receives the focus,
// however it got there, and the command buttons below the pages leave the page alone.
#pragma once

#include "sheet/catalogue.h"

namespace verimoda {

// The next control in the one keyboard order (positions 0-185), wrapping 185 -> 0 and 0 -> 185.
Control nextControl(Control from, bool forward);
// The page to show when `c` receives the focus: its own page; for a command button, currentPage.
int pageForFocus(Control c, int currentPage);
// The first control of a page in keyboard order (clicking a page's tab focuses it).
Control firstControlOfPage(int page);

} // namespace verimoda
