// The commands on the window and the tray, the fake answering the dialogs: "Genera", "Salva
// temp.", "Leggi" and the ways out, what is written in the program folder (against the files in
// tests/data), what the window says, and what stays as it was when a save or a read does not
// complete; the tray icon and its menu, hiding and restoring.
#include "file/writer.h"
#include "support/core_controls.h"
#include "support/core_full_disk.h"
#include "support/core_sheets.h"
#include "support/core_table.h"
#include "support/gui_window.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

constexpr qint64 Roomy = -1, WriteProtected = -2; // a disk with room, one made read-only
constexpr auto Absent = Platform::Diskette::Absent, NotReady = Platform::Diskette::NotReady,
               Ready = Platform::Diskette::Ready;
const char* const Full = "Il disco è pieno";

// A command (a button, -1 for the close box) with the diskette drive in a state, the save dialog
// giving `target` ("" cancels); whether the target is written, the journal, what the last message
// says, and the room left on the disk of the target, or of the diskette for "Genera".
struct SaveCase {
    const char* name;
    int command;
    Platform::Diskette drive;
    const char* target;
    bool written;
    QStringList journal;
    const char* message;
    qint64 room;
};
// clang-format off
const SaveCase Saves[] = {
    {"Salva temp., in a folder, no drive test", 1, NotReady, "fogli/temp", true, {Save}, "", Roomy},
    {"Genera, diskette ready", 3, Ready, "foglio.xml", true, {Save}, "", Roomy},
    {"Genera, no diskette drive", 3, Absent, "foglio.xml", true, {Save, Failure},
     "manca l'unità A:", Roomy},
    {"Genera, diskette not ready", 3, NotReady, "foglio.xml", false, {Stop},
     "Periferica non pronta. Verificare la presenza di un disco nel driver A", Roomy},
    {"Esci, missing folder", 4, Ready, "manca/foglio.xml", false, {Question, Save, Failure},
     "\" non esiste.", Roomy},
    {"Leggi, cancelled", 2, Ready, "", false, {Question, Save}, "", Roomy},
    {"Leggi, open cancelled", 2, Ready, "salvato.xml", true, {Question, Save, Open}, "", Roomy},
    {"Salva temp., disk full", 1, NotReady, "", false, {Save, Failure}, Full, 0},
    {"close box, disk nearly full", -1, Ready, "", false, {Question, Save, Failure}, Full, 4096},
    {"Genera, diskette full", 3, Ready, "foglio.xml", true, {Save, Failure}, Full, 0},
    {"Genera, diskette write-protected", 3, Ready, "foglio.xml", true, {Save, Failure},
     "Il dischetto è protetto da scrittura.", WriteProtected},
};
// clang-format on

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    // A check that fails, or a text the file cannot carry (outside the code page, or a ">" that
    // would cut the reader's summary short), stops the write before the drive and the dialog; the
    // window, hidden when the command came from the tray, comes back with the box in front, its
    // focus shown and its row marked.
    void stopsBeforeTheDialog() {
        // "Genera" or not, the box, its text (on a full sheet for "Genera"; none: an empty sheet).
        const std::tuple<bool, Control, QString> cases[] = {
            {true, general(0), {}},
            {true, general(5), "31"},   // 31 June
            {false, text1(43), "1>2"}}; // on an empty sheet: "Salva temp." checks nothing else
        for (const auto& [genera, box, text] : cases) {
            FakePlatform fake;
            fake.disketteState = Platform::Diskette::NotReady; // never asked
            const auto w = openWindow(fake);
            if (genera && !text.isNull())
                fixture::fillFullSheet(w->sheet());
            w->sheet().setText(box, text);
            w->showPage(7);
            w->setWindowState(Qt::WindowMinimized);
            QCoreApplication::processEvents(); // the window hides once the state change is done

            QVERIFY(!w->ScriviFileXml(genera));
            QCOMPARE(fake.journal, QStringList{Stop});
            QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
            QVERIFY(w->isVisible() && !w->isMinimized());
            QCOMPARE(w->focusWidget(), w->widgetFor(box));
            QVERIFY(focusShown(*w));
            QCOMPARE(w->currentPage(), controlPage(box));
            QVERIFY(QDir(fake.folder.path()).isEmpty());
        }
    }

    // Each way to write a sheet that was saved once and edited since, answering Yes to the
    // question of the ways out and of "Leggi". A written file names itself in the title and
    // clears the unsaved edits ("Genera" copies it to a ready diskette, and reports a copy it
    // could not make); a save that does not complete keeps the title, the file name and the
    // edits, and the program, and no file replaces them. A full disk is a real tmpfs with 0 bytes
    // or 4 KiB left, for the sheet file and for its diskette copy.
    void saves_data() { tableRows(Saves); }
    void saves() {
        const auto& [name, command, drive, target_, written, journal, message, full] =
            tableRow(Saves);
        const QString target = QString::fromUtf8(target_);
        FakePlatform fake;
        QTemporaryDir diskette;
        fake.disketteState = drive;
        fake.disketteRoot = diskette.path();
        fake.answers = {QMessageBox::Yes};
        fake.saveNames = {fake.file("vecchio.xml"), target.isEmpty() ? "" : fake.file(target)};
        QVERIFY(QDir(fake.folder.path()).mkdir("fogli"));
        std::optional<FullDisk> disk;
        const bool fullDiskette = full != Roomy && command == 3;
        if (full != Roomy) {
            disk.emplace();
            if (!disk->skipReason.isEmpty())
                QSKIP(qPrintable(disk->skipReason));
            QVERIFY(!saveSheetFile(disk->file("foglio.xml"), "old"));
            if (full == WriteProtected && !disk->writeProtect())
                QSKIP("this system's test disk cannot be made read-only");
            QVERIFY(full == WriteProtected || disk->fillLeaving(full));
            if (fullDiskette)
                fake.disketteRoot = disk->path();
            else
                fake.saveNames.last() = disk->file("foglio.xml");
        }
        const auto w = openWindow(fake);
        fixture::fillFullSheet(w->sheet());
        QVERIFY(w->ScriviFileXml(false));
        clickControl(*w, si(0)); // an edit that leaves the sheet as it was
        clickControl(*w, si(0));
        QVERIFY(!w->sheet().NessunaModifica);
        fake.journal.clear();

        if (command < 0)
            QVERIFY(!w->close());
        else
            click(w->widgetFor(button(command)));
        QCOMPARE(fake.journal, journal);
        const FakePlatform::Message m = fake.messages.value(fake.messages.size() - 1);
        QVERIFY2(!*message ||
                     (m.text.contains(QString::fromUtf8(message)) && m.buttons == QMessageBox::Ok),
                 qPrintable(m.text));
        const QByteArray sheet = fixture::readData(QStringLiteral("full_sheet.xml"));
        QCOMPARE(fixture::contents(fake.file("vecchio.xml")), sheet);
        const QString file = written ? target : QStringLiteral("vecchio.xml");
        QCOMPARE(fixture::contents(fake.file(file)), sheet);
        QCOMPARE(w->windowTitle(), applicationTitle() + " - " + file);
        QCOMPARE(w->sheet().NomeFileFoglio, journal.contains(Open) ? "" : fake.file(file));
        QCOMPARE(w->sheet().NessunaModifica, written);
        QVERIFY(written || !w->sheet().UscitaRichiesta); // a later "Genera" checks again
        const bool copied = command == 3 && drive == Platform::Diskette::Ready && !fullDiskette;
        QCOMPARE(fixture::contents(diskette.filePath("foglio.xml")), copied ? sheet : "(missing)");
        if (disk) { // the old file as it was and no other
            QCOMPARE(fixture::contents(disk->file("foglio.xml")), "old");
            QCOMPARE(QDir(disk->path()).entryList(QDir::Files), QStringList{"foglio.xml"});
        }
    }

    // A file another program changed after the program wrote it is replaced only when the user
    // says so; "No" keeps the edits and the other program's file, as a cancelled dialog does. A
    // file only touched, or one the program never read or wrote, asks nothing more.
    void anotherProgramsChanges() {
        // Saved the second time; what another program writes there ("": a touch); the answer.
        const std::tuple<QString, QByteArray, QMessageBox::StandardButton> cases[] = {
            {"foglio.xml", "theirs", QMessageBox::No},
            {"foglio.xml", "theirs", QMessageBox::Yes},
            {"foglio.xml", "", QMessageBox::No},
            {"altro.xml", "theirs", QMessageBox::No}}; // never read or written
        for (const auto& [target, meanwhile, answer] : cases) {
            FakePlatform fake;
            const QString path = fake.file(target);
            fake.saveNames = {fake.file("foglio.xml"), path};
            const auto w = openWindow(fake);
            QVERIFY(w->ScriviFileXml(false));
            QFile file(path); // touched, or written over in place
            QVERIFY(meanwhile.isEmpty()
                        ? file.open(QIODevice::Append) &&
                              file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                               QFileDevice::FileModificationTime)
                        : file.open(QIODevice::WriteOnly) && file.write(meanwhile));
            file.close();
            clickControl(*w, si(0));
            fake.answers = {answer};
            fake.journal.clear();

            const bool asked = target == "foglio.xml" && !meanwhile.isEmpty();
            const bool replaced = !asked || answer == QMessageBox::Yes;
            QCOMPARE(w->ScriviFileXml(false), replaced);
            QCOMPARE(fake.journal, asked ? QStringList({Save, Failure}) : QStringList{Save});
            QVERIFY(!asked || fake.messages[0].text.contains("modificato da un altro programma"));
            QCOMPARE(fixture::contents(path) == meanwhile, !replaced);
            QCOMPARE(w->sheet().NessunaModifica, replaced);
        }
    }

    // "Leggi" after No to the question: a sheet file fills the window, names itself in the title
    // and leaves no unsaved edit. A missing or malformed file (its message names the line) leaves
    // the sheet, the title, the file name and the unsaved edits as they were.
    void reading() {
        // The file (none: no such file), box 0 afterwards, how the message starts (none when the
        // file is read).
        const std::tuple<QByteArray, QString, QString> cases[] = {
            {fixture::readData("full_sheet.xml"), "Società Perù Costruzioni - Forlì S.p.A.", {}},
            {{},
             "",
             "ATTENZIONE: impossibile aprire il file.\r\nVerificare che il nome del file sia "
             "corretto e che abbia\r\nun'estenzione \"xml.\" Operazione annullata!!!"},
            {"<BODY>\r\n<R>\r\nDATI GENERALI\r\n0 - Beta\r\nQUESTIONARIO\r\n3 - Si\r\nx - Si\r\n",
             "", "Errore nel file alla riga 7:"}};
        for (const auto& [bytes, name, message] : cases) {
            FakePlatform fake;
            const QString path = fake.file(QStringLiteral("letto.xml"));
            QVERIFY(bytes.isNull() || !saveSheetFile(path, bytes));
            fake.saveNames = {fake.file(QStringLiteral("prima.xml"))};
            fake.openNames = {path};
            const auto w = openWindow(fake);
            QVERIFY(w->ScriviFileXml(false));
            clickControl(*w, no(3));
            fake.answers = {QMessageBox::No};
            fake.journal.clear();

            click(w->widgetFor(button(2)));
            const bool read = message.isNull();
            QCOMPARE(fake.journal,
                     QStringList({Question, Open}) +
                         (read ? QStringList() : QStringList{bytes.isNull() ? Stop : Failure}));
            const FakePlatform::Message m = fake.messages.value(1); // after the question
            QVERIFY2(read || (m.text.startsWith(message) && m.icon == QMessageBox::Critical),
                     qPrintable(m.text));
            QCOMPARE(w->windowTitle(),
                     applicationTitle() + (read ? " - letto.xml" : " - prima.xml"));
            QCOMPARE(w->sheet().NomeFileFoglio, fake.file(read ? "letto.xml" : "prima.xml"));
            QCOMPARE(w->sheet().NessunaModifica, read);
            QCOMPARE(w->textBox(general(0))->text(), name);
            // The dates read in move no focus, as full date boxes do when typed.
            QCOMPARE(QApplication::focusWidget(), w->widgetFor(button(2)));
        }
    }

    // "Esci", the close box, a signal (SIGTERM, SIGHUP, SIGINT) and the end of the desktop
    // session alike; a save that does not complete keeps the program, its edits and its checks (a
    // later "Genera" checks the sheet again). A signal or the session's end brings the window back
    // from the tray to ask.
    void exitPaths() {
        // The way (Esci, close box, signal, session end, Enter on Esci), the answer to the
        // question if asked, and the journal (a save followed by the end is a written file).
        const auto No = QMessageBox::No, Yes = QMessageBox::Yes, Cancel = QMessageBox::Cancel;
        QList<std::tuple<int, QMessageBox::StandardButton, QStringList>> cases;
        for (int way = 0; way < 4; ++way) {
            if (way != 3) // without edits the session is not even asked to wait
                cases.append({way, No, {Exit}});
            cases.append({way, No, {Question, Exit}});
            cases.append({way, Yes, {Question, Save, Exit}});
            cases.append({way, Yes, {Question, Save}}); // the save dialog cancelled
            cases.append({way, Cancel, {Question}});
        }
        // Enter (here the keypad's) on the focused button presses it, as Space does.
        cases.append({4, No, {Question, Exit}});
        for (const auto& [way, answer, journal] : cases) {
            const bool edited = journal.first() == Question, stays = journal.last() != Exit;
            const bool closes = way == 1 || (way == 2 && edited);
            FakePlatform fake;
            fake.answers = {answer};
            fake.saveNames = {stays ? QString() : fake.file(QStringLiteral("foglio.xml"))};
            const auto w = openWindow(fake);
            if (edited) // an option box changed is an edit like an answer
                clickControl(*w, way == 1 ? no(3) : option(6));
            const bool fromTray = way == 2 || way == 3;
            if (fromTray) { // in the tray, where the window rests
                w->setWindowState(Qt::WindowMinimized);
                QTRY_VERIFY(w->isHidden());
            }

            if (way == 0)
                click(w->widgetFor(button(4)));
            else if (way == 1)
                QCOMPARE(w->close(), !stays);
            else if (way == 2)
                w->endRequested();
            else if (way == 3)
                QCOMPARE(w->sessionEnding(), !stays);
            else {
                w->widgetFor(button(4))->setFocus();
                QTest::keyClick(w->widgetFor(button(4)), Qt::Key_Enter, Qt::KeypadModifier);
            }
            QCoreApplication::processEvents(); // the session's end follows its answer
            QCOMPARE(fake.journal, journal);
            QCOMPARE(w->trayIcon()->isVisible(), stays); // the icon goes at the end
            // Hidden in the tray, the window comes back only to ask.
            QCOMPARE(w->isVisible(), (!fromTray || edited) && (stays || !closes));
            if (stays)
                QVERIFY(!w->sheet().NessunaModifica && !w->sheet().UscitaRichiesta &&
                        !w->isMinimized());
            if (edited)
                QCOMPARE(
                    fake.messages.first().text,
                    QStringLiteral("Con questa operazione verranno perse tutte le modifiche\r\n"
                                   "effettuate: si desidera salvarle in un file temporaneo?"));
        }
    }

    // The icon has the program's title; a left click opens the menu, at the cursor, also with
    // the window hidden; the right button opens nothing. With a tray, minimising hides the window;
    // without one it stays minimised on the taskbar, or it could never come back. "Ripristina"
    // brings it back in normal state.
    void trayIcon() {
        for (bool tray : {true, false}) {
            FakePlatform fake;
            fake.tray = tray;
            const auto w = openWindow(fake);
            QCOMPARE(w->trayIcon()->toolTip(), QStringLiteral("Ardenza - Verimoda v. 2.1"));
            QVERIFY(!w->trayIcon()->contextMenu());
            w->setWindowState(Qt::WindowMinimized);
            QCoreApplication::processEvents(); // a hide would wait for the state change to be done
            emit w->trayIcon()->activated(QSystemTrayIcon::Trigger);
            QVERIFY(w->isHidden() == tray && w->isMinimized());
            QCOMPARE(fake.popups, QList<QPoint>{QCursor::pos()});
            w->trayMenu()->actions().first()->trigger(); // "Ripristina"
            QVERIFY(w->isVisible() && !(w->windowState() & Qt::WindowMinimized));
            QCOMPARE(fake.journal, QStringList{QStringLiteral("popup")});
            if (!tray)
                continue;
            // The tray goes away while the window hides in it: back on the taskbar, minimised,
            // within two seconds.
            w->setWindowState(Qt::WindowMinimized);
            QTRY_VERIFY(w->isHidden());
            fake.tray = false;
            QTRY_VERIFY_WITH_TIMEOUT(w->isVisible() && w->isMinimized(), 2000);
        }
    }

    // A dialog keeps the window reachable: minimised meanwhile, it stays on the taskbar and the
    // tray menu does not open. The session's end waits while a dialog of a command is open.
    void dialogsKeepTheWindow() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QWidget other; // where the dialog took the keyboard
        fake.during = [&] {
            w->setWindowState(Qt::WindowMinimized);
            QTest::qWait(50); // a hide into the tray would have come by now
            QVERIFY(w->isVisible() && w->isMinimized());
            emit w->trayIcon()->activated(QSystemTrayIcon::Trigger);
            QDialog modal(w.get());
            modal.setModal(true);
            modal.show();
            QVERIFY(!w->sessionEnding());
            modal.close();
            w->showNormal();
        };
        click(w->widgetFor(button(2))); // "Leggi": nothing to save, the open dialog
        QCOMPARE(fake.journal, QStringList{Open});
    }
};

QTEST_MAIN(TestCommands)
#include "gui_commands.moc"
