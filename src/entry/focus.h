// The one keyboard order across the eight pages, and which page comes to the front. The focused
// control is always on the page in front: the page follows the control that receives the focus,
// however it got there, and the command buttons below the pages leave the page alone. The boxes
// the user cannot change keep their keyboard positions but never take the focus: Tab passes over
// them, so that nothing typed can vanish into a box that swallows it.
#pragma once

#include "sheet/catalogue.h"

namespace verimoda {

// Whether the control takes the keyboard focus: every control in the order that the user can
// change (not the "- Non compilare" boxes).
bool takesFocus(Control c);
// The next control that takes the focus in the one keyboard order (positions 0-185), wrapping
// 185 -> 0 and 0 -> 185.
Control nextControl(Control from, bool forward);
// The page to show when `c` receives the focus: its own page; for a command button, currentPage.
int pageForFocus(Control c, int currentPage);
// The first and the last control of a page, in keyboard order, that take the focus (clicking a
// page's tab focuses the first).
Control firstControlOfPage(int page);
Control lastControlOfPage(int page);

} // namespace verimoda
