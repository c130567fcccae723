#include "entry/focus.h"

namespace verimoda {

namespace {

// From `position`, the nearest position in the walking direction whose control takes the focus.
Control walkFrom(int position, bool forward) {
    const int step = forward ? 1 : PositionCount - 1;
    for (int k = 0; k < PositionCount; ++k, position = (position + step) % PositionCount)
        if (takesFocus(controlAtPosition(position)))
            return controlAtPosition(position);
    Q_UNREACHABLE();
}

} // namespace

bool takesFocus(Control c) {
    return keyboardPosition(c) >= 0 && controlEditable(c);
}

Control nextControl(Control from, bool forward) {
    int position = keyboardPosition(from);
    if (position < 0) {
        // A control outside the order (an "N/A" box the user cannot reach) walks on as if it
        // stood right after the "No" box of its row.
        Q_ASSERT(from.array == Array::Check_NA && controlExists(from));
        position = keyboardPosition({Array::Check_NO, from.index});
        if (position < 0)
            return walkFrom(0, true);
        if (!forward)
            return walkFrom(position, false);
    }
    const int step = forward ? 1 : PositionCount - 1;
    return walkFrom((position + step) % PositionCount, forward);
}

int pageForFocus(Control c, int currentPage) {
    const int page = controlPage(c);
    return page >= 0 ? page : currentPage;
}

Control firstControlOfPage(int page) {
    Q_ASSERT(page >= 0 && page < PageCount);
    return walkFrom(firstPositionOfPage(page), true);
}

Control lastControlOfPage(int page) {
    Q_ASSERT(page >= 0 && page < PageCount);
    return walkFrom(lastPositionOfPage(page), false);
}

} // namespace verimoda
