// The keyboard in the real window: what a box keeps of keys, pastes, drops and an input method's
// text, with the beeps and the note of a refusal. Tab and Shift+Tab walk the one order across the
// pages; whatever moves the focus, the control that has it is on the page in front.
#include "support/core_controls.h"
#include "support/core_table.h"
#include "support/gui_window.h"

#include "app/tab_pages.h"
#include "entry/focus.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
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

// How the editing table writes a key to press ("Ctrl+V", "Shift+Ins", "Esc", "F2"); anything
// else is typed character by character.
const QRegularExpression KeyName(QStringLiteral("^[A-Z][a-z0-9]+(\\+\\S+)?$"));

const char *const Amount = "Gli importi sono numeri interi", *const Sign = "Il segno va solo",
                  *const TaxCode = "Il codice fiscale ha 11 cifre",
                  *const Percentage = "La percentuale arriva";

// A box holding `before` ("[...]" selected, "|" the caret, else at the end), the actions done in
// turn (keys, typed text, or the clipboard's text brought by the box's menu, a drop, an input
// method or AltGr), and then what the box holds, the beeps, how the note of the refusal starts.
struct Edit {
    const char* name;
    Control box;
    const char* before;
    const char* actions;
    const char* clipboard;
    const char* after;
    int beeps;
    const char* note;
};
// clang-format off
const Edit Edits[] = {
    {"amount, Ctrl+V of words", text1(27), "125000050", "Ctrl+V", "circa 1,2 milioni", "125000050",
     1, Amount},
    {"amount, menu paste of euros", text1(27), "", "menu", "€ 12.345,67", "", 1, Amount},
    {"amount, a second sign", text1(30), "", "-1500-", "", "-1500", 1, Sign},
    {"amount, a digit before the sign", text1(30), "|-1500", "3", "", "-1500", 1, Sign},
    {"amount, a sign in front", text1(30), "|1500", "- -", "", "-1500", 1, Sign},
    {"amount, typed twice in the middle", text1(30), "1|5", "2 3", "", "1235", 0, ""},
    {"tax code, a letter and a twelfth digit", general(1), "", "0123456789a12", "", "01234567891",
     1, TaxCode},
    {"tax code, a paste that makes twelve", general(1), "0081234567", "Ctrl+V", "89", "0081234567",
     1, TaxCode},
    {"tax code, Shift+Insert over it", general(1), "[00812345678]", "Shift+Ins", "12345678901",
     "12345678901", 0, ""},
    {"tax code, Ctrl+X Ctrl+C Ctrl+Z", general(9), "[0081]2345678",
     "Ctrl+X Ctrl+C Ctrl+Z Ctrl+A Ctrl+X", "", "", 0, ""},
    {"tax code, twelve digits composed", general(1), "", "compose", "123456789012", "", 1, TaxCode},
    {"signatory's code, 17 characters", general(11), "", "RSSMRA70A01H501ZX", "",
     "RSSMRA70A01H501Z", 1, "Il codice fiscale del firmatario"},
    {"name, lines dropped at its end", general(0), "|Alfa", "drop", "\r\nBeta\nSpa",
     "Alfa Beta Spa", 0, ""},
    {"name, Alt over selected", general(0), "[Alfa]", "Alt+G Alt+S Alt+X altgr", "@", "@", 0, ""},
    {"percentage, typed in the middle", text1(50), "1|0", "5,", "", "1,0", 1, Percentage},
    {"percentage, a separator after Backspace", text1(50), "12,5", "Ctrl+A 9. Backspace ,751", "",
     "9,75", 1, Percentage},
};
// clang-format on

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
    // What a box keeps of the keys typed into it, and the beeps on the way. The usual editing
    // keys work in every box; those that bring text (a paste by key, by the box's menu, by a drop,
    // an input method's text) are taken only when the box could have been typed so, a line break
    // as a blank. A refusal changes nothing, beeps where the key would and shows why beside the
    // box. Alt with a letter types nothing, not even over a selected name; AltGr types.
    void editingKeysAndPastes_data() { tableRows(Edits); }
    void editingKeysAndPastes() {
        const Edit& row = tableRow(Edits);
        const QString before = QString::fromUtf8(row.before);
        const QString clipboard = QString::fromUtf8(row.clipboard);
        FakePlatform fake;
        const auto w = openWindow(fake);
        QLineEdit* edit = focusBox(*w, row.box);
        const qsizetype start = before.indexOf(QRegularExpression("[|[]"));
        w->sheet().setText(row.box, QString(before).remove(QRegularExpression("[][|]")));
        if (start >= 0 && before[start] == u'|')
            edit->setCursorPosition(int(start));
        else if (start >= 0)
            edit->setSelection(int(start), int(before.indexOf(u']') - start - 1));
        QGuiApplication::clipboard()->setText(clipboard);
        for (const QString& action : QString::fromUtf8(row.actions).split(u' ')) {
            if (action == "menu") {
                QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                       edit->mapToGlobal(QPoint(2, 2)));
                QApplication::sendEvent(edit, &menu);
                auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(popup);
                popup->actions().at(5)->trigger(); // Incolla
                popup->close();
            } else if (action == "drop") {
                QMimeData data;
                data.setText(clipboard);
                const QPoint at = edit->rect().bottomRight() - QPoint(2, 2); // after the text
                QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(edit, &enter);
                QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(edit, &drop);
            } else if (action == "compose") {
                QInputMethodEvent composed;
                composed.setCommitString(clipboard);
                QApplication::sendEvent(edit, &composed);
            } else if (action == "altgr") {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_At, clipboard,
                                    Qt::GroupSwitchModifier);
            } else if (KeyName.match(action).hasMatch()) {
                const QKeyCombination key = QKeySequence::fromString(action)[0];
                QTest::keyClick(edit, key.key(), key.keyboardModifiers());
            } else {
                for (const char key : action.toUtf8()) // typed key by key
                    QTest::keyClick(edit, key);
            }
        }
        QCOMPARE(w->sheet().text(row.box), QString::fromUtf8(row.after));
        QCOMPARE(fake.journal.count("beep"), row.beeps);
        const QLabel* shown = w->refusalNote();
        const QString noted = shown && shown->isVisible() ? shown->text() : QString();
        QVERIFY2(*row.note ? noted.startsWith(QString::fromUtf8(row.note)) : noted.isEmpty(),
                 qPrintable(noted));
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

    // A greyed box takes no focus from a click. Choosing a page on its tab shows it with the focus
    // on its first control, also from the last control of the page in front, where the order
    // leads on to the next page; Ctrl+PgUp and Ctrl+Shift+Tab go back round the pages.
    void clicksOnControlsAndTabs() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        focusBox(*w, text1(44));
        click(w->widgetFor(text1(45))); // "- Non compilare" takes no focus
        verifyFocus(*w, text1(44), 5);
        // The tabs stay where they were drawn first, whichever is chosen: each one clicked where
        // the user saw it first, top row and bottom row in turn, opens its own page.
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
        }
        QTest::keyClick(focused(), Qt::Key_PageUp, Qt::ControlModifier);
        verifyFocus(*w, firstControlOfPage(7), 7);
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        verifyFocus(*w, firstControlOfPage(6), 6);
    }
};

QTEST_MAIN(TestKeys)
#include "gui_keys.moc"
