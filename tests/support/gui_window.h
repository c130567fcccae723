// Opening the real window on the fake platform, and acting on it as a user does.
#pragma once

#include "app/main_window.h"
#include "support/gui_fake_platform.h"

#include <memory>

class QAbstractButton;

namespace verimoda::test {

// Sets up the application the way the program does (fonts, Italian Qt texts, icon); openWindow
// does it first, a test that needs it before any window calls it in initTestCase.
void prepareTestApplication();

// The window as the program opens it, on the fake platform, shown and active.
std::unique_ptr<Main> openWindow(FakePlatform& fake);

// Whether the control that has the focus shows it as after Tab, and its row on its page stands
// out (the band of the page behind it).
bool focusShown(const Main& window);

// A left click where the user aims: a check box's indicator, the middle of anything else.
void click(QWidget* widget);
// Brings the page of a control to the front and clicks the control.
void clickControl(Main& window, Control c);

} // namespace verimoda::test
