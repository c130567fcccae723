// The window as it opens and as the user sees it: start state, the pages and what they hold in
// which order, fonts, no text clipped or overlapped, the greyed boxes, the two-row tabs, and the
// window following the sheet both ways.
#include "support/gui_window.h"
#include "app/rows_layout.h"
#include "app/tab_pages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

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

QLabel* itemLabel(const Main& w, int i) {
    return label(
        w, (isQuestionRow(i) ? QStringLiteral("LABEL_CHECK_%1") : QStringLiteral("LABEL_TEXT_%1"))
               .arg(i));
}

// Where a widget stands on its page (the page's content widget), for comparing positions.
QRect onPage(const Main& w, QWidget* widget) {
    QWidget* page = w.tabPages()->page(w.tabPages()->currentIndex());
    for (int p = 0; p < PageCount; ++p)
        if (w.tabPages()->page(p)->isAncestorOf(widget))
            page = static_cast<QScrollArea*>(w.tabPages()->page(p))->widget();
    return QRect(widget->mapTo(page, QPoint(0, 0)), widget->size());
}

// Shows every page once, as the user would, so that each is laid out; ends on page 0.
void visitEveryPage(Main& w) {
    for (int p = PageCount - 1; p >= 0; --p) {
        w.showPage(p);
        QCoreApplication::processEvents();
    }
}

int pageOf(const Main& w, QWidget* widget) {
    for (int p = 0; p < PageCount; ++p)
        if (w.tabPages()->page(p)->isAncestorOf(widget))
            return p;
    return -1;
}

// The pixel width the text of a line edit takes on screen, as far as the box shows it.
int shownTextWidth(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
    const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box->setCursorPosition(int(text.size()));
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() - start;
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
        QVERIFY(w->sheet().NessunaModifica);
        QVERIFY(!w->sheet().UscitaRichiesta);
        QVERIFY(w->trayIcon()->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->widgetFor(controlAtPosition(0)));
        for (Control c : allControls()) {
            if (QCheckBox* box = w->checkBox(c)) {
                QVERIFY2(!box->isChecked() && w->sheet().value(c) == 0, qPrintable(controlName(c)));
            } else if (QLineEdit* edit = w->textBox(c)) {
                const QString expected = c.array == Array::Text1 && isNonCompilare(c.index)
                                             ? QStringLiteral("0")
                                             : QString();
                QCOMPARE(edit->text(), expected);
            }
        }
        for (int k = 0; k < HeadingCount; ++k)
            QCOMPARE(label(*w, QStringLiteral("LABEL_TITOLO_%1").arg(k))->text(), headingText(k));
        for (int i = 0; i < ItemCount; ++i)
            QCOMPARE(itemLabel(*w, i)->text(), itemText(i));
        QVERIFY(fake.journal.isEmpty());
    }

    void windowFrame() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        const double perPixel = 1440.0 / w->screen()->logicalDotsPerInchX();
        const QSize client(qRound(11880 / perPixel), qRound(8625 / perPixel));
        QCOMPARE(w->size(), client);
        QCOMPARE(w->minimumSize(), client); // not resizable
        QCOMPARE(w->maximumSize(), client);
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->trayIcon()->icon().cacheKey(), w->windowIcon().cacheKey());
        const QPoint centre = w->screen()->availableGeometry().center();
        // Centred, give or take the thickness of the window's frame.
        const QSize frame = w->frameGeometry().size() - w->size();
        QVERIFY(qAbs(w->geometry().center().x() - centre.x()) <= frame.width() + 1);
        QVERIFY(qAbs(w->geometry().center().y() - centre.y()) <= frame.height() + 1);
    }

    void fontsOfTheDesign() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QLabel* text = itemLabel(*w, 0);
        QCOMPARE(QFontInfo(text->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(text->font().pointSizeF(), 8.25);
        auto* button = w->findChild<QPushButton*>(QStringLiteral("Command_Function_3"));
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSizeF(), 9.75);
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
            QLabel* slash = label(*w, QLatin1String(name));
            QVERIFY2(slash, name);
            QCOMPARE(slash->text(), QStringLiteral("/"));
            QCOMPARE(slash->font().pointSizeF(), 13.5);
        }
        // Accelerator marks shown nowhere: the stored "S&&P/MIB" reads S&P/MIB.
        QCOMPARE(w->checkBox({Array::Check_FRAME_GENERALE, 9})->text(), QStringLiteral("S&&P/MIB"));
        QVERIFY(w->checkBox({Array::Check_FRAME_GENERALE, 9})
                    ->accessibleName()
                    .endsWith(QStringLiteral(": S&P/MIB")));
    }

    // Every item stands on its own page with its text, under its heading, in index order.
    void pageContents() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        QCOMPARE(w->tabPages()->count(), PageCount);
        for (int p = 0; p < PageCount; ++p)
            QCOMPARE(w->tabPages()->tabText(p), pageCaption(p));

        int previous = -1;
        for (int i = 0; i < ItemCount; ++i) {
            const QString what = QStringLiteral("item %1").arg(i);
            QLabel* text = itemLabel(*w, i);
            QVERIFY2(text, qPrintable(what));
            QCOMPARE(pageOf(*w, text), itemPage(i));
            const Control control{isQuestionRow(i) ? Array::Check_SI : Array::Text1, i};
            QCOMPARE(pageOf(*w, w->widgetFor(control)), itemPage(i));
            // the label of the other kind does not exist
            QVERIFY(!label(*w, (isQuestionRow(i) ? QStringLiteral("LABEL_TEXT_%1")
                                                 : QStringLiteral("LABEL_CHECK_%1"))
                                   .arg(i)));
            // below the item before it on the same page, and beside its own control
            const QRect r = onPage(*w, text);
            if (previous >= 0 && itemPage(previous) == itemPage(i))
                QVERIFY2(r.top() >= onPage(*w, itemLabel(*w, previous)).bottom(), qPrintable(what));
            const QRect c = onPage(*w, w->widgetFor(control));
            QVERIFY2(c.top() < r.bottom() && r.top() < c.bottom(), qPrintable(what));
            QVERIFY2(r.right() < c.left(), qPrintable(what));
            previous = i;
        }
        // A heading stands between the item before its first item and that item.
        for (int k = 0; k < HeadingCount; ++k) {
            int first = 0;
            while (itemHeading(first) != k)
                ++first;
            QLabel* heading = label(*w, QStringLiteral("LABEL_TITOLO_%1").arg(k));
            QCOMPARE(pageOf(*w, heading), itemPage(first));
            QVERIFY(onPage(*w, heading).bottom() <= onPage(*w, itemLabel(*w, first)).top());
            if (first > 0 && itemPage(first - 1) == itemPage(first))
                QVERIFY(onPage(*w, heading).top() >= onPage(*w, itemLabel(*w, first - 1)).bottom());
        }
        // Items 57 and 58 open page 6 above heading 9; item 26 opens page 4 above heading 5.
        QVERIFY(onPage(*w, itemLabel(*w, 58)).bottom() <=
                onPage(*w, label(*w, QStringLiteral("LABEL_TITOLO_9"))).top());
        QVERIFY(onPage(*w, itemLabel(*w, 26)).bottom() <=
                onPage(*w, label(*w, QStringLiteral("LABEL_TITOLO_5"))).top());
    }

    // On each page the controls, read top to bottom and left to right, are the keyboard
    // positions the catalogue gives the page, in order, with nothing missing.
    void pagesFollowTheKeyboardOrder() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        for (int p = 0; p < PageCount; ++p) {
            QList<std::pair<QRect, int>> seen;
            for (Control c : allControls())
                if (keyboardPosition(c) >= 0 && pageOf(*w, w->widgetFor(c)) == p)
                    seen.append({onPage(*w, w->widgetFor(c)), keyboardPosition(c)});
            std::sort(seen.begin(), seen.end(), [](const auto& a, const auto& b) {
                return a.first.center().y() / 4 != b.first.center().y() / 4
                           ? a.first.center().y() < b.first.center().y()
                           : a.first.x() < b.first.x();
            });
            QVERIFY(!seen.isEmpty());
            QCOMPARE(seen.first().second, firstPositionOfPage(p));
            QCOMPARE(seen.last().second, lastPositionOfPage(p));
            for (qsizetype k = 1; k < seen.size(); ++k)
                QCOMPARE(seen[k].second, seen[k - 1].second + 1);
        }
        // The buttons stand below the pages and end the order.
        for (int b = 0; b < ButtonCount; ++b)
            QCOMPARE(pageOf(*w, w->widgetFor({Array::Command_Function, b})), -1);
    }

    // No text is cut: wrapped texts have the height of their lines, other texts their width,
    // and no widget overlaps another or sticks out of its parent.
    void nothingClipped() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        const QList<QWidget*> all = w->findChildren<QWidget*>();
        for (QWidget* widget : all) {
            if (!widget->isVisibleTo(w.get()) && pageOf(*w, widget) < 0)
                continue;
            const QString name = widget->objectName();
            if (auto* l = qobject_cast<QLabel*>(widget)) {
                if (l->wordWrap())
                    QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(name));
                else
                    QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(name));
            } else if (qobject_cast<QAbstractButton*>(widget)) {
                QVERIFY2(widget->width() >= widget->sizeHint().width() &&
                             widget->height() >= widget->minimumSizeHint().height(),
                         qPrintable(name));
            }
            const QWidget* parent = widget->parentWidget();
            if (parent && !widget->isWindow() &&
                !qobject_cast<QScrollArea*>(parent->parentWidget()))
                QVERIFY2(parent->rect().contains(widget->geometry()), qPrintable(name));
        }
        for (QWidget* parent : all) { // siblings never overlap
            QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            children.removeIf([](QWidget* c) { return c->isWindow() || c->isHidden(); });
            for (qsizetype a = 0; a < children.size(); ++a)
                for (qsizetype b = a + 1; b < children.size(); ++b)
                    QVERIFY2(!children[a]->geometry().intersects(children[b]->geometry()),
                             qPrintable(children[a]->objectName() + QLatin1String(" / ") +
                                        children[b]->objectName()));
        }
        // Each page shows all its rows, or scrolls to them.
        for (int p = 0; p < PageCount; ++p) {
            auto* page = static_cast<QScrollArea*>(w->tabPages()->page(p));
            const int hidden = page->widget()->height() - page->viewport()->height();
            QCOMPARE(page->verticalScrollBar()->maximum(), std::max(0, hidden));
        }
    }

    // The date and tax-code boxes show their longest content whole.
    void shortBoxesShowTheirWholeText_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("day") << 2 << "28";
        QTest::newRow("month") << 6 << "12";
        QTest::newRow("year") << 4 << "2008";
        QTest::newRow("company tax code") << 1 << "09876543210";
        QTest::newRow("auditor tax code") << 9 << "01234567890";
        QTest::newRow("signatory tax code") << 11 << "WMWMWM80W01W501W";
    }
    void shortBoxesShowTheirWholeText() {
        QFETCH(int, box);
        QFETCH(QString, text);
        FakePlatform fake;
        const auto w = openWindow(fake);
        QLineEdit* edit = w->textBox({Array::TEXT_GENERALE, box});
        QCOMPARE(shownTextWidth(edit, text), edit->fontMetrics().horizontalAdvance(text));
    }

    // A page too short for its rows first draws them closer, down to the smallest designed pitch,
    // then scrolls; a roomy page spaces them at the largest pitch.
    void rowsShrinkThenScroll() {
        prepareTestApplication();
        QScrollArea area;
        area.setWidgetResizable(true);
        auto* content = new QWidget;
        auto* rows = new RowsLayout(20, 30, 4, content);
        for (int r = 0; r < 10; ++r)
            rows->addRow({{new QLabel(QStringLiteral("riga %1").arg(r)), 10, 100}});
        area.setWidget(content);
        area.resize(200, 400);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const auto pitch = [&] {
            return rows->itemAt(1)->geometry().top() - rows->itemAt(0)->geometry().top();
        };
        QCOMPARE(pitch(), 30);
        area.resize(200, 250 + 2 * area.frameWidth());
        QCoreApplication::processEvents();
        QCOMPARE(pitch(), 25);
        QCOMPARE(area.verticalScrollBar()->maximum(), 0);
        area.resize(200, 150);
        QCoreApplication::processEvents();
        QCOMPARE(pitch(), 20);
        QVERIFY(area.verticalScrollBar()->maximum() > 0);
    }

    // The "N/A" boxes the user may not reach are greyed and cannot be ticked, by mouse or key.
    void unavailableBoxesCannotBeTicked() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        int count = 0;
        for (int row = 0; row < ItemCount; ++row) {
            if (!isQuestionRow(row) || naAvailable(row))
                continue;
            ++count;
            const Control na{Array::Check_NA, row};
            QCheckBox* box = w->checkBox(na);
            QVERIFY(!box->isEnabled());
            QCOMPARE(box->focusPolicy(), Qt::NoFocus);
            clickControl(*w, na);
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY2(!box->isChecked() && w->sheet().value(na) == 0, qPrintable(controlName(na)));
        }
        QCOMPARE(count, 27);
        QVERIFY(w->sheet().NessunaModifica);
        // Code may still set them (the reader does), and the box shows it.
        w->sheet().setValue({Array::Check_NA, 0}, 1);
        QVERIFY(w->checkBox({Array::Check_NA, 0})->isChecked());
    }

    // The "- Non compilare" boxes keep "0" whatever the user types, deletes or pastes, but still
    // take the focus at their place in the keyboard order.
    void nonCompilareBoxesCannotBeEdited() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        for (int i = 0; i < ItemCount; ++i) {
            if (!isNonCompilare(i))
                continue;
            const Control c{Array::Text1, i};
            QLineEdit* box = w->textBox(c);
            QVERIFY(box->focusPolicy() & Qt::TabFocus);
            w->showPage(itemPage(i));
            box->setFocus();
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClicks(box, QStringLiteral("15"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(box->text(), QStringLiteral("0"));
            QCOMPARE(w->sheet().indicator(i), QStringLiteral("0"));
            // greyed like a disabled box
            QCOMPARE(box->palette().color(QPalette::Active, QPalette::Base),
                     box->palette().color(QPalette::Disabled, QPalette::Base));
        }
        QVERIFY(w->sheet().NessunaModifica);
    }

    // A click or typing changes the sheet; any change of the sheet shows in the window.
    void windowAndSheetMirrorEachOther() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        clickControl(*w, {Array::Check_SI, 5});
        QCOMPARE(w->sheet().value({Array::Check_SI, 5}), 1);
        QVERIFY(!w->sheet().NessunaModifica);
        clickControl(*w, {Array::Check_NO, 5}); // the rules untick "Si", and the box shows it
        QVERIFY(!w->checkBox({Array::Check_SI, 5})->isChecked());
        QCOMPARE(RispostaDomanda(w->sheet(), 5), QStringLiteral("No"));
        w->sheet().setValue({Array::Check_NA, 5}, 1);
        QVERIFY(w->checkBox({Array::Check_NA, 5})->isChecked());
        QVERIFY(!w->checkBox({Array::Check_NO, 5})->isChecked());

        w->showPage(4);
        QLineEdit* box = w->textBox({Array::Text1, 31});
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("450"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(w->sheet().indicator(31), QStringLiteral("45"));
        w->sheet().setText({Array::Text1, 31}, QStringLiteral("-7"));
        QCOMPARE(box->text(), QStringLiteral("-7"));
        QTest::sendKeyEvent(QTest::Click, w->textBox({Array::TEXT_GENERALE, 0}), Qt::Key_unknown,
                            QStringLiteral("à"), Qt::NoModifier);
        QCOMPARE(w->sheet().general(0), QStringLiteral("à"));
    }

    void optionBoxesAreExclusiveAndNoEdit() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        clickControl(*w, {Array::Check_FRAME_GENERALE, 12});
        clickControl(*w, {Array::Check_FRAME_GENERALE, 9});
        QVERIFY(!w->checkBox({Array::Check_FRAME_GENERALE, 12})->isChecked());
        QVERIFY(w->checkBox({Array::Check_FRAME_GENERALE, 9})->isChecked());
        QCOMPARE(w->sheet().option(9), 1);
        QVERIFY(w->sheet().NessunaModifica);
    }

    // Every box carries, for assistive tools, the question or caption it answers.
    void accessibleNames() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        visitEveryPage(*w);
        QSet<QString> generalNames;
        for (Control c : allControls()) {
            const QString name = w->widgetFor(c)->accessibleName();
            const QString what = controlName(c);
            switch (c.array) {
            case Array::Check_SI:
            case Array::Check_NO:
            case Array::Check_NA:
                QCOMPARE(name, itemText(c.index) + QStringLiteral(": ") +
                                   answerCaption(c.array, c.index));
                break;
            case Array::Text1:
                QCOMPARE(name, itemText(c.index));
                break;
            case Array::Check_FRAME_GENERALE: {
                const int caption = optionGroup(optionGroupOf(c.index)).label;
                QVERIFY2(name.startsWith(generalCaption(caption)), qPrintable(what));
                QVERIFY2(name.endsWith(shownCaption(optionCaption(c.index))), qPrintable(what));
                break;
            }
            case Array::TEXT_GENERALE: {
                // Named after the caption standing beside it on its row.
                QLabel* beside = nullptr;
                const QRect box = onPage(*w, w->widgetFor(c));
                for (int k = 0; k < GeneralLabelCount; ++k) {
                    QLabel* l = label(*w, QStringLiteral("LABEL_GENERALE_%1").arg(k));
                    if (qAbs(onPage(*w, l).center().y() - box.center().y()) <= 2)
                        beside = l;
                }
                QVERIFY2(beside && name.startsWith(beside->text()), qPrintable(what));
                generalNames.insert(name);
                break;
            }
            case Array::Command_Function:
                QCOMPARE(w->findChild<QPushButton*>(what)->text(), buttonCaption(c.index));
                break;
            }
        }
        QCOMPARE(generalNames.size(), GeneralBoxCount); // the three parts of a date differ
    }

    // Two rows of four tabs; the row of the current tab lies next to the pages; the mouse and
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown, Ctrl+PgUp choose pages.
    void twoRowsOfTabs() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        TabPages* tabs = w->tabPages();
        QCOMPARE(tabs->rowCount(), 2);
        QVERIFY(tabs->tabRect(0).top() > tabs->tabRect(4).top());
        QCOMPARE(tabs->tabRect(1).top(), tabs->tabRect(0).top());
        QSignalSpy chosen(tabs, &TabPages::tabActivated);

        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(6).center());
        QCOMPARE(w->currentPage(), 6);
        QVERIFY(tabs->tabRect(6).top() > tabs->tabRect(2).top());
        QTest::mouseClick(tabs, Qt::RightButton, Qt::NoModifier, tabs->tabRect(2).center());
        QCOMPARE(w->currentPage(), 6);

        QLineEdit* box = w->textBox({Array::Text1, 59});
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w->currentPage(), 7);
        QTest::keyClick(w->focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->currentPage(), 0); // round from the last page to the first
        QTest::keyClick(w->focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w->currentPage(), 7);
        QTest::keyClick(w->focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w->currentPage(), 6);
        QCOMPARE(chosen.size(), 5);
        QCOMPARE(chosen.last().at(0).toInt(), 6);
    }

    // A problem found in the sheet: its message, then the window back in front, the page and
    // the focus on the box to correct.
    void showProblemBringsTheBoxForward() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        w->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QVERIFY(w->isHidden());
        const Problem problem{
            QStringLiteral("Errore"), QStringLiteral("riga 1\r\nriga 2"), {Array::Text1, 50}, 5};
        w->showProblem(problem);
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(fake.messages[0].title, problem.title);
        QCOMPARE(fake.messages[0].text, problem.message);
        QCOMPARE(fake.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(w->isVisible() && !w->isMinimized());
        QCOMPARE(w->currentPage(), 5);
        QCOMPARE(w->focusWidget(), w->widgetFor(problem.focus));
    }
};

QTEST_MAIN(TestWindow)
#include "gui_window.moc"
