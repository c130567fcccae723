// The one keyboard order across the pages in the real window: Tab and Shift+Tab through every
// position and round, the page that comes to the front with the focus, and the focus and page
// after clicks on controls and tabs, page changes and focus moved by code. Whatever happens, the
// control with the focus is on the page in front.
#include "support/core_controls.h"
#include "support/gui_window.h"

#include "app/tab_pages.h"
#include "entry/focus.h"

#include <QCheckBox>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

void tab(bool forward) {
    if (forward)
        QTest::keyClick(focused(), Qt::Key_Tab);
    else
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
}

// The focus is on `c`, in sight on the page in front, the only page shown.
void verifyFocus(const Main& w, Control c, int page) {
    const QByteArray where = controlName(c).toLatin1();
    QVERIFY2(focused() == w.widgetFor(c), where.constData());
    QVERIFY2(focused()->isVisible(), where.constData());
    QVERIFY2(w.currentPage() == page, where.constData());
    for (int p = 0; p < PageCount; ++p)
        QVERIFY2(w.tabPages()->page(p)->isVisible() == (p == page), where.constData());
}

} // namespace

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    // From the first general-data box, Tab visits every position in order and comes round to
    // it; Shift+Tab goes back the same way. A control brings its own page forward; the buttons
    // below the pages leave the page that is in front.
    void tabWalksTheWholeOrder() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (bool forward : {true, false}) {
            int page = 0;
            verifyFocus(*w, controlAtPosition(0), page);
            for (int step = 1; step <= PositionCount; ++step) {
                const int position = forward ? step % PositionCount : PositionCount - step;
                const Control c = controlAtPosition(position);
                page = controlPage(c) >= 0 ? controlPage(c) : page;
                tab(forward);
                verifyFocus(*w, c, page);
            }
        }
        QVERIFY(fake.journal.isEmpty());
        QVERIFY(w->sheet().NessunaModifica);
    }

    // The buttons wrap the order whichever page is in front, and step between themselves
    // without changing it.
    void buttonsKeepThePage() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        w->widgetFor(button(0))->setFocus();
        tab(true);
        verifyFocus(*w, button(1), 0);
        w->showPage(3);
        w->widgetFor(button(4))->setFocus();
        tab(true);
        verifyFocus(*w, controlAtPosition(0), 0);
        w->showPage(5);
        w->widgetFor(button(0))->setFocus();
        tab(false);
        verifyFocus(*w, controlAtPosition(lastPositionOfPage(PageCount - 1)), PageCount - 1);
    }

    // A click puts the focus on the control clicked and never changes the page, wherever on the
    // page the focus was before (also on its last control, the end of the page in the order).
    void aClickNeverChangesThePage() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (int page = 0; page < PageCount; ++page) {
            const int first = firstPositionOfPage(page), last = lastPositionOfPage(page);
            for (int p = first; p <= last; ++p) {
                w->widgetFor(controlAtPosition(p == first ? last : p - 1))->setFocus();
                click(w->widgetFor(controlAtPosition(p)));
                verifyFocus(*w, controlAtPosition(p), page);
            }
        }
        click(w->widgetFor(button(1))); // "Salva temp.", cancelled
        verifyFocus(*w, button(1), PageCount - 1);
    }

    // Choosing a page on its tab, with the mouse or the keyboard, shows it with the focus on its
    // first control, also when it is the page in front.
    void aTabFocusesItsFirstControl() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        TabPages* tabs = w->tabPages();
        for (int page : {3, 3, 7, 0, 5, 1, 6, 2, 4}) {
            // From the end of the page in front, where the order leads on to the next page.
            w->widgetFor(controlAtPosition(lastPositionOfPage(w->currentPage())))->setFocus();
            QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
            verifyFocus(*w, firstControlOfPage(page), page);
        }
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ControlModifier);
        verifyFocus(*w, firstControlOfPage(5), 5);
        QTest::keyClick(focused(), Qt::Key_PageUp, Qt::ControlModifier);
        verifyFocus(*w, firstControlOfPage(4), 4);
    }

    // Focus moved by code brings its page forward; a page shown by code takes the focus with it.
    void focusMovedByCode() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        w->widgetFor(text1(60))->setFocus();
        w->sheet().setText(general(5), QStringLiteral("30")); // the automatic move of a date
        verifyFocus(*w, general(6), 0);
        w->widgetFor(option(14))->setFocus(); // the end of page 0, where the order leads on
        w->showPage(2);
        QCOMPARE(w->currentPage(), 2);
        QVERIFY(focused()->isVisible() && w->tabPages()->page(2)->isAncestorOf(focused()));
        QVERIFY(!w->tabPages()->page(0)->isVisible() && !w->tabPages()->page(1)->isVisible());
        w->widgetFor(si(70))->setFocus();
        verifyFocus(*w, si(70), 7);
    }

    // From a widget outside the order, Tab enters the page in front at its first control and
    // Shift+Tab at its last.
    void tabFromOutsideTheOrder() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        w->showPage(4);
        for (bool forward : {true, false}) {
            w->tabPages()->page(4)->setFocus();
            QVERIFY(!w->controlOf(focused()));
            tab(forward);
            verifyFocus(
                *w, forward ? firstControlOfPage(4) : controlAtPosition(lastPositionOfPage(4)), 4);
        }
    }
};

QTEST_MAIN(TestFocus)
#include "gui_focus.moc"
