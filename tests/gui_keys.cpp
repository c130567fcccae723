// Typing into the real window: each key reaches the filter of its box as the code it types,
// refused keys type nothing and beep where the filter says so, Ctrl+letter shortcuts are judged
// like any other key, keys that type nothing are left to the box, and what gets in shows in the
// sheet as an edit.
#include "support/core_controls.h"
#include "support/gui_window.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

Q_DECLARE_METATYPE(verimoda::Control)

using namespace verimoda;
using namespace verimoda::test;

namespace {

// Brings the box's page forward and puts the focus in the box, the caret at the end.
QLineEdit* focusBox(Main& w, Control c) {
    w.showPage(controlPage(c));
    QLineEdit* box = w.textBox(c);
    box->setFocus();
    box->end(false);
    return box;
}

// Types text key by key into the focused widget, as the keyboard sends it.
void type(const QString& text) {
    for (QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        if (c.unicode() < 128)
            QTest::keyClick(focus, char(c.unicode()));
        else // QTest takes only ASCII as a key
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ctrl(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
}

qsizetype beeps(const FakePlatform& fake) {
    return fake.journal.count(QStringLiteral("beep"));
}

} // namespace

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    // Keys typed one by one into an empty box: what stays in the box (and in the sheet, as an
    // edit) and how many keys beeped.
    void typing_data() {
        QTest::addColumn<Control>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");

        QTest::newRow("tax code: eleven digits, a twelfth beeps") << general(1) << "123456789012"
                                                                  << "12345678901" << 1;
        QTest::newRow("tax code: a letter at ten digits is silent") << general(9) << "1234567890a1"
                                                                    << "12345678901" << 0;
        QTest::newRow("signatory: sixteen characters as typed, a seventeenth beeps")
            << general(11) << "rssMRA80a01h501uX"
            << "rssMRA80a01h501u" << 1;
        QTest::newRow("name: anything, accents too") << general(0) << "Società è"
                                                     << "Società è" << 0;
        QTest::newRow("indicator: a sign in front, a later sign beeps") << text1(30) << "-1500-"
                                                                        << "-1500" << 1;
        QTest::newRow("percentage: no leading zero") << text1(50) << "0"
                                                     << "" << 1;
    }

    void typing() {
        QFETCH(Control, box);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        FakePlatform fake;
        const auto w = openWindow(fake);
        QLineEdit* edit = focusBox(*w, box);
        type(keys);
        QCOMPARE(edit->text(), text);
        QCOMPARE(w->sheet().text(box), text);
        QCOMPARE(::beeps(fake), beeps);
        QCOMPARE(w->sheet().NessunaModifica, text.isEmpty());
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    // A full day or month box hands the focus on to the next box of its date; a year box keeps it.
    void datesMoveOn() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (int day : {2, 5}) {
            focusBox(*w, general(day));
            type(QStringLiteral("3"));
            QCOMPARE(QApplication::focusWidget(), w->widgetFor(general(day)));
            type(QStringLiteral("1"));
            QCOMPARE(QApplication::focusWidget(), w->widgetFor(general(day + 1)));
            type(QStringLiteral("05"));
            QCOMPARE(QApplication::focusWidget(), w->widgetFor(general(day + 2)));
            type(QStringLiteral("20081"));
            QCOMPARE(QApplication::focusWidget(), w->widgetFor(general(day + 2)));
            QCOMPARE(w->sheet().general(day) + w->sheet().general(day + 1) +
                         w->sheet().general(day + 2),
                     QStringLiteral("31052008"));
        }
        QCOMPARE(beeps(fake), 2); // the fifth digit of each year
        QCOMPARE(w->currentPage(), 0);
    }

    // Ctrl+letter is the letter's code minus 64, judged by the box's filter like any key: a
    // refused Ctrl+V pastes nothing, a passing one pastes (the pasted text is not filtered).
    void ctrlLettersAreJudged() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("12a"));
        QLineEdit* taxCode = focusBox(*w, general(1));
        ctrl(Qt::Key_V); // not a digit: refused, silently below eleven characters
        QCOMPARE(taxCode->text(), QString());
        QCOMPARE(beeps(fake), 0);

        QLineEdit* amount = focusBox(*w, text1(30));
        ctrl(Qt::Key_V);
        QCOMPARE(w->sheet().indicator(30), QStringLiteral("12a"));
        amount->selectAll();
        ctrl(Qt::Key_X); // refused with a beep: nothing cut
        QCOMPARE(amount->text(), QStringLiteral("12a"));
        QCOMPARE(beeps(fake), 1);

        QLineEdit* name = focusBox(*w, general(0));
        type(QStringLiteral("Alfa"));
        name->selectAll();
        ctrl(Qt::Key_X); // names take every key
        QCOMPARE(w->sheet().general(0), QString());
        QCOMPARE(clipboard->text(), QStringLiteral("Alfa"));
    }

    // Box 50 as a user types it: over a selection, after Backspace, with Ctrl+V.
    void percentageAsTyped() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QGuiApplication::clipboard()->setText(QStringLiteral("5"));
        QLineEdit* box = focusBox(*w, text1(50));
        type(QStringLiteral("12,5"));
        box->selectAll();
        type(QStringLiteral("9")); // overwrites the selection; no separator left
        type(QStringLiteral("."));
        QCOMPARE(box->text(), QStringLiteral("9."));
        QTest::keyClick(box, Qt::Key_Backspace);
        type(QStringLiteral(",75"));
        QCOMPARE(box->text(), QStringLiteral("9,75"));
        QCOMPARE(beeps(fake), 0);
        ctrl(Qt::Key_V); // any key but a digit, a separator or Backspace beeps here
        type(QStringLiteral("1,"));
        QCOMPARE(w->sheet().indicator(50), QStringLiteral("9,75"));
        QCOMPARE(beeps(fake), 3);
    }

    // Keys that type nothing never reach the filter: they neither beep nor are swallowed.
    void keysThatTypeNothingAreTheBoxs() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QLineEdit* box = focusBox(*w, text1(30));
        type(QStringLiteral("12"));
        for (auto key : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_Shift, Qt::Key_Insert, Qt::Key_Left,
                         Qt::Key_Home, Qt::Key_Delete})
            QTest::keyClick(box, key);
        QTest::keyClick(box, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("2"));
        QCOMPARE(box->cursorPosition(), 1);
        QVERIFY(fake.journal.isEmpty());
    }

    // Text composed by an input method (a dead key, a compose sequence) is judged like typing.
    void composedTextIsJudged() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        const auto compose = [](QLineEdit* box, const QString& text) {
            QInputMethodEvent event;
            event.setCommitString(text);
            QApplication::sendEvent(box, &event);
        };
        QLineEdit* taxCode = focusBox(*w, general(1));
        compose(taxCode, QStringLiteral("é"));
        compose(taxCode, QStringLiteral("7"));
        QCOMPARE(taxCode->text(), QStringLiteral("7"));
        QLineEdit* amount = focusBox(*w, text1(31));
        compose(amount, QStringLiteral("ü"));
        QCOMPARE(amount->text(), QString());
        QCOMPARE(beeps(fake), 1);
        QLineEdit* name = focusBox(*w, general(0));
        compose(name, QStringLiteral("è"));
        QCOMPARE(w->sheet().general(0), QStringLiteral("è"));
    }
};

QTEST_MAIN(TestKeys)
#include "gui_keys.moc"
