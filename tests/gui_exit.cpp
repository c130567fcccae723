// The ways out, the tray icon and its menu, hiding and restoring: every exit path with and
// without unsaved edits, through "Esci" and the close box, with the fake answering the question
// and the save dialog and recording what happened.
#include "support/core_controls.h"
#include "support/gui_window.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

const QString Question = QStringLiteral("message Warning");
const QString Save = QStringLiteral("save Salva file");
const QString Exit = QStringLiteral("exit");

QAction* menuItem(const Main& w, const QString& name) {
    return w.trayMenu()->findChild<QAction*>(name);
}

void minimise(Main& w) {
    w.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents(); // the window hides once the state change is done
}

enum class Way { EsciButton, EsciMenu, CloseBox };

} // namespace

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    void exitPaths_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("journal"); // a save followed by the end is a written file
        QTest::addColumn<bool>("stays");          // the program goes on, with its window

        const auto No = QMessageBox::No, Yes = QMessageBox::Yes, Cancel = QMessageBox::Cancel;
        for (Way way : {Way::EsciButton, Way::EsciMenu, Way::CloseBox}) {
            const char* name = way == Way::EsciButton ? "Esci"
                               : way == Way::EsciMenu ? "menu Esci"
                                                      : "close box";
            const auto row = [&](const char* what) -> QTestData& {
                return QTest::addRow("%s, %s", name, what);
            };
            row("no edit") << way << false << No << QStringList{Exit} << false;
            row("edit, No") << way << true << No << QStringList{Question, Exit} << false;
            row("edit, Yes, saved")
                << way << true << Yes << QStringList{Question, Save, Exit} << false;
            // The save does not complete: the program stays with its edits.
            row("edit, Yes, save cancelled")
                << way << true << Yes << QStringList{Question, Save} << true;
            row("edit, Cancel") << way << true << Cancel << QStringList{Question} << true;
        }
    }
    void exitPaths() {
        QFETCH(Way, way);
        QFETCH(bool, edited);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, journal);
        QFETCH(bool, stays);

        FakePlatform fake;
        fake.answers = {answer};
        fake.saveNames = {stays ? QString() : fake.file(QStringLiteral("foglio.xml"))};
        const auto w = openWindow(fake);
        bool trayAtExit = false;
        fake.onExit = [&] { trayAtExit = w->trayIcon()->isVisible(); };
        if (edited)
            clickControl(*w, no(3));
        QCOMPARE(w->sheet().NessunaModifica, !edited);

        if (way == Way::EsciButton)
            click(w->widgetFor(button(4)));
        else if (way == Way::EsciMenu)
            menuItem(*w, QStringLiteral("MENU_ESCI"))->trigger();
        else
            QCOMPARE(w->close(), !stays);

        QCOMPARE(fake.journal, journal);
        QVERIFY(!trayAtExit); // the icon goes right before the end
        QCOMPARE(w->trayIcon()->isVisible(), stays);
        if (way == Way::CloseBox)
            QCOMPARE(w->isVisible(), stays);
        if (stays) {
            QVERIFY(!w->sheet().NessunaModifica);
            QVERIFY(!w->sheet().UscitaRichiesta); // a later "Genera" checks the sheet again
            QCOMPARE(w->sheet().value(no(3)), 1);
        }
        if (edited) {
            const FakePlatform::Message& m = fake.messages.first();
            QCOMPARE(m.icon, QMessageBox::Question);
            QCOMPARE(m.title, QStringLiteral("Warning"));
            QCOMPARE(m.text, QStringLiteral("Con questa operazione verranno perse tutte le "
                                            "modifiche\r\neffettuate: si desidera salvarle in un "
                                            "file temporaneo?"));
            QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        }
    }

    // After an exit abandoned in the save dialog, a completed save does not end the program;
    // option boxes alone are no edit and leaving asks nothing.
    void afterAnAbandonedExit() {
        FakePlatform fake;
        fake.answers = {QMessageBox::Yes};
        fake.saveNames = {QString(), fake.file(QStringLiteral("dopo.xml"))};
        const auto w = openWindow(fake);
        clickControl(*w, si(80));
        click(w->widgetFor(button(4)));
        click(w->widgetFor(button(1)));
        QCOMPARE(fake.journal, QStringList({Question, Save, Save}));
        QVERIFY(w->sheet().NessunaModifica && w->isVisible());
        for (int box : {0, 3, 8, 13})
            clickControl(*w, option(box));
        QCOMPARE(w->sheet().option(13), 1);
        click(w->widgetFor(button(4)));
        QCOMPARE(fake.journal.last(), Exit);
        QCOMPARE(fake.journal.size(), 4);
    }

    // The five buttons and the menu items lead to the same commands; other indexes do nothing.
    void buttonsAndMenuItemsLeadToTheSameCommands() {
        const char* items[] = {"MENU_STAMPA", "MENU_SALVA", "MENU_LEGGI", "MENU_GENERA",
                               "MENU_ESCI"};
        for (int i = 0; i < ButtonCount; ++i) {
            FakePlatform byButton, byMenu;
            const auto a = openWindow(byButton);
            click(a->widgetFor(button(i)));
            const auto b = openWindow(byMenu);
            menuItem(*b, QLatin1String(items[i]))->trigger();
            QVERIFY(!byButton.journal.isEmpty());
            QCOMPARE(byMenu.journal, byButton.journal);
            a->Command_Function_Click(ButtonCount + i);
            QCOMPARE(byMenu.journal, byButton.journal);
        }
    }

    void trayIconAndMenu() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QCOMPARE(w->trayIcon()->toolTip(), QStringLiteral("Ardenza - Verimoda v. 2.1"));
        QVERIFY(!w->trayIcon()->contextMenu()); // the right button does nothing
        QCOMPARE(w->trayMenu()->objectName(), QStringLiteral("MENU_HIDE"));
        QStringList items;
        for (QAction* action : w->trayMenu()->actions())
            items << action->objectName() + QLatin1Char(' ') +
                         (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items, QStringList({"MENU_RIPRISTINA Ripristina", "MENU_SEP -",
                                     "MENU_STAMPA Stampa", "MENU_SALVA Salva Temp.",
                                     "MENU_LEGGI Leggi", "MENU_GENERA Genera", "MENU_ESCI Esci"}));
    }

    // Only a left click on the icon opens the menu, at the cursor, shown or hidden.
    void trayClicks_data() {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("left click") << QSystemTrayIcon::Trigger << false;
        QTest::newRow("left click, hidden") << QSystemTrayIcon::Trigger << true;
        QTest::newRow("right click") << QSystemTrayIcon::Context << false;
        QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << true;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false;
    }
    void trayClicks() {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(bool, hidden);
        FakePlatform fake;
        const auto w = openWindow(fake);
        if (hidden)
            minimise(*w);
        emit w->trayIcon()->activated(reason);
        QCOMPARE(fake.popups.size(), reason == QSystemTrayIcon::Trigger ? 1 : 0);
        if (!fake.popups.isEmpty())
            QVERIFY(fake.popups[0].menu == w->trayMenu() && fake.popups[0].at == QCursor::pos());
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
        minimise(*w);
        QCOMPARE(w->isHidden(), tray);
        QVERIFY(w->isMinimized() && w->trayIcon()->isVisible());
        menuItem(*w, QStringLiteral("MENU_RIPRISTINA"))->trigger();
        QVERIFY(w->isVisible() &&
                !(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
        QVERIFY(fake.journal.isEmpty());
    }
};

QTEST_MAIN(TestExit)
#include "gui_exit.moc"
