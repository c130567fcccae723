// The platform of a Linux desktop: Qt's message boxes, its own file and print dialogs, the
// system tray, and the diskette drive "A:" as the first floppy mount folder that exists.
#pragma once

#include "app/platform.h"

#include <QByteArray>
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

// The diskette drive: the first of `candidates` that is an existing folder ("" when none is);
// it is ready when a file system is mounted on it, as `mounts` (in the format of
// /proc/self/mounts) tells.
QStringList disketteCandidates();

// The program's folder: for the program run from the folder it is installed in (known when it is
// built), which its users cannot write, "Verimoda" in the user's documents folder, made when
// first asked for; run from anywhere else (its build folder, a copy on a USB stick), the
// executable's own folder.
QString programFolderFor(const QString& executableFolder, const QString& installedFolder,
                         const QString& documentsFolder);
QString disketteFolderAmong(const QStringList& candidates);
Platform::Diskette disketteState(const QString& folder, const QByteArray& mounts);

} // namespace verimoda
