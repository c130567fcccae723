// The window as it opens and as the user sees it: start state, what each page holds in which
// order, no text clipped or overlapped, the greyed boxes, the two-row tabs, and the window
// following the sheet both ways.
#include "support/gui_window.h"
#include "app/rows_layout.h"
#include "app/tab_pages.h"
#include "support/core_controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstring>

using namespace verimoda;
using namespace verimoda::test;

namespace {

QList<Control> allControls() {
    QList<Control> all;
    for (int a = 0; a <= int(Array::Command_Function); ++a)
        for (int i = 0; i < ItemCount; ++i)
            if (controlExists({Array(a), i}))
                all.append({Array(a), i});
    return all;
}

QLabel* label(const Main& w, const QString& name) {
    return w.findChild<QLabel*>(name);
}
QLabel* heading(const Main& w, int k) {
    return label(w, QStringLiteral("LABEL_TITOLO_%1").arg(k));
}
QLabel* itemLabel(const Main& w, int i) {
    return label(w, QLatin1String(isQuestionRow(i) ? "LABEL_CHECK_" : "LABEL_TEXT_") +
                        QString::number(i));
}

int pageOf(const Main& w, const QWidget* widget) {
    for (int p = 0; p < PageCount; ++p)
        if (w.tabPages()->page(p)->isAncestorOf(widget))
            return p;
    return -1;
}

// Where a widget stands on its page (in the page's content), for comparing positions.
QRect onPage(const Main& w, QWidget* widget) {
    const int p = pageOf(w, widget);
    QWidget* content = static_cast<QScrollArea*>(w.tabPages()->page(std::max(p, 0)))->widget();
    return {widget->mapTo(content, QPoint(0, 0)), widget->size()};
}

// Shows every page once, as the user would, so that each is laid out; ends on page 0.
void visitEveryPage(Main& w) {
    for (int p = PageCount - 1; p >= 0; --p) {
        w.showPage(p);
        QCoreApplication::processEvents();
    }
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    void startState() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QCOMPARE(w->windowTitle(), QStringLiteral("Ardenza - Verimoda v. 2.1"));
        QCOMPARE(w->currentPage(), 0);
        QVERIFY(w->sheet().NessunaModifica && !w->sheet().UscitaRichiesta);
        QVERIFY(w->trayIcon()->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->widgetFor(controlAtPosition(0)));
        for (Control c : allControls()) {
            if (QCheckBox* box = w->checkBox(c))
                QVERIFY2(!box->isChecked(), qPrintable(controlName(c)));
            else if (QLineEdit* edit = w->textBox(c))
                QCOMPARE(edit->text(), w->sheet().text(c)); // empty, or "0" for Non compilare
        }
        QCOMPARE(w->textBox(text1(45))->text(), QStringLiteral("0"));
        for (int k = 0; k < HeadingCount; ++k)
            QCOMPARE(heading(*w, k)->text(), headingText(k));
        for (int i = 0; i < ItemCount; ++i)
            QCOMPARE(itemLabel(*w, i)->text(), itemText(i));
        QVERIFY(fake.journal.isEmpty());
    }

    void windowFrameAndFonts() {
        FakePlatform fake;
        const QFont desktop = QApplication::font();
        const auto w = openWindow(fake);
        QCOMPARE(QApplication::font(), desktop); // dialogs keep the desktop's face
        const double perPixel = 1440.0 / w->screen()->logicalDotsPerInchX();
        QCOMPARE(w->size(), QSize(qRound(11880 / perPixel), qRound(8625 / perPixel)));
        QCOMPARE(w->maximumSize(), w->minimumSize()); // not resizable
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->trayIcon()->icon().cacheKey(), w->windowIcon().cacheKey());
        // Centred, give or take the thickness of the window's frame.
        const QPoint off = w->geometry().center() - w->screen()->availableGeometry().center();
        const QSize frame = w->frameGeometry().size() - w->size();
        QVERIFY(qAbs(off.x()) <= frame.width() + 1 && qAbs(off.y()) <= frame.height() + 1);

        for (QWidget* text : {static_cast<QWidget*>(itemLabel(*w, 0)), w->widgetFor(general(0))})
            QCOMPARE(QFontInfo(text->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(itemLabel(*w, 0)->font().pointSizeF(), 8.25);
        const QFont bold = w->widgetFor(button(3))->font();
        QVERIFY(bold.bold() && bold.pointSizeF() == 9.75);
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"})
            QCOMPARE(label(*w, QLatin1String(name))->font().pointSizeF(), 13.5);
        QCOMPARE(w->checkBox(option(9))->text(), QStringLiteral("S&&P/MIB")); // shows S&P/MIB
    }

    // On each page the controls, read top to bottom and left to right, take the keyboard
    // positions the catalogue gives the page, in order; each item's text stands beside its
    // control, each heading above its first item.
    void pagesHoldTheirItemsInOrder() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        for (int p = 0; p < PageCount; ++p) {
            QCOMPARE(w->tabPages()->tabText(p), pageCaption(p));
            QList<std::pair<QRect, int>> seen;
            for (Control c : allControls())
                if (keyboardPosition(c) >= 0 && pageOf(*w, w->widgetFor(c)) == p)
                    seen.append({onPage(*w, w->widgetFor(c)), keyboardPosition(c)});
            std::sort(seen.begin(), seen.end(), [](const auto& a, const auto& b) {
                const int ya = a.first.center().y() / 4, yb = b.first.center().y() / 4;
                return ya != yb ? ya < yb : a.first.x() < b.first.x();
            });
            QCOMPARE(seen.first().second, firstPositionOfPage(p));
            QCOMPARE(seen.last().second, lastPositionOfPage(p));
            for (qsizetype k = 1; k < seen.size(); ++k)
                QCOMPARE(seen[k].second, seen[k - 1].second + 1);
        }
        for (int i = 0; i < ItemCount; ++i) {
            QWidget* control = w->widgetFor(isQuestionRow(i) ? si(i) : text1(i));
            const QRect text = onPage(*w, itemLabel(*w, i)), box = onPage(*w, control);
            QCOMPARE(pageOf(*w, itemLabel(*w, i)), itemPage(i));
            QVERIFY2(box.top() < text.bottom() && text.top() < box.bottom() &&
                         text.right() < box.left(),
                     qPrintable(control->objectName()));
        }
        for (int k = 0; k < HeadingCount; ++k) {
            int first = 0;
            while (itemHeading(first) != k)
                ++first;
            QCOMPARE(pageOf(*w, heading(*w, k)), itemPage(first));
            QVERIFY(onPage(*w, heading(*w, k)).bottom() <= onPage(*w, itemLabel(*w, first)).top());
        }
        // Items 57 and 58 open page 6 above heading 9; item 26 opens page 4 above heading 5.
        QVERIFY(onPage(*w, itemLabel(*w, 58)).bottom() <= onPage(*w, heading(*w, 9)).top());
        QVERIFY(onPage(*w, itemLabel(*w, 26)).bottom() <= onPage(*w, heading(*w, 5)).top());
    }

    // No text is cut: wrapped texts have the height of their lines, others their width, the
    // short boxes show their longest content, and no widget overlaps another or sticks out of
    // its parent; a page too tall for its view scrolls.
    void nothingClipped() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        const QList<QWidget*> all = w->findChildren<QWidget*>();
        for (QWidget* widget : all) {
            const QString name = widget->objectName();
            if (auto* l = qobject_cast<QLabel*>(widget))
                QVERIFY2(l->wordWrap() ? l->height() >= l->heightForWidth(l->width())
                                       : l->width() >= l->sizeHint().width(),
                         qPrintable(name));
            else if (qobject_cast<QAbstractButton*>(widget))
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(name));
            const QWidget* parent = widget->parentWidget();
            if (!widget->isWindow() && !qobject_cast<QScrollArea*>(parent->parentWidget()))
                QVERIFY2(parent->rect().contains(widget->geometry()), qPrintable(name));
            QList<QWidget*> children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            children.removeIf([](QWidget* c) { return c->isWindow() || c->isHidden(); });
            for (qsizetype a = 0; a < children.size(); ++a)
                for (qsizetype b = a + 1; b < children.size(); ++b)
                    QVERIFY2(!children[a]->geometry().intersects(children[b]->geometry()),
                             qPrintable(children[a]->objectName() + QLatin1Char('/') +
                                        children[b]->objectName()));
        }
        for (int p = 0; p < PageCount; ++p) {
            auto* page = static_cast<QScrollArea*>(w->tabPages()->page(p));
            const int hidden = page->widget()->height() - page->viewport()->height();
            QCOMPARE(page->verticalScrollBar()->maximum(), std::max(0, hidden));
        }
        const std::pair<int, const char*> longest[] = {
            {2, "28"}, {6, "12"}, {4, "2008"}, {1, "09876543210"}, {11, "WMWMWM80W01W501W"}};
        for (auto [box, text] : longest) {
            QLineEdit* edit = w->textBox(general(box));
            edit->setText(QLatin1String(text));
            const auto caretX = [edit](int at) {
                edit->setCursorPosition(at);
                return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
            };
            QCOMPARE(caretX(int(strlen(text))) - caretX(0),
                     edit->fontMetrics().horizontalAdvance(QLatin1String(text)));
        }
    }

    // Rows too many for the height draw closer, down to the smallest designed pitch, then scroll;
    // with room they stand at the largest pitch.
    void rowsShrinkThenScroll() {
        QScrollArea area;
        area.setWidgetResizable(true);
        auto* content = new QWidget;
        auto* rows = new RowsLayout(20, 30, 4, content);
        for (int r = 0; r < 10; ++r)
            rows->addRow({{new QLabel(QStringLiteral("riga %1").arg(r)), 10, 100}});
        area.setWidget(content);
        const auto pitchAt = [&](int height) {
            area.resize(200, height + 2 * area.frameWidth());
            QCoreApplication::processEvents();
            return rows->itemAt(1)->geometry().top() - rows->itemAt(0)->geometry().top();
        };
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCOMPARE(pitchAt(400), 30);
        QCOMPARE(pitchAt(250), 25);
        QCOMPARE(area.verticalScrollBar()->maximum(), 0);
        QCOMPARE(pitchAt(150), 20);
        QVERIFY(area.verticalScrollBar()->maximum() > 0);
    }

    // A wrapped text measured once keeps no stale height: given a longer text after its page was
    // laid out, it takes the lines it needs and pushes the rows below it down.
    void wrappedTextGrowsItsRow() {
        QScrollArea area;
        area.setWidgetResizable(true);
        auto* content = new QWidget;
        auto* rows = new RowsLayout(20, 20, 4, content);
        auto* text = new QLabel(QStringLiteral("breve"));
        text->setWordWrap(true);
        auto* below = new QLabel(QStringLiteral("sotto"));
        rows->addRow({{text, 10, 120}});
        rows->addRow({{below, 10, 120}});
        area.setWidget(content);
        area.resize(200, 400);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const int oneLine = text->height();
        text->setText(QStringLiteral("una riga lunga che a questa larghezza va a capo più volte"));
        QCoreApplication::processEvents();
        QVERIFY(text->height() > oneLine);
        QCOMPARE(text->height(), text->heightForWidth(120));
        QVERIFY(below->geometry().top() >= text->geometry().bottom());
    }

    // Tabs are measured once they are needed, and again when their font changes: bigger captions
    // make taller rows, and the pages move down under them.
    void tabRowsFollowTheirFont() {
        TabPages tabs(2, 10);
        for (const char* caption : {"Uno", "Due", "Tre"})
            tabs.addPage(new QWidget, QLatin1String(caption));
        tabs.resize(300, 200);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        const int before = tabs.rowHeight();
        QCOMPARE(tabs.rowCount(), 2);
        QFont big = tabs.font();
        big.setPointSizeF(big.pointSizeF() * 3);
        tabs.setFont(big);
        QVERIFY(tabs.rowHeight() > before);
        tabs.addPage(new QWidget, QStringLiteral("Quattro")); // added while shown
        for (int p = 0; p < tabs.count(); ++p)
            QVERIFY(tabs.page(p)->parentWidget()->geometry().top() >= tabs.tabRect(0).bottom());
    }

    // The "N/A" boxes the user may not reach are greyed and take no tick, by mouse or key.
    void unavailableBoxesCannotBeTicked() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        for (int row = 0; row < ItemCount; ++row) {
            if (!isQuestionRow(row) || naAvailable(row))
                continue;
            QCheckBox* box = w->checkBox(na(row));
            QVERIFY(!box->isEnabled() && box->focusPolicy() == Qt::NoFocus);
            clickControl(*w, na(row));
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY2(!box->isChecked() && w->sheet().value(na(row)) == 0,
                     qPrintable(QString::number(row)));
        }
        QVERIFY(w->sheet().NessunaModifica);
        w->sheet().setValue(na(0), 1); // the reader still can, and the box shows it
        QVERIFY(w->checkBox(na(0))->isChecked());
    }

    // The "- Non compilare" boxes keep "0" whatever the user types, deletes or pastes, without a
    // beep, but take the focus at their place in the keyboard order.
    void nonCompilareBoxesCannotBeEdited() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        for (int i = 0; i < ItemCount; ++i) {
            if (!isNonCompilare(i))
                continue;
            QLineEdit* box = w->textBox(text1(i));
            w->showPage(itemPage(i));
            box->setFocus();
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClicks(box, QStringLiteral("15"));
            for (auto key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
                QTest::keyClick(box, key);
            for (auto key : {Qt::Key_V, Qt::Key_A, Qt::Key_X})
                QTest::keyClick(box, key, Qt::ControlModifier);
            QCOMPARE(box->text(), QStringLiteral("0"));
            QCOMPARE(w->sheet().indicator(i), QStringLiteral("0"));
            QCOMPARE(box->palette().color(QPalette::Active, QPalette::Base), // greyed
                     box->palette().color(QPalette::Disabled, QPalette::Base));
        }
        QVERIFY(w->sheet().NessunaModifica);
        QVERIFY(fake.journal.isEmpty());
    }

    // A click or typing changes the sheet; any change of the sheet shows in the window.
    void windowAndSheetMirrorEachOther() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        clickControl(*w, si(5));
        QCOMPARE(w->sheet().value(si(5)), 1);
        QVERIFY(!w->sheet().NessunaModifica);
        clickControl(*w, no(5)); // the rules untick "Si", and the box shows it
        QVERIFY(!w->checkBox(si(5))->isChecked());
        w->sheet().setValue(na(5), 1);
        QVERIFY(w->checkBox(na(5))->isChecked() && !w->checkBox(no(5))->isChecked());

        w->showPage(4);
        QLineEdit* box = w->textBox(text1(31));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("450"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(w->sheet().indicator(31), QStringLiteral("45"));
        w->sheet().setText(text1(31), QStringLiteral("-7"));
        QCOMPARE(box->text(), QStringLiteral("-7"));
        QTest::sendKeyEvent(QTest::Click, w->textBox(general(0)), Qt::Key_unknown,
                            QStringLiteral("à"), Qt::NoModifier);
        QCOMPARE(w->sheet().general(0), QStringLiteral("à"));
    }

    // Every box carries, for assistive tools, the caption beside it on its row and, for a check
    // box, its own caption; rows of different sections with the same text differ by their
    // description, the heading.
    void accessibleNames() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        QSet<QString> names;
        qsizetype editable = 0;
        for (Control c : allControls()) {
            if (c.array == Array::Command_Function)
                continue;
            QWidget* box = w->widgetFor(c);
            QWidget* row = qobject_cast<QFrame*>(box->parentWidget()) ? box->parentWidget() : box;
            const QRect r = onPage(*w, row);
            QLabel* beside = nullptr; // the leftmost label across the row
            for (QLabel* l : row->parentWidget()->findChildren<QLabel*>()) {
                const QRect t = onPage(*w, l);
                if (t.right() < r.left() && t.top() <= r.center().y() &&
                    r.center().y() <= t.bottom() && (!beside || t.left() < beside->x()))
                    beside = l;
            }
            const QString name = box->accessibleName();
            QVERIFY2(beside && name.startsWith(beside->text()), qPrintable(controlName(c)));
            if (auto* check = qobject_cast<QCheckBox*>(box))
                QVERIFY(name.endsWith(shownCaption(check->text())));
            if (controlEditable(c)) { // the six "- Non compilare" are alike on purpose
                ++editable;
                names.insert(name + QLatin1Char('|') + box->accessibleDescription());
            }
        }
        QCOMPARE(names.size(), editable);
    }

    // Two rows of four tabs; the row of the current tab lies next to the pages; the mouse and
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown, Ctrl+PgUp choose pages, round from end to start.
    void twoRowsOfTabs() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        TabPages* tabs = w->tabPages();
        QVERIFY(tabs->tabRect(0).top() > tabs->tabRect(4).top());
        QCOMPARE(tabs->tabRect(3).top(), tabs->tabRect(0).top());
        QSignalSpy chosen(tabs, &TabPages::tabActivated);
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(6).center());
        QCOMPARE(w->currentPage(), 6);
        QVERIFY(tabs->tabRect(6).top() > tabs->tabRect(2).top());
        QTest::mouseClick(tabs, Qt::RightButton, Qt::NoModifier, tabs->tabRect(2).center());
        QCOMPARE(w->currentPage(), 6);

        w->textBox(text1(59))->setFocus();
        const std::pair<QKeyCombination, int> steps[] = {
            {Qt::ControlModifier | Qt::Key_Tab, 7},
            {Qt::ControlModifier | Qt::Key_PageDown, 0},
            {Qt::ControlModifier | Qt::Key_PageUp, 7},
            {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab, 6}};
        for (auto [keys, page] : steps) {
            QTest::keyClick(w->focusWidget(), keys.key(), keys.keyboardModifiers());
            QCOMPARE(w->currentPage(), page);
        }
        QCOMPARE(chosen.size(), 5);
    }

    // A problem found in the sheet: its message, then the window back in front, the page and
    // the focus on the box to correct.
    void showProblemBringsTheBoxForward() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        w->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        const Problem problem{QStringLiteral("Errore"), QStringLiteral("a\r\nb"), text1(50), 5};
        w->showProblem(problem);
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(fake.messages[0].text, problem.message);
        QCOMPARE(fake.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(w->isVisible() && !w->isMinimized());
        QCOMPARE(w->currentPage(), 5);
        QCOMPARE(w->focusWidget(), w->widgetFor(problem.focus));
    }
};

QTEST_MAIN(TestWindow)
#include "gui_window.moc"
