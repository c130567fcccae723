// The keyboard in the real window. Each key reaches the filter of its box as the code it types:
// refused keys type nothing and beep where the filter says so, Ctrl+letter shortcuts are judged
// like any other key, keys that type nothing are left to the box. Tab and Shift+Tab walk the one
// order across the pages; whatever moves the focus, the control that has it is on the page in
// front.
#include "support/core_controls.h"
#include "support/gui_window.h"

#include "app/tab_pages.h"
#include "entry/focus.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

// Brings the box's page forward and puts the focus in the box, the caret at the end.
QLineEdit* focusBox(Main& w, Control c) {
    w.showPage(controlPage(c));
    QLineEdit* box = w.textBox(c);
    box->setFocus();
    box->end(false);
    return box;
}

// Types key by key into the widget that has the focus, as the keyboard sends them.
void type(const char* keys) {
    for (; *keys; ++keys)
        QTest::keyClick(focused(), *keys);
}

void ctrl(Qt::Key key) {
    QTest::keyClick(focused(), key, Qt::ControlModifier);
}

// The focus is on `c`, in sight on the page in front, the only page shown.
void verifyFocus(const Main& w, Control c, int page) {
    const QByteArray where = controlName(c).toLatin1();
    QVERIFY2(focused() == w.widgetFor(c) && focused()->isVisible() && w.currentPage() == page,
             where);
}

} // namespace

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    // Ctrl+letter is the letter's code minus 64, judged by the box's filter like any key: a
    // refused Ctrl+V pastes nothing, a passing one pastes (the pasted text is not filtered).
    // Keys that type nothing never reach the filter; text composed by an input method does.
    // Alt+letter types nothing anywhere.
    void shortcutsAndKeysThatTypeNothing() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QGuiApplication::clipboard()->setText(QStringLiteral("12a"));
        QLineEdit* taxCode = focusBox(*w, general(1));
        ctrl(Qt::Key_V); // not a digit: refused, silently below eleven characters
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("é"));
        QApplication::sendEvent(taxCode, &composed);
        QCOMPARE(taxCode->text(), QString());
        QCOMPARE(fake.journal.count("beep"), 0);

        QLineEdit* amount = focusBox(*w, text1(30));
        ctrl(Qt::Key_V);
        QCOMPARE(w->sheet().indicator(30), QStringLiteral("12a"));
        amount->selectAll();
        ctrl(Qt::Key_X); // refused with a beep: nothing cut
        QCOMPARE(fake.journal.count("beep"), 1);
        for (auto key : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete})
            QTest::keyClick(amount, key);
        QCOMPARE(amount->text(), QStringLiteral("2a"));
        QCOMPARE(fake.journal.count("beep"), 1);

        // Alt with a letter types nothing, not even over a selected name; AltGr types.
        QLineEdit* name = focusBox(*w, general(0));
        w->sheet().setText(general(0), QStringLiteral("Alfa"));
        name->selectAll();
        for (auto key : {Qt::Key_G, Qt::Key_S, Qt::Key_X})
            QTest::keyClick(name, key, Qt::AltModifier);
        QCOMPARE(name->text(), QStringLiteral("Alfa"));
        name->end(false);
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_At, QStringLiteral("@"),
                            Qt::GroupSwitchModifier);
        QCOMPARE(w->sheet().general(0), QStringLiteral("Alfa@"));
        QCOMPARE(fake.journal.count("beep"), 1);
    }

    // What a box keeps of the keys typed into it, and the beeps on the way. A full day or month
    // box hands the focus on to the next box of its date, shown as after Tab. In box 50 a separator
    // is judged on the text that overwriting a selection or Backspace left.
    void typing() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        const std::tuple<Control, const char*, const char*> cases[] = {
            {general(1), "0123456789a12", "01234567891"}, // the letter silently, then a beep
            {general(11), "RSSMRA70A01H501ZX", "RSSMRA70A01H501Z"},
            {text1(30), "-1500-", "-1500"}};
        for (const auto& [box, keys, kept] : cases) {
            focusBox(*w, box);
            type(keys);
            QCOMPARE(w->sheet().text(box), QLatin1String(kept));
        }
        QCOMPARE(fake.journal.count("beep"), 3);
        fake.journal.clear();
        w->showPage(controlPage(general(5)));
        click(w->widgetFor(general(5))); // the mouse led here: the move on still shows the focus
        type("3105");
        QCOMPARE(w->sheet().general(5) + '/' + w->sheet().general(6), QStringLiteral("31/05"));
        QCOMPARE(focused(), w->widgetFor(general(7)));
        QVERIFY(focusShown(*w));
        QLineEdit* box = focusBox(*w, text1(50));
        type("12,5");
        box->selectAll();
        type("9.");
        QTest::keyClick(box, Qt::Key_Backspace);
        type(",751"); // a third decimal beeps
        QCOMPARE(w->sheet().indicator(50), QStringLiteral("9,75"));
        QCOMPARE(fake.journal.count("beep"), 1);
        QVERIFY(!w->sheet().NessunaModifica);
    }

    // From the first general-data box, Tab visits every position in order and comes round to
    // it; Shift+Tab goes back the same way. It passes over the "- Non compilare" boxes (from box
    // 55 to box 57, the next page's first). A control brings its own page forward; the buttons
    // below the pages leave the page that is in front, and wrap the order.
    void tabWalksTheWholeOrder() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (bool forward : {true, false}) {
            int page = 0;
            verifyFocus(*w, controlAtPosition(0), page);
            for (int step = 1; step <= PositionCount; ++step) {
                const int position = forward ? step % PositionCount : PositionCount - step;
                const Control c = controlAtPosition(position);
                if (c.array == Array::Text1 && isNonCompilare(c.index))
                    continue;
                page = controlPage(c) >= 0 ? controlPage(c) : page;
                QTest::keyClick(focused(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                verifyFocus(*w, c, page);
            }
        }
    }

    // A click puts the focus on the control clicked and never changes the page, also from the
    // last control of the page, where the order leads on to the next page; a greyed box takes
    // none.
    // Choosing a page on its tab shows it with the focus on its first control.
    void clicksOnControlsAndTabs() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (int page = 0; page < PageCount; ++page) {
            w->widgetFor(lastControlOfPage(page))->setFocus();
            click(w->widgetFor(firstControlOfPage(page)));
            verifyFocus(*w, firstControlOfPage(page), page);
        }
        focusBox(*w, text1(44));
        click(w->widgetFor(text1(45))); // "- Non compilare" takes no focus
        verifyFocus(*w, text1(44), 5);
        // The tabs stay where they were drawn first, whichever is chosen: each one clicked where
        // the user saw it, top row and bottom row in turn, opens its own page.
        TabPages* tabs = w->tabPages();
        QList<QRect> drawn;
        for (int page = 0; page < PageCount; ++page)
            drawn.append(tabs->tabRect(page));
        for (int page : {1, 5, 2, 2, 6, 0, 7, 3, 4, 0}) {
            // From the end of the page in front, where the order leads on to the next page.
            w->widgetFor(lastControlOfPage(w->currentPage()))->setFocus();
            QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, drawn[page].center());
            verifyFocus(*w, firstControlOfPage(page), page);
            QVERIFY(focusShown(*w));
            for (int other = 0; other < PageCount; ++other)
                QCOMPARE(tabs->tabRect(other), drawn[other]);
        }
        ctrl(Qt::Key_PageUp);
        verifyFocus(*w, firstControlOfPage(7), 7);
    }
};

QTEST_MAIN(TestKeys)
#include "gui_keys.moc"
