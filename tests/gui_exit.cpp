// The ways out, the tray icon and its menu, hiding and restoring: every exit path with and
// without unsaved edits, through "Esci" and the close box, with the fake answering the question
// and the save dialog and recording what happened.
#include "support/gui_window.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

const QString Question = QStringLiteral("message Warning");
const QString Save = QStringLiteral("save Salva file");
const QString Exit = QStringLiteral("exit");

QPushButton* button(const Main& w, int index) {
    return w.findChild<QPushButton*>(controlName({Array::Command_Function, index}));
}

QAction* menuItem(const Main& w, const char* name) {
    return w.trayMenu()->findChild<QAction*>(QLatin1String(name));
}

enum class Way { EsciButton, EsciMenu, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    void exitPaths_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("saved"); // the save dialog gives a name
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<bool>("stays"); // the program goes on, with its window

        const auto No = QMessageBox::No, Yes = QMessageBox::Yes, Cancel = QMessageBox::Cancel;
        for (Way way : {Way::EsciButton, Way::EsciMenu, Way::CloseBox}) {
            const char* name = way == Way::EsciButton ? "Esci"
                               : way == Way::EsciMenu ? "menu Esci"
                                                      : "close box";
            const auto row = [&](const char* what) -> QTestData& {
                return QTest::addRow("%s, %s", name, what);
            };
            row("no edit") << way << false << No << false << QStringList{Exit} << false;
            row("edit, No") << way << true << No << false << QStringList{Question, Exit} << false;
            row("edit, Yes, saved")
                << way << true << Yes << true << QStringList{Question, Save, Exit} << false;
            // The save does not complete: the program stays with its edits.
            row("edit, Yes, save cancelled")
                << way << true << Yes << false << QStringList{Question, Save} << true;
            row("edit, Cancel") << way << true << Cancel << false << QStringList{Question} << true;
        }
    }
    void exitPaths() {
        QFETCH(Way, way);
        QFETCH(bool, edited);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, saved);
        QFETCH(QStringList, journal);
        QFETCH(bool, stays);

        FakePlatform fake;
        fake.answers = {answer};
        fake.saveNames = {saved ? fake.file(QStringLiteral("foglio.xml")) : QString()};
        const auto w = openWindow(fake);
        bool trayAtExit = true;
        fake.onExit = [&] { trayAtExit = w->trayIcon()->isVisible(); };
        if (edited)
            clickControl(*w, {Array::Check_NO, 3});
        QCOMPARE(w->sheet().NessunaModifica, !edited);

        switch (way) {
        case Way::EsciButton:
            click(button(*w, 4));
            break;
        case Way::EsciMenu:
            menuItem(*w, "MENU_ESCI")->trigger();
            break;
        case Way::CloseBox:
            QCOMPARE(w->close(), !stays);
            break;
        }

        QCOMPARE(fake.journal, journal);
        QCOMPARE(fake.exits, stays ? 0 : 1);
        QVERIFY(!trayAtExit || stays); // the icon goes right before the end
        QCOMPARE(w->trayIcon()->isVisible(), stays);
        if (way == Way::CloseBox)
            QCOMPARE(w->isVisible(), stays);
        if (stays) {
            QVERIFY(!w->sheet().NessunaModifica);
            QVERIFY(!w->sheet().UscitaRichiesta); // a later "Genera" checks the sheet again
            QCOMPARE(w->sheet().value({Array::Check_NO, 3}), 1);
        }
        if (!fake.messages.isEmpty()) {
            const FakePlatform::Message& m = fake.messages.first();
            QCOMPARE(m.icon, QMessageBox::Question);
            QCOMPARE(m.title, QStringLiteral("Warning"));
            QCOMPARE(m.text,
                     QStringLiteral("Con questa operazione verranno perse tutte le modifiche"
                                    "\r\neffettuate: si desidera salvarle in un file "
                                    "temporaneo?"));
            QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        }
    }

    // The save offered on the way out goes to sheet files in the program folder.
    void exitSaveDialog() {
        FakePlatform fake;
        fake.answers = {QMessageBox::Yes};
        const auto w = openWindow(fake);
        w->sheet().NessunaModifica = false;
        w->EsciProgramma();
        QCOMPARE(fake.saveDialogs.size(), 1);
        QCOMPARE(fake.saveDialogs[0].title, QStringLiteral("Salva file"));
        QCOMPARE(fake.saveDialogs[0].filter, QStringLiteral("Xml File (*.xml)"));
        QCOMPARE(fake.saveDialogs[0].folder, fake.folder.path());
    }

    // After an exit abandoned in the save dialog, a completed save does not end the program.
    void abandonedExitLeavesTheProgramRunning() {
        FakePlatform fake;
        fake.answers = {QMessageBox::Yes};
        fake.saveNames = {QString(), fake.file(QStringLiteral("dopo.xml"))};
        const auto w = openWindow(fake);
        clickControl(*w, {Array::Check_SI, 80});
        click(button(*w, 4));
        click(button(*w, 1));
        QCOMPARE(fake.journal, QStringList({Question, Save, Save}));
        QVERIFY(w->sheet().NessunaModifica);
        QVERIFY(w->isVisible());
    }

    // Option boxes are not edits: leaving asks nothing.
    void tickingOnlyOptionBoxesAsksNothing() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (int box : {0, 3, 8, 13})
            clickControl(*w, {Array::Check_FRAME_GENERALE, box});
        QCOMPARE(w->sheet().option(13), 1);
        click(button(*w, 4));
        QCOMPARE(fake.journal, QStringList{Exit});
    }

    // The five buttons and the menu items lead to the same commands; other indexes do nothing.
    void buttonsAndMenuItemsLeadToTheSameCommands_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("item");
        QTest::newRow("Stampa") << 0 << "MENU_STAMPA";
        QTest::newRow("Salva temp.") << 1 << "MENU_SALVA";
        QTest::newRow("Leggi") << 2 << "MENU_LEGGI";
        QTest::newRow("Genera") << 3 << "MENU_GENERA";
        QTest::newRow("Esci") << 4 << "MENU_ESCI";
    }
    void buttonsAndMenuItemsLeadToTheSameCommands() {
        QFETCH(int, index);
        QFETCH(QString, item);
        FakePlatform byButton, byMenu;
        const auto a = openWindow(byButton);
        click(button(*a, index));
        const auto b = openWindow(byMenu);
        b->trayMenu()->findChild<QAction*>(item)->trigger();
        QVERIFY(!byButton.journal.isEmpty());
        QCOMPARE(byMenu.journal, byButton.journal);

        FakePlatform none;
        const auto c = openWindow(none);
        c->Command_Function_Click(5);
        c->Command_Function_Click(-1);
        QVERIFY(none.journal.isEmpty());
    }

    void trayIconAndMenu() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QCOMPARE(w->trayIcon()->toolTip(), QStringLiteral("Ardenza - Verimoda v. 2.1"));
        QVERIFY(!w->trayIcon()->contextMenu()); // the right button does nothing
        QCOMPARE(w->trayMenu()->objectName(), QStringLiteral("MENU_HIDE"));
        QStringList names, captions;
        for (QAction* action : w->trayMenu()->actions()) {
            names << action->objectName();
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(names, QStringList({"MENU_RIPRISTINA", "MENU_SEP", "MENU_STAMPA", "MENU_SALVA",
                                     "MENU_LEGGI", "MENU_GENERA", "MENU_ESCI"}));
        QCOMPARE(captions, QStringList({"Ripristina", "-", "Stampa", "Salva Temp.", "Leggi",
                                        "Genera", "Esci"}));
    }

    // Only a left click on the icon opens the menu, at the cursor, shown or hidden.
    void trayClicks_data() {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<int>("popups");
        QTest::newRow("left click") << QSystemTrayIcon::Trigger << false << 1;
        QTest::newRow("left click, hidden") << QSystemTrayIcon::Trigger << true << 1;
        QTest::newRow("right click") << QSystemTrayIcon::Context << false << 0;
        QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << true << 0;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false << 0;
    }
    void trayClicks() {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(bool, hidden);
        QFETCH(int, popups);
        FakePlatform fake;
        const auto w = openWindow(fake);
        if (hidden) {
            w->setWindowState(Qt::WindowMinimized);
            QCoreApplication::processEvents();
            QVERIFY(w->isHidden());
        }
        emit w->trayIcon()->activated(reason);
        QCOMPARE(fake.popups.size(), popups);
        if (popups) {
            QCOMPARE(fake.popups[0].menu, w->trayMenu());
            QCOMPARE(fake.popups[0].at, QCursor::pos());
        }
        QCOMPARE(w->isHidden(), hidden); // the menu alone brings nothing back
    }

    // While a dialog of a command is open, the icon offers no second command.
    void noMenuWhileADialogIsOpen() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QMessageBox box(QMessageBox::Question, QStringLiteral("Warning"), QStringLiteral("?"),
                        QMessageBox::Ok, w.get());
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        emit w->trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(fake.popups.isEmpty());
        box.close();
        emit w->trayIcon()->activated(QSystemTrayIcon::Trigger);
        QCOMPARE(fake.popups.size(), 1);
    }

    // With a tray, minimising hides the window and "Ripristina" brings it back in normal state;
    // without one it stays minimised on the taskbar, or it could never come back.
    void minimiseAndRestore_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void minimiseAndRestore() {
        QFETCH(bool, tray);
        FakePlatform fake;
        fake.tray = tray;
        const auto w = openWindow(fake);
        w->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QCOMPARE(w->isHidden(), tray);
        QVERIFY(w->isMinimized());
        QVERIFY(w->trayIcon()->isVisible());

        menuItem(*w, "MENU_RIPRISTINA")->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowNoState);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(fake.journal.isEmpty());
    }

    // Cancel at the close box keeps the window and its icon usable.
    void closeCancelledKeepsEverythingWorking() {
        FakePlatform fake;
        fake.answers = {QMessageBox::Cancel};
        const auto w = openWindow(fake);
        clickControl(*w, {Array::Check_SI, 1});
        QVERIFY(!w->close());
        w->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QVERIFY(w->isHidden());
        emit w->trayIcon()->activated(QSystemTrayIcon::Trigger);
        menuItem(*w, "MENU_RIPRISTINA")->trigger();
        QVERIFY(w->isVisible() && !w->isMinimized());
        QCOMPARE(fake.journal, QStringList({Question, QStringLiteral("popup")}));
    }
};

QTEST_MAIN(TestExit)
#include "gui_exit.moc"
