// How the program starts, shared by main() and by the launch benchmark so that both start the
// same program.
#pragma once

#include <QFont>
#include <QIcon>

#include <memory>

class QApplication;

namespace verimoda {

class Main;
class Platform;

// Sets up the application before any window or font exists: Qt's own texts in Italian, the
// stand-in face for the designed font, the program's icon, and the end of the program left to
// the window (it lives on in the tray while hidden).
void prepareApplication(QApplication& app);

// Creates the window and shows it.
std::unique_ptr<Main> openMainWindow(Platform& platform);

// The whole program on an application object: set-up, the desktop platform, the window, the
// event loop. Returns the exit code.
int runProgram(QApplication& app);

QIcon programIcon();

// The window's face at its designed size: the designed face where the machine has it, else the
// stand-in that prepareApplication() named for it.
QFont windowFont();

} // namespace verimoda
