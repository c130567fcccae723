#include "entry/focus.h"

namespace verimoda {

Control nextControl(Control from, bool forward) {
    int position = keyboardPosition(from);
    if (position < 0) {
        // A control outside the order (an "N/A" box the user cannot reach) walks on as if it
        // stood right after the "No" box of its row.
        Q_ASSERT(from.array == Array::Check_NA && controlExists(from));
        position = keyboardPosition({Array::Check_NO, from.index});
        if (position < 0)
            return controlAtPosition(0);
        if (!forward)
            return controlAtPosition(position);
    }
    const int step = forward ? 1 : PositionCount - 1;
    return controlAtPosition((position + step) % PositionCount);
}

int pageForFocus(Control c, int currentPage) {
    const int page = controlPage(c);
    return page >= 0 ? page : currentPage;
}

Control firstControlOfPage(int page) {
    Q_ASSERT(page >= 0 && page < PageCount);
    return controlAtPosition(firstPositionOfPage(page));
}

} // namespace verimoda
