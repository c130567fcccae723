// The ways out, the tray icon and its menu, hiding and restoring: every exit path with and
// without unsaved edits, with the fake answering the question and the save dialog and recording
// what happened.
#include "support/core_controls.h"
#include "support/gui_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

class TestExit : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestExit)
#include "gui_exit.moc"
