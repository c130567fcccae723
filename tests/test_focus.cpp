// The one keyboard order across the pages and the page that comes to the front: every page
// crossing of Tab and Shift+Tab, the wraps at the buttons, and clicks that never change the page.
#include "entry/focus.h"
#include "support/core_controls.h"

#include <QTest>

Q_DECLARE_METATYPE(verimoda::Control)

using namespace verimoda;

using namespace verimoda::test;

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    // One key from a control with a page in front: the control that gets the focus and the page
    // shown then.
    void crossings_data() {
        QTest::addColumn<Control>("from");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("currentPage");
        QTest::addColumn<Control>("to");
        QTest::addColumn<int>("page");

        auto row = [](const char* name, Control from, bool forward, int current, Control to,
                      int page) {
            QTest::newRow(name) << from << forward << current << to << page;
        };
        row("11 -> 12 stays on page 0", general(11), true, 0, option(0), 0);
        row("26 -> 27", option(14), true, 0, si(0), 1);
        row("27 -> 26", si(0), false, 1, option(14), 0);
        row("60 -> 61", na(11), true, 1, si(12), 2);
        row("61 -> 60", si(12), false, 2, na(11), 1);
        row("94 -> 95", na(23), true, 2, si(24), 3);
        row("95 -> 94", si(24), false, 3, na(23), 2);
        row("98 -> 99", no(25), true, 3, si(26), 4);
        row("99 -> 98", si(26), false, 4, no(25), 3);
        row("120 -> 121", text1(42), true, 4, text1(43), 5);
        row("121 -> 120", text1(43), false, 5, text1(42), 4);
        row("134 -> 135", text1(56), true, 5, text1(57), 6);
        row("135 -> 134", text1(57), false, 6, text1(56), 5);
        row("144 -> 145", text1(66), true, 6, si(67), 7);
        row("145 -> 144", si(67), false, 7, text1(66), 6);
        row("180 -> Stampa keeps page 7", no(84), true, 7, button(0), 7);
        row("Stampa -> 180", button(0), false, 7, no(84), 7);
        row("Esci -> 0 from page 7", button(4), true, 7, general(0), 0);
        row("Esci -> 0 from another page", button(4), true, 3, general(0), 0);
        row("0 -> Esci", general(0), false, 0, button(4), 0);
        row("Stampa -> 180 from page 0", button(0), false, 0, no(84), 7);
        row("Stampa -> Salva temp. keeps page 0", button(0), true, 0, button(1), 0);
        row("Genera -> Esci keeps page 5", button(3), true, 5, button(4), 5);
        row("N/A unavailable in row 0, forward", na(0), true, 1, si(1), 1);
        row("N/A unavailable in row 0, back", na(0), false, 1, no(0), 1);
    }

    void crossings() {
        QFETCH(Control, from);
        QFETCH(bool, forward);
        QFETCH(int, currentPage);
        QFETCH(Control, to);
        QFETCH(int, page);

        const Control next = nextControl(from, forward);
        QCOMPARE(controlName(next), controlName(to));
        QCOMPARE(pageForFocus(next, currentPage), page);
    }

    // A full round of Tab from the first general-data box visits all 186 positions once and
    // changes the page exactly after the last position of each page and after "Esci"; Shift+Tab
    // walks the same way back.
    void fullRound() {
        const Control first = general(0);
        Control c = first;
        int page = 0;
        QList<int> changesAfter;
        for (int step = 0; step < PositionCount; ++step) {
            QCOMPARE(keyboardPosition(c), step);
            const Control next = nextControl(c, true);
            QCOMPARE(nextControl(next, false), c);
            const int nextPage = pageForFocus(next, page);
            if (nextPage != page)
                changesAfter << step;
            if (controlPage(next) >= 0)
                QCOMPARE(nextPage, controlPage(next)); // the focused box is on the page shown
            page = nextPage;
            c = next;
        }
        QCOMPARE(c, first);
        QCOMPARE(changesAfter, (QList<int>{26, 60, 94, 98, 120, 134, 144, 185}));
    }

    // A click on a control shows its own page whatever was focused or shown before; a click on a
    // button leaves the page as it is.
    void clicksNeverChangeThePage() {
        for (int current = 0; current < PageCount; ++current) {
            QCOMPARE(pageForFocus(si(5), current), 1);
            QCOMPARE(pageForFocus(general(3), current), 0);
            QCOMPARE(pageForFocus(text1(50), current), 5);
            for (int b = 0; b < ButtonCount; ++b)
                QCOMPARE(pageForFocus(button(b), current), current);
        }
    }

    void firstControlOfEachPage() {
        const Control expected[PageCount] = {general(0), si(0),     si(12),    si(24),
                                             si(26),     text1(43), text1(57), si(67)};
        for (int p = 0; p < PageCount; ++p) {
            QCOMPARE(controlName(firstControlOfPage(p)), controlName(expected[p]));
            QCOMPARE(pageForFocus(firstControlOfPage(p), p == 0 ? 7 : 0), p);
        }
    }
};

QTEST_APPLESS_MAIN(TestFocus)
#include "test_focus.moc"
