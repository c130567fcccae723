// A scripted platform for tests that drive the real window. Answers come from queues that the
// test fills beforehand; every call is recorded, in order, in `journal` and in detail in the
// lists below. An answer the test did not script is the cautious one: a message box answers
// as if Escape were pressed (Cancel, else No, else OK), a dialog is cancelled.
//
//     FakePlatform fake;
//     fake.answers = {QMessageBox::Yes};
//     fake.saveNames = {fake.file("foglio.xml")};
//     ... drive the window ...
//     QCOMPARE(fake.journal, QStringList({"message Warning", "save Salva file", "exit"}));
#pragma once

#include "app/platform.h"

#include <QList>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace verimoda::test {

class FakePlatform : public Platform {
public:
    // --- What the user will answer, consumed in order ---
    QList<QMessageBox::StandardButton> answers;
    QStringList saveNames; // "" cancels the dialog
    QStringList openNames; // "" cancels the dialog
    QList<bool> printAnswers;

    // --- The machine ---
    bool tray = true;
    Diskette disketteState = Diskette::Absent;
    QString disketteRoot;         // the diskette's folder (make one with a QTemporaryDir)
    QTemporaryDir folder;         // the program folder, empty at start
    std::function<void()> onExit; // runs inside exitProgram, to look at the window at the end

    // --- What happened ---
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton answer;
    };
    struct Popup {
        QMenu* menu;
        QPoint at;
    };
    QStringList journal; // "message <title>", "save <title>", "open <title>", "print", "beep",
                         // "popup", "exit"
    QList<Message> messages;
    QList<FileDialog> saveDialogs;
    QList<FileDialog> openDialogs;
    QList<Popup> popups;
    int printDialogs = 0;
    int beeps = 0;
    int exits = 0;

    // A path in the program folder.
    QString file(const QString& name) const;

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    QString saveFileName(QWidget* parent, const FileDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileDialog& dialog) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    void beep() override;
    bool trayAvailable() override { return tray; }
    void popupMenu(QMenu& menu, const QPoint& at) override;
    Diskette diskette() override { return disketteState; }
    QString disketteFolder() override { return disketteRoot; }
    QString programFolder() override { return folder.path(); }
    void exitProgram() override;
};

} // namespace verimoda::test
