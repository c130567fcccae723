// The platform of a desktop: Qt's message boxes, its own file dialogs, the system's print dialog
// and tray, the diskette drive "A:" and the program folder as the machine has them (machine.h).
#pragma once

#include "app/platform.h"

#include <QStringList>

namespace verimoda {

class QtPlatform : public Platform {
public:
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    QString saveFileName(QWidget* parent, const FileDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileDialog& dialog) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    void beep() override;
    bool trayAvailable() override;
    void popupMenu(QMenu& menu, const QPoint& at) override;
    Diskette diskette() override;
    QString disketteFolder() override;
    QString programFolder() override;
    void exitProgram() override;
};

// The program's folder: for the program run from a folder it is installed in (known when it is
// built, or from the system), which its users cannot write, "Verimoda" in the user's documents
// folder, made when first asked for; run from anywhere else (its build folder, a copy on a USB
// stick), the executable's own folder.
QString programFolderFor(const QString& executableFolder, const QStringList& installedFolders,
                         const QString& documentsFolder);

} // namespace verimoda
