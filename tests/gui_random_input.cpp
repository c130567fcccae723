// Thousands of random keystrokes, clicks and commands on the real window, the platform answering
// every question, dialog and drive query at random; after each step the rules that hold whatever
// the user does are checked. The end of the program ends a run; a fresh window carries on.
// Seeded and reproducible: a failure names the seed, the run and the steps that led there.
// VERIMODA_SEED=<number> plays another seed than 0, VERIMODA_STEPS=<number> more than 3000 steps.
#include "support/core_controls.h"
#include "support/core_sheets.h"
#include "support/gui_window.h"

#include "app/tab_pages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;
using fixture::valueControls;

namespace {

// The edits a sheet holds, control by control.
QStringList snapshot(const Sheet& sheet) {
    QStringList edits;
    for (Control c : valueControls())
        edits.append(fixture::valueOf(sheet, c));
    return edits;
}

// What the keystroke filters let into a text box, whatever the caret, the selection or the
// clipboard: digits up to the box's length in the tax codes and the dates, digits and separators
// in the percentage box. The others take anything (Ctrl+V pastes unfiltered into the indicators).
bool filtered(Control c, const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    static const QRegularExpression percentage(QStringLiteral("^[0-9,.]*$"));
    if (c.array == Array::Text1)
        return c.index != 50 || percentage.match(text).hasMatch();
    const int length = std::array{0, 11, 2, 2, 4, 2, 2, 4, 0, 11, 0, 0}[size_t(c.index)];
    return length == 0 || (text.size() <= length && digits.match(text).hasMatch());
}

} // namespace

class TestRandomInput : public QObject {
    Q_OBJECT
private slots:
    void randomSteps() {
        prepareTestApplication();
        QGuiApplication::clipboard()->setText(QStringLiteral("12,5"));
        const auto seed = quint32(qEnvironmentVariableIntValue("VERIMODA_SEED"));
        const int steps = std::max(3000, qEnvironmentVariableIntValue("VERIMODA_STEPS"));
        random_.seed(seed);
        QString broken;
        for (int step = 1; step <= steps && broken.isEmpty(); ++step) {
            if (!window_)
                start();
            answerAtRandom();
            const QStringList before = snapshot(window_->sheet());
            const bool unsavedBefore = !window_->sheet().NessunaModifica;
            const QString action = act();
            QCoreApplication::processEvents(); // as the event loop would between two user events
            const QStringList& said = fake_->journal;
            history_.append(QStringLiteral("step %1: %2 [%3]")
                                .arg(QString::number(step), action, said.join(", ")));
            const bool saved = said.contains("save Salva file") && !saveName_.isEmpty();
            // A read that failed (a message follows the open dialog) is no read: it changes
            // nothing.
            const bool read = said.contains("open Apri file") && !openName_.isEmpty() &&
                              said.last() == "open Apri file";
            // At the end, the tray icon went first, and unsaved edits were offered to the user
            // (the question comes before any other message), then given up or saved.
            const bool asked = said.filter("message ").value(0) == "message Warning";
            const bool givenUpOrSaved =
                asked && (answer_ == QMessageBox::No || (answer_ == QMessageBox::Yes && saved));
            if (!ended_)
                broken = checkStep(before, unsavedBefore, saved, read);
            else if (trayAtExit_ || (unsavedBefore && !givenUpOrSaved))
                broken = QStringLiteral("the program ended with its tray icon, or unsaved edits");
            if (ended_)
                window_.reset();
        }
        qInfo("seed %u: %d steps, %d windows, %d files read", seed, steps, runs_, reads_);
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, run %2: ").arg(seed).arg(runs_) + broken +
                            "\nthe last steps:\n  " +
                            history_.mid(history_.size() - 12).join("\n  ")));
    }

private:
    // A fresh window, with or without a tray, and files to read in the program folder: a sheet
    // ready for "Genera", boxes ticked twice in rows and groups, a read that stops halfway.
    void start() {
        ++runs_;
        ended_ = generateNext_ = false;
        fake_ = std::make_unique<FakePlatform>();
        fake_->tray = below(4) != 0;
        fake_->disketteRoot = fake_->file("A");
        QDir().mkdir(fake_->disketteRoot);
        const std::pair<const char*, const char*> files[] = {
            {"completo.xml", "\r\nQUESTIONARIO\r\n"},
            {"doppio.xml", "\r\nF11 - STAR\r\nF11 - MIDEX\r\nQUESTIONARIO\r\n5 - Si\r\n5 - No\r\n"
                           "5 - N/A\r\n26 - Euro\r\n26 - Altro\r\n"},
            {"rotto.xml", "\r\nQUESTIONARIO\r\n7 - Si\r\n7 - No\r\nsenza trattino\r\n"}};
        for (const auto& [name, summary] : files) {
            QFile file(fake_->file(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(fixture::readData("full_sheet.xml")
                                   .replace("\r\nQUESTIONARIO\r\n", summary)) > 0);
        }
        window_ = openWindow(*fake_);
        fake_->onExit = [this] {
            ended_ = true;
            trayAtExit_ = window_->trayIcon()->isVisible();
        };
        tolerated_.clear();
        saved_ = snapshot(window_->sheet());
        history_.append(QStringLiteral("run %1: a fresh window").arg(runs_) +
                        (fake_->tray ? "" : ", no tray"));
    }

    int below(int n) { return random_.bounded(n); }
    bool chance(int percent) { return below(100) < percent; }

    // What the platform will answer in this step, as a user or the machine might: any button of
    // the question, a file of the program folder or a cancel one time in four (also a file that
    // "Leggi" cannot find, or a folder that "Salva" cannot write to), the print dialog mostly
    // cancelled (printing takes time), the diskette drive absent, not ready or ready.
    void answerAtRandom() {
        const auto pick = [this](const QList<const char*>& files) {
            return below(4) == 0 ? QString() : fake_->file(files[below(int(files.size()))]);
        };
        answer_ = std::array{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}[below(3)];
        saveName_ = pick({"foglio.xml", "copia.xml", "manca/foglio.xml"});
        openName_ = pick({"foglio.xml", "copia.xml", "completo.xml", "completo.xml", "doppio.xml",
                          "doppio.xml", "rotto.xml", "assente.xml"});
        fake_->answers = {answer_};
        fake_->saveNames = {saveName_};
        fake_->openNames = {openName_};
        fake_->printAnswers = {below(3) == 0};
        fake_->disketteState = Platform::Diskette(below(3));
        fake_->journal.clear();
    }

    // One user action; returns what it was.
    QString act() {
        Main& w = *window_;
        if (w.isHidden()) // only the tray icon is left
            return tray();
        if (w.isMinimized()) { // on the taskbar, without a tray
            w.showNormal();
            w.activateWindow();
            return QStringLiteral("restore from the taskbar");
        }
        const int r = std::exchange(generateNext_, false) ? -1 : below(1000);
        if (r < 0) { // a sheet just read goes out as it is
            click(w.widgetFor(button(3)));
            return QStringLiteral("button Genera, right after the read");
        }
        if (r < 700)
            return key();
        if (r < 820) {
            QList<Control> onPage = valueControls();
            onPage.removeIf([&w](Control c) { return controlPage(c) != w.currentPage(); });
            const Control c = onPage[below(int(onPage.size()))];
            click(w.widgetFor(c));
            return QLatin1String("click ") + controlName(c);
        }
        if (r < 850) { // anywhere: a label, a frame, the background of a page, the tabs
            const int x = below(w.width()); // one after the other, for the same walk everywhere
            const QPoint at(x, below(w.height()));
            QWidget* under = w.childAt(at) ? w.childAt(at) : &w;
            QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(&w, at));
            return QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
        }
        if (r < 880) {
            const int page = below(PageCount);
            QTest::mouseClick(w.tabPages(), Qt::LeftButton, Qt::NoModifier,
                              w.tabPages()->tabRect(page).center());
            return QStringLiteral("click tab %1").arg(page);
        }
        if (r < 930) {
            const int b = below(ButtonCount);
            click(w.widgetFor(button(b)));
            return QLatin1String("button ") + buttonCaption(b);
        }
        if (r < 970 && fake_->tray)
            return tray();
        if (r < 995) {
            w.setWindowState(w.windowState() | Qt::WindowMinimized);
            return QStringLiteral("minimise");
        }
        w.close();
        return QStringLiteral("close box");
    }

    // Typing (digits most, since most boxes take only digits; beyond ASCII, some outside the
    // file's code page), editing and moving keys, Space to tick and press, Ctrl with any letter.
    QString key() {
        if (!QApplication::focusWidget()) // the offscreen platform leaves a window shown again
            QApplication::setActiveWindow(window_.get()); // inactive: the user clicks it back
        QWidget* target = QApplication::focusWidget();
        if (!target)
            return QStringLiteral("no key: nothing has the focus");
        const QString on = QLatin1String(" on ") + target->objectName();
        static const QStringList others = QStringLiteral("à è é ì ò ù É € ß ł 中 😀").split(u' ');
        static const QList<QKeySequence> keys = QKeySequence::listFromString(QStringLiteral(
            "Backspace; Del; Return; Left; Right; Up; Down; Home; End; Esc; Space; Space; Tab; "
            "Tab; Shift+Backtab; Ctrl+C; Ctrl+V; Ctrl+X; Ctrl+Z; Ctrl+A; Ctrl+Tab; Ctrl+PgUp"));
        const int r = below(100);
        if (r < 63) {
            const QString text = r < 30   ? QString(QChar(u'0' + below(10)))
                                 : r < 55 ? QString(QChar(u' ' + below(95)))
                                          : others[below(int(others.size()))];
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text, Qt::NoModifier);
            return QStringLiteral("key '%1'").arg(text) + on;
        }
        const QKeySequence key =
            r < 70 ? QKeySequence(QStringLiteral("Ctrl+%1").arg(QChar(u'A' + below(26))))
                   : keys[below(int(keys.size()))];
        QTest::keyClick(target, key[0].key(), key[0].keyboardModifiers());
        return QLatin1String("key ") + key.toString() + on;
    }

    // A click on the tray icon and, when the menu opens, one of its items or none. With the
    // window hidden, the user is mostly after "Ripristina".
    QString tray() {
        emit window_->trayIcon()->activated(chance(80) ? QSystemTrayIcon::Trigger
                                                       : QSystemTrayIcon::Context);
        QList<QAction*> items = window_->trayMenu()->actions();
        items.removeIf([](QAction* a) { return a->isSeparator(); });
        if (!fake_->journal.contains("popup") || chance(10))
            return QStringLiteral("tray icon clicked, no menu item");
        QAction* item =
            window_->isHidden() && chance(50) ? items.first() : items[below(int(items.size()))];
        item->trigger();
        return QLatin1String("tray menu ") + item->objectName();
    }

    // The rules after a step that left the program running.
    QString checkStep(const QStringList& before, bool unsavedBefore, bool saved, bool read) {
        const Main& w = *window_;
        const Sheet& sheet = w.sheet();
        if (sheet.CaricamentoInCorso || sheet.UscitaRichiesta)
            return QStringLiteral("CaricamentoInCorso or UscitaRichiesta is still set");
        if (!fake_->tray && w.isHidden())
            return QStringLiteral("the window hid without a tray to bring it back");
        if (w.isVisible() && w.focusWidget() && !w.focusWidget()->isVisible())
            return w.focusWidget()->objectName() + QLatin1String(" has the focus off the page");

        // Any change of an answer or a text is an unsaved edit, and only a read or a completed
        // save clears it; a sheet without unsaved edits holds what was last saved or read.
        const QStringList after = snapshot(sheet);
        reads_ += read;
        generateNext_ = read && chance(70);
        const bool expected = !unsavedBefore && after == before;
        if (!read && !saved && sheet.NessunaModifica != expected)
            return QStringLiteral("NessunaModifica is %1 after a step that %2 the sheet")
                .arg(expected ? "False" : "True", after == before ? "left" : "changed");
        if (sheet.NessunaModifica && (read || saved))
            saved_ = after;
        if (sheet.NessunaModifica && after != saved_)
            return QStringLiteral("NessunaModifica True, the sheet unlike the last saved or read");

        // The window shows the sheet. Only a read gets past the keystroke filters, or ticks or
        // changes what the user cannot. At most one box is ticked in each row and option group
        // (negative keys), except what a read ticked: such a group keeps at most those boxes,
        // until a click leaves one or none.
        QHash<int, QList<Control>> groups;
        for (qsizetype k = 0; k < after.size(); ++k) {
            const Control c = valueControls()[k];
            const QCheckBox* box = w.checkBox(c);
            const QLineEdit* edit = w.textBox(c);
            if ((box && box->isChecked() != sheet.ticked(c)) ||
                (edit && edit->text() != sheet.text(c)))
                return controlName(c) + QLatin1String(" shows another value than the sheet");
            if (!read && after[k] != before[k] && after[k] != "0" && !controlEditable(c))
                return controlName(c) + QLatin1String(", which the user cannot edit, changed");
            if (!read && edit && filtered(c, before[k]) && !filtered(c, after[k]))
                return QStringLiteral("%1 took \"%2\" past its filter")
                    .arg(controlName(c), after[k]);
            if (box && sheet.ticked(c))
                groups[c.array == Array::Check_FRAME_GENERALE ? -1 - optionGroupOf(c.index)
                                                              : c.index]
                    .append(c);
        }
        tolerated_.removeIf([&groups](auto g) { return groups.value(g.key()).size() <= 1; });
        for (auto [g, ticked] : groups.asKeyValueRange()) {
            for (Control c : ticked)
                if (ticked.size() > 1 && !read && !tolerated_.value(g).contains(c))
                    return controlName(c) + QLatin1String(" is ticked beside another box");
            if (ticked.size() > 1)
                tolerated_[g] = ticked;
        }
        return {};
    }

    QRandomGenerator random_;
    std::unique_ptr<FakePlatform> fake_;
    std::unique_ptr<Main> window_;
    QMessageBox::StandardButton answer_; // to the question, if asked in the step
    QString saveName_, openName_;        // what the dialogs give in the step, "" cancels
    bool ended_ = false, trayAtExit_ = false;
    bool generateNext_ = false;            // the next step is "Genera"
    QHash<int, QList<Control>> tolerated_; // groups a read left with two boxes or more
    QStringList saved_;                    // the sheet as last saved or read, or as it started
    QStringList history_;
    int runs_ = 0, reads_ = 0;
};

QTEST_MAIN(TestRandomInput)
#include "gui_random_input.moc"
