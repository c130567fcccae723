// Every modal or system interaction of the window goes through this interface: message boxes and
// the question, the file and print dialogs, the beep, the tray, the diskette drive, the program
// folder and ending the program. QtPlatform is the real one; tests script a fake.
#pragma once

#include <QMessageBox>
#include <QString>

class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace verimoda {

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button pressed (the only button for an OK box).
    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons) = 0;

    // File dialogs: an empty name means the user cancelled.
    struct FileDialog {
        QString title;  // "Salva file", "Apri file"
        QString filter; // "Xml File (*.xml)", filters separated by ";;"
        QString folder; // initial folder
    };
    virtual QString saveFileName(QWidget* parent, const FileDialog& dialog) = 0;
    virtual QString openFileName(QWidget* parent, const FileDialog& dialog) = 0;

    // The print dialog on the given printer; false when the user cancelled.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;

    virtual void beep() = 0;

    // The tray: whether the desktop has one, and popping up its menu at a screen point.
    virtual bool trayAvailable() = 0;
    virtual void popupMenu(QMenu& menu, const QPoint& at) = 0;

    // The diskette drive "A:".
    enum class Diskette { Absent, NotReady, Ready };
    virtual Diskette diskette() = 0;
    virtual QString disketteFolder() = 0; // the drive's root folder when it is ready

    virtual QString programFolder() = 0;

    // Ends the program at once, without closing the window first (no second question).
    virtual void exitProgram() = 0;
};

} // namespace verimoda
