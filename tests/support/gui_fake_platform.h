// A scripted platform for tests that drive the real window. Answers come from queues that the
// test fills beforehand; every call is recorded in order in `journal`, and in detail below. An
// answer not scripted is the cautious one: a message box answers as Escape would (Cancel, else
// No, else OK), a dialog is cancelled.
//
//     FakePlatform fake;
//     fake.answers = {QMessageBox::Yes};
//     fake.saveNames = {fake.file("foglio.xml")};
//     ... drive the window ...
//     QCOMPARE(fake.journal, QStringList({"message Warning", "save Salva file", "exit"}));
#pragma once

#include "app/platform.h"

#include <QPoint>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace verimoda::test {

// What the journal says of the question, the two file dialogs, a failure, a check that stops a
// save, and the end of the program.
inline const QString Question = QStringLiteral("message Warning"),
                     Save = QStringLiteral("save Salva file"),
                     Open = QStringLiteral("open Apri file"),
                     Failure = QStringLiteral("message Verimoda"),
                     Stop = QStringLiteral("message Errore"), Exit = QStringLiteral("exit");

class FakePlatform : public Platform {
public:
    // What the user will answer, in order; "" cancels a file dialog.
    QList<QMessageBox::StandardButton> answers;
    QStringList saveNames;
    QStringList openNames;
    QList<bool> printAnswers; // true prints, false cancels
    // The dialog is that of a machine without printers: its one printer writes the PDF file named
    // in its file box. A test types there the file of each accepted dialog ("" keeps the offer).
    QStringList printFiles;

    // The machine.
    bool tray = true;
    Diskette disketteState = Diskette::Absent;
    QString disketteRoot; // the diskette's folder (make one with a QTemporaryDir)
    QTemporaryDir folder; // the program folder, empty at start
    // Runs inside every message and dialog, as what the user does meanwhile.
    std::function<void()> during = [] {};

    // What happened: "message <title>", "save <title>", "open <title>", "print", "beep",
    // "popup", "exit".
    QStringList journal;
    struct Message { // its title is in the journal
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    QList<Message> messages;
    QList<FileDialog> openDialogs;
    QStringList printOffers; // the file box of each print dialog as it opened
    QList<QPoint> popups;    // where each menu popped up

    QString file(const QString& name) const { return folder.filePath(name); }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon icon, const QString& title,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        during();
        messages.append({icon, text, buttons});
        journal.append(QLatin1String("message ") + title);
        const auto escape = (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel
                            : (buttons & QMessageBox::No)   ? QMessageBox::No
                                                            : QMessageBox::Ok;
        return answers.isEmpty() ? escape : answers.takeFirst();
    }
    QString saveFileName(QWidget*, const FileDialog& dialog) override {
        during();
        journal.append(QLatin1String("save ") + dialog.title);
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    QString openFileName(QWidget*, const FileDialog& dialog) override {
        during();
        openDialogs.append(dialog);
        journal.append(QLatin1String("open ") + dialog.title);
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    bool printDialog(QWidget*, QPrinter& printer) override {
        during();
        journal.append(QStringLiteral("print"));
        printOffers.append(printer.outputFileName());
        if (printAnswers.isEmpty() || !printAnswers.takeFirst())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat); // never a real printer, whatever the machine
        if (const QString typed = printFiles.isEmpty() ? QString() : printFiles.takeFirst();
            !typed.isEmpty())
            printer.setOutputFileName(typed);
        return true;
    }
    void beep() override { journal.append(QStringLiteral("beep")); }
    bool trayAvailable() override { return tray; }
    void popupMenu(QMenu&, const QPoint& at) override {
        popups.append(at);
        journal.append(QStringLiteral("popup"));
    }
    Diskette diskette() override { return disketteState; }
    QString disketteFolder() override { return disketteRoot; }
    QString programFolder() override { return folder.path(); }
    void exitProgram() override { journal.append(QStringLiteral("exit")); }
};

} // namespace verimoda::test
