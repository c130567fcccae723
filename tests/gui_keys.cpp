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

// Types key by key into the widget that has the focus, as the keyboard sends them.
void type(const char* keys) {
    for (; *keys; ++keys)
        QTest::keyClick(focused(), *keys);
}

void ctrl(Qt::Key key) {
    QTest::keyClick(focused(), key, Qt::ControlModifier);
}

// A named key with its modifiers ("ctrl+v", "shift+insert", "alt+g", "escape"); Key_unknown for
// anything else.
std::pair<Qt::Key, Qt::KeyboardModifiers> keyOf(const QString& action) {
    static const QHash<QString, Qt::KeyboardModifier> Modifiers{
        {"ctrl", Qt::ControlModifier}, {"shift", Qt::ShiftModifier}, {"alt", Qt::AltModifier}};
    static const QHash<QString, Qt::Key> Keys{
        {"insert", Qt::Key_Insert}, {"escape", Qt::Key_Escape}, {"f2", Qt::Key_F2},
        {"left", Qt::Key_Left},     {"home", Qt::Key_Home},     {"delete", Qt::Key_Delete}};
    QStringList parts = action.split(u'+');
    const QString name = parts.takeLast();
    Qt::KeyboardModifiers modifiers;
    for (const QString& m : parts)
        if (!Modifiers.contains(m))
            return {Qt::Key_unknown, {}};
        else
            modifiers |= Modifiers[m];
    if (Keys.contains(name))
        return {Keys[name], modifiers};
    if (name.size() == 1 && name[0].isLetter() && !parts.isEmpty())
        return {Qt::Key(Qt::Key_A + (name[0].unicode() - u'a')), modifiers};
    return {Qt::Key_unknown, {}};
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

    // The usual editing keys work in every box; those that bring text (a paste by key, by the
    // box's menu, by a drop, an input method's text) are taken only when the box could have been
    // typed so, a line break as a blank. A refusal changes nothing, beeps where the key would and
    // shows why beside the box. Alt with a letter types nothing, not even over a selected name;
    // AltGr types.
    void editingKeysAndPastes_data() {
        QTest::addColumn<Control>("box");
        QTest::addColumn<QString>("before"); // "[...]" selected, "|" the caret, else at the end
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("note"); // how the note of the refusal starts
        const QString amount = "Gli importi sono numeri interi";
        QTest::newRow("amount, Ctrl+V of words") << text1(27) << "125000050"
                                                 << "ctrl+v"
                                                 << "circa 1,2 milioni"
                                                 << "125000050" << 1 << amount;
        QTest::newRow("amount, menu paste of euros") << text1(27) << ""
                                                     << "menu"
                                                     << "€ 12.345,67"
                                                     << "" << 1 << amount;
        QTest::newRow("amount, Ctrl+A Ctrl+V") << text1(27) << "125000050"
                                               << "ctrl+a ctrl+v"
                                               << "1250000"
                                               << "1250000" << 0 << "";
        QTest::newRow("amount, Ctrl+A then a digit") << text1(30) << "-1500"
                                                     << "ctrl+a 7"
                                                     << ""
                                                     << "7" << 0 << "";
        QTest::newRow("amount, a point") << text1(30) << "1"
                                         << "."
                                         << ""
                                         << "1" << 1 << amount;
        QTest::newRow("amount, a sign in front") << text1(30) << "|1500"
                                                 << "- -"
                                                 << ""
                                                 << "-1500" << 1 << "Il segno va solo davanti";
        QTest::newRow("tax code, Shift+Insert over it") << general(1) << "[00812345678]"
                                                        << "shift+insert"
                                                        << "12345678901"
                                                        << "12345678901" << 0 << "";
        QTest::newRow("tax code, typed over it") << general(1) << "[00812345678]"
                                                 << "12345678901"
                                                 << ""
                                                 << "12345678901" << 0 << "";
        QTest::newRow("tax code, Ctrl+X Ctrl+C Ctrl+Z") << general(9) << "[0081]2345678"
                                                        << "ctrl+x ctrl+c ctrl+z ctrl+a ctrl+x"
                                                        << ""
                                                        << "" << 0 << "";
        QTest::newRow("tax code, twelve digits composed")
            << general(1) << ""
            << "compose"
            << "123456789012"
            << "" << 1 << "Il codice fiscale ha 11 cifre";
        QTest::newRow("tax code, a letter composed") << general(1) << ""
                                                     << "compose"
                                                     << "é"
                                                     << "" << 0 << "Il codice fiscale ha 11 cifre";
        QTest::newRow("day, a letter dropped") << general(2) << ""
                                               << "drop"
                                               << "3a"
                                               << "" << 0 << "Il giorno ha due cifre";
        QTest::newRow("name, lines dropped") << general(0) << "Alfa|"
                                             << "drop"
                                             << "\r\nBeta\nSpa"
                                             << "Alfa Beta Spa" << 0 << "";
        QTest::newRow("name, Alt over a selection") << general(0) << "[Alfa]"
                                                    << "alt+g alt+s alt+x altgr+@"
                                                    << ""
                                                    << "@" << 0 << "";
        QTest::newRow("percentage, typed in the middle") << text1(50) << "1|0"
                                                         << "5,"
                                                         << ""
                                                         << "1,0" << 1 << "La percentuale arriva";
        QTest::newRow("percentage, keys that type nothing") << text1(50) << "9,75"
                                                            << "escape f2 left home delete"
                                                            << ""
                                                            << ",75" << 0 << "";
    }
    void editingKeysAndPastes() {
        QFETCH(Control, box);
        QFETCH(QString, before);
        QFETCH(QString, actions);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        QFETCH(int, beeps);
        QFETCH(QString, note);
        FakePlatform fake;
        const auto w = openWindow(fake);
        QLineEdit* edit = focusBox(*w, box);
        const qsizetype start = before.indexOf(QRegularExpression("[|[]"));
        w->sheet().setText(box, QString(before).remove(QRegularExpression("[][|]")));
        if (start >= 0 && before[start] == u'|')
            edit->setCursorPosition(int(start));
        else if (start >= 0)
            edit->setSelection(int(start), int(before.indexOf(u']') - start - 1));
        QGuiApplication::clipboard()->setText(clipboard);
        for (const QString& action : actions.split(u' ')) {
            const auto [key, modifiers] = keyOf(action);
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
            } else if (key != Qt::Key_unknown) {
                QTest::keyClick(edit, key, modifiers);
            } else if (action.startsWith("altgr+")) {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_At, action.back(),
                                    Qt::GroupSwitchModifier);
            } else {
                type(action.toUtf8());
            }
        }
        QCOMPARE(w->sheet().text(box), after);
        QCOMPARE(fake.journal.count("beep"), beeps);
        const QLabel* shown = w->refusalNote();
        const QString noted = shown && shown->isVisible() ? shown->text() : QString();
        QVERIFY2(note.isEmpty() ? noted.isEmpty() : noted.startsWith(note), qPrintable(noted));
    }

    // What a box keeps of the keys typed into it, and the beeps on the way. A full day or month
    // box hands the focus on to the next box of its date, shown and selected as after Tab. In box
    // 50 a separator is judged on the text that overwriting a selection or Backspace left.
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
        // Last year's date typed over in one go: each move on selects the next box's text.
        for (int k = 5; k <= 7; ++k)
            w->sheet().setText(general(k), QStringList{"30", "06", "2024"}[k - 5]);
        w->showPage(controlPage(general(5)));
        click(w->widgetFor(general(5))); // the mouse led here: the move on still shows the focus
        ctrl(Qt::Key_A);
        type("31102025");
        QCOMPARE(w->sheet().general(5) + '/' + w->sheet().general(6) + '/' + w->sheet().general(7),
                 QStringLiteral("31/10/2025"));
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
