// What the desktop platform needs from the machine, one implementation file per system
// (machine_linux.cpp, machine_windows.cpp), chosen by the build: what the system is told at start,
// the diskette drive "A:", and where an installed copy of the program runs from.
#pragma once

#include "app/platform.h"

#include <QStringList>

class QWidget;

namespace verimoda {

// Once at start, before any window.
void prepareMachine();

// A menu popped up from the tray takes the keyboard, also when no window of the program is shown
// (Windows closes the popup of a program in the background at once).
void bringPopupForward(QWidget& popup);

// The diskette drive's root folder, "" when the machine has no such drive.
QString disketteRoot();
// Whether the drive is there, and whether a diskette in it can be written to.
Platform::Diskette disketteDriveState();

// Whether the system's print dialog can print to a PDF file (Qt's own can; Windows' needs a
// printer, and a machine without one gets a file dialog instead).
bool printDialogTakesPdf();

// The folders an installed copy of the program runs from, where its users may not write.
QStringList installedFolders();

} // namespace verimoda
