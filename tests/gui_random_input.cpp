// Thousands of random keystrokes, clicks and commands on the real window, with the platform
// answering every question, dialog and drive query at random. After each step the rules that hold
// whatever the user does are checked: exclusive boxes, the focus on the page in front, every edit
// known as unsaved and never lost without the question, the window showing the sheet. The end of
// the program ends a run; a fresh window carries on.
//
// Seeded and reproducible: the seed is printed, and a failure names it with the step and the
// steps that led there. VERIMODA_SEED=<number> plays another seed, VERIMODA_STEPS=<number> longer,
// VERIMODA_TRACE=1 prints every step (with -maxwarnings 0 past the first 2000).
#include "support/core_complete_sheet.h"
#include "support/core_controls.h"
#include "support/gui_window.h"

#include "app/tab_pages.h"
#include "file/writer.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

using namespace verimoda;
using namespace verimoda::test;

namespace {

constexpr quint32 DefaultSeed = 7;
constexpr int DefaultSteps = 3000;

int fromEnvironment(const char* name, int otherwise) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : otherwise;
}

QList<Control> sheetControls() {
    QList<Control> all;
    for (int a = 0; a < int(Array::Command_Function); ++a)
        for (int i = 0; i < ItemCount; ++i)
            if (controlExists({Array(a), i}))
                all.append({Array(a), i});
    return all;
}

bool isText(Control c) {
    return c.array == Array::TEXT_GENERALE || c.array == Array::Text1;
}

// The boxes of which at most one may be ticked: each question row, then each option group.
QList<QList<Control>> exclusiveGroups() {
    QList<QList<Control>> groups;
    for (int row = 0; row < ItemCount; ++row)
        if (isQuestionRow(row))
            groups.append(QList<Control>{si(row), no(row), na(row)});
    for (int g = 0; g < OptionGroupCount; ++g) {
        groups.append(QList<Control>{});
        for (int box = optionGroup(g).first; box <= optionGroup(g).last; ++box)
            groups.last().append(option(box));
    }
    return groups;
}

// What the sheet holds, to tell what a step changed.
struct Snapshot {
    QList<std::pair<Control, int>> answers;   // Check_SI, Check_NO, Check_NA
    QList<std::pair<Control, int>> options;   // Check_FRAME_GENERALE
    QList<std::pair<Control, QString>> texts; // TEXT_GENERALE, Text1
    // Equal but for the option boxes, which are no edit.
    bool sameEdits(const Snapshot& other) const {
        return answers == other.answers && texts == other.texts;
    }
};

Snapshot snapshot(const Sheet& sheet) {
    Snapshot s;
    for (Control c : sheetControls()) {
        if (isText(c))
            s.texts.append({c, sheet.text(c)});
        else if (c.array == Array::Check_FRAME_GENERALE)
            s.options.append({c, sheet.value(c)});
        else
            s.answers.append({c, sheet.value(c)});
    }
    return s;
}

// What the keystroke filters let into a box, whatever the caret, the selection or the clipboard:
// digits up to the box's length in the tax codes and the dates, digits and separators in the
// percentage box. The other boxes take anything (Ctrl+V pastes unfiltered into the indicators).
bool filtered(Control c, const QString& text) {
    const auto only = [&text](QStringView allowed) {
        return std::all_of(text.cbegin(), text.cend(),
                           [allowed](QChar ch) { return allowed.contains(ch); });
    };
    const QStringView digits = u"0123456789";
    if (c == text1(50))
        return only(u"0123456789,.");
    if (c.array != Array::TEXT_GENERALE)
        return true;
    switch (c.index) {
    case 1:
    case 9:
        return text.size() <= 11 && only(digits);
    case 2:
    case 3:
    case 5:
    case 6:
        return text.size() <= 2 && only(digits);
    case 4:
    case 7:
        return text.size() <= 4 && only(digits);
    default:
        return true;
    }
}

QString buttonName(QMessageBox::StandardButton b) {
    switch (b) {
    case QMessageBox::Yes:
        return QStringLiteral("Yes");
    case QMessageBox::No:
        return QStringLiteral("No");
    case QMessageBox::Cancel:
        return QStringLiteral("Cancel");
    default:
        return QStringLiteral("OK");
    }
}

// Sheet files in the program folder for "Leggi": a sheet ready for "Genera", boxes ticked twice
// in a row and in a group, a read that stops halfway, an empty file.
void writeSheetFiles(const FakePlatform& fake) {
    Sheet complete;
    fillCompleteSheet(complete);
    const std::pair<const char*, QByteArray> files[] = {
        {"completo.xml", sheetFileBytes(complete)},
        {"doppio.xml", "<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n0 - Societa' Alfa\r\n"
                       "1 - 12345678901\r\nF9 - 127/91\r\nF9 - IAS\r\nF11 - STAR\r\nF11 - MIDEX\r\n"
                       "QUESTIONARIO\r\n5 - Si\r\n5 - No\r\n5 - N/A\r\n26 - Euro\r\n26 - Altro\r\n"
                       "30 - 12\r\n50 - 12,5\r\n</RIEPILOGO_FINALE>\r\n"},
        {"rotto.xml", "<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n0 - Beta\r\nF8 - No\r\n"
                      "QUESTIONARIO\r\n7 - Si\r\n7 - No\r\nriga senza trattino\r\n12 - No\r\n"},
        {"vuoto.xml", ""},
    };
    for (const auto& [name, bytes] : files) {
        QFile file(fake.file(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
    }
}

// A platform that answers at random, as a user or the machine might: any button the box offers,
// a file of the program folder or a cancel, the print dialog accepted or not, the diskette drive
// absent, not ready or ready.
class RandomPlatform : public FakePlatform {
public:
    explicit RandomPlatform(QRandomGenerator& random) : random_(random) {
        disketteRoot = disk_.path();
        writeSheetFiles(*this);
    }

    // What happened during the current step.
    QStringList said;                                             // every answer, in order
    bool fileOpened = false;                                      // an open dialog gave a file
    bool fileChosen = false;                                      // a save dialog gave a file
    QMessageBox::StandardButton question = QMessageBox::NoButton; // the save question's answer
    void newStep() {
        said.clear();
        fileOpened = fileChosen = false;
        question = QMessageBox::NoButton;
    }

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        QList<QMessageBox::StandardButton> offered;
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
            if (buttons & b)
                offered.append(b);
        const auto answer = offered.isEmpty() ? QMessageBox::Ok : pick(offered);
        if (buttons == (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel))
            question = answer;
        said.append(QStringLiteral("%1 \"%2\" -> %3")
                        .arg(title,
                             text.left(40).replace(QLatin1String("\r\n"), QLatin1String(" ")),
                             buttonName(answer)));
        answers = {answer};
        return FakePlatform::message(parent, icon, title, text, buttons);
    }

    QString saveFileName(QWidget* parent, const FileDialog& dialog) override {
        const QString name = chooseFile({"foglio.xml", "copia.xml", "manca/foglio.xml"});
        fileChosen = fileChosen || !name.isEmpty();
        said.append(QLatin1String("save -> ") + shown(name));
        saveNames = {name};
        return FakePlatform::saveFileName(parent, dialog);
    }

    QString openFileName(QWidget* parent, const FileDialog& dialog) override {
        const QString name =
            chooseFile({"foglio.xml", "copia.xml", "completo.xml", "completo.xml", "completo.xml",
                        "doppio.xml", "doppio.xml", "rotto.xml", "vuoto.xml", "assente.xml"});
        fileOpened = fileOpened || !name.isEmpty();
        said.append(QLatin1String("open -> ") + shown(name));
        openNames = {name};
        return FakePlatform::openFileName(parent, dialog);
    }

    bool printDialog(QWidget* parent, QPrinter& printer) override {
        const bool accept = random_.bounded(3) == 0; // printing takes time: mostly cancelled
        said.append(QLatin1String(accept ? "print -> accept" : "print -> cancel"));
        printAnswers = {accept};
        return FakePlatform::printDialog(parent, printer);
    }

    Diskette diskette() override {
        const int state = random_.bounded(3);
        disketteState = std::array{Diskette::Absent, Diskette::NotReady, Diskette::Ready}[state];
        said.append(QLatin1String("diskette -> ") +
                    QLatin1String(std::array{"absent", "not ready", "ready"}[state]));
        return disketteState;
    }

private:
    template <class T>
    T pick(const QList<T>& from) {
        return from[random_.bounded(int(from.size()))];
    }
    // A name offered, or a cancel one time in four.
    QString chooseFile(const QList<const char*>& names) {
        if (random_.bounded(4) == 0)
            return {};
        return file(QLatin1String(pick(names)));
    }
    QString shown(const QString& name) const {
        return name.isEmpty() ? QStringLiteral("cancel") : name.mid(folder.path().size() + 1);
    }

    QRandomGenerator& random_;
    QTemporaryDir disk_;
};

// Plays random steps on one window after another and checks the rules after each.
class Player {
public:
    explicit Player(quint32 seed) : seed_(seed), random_(seed) {}

    // Plays `steps` steps; returns the first broken rule, with where it broke.
    QString play(int steps) {
        QGuiApplication::clipboard()->setText(QStringLiteral("12,5"));
        for (step_ = 1; step_ <= steps; ++step_) {
            if (!window_)
                start();
            platform_->newStep();
            const Snapshot before = snapshot(window_->sheet());
            const bool unsavedBefore = !window_->sheet().NessunaModifica;
            const QString done = act();
            QCoreApplication::processEvents(); // as the event loop would between two user events
            history_.append(QStringLiteral("step %1: %2").arg(step_).arg(done));
            if (!platform_->said.isEmpty())
                history_.last() += QLatin1String(" [") + platform_->said.join(QLatin1String("; ")) +
                                   QLatin1Char(']');
            if (qEnvironmentVariableIsSet("VERIMODA_TRACE"))
                qInfo("%s", qPrintable(history_.last()));
            while (history_.size() > 12)
                history_.removeFirst();
            const QString broken =
                ended_ ? checkEnd(unsavedBefore) : checkStep(before, unsavedBefore);
            if (!broken.isEmpty())
                return QStringLiteral("seed %1, run %2, step %3: %4\nthe last steps:\n  %5")
                    .arg(seed_)
                    .arg(runs_)
                    .arg(step_)
                    .arg(broken, history_.join(QLatin1String("\n  ")));
            if (ended_)
                stop();
        }
        stop();
        return {};
    }

    int runs() const { return runs_; }
    int commands() const { return commands_; }
    int edits() const { return edits_; }
    int reads() const { return reads_; }
    int doubled() const { return doubled_; }

private:
    void start() {
        ++runs_;
        ended_ = restored_ = generateNext_ = false;
        platform_ = std::make_unique<RandomPlatform>(random_);
        platform_->tray = random_.bounded(4) != 0;
        window_ = openWindow(*platform_);
        platform_->onExit = [this] {
            ended_ = true;
            trayAtExit_ = window_->trayIcon()->isVisible();
        };
        tolerated_.clear();
        saved_ = snapshot(window_->sheet());
        history_.append(QStringLiteral("run %1: a fresh window%2")
                            .arg(runs_)
                            .arg(platform_->tray ? "" : ", no tray"));
    }

    void stop() {
        window_.reset();
        platform_.reset();
    }

    int below(int n) { return random_.bounded(n); }
    bool chance(int percent) { return below(100) < percent; }

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
        if (std::exchange(generateNext_, false)) { // a sheet just read goes out as it is
            ++commands_;
            click(w.widgetFor(button(3)));
            return QStringLiteral("button Genera, right after the read");
        }
        const int r = below(1000);
        if (r < 700)
            return key();
        if (r < 820) {
            QList<Control> onPage;
            for (Control c : sheetControls())
                if (controlPage(c) == w.currentPage())
                    onPage.append(c);
            const Control c = onPage[below(int(onPage.size()))];
            click(w.widgetFor(c));
            return QLatin1String("click ") + controlName(c);
        }
        if (r < 850) { // anywhere: a label, a frame, the background of a page, the tabs
            const int x = below(w.width()); // one after the other, for the same walk everywhere
            const QPoint at(x, below(w.height()));
            QWidget* under = w.childAt(at);
            if (!under)
                under = &w;
            QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(&w, at));
            return QStringLiteral("click at %1,%2 on ").arg(at.x()).arg(at.y()) +
                   under->metaObject()->className() + QLatin1Char(' ') + under->objectName();
        }
        if (r < 880) {
            const int page = below(PageCount);
            TabPages* tabs = w.tabPages();
            QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
            return QStringLiteral("click tab %1").arg(page);
        }
        if (r < 930) {
            ++commands_;
            const int b = below(ButtonCount);
            click(w.widgetFor(button(b)));
            return QLatin1String("button ") + buttonCaption(b);
        }
        if (r < 970 && platform_->tray)
            return tray();
        if (r < 995) {
            w.setWindowState(w.windowState() | Qt::WindowMinimized);
            return QStringLiteral("minimise");
        }
        ++commands_;
        w.close();
        return QStringLiteral("close box");
    }

    QString key() {
        QWidget* target = QApplication::focusWidget();
        if (!target) {
            // Hiding a window on the offscreen platform leaves it inactive after it shows again
            // (no window manager moves the focus): the user clicks it back.
            QApplication::setActiveWindow(window_.get());
            target = QApplication::focusWidget();
            if (!target)
                return QStringLiteral("no key: nothing has the focus");
        }
        const QString where = QLatin1String(" on ") + target->objectName();
        const int r = below(100);
        if (r < 55) { // typing: digits most, since most boxes take only digits
            const char c = r < 30 ? char('0' + below(10)) : char(' ' + below(95));
            QTest::keyClick(target, c);
            return QStringLiteral("key '%1'").arg(QLatin1Char(c)) + where;
        }
        if (r < 63) { // beyond ASCII, some outside the file's code page
            static const QStringList others = {
                QStringLiteral("à"), QStringLiteral("è"),  QStringLiteral("é"),
                QStringLiteral("ì"), QStringLiteral("ò"),  QStringLiteral("ù"),
                QStringLiteral("É"), QStringLiteral("€"),  QStringLiteral("ß"),
                QStringLiteral("ł"), QStringLiteral("中"), QStringLiteral("😀")};
            const QString text = others[below(int(others.size()))];
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text, Qt::NoModifier);
            return QLatin1String("key '") + text + QLatin1Char('\'') + where;
        }
        static const std::pair<QKeyCombination, const char*> special[] = {
            {Qt::Key_Backspace, "Backspace"},
            {Qt::Key_Delete, "Delete"},
            {Qt::Key_Return, "Enter"},
            {Qt::Key_Left, "Left"},
            {Qt::Key_Right, "Right"},
            {Qt::Key_Up, "Up"},
            {Qt::Key_Down, "Down"},
            {Qt::Key_Home, "Home"},
            {Qt::Key_End, "End"},
            {Qt::Key_Escape, "Escape"},
            {Qt::Key_Space, "Space"}, // ticks a check box, presses a button
            {Qt::Key_Space, "Space"},
            {Qt::Key_Tab, "Tab"},
            {Qt::Key_Tab, "Tab"},
            {Qt::ShiftModifier | Qt::Key_Backtab, "Shift+Tab"},
            {Qt::ControlModifier | Qt::Key_C, "Ctrl+C"},
            {Qt::ControlModifier | Qt::Key_V, "Ctrl+V"},
            {Qt::ControlModifier | Qt::Key_X, "Ctrl+X"},
            {Qt::ControlModifier | Qt::Key_Z, "Ctrl+Z"},
            {Qt::ControlModifier | Qt::Key_A, "Ctrl+A"},
            {Qt::ControlModifier | Qt::Key_Tab, "Ctrl+Tab"},
            {Qt::ControlModifier | Qt::Key_PageUp, "Ctrl+PgUp"},
        };
        QKeyCombination keys;
        QString name;
        if (r < 70) { // any other Ctrl+letter
            const int letter = below(26);
            keys = Qt::ControlModifier | Qt::Key(Qt::Key_A + letter);
            name = QStringLiteral("Ctrl+%1").arg(QChar(u'A' + letter));
        } else {
            const auto& [combination, caption] = special[below(int(std::size(special)))];
            keys = combination;
            name = QLatin1String(caption);
        }
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
        return QLatin1String("key ") + name + where;
    }

    // A click on the tray icon and, when the menu opens, one of its items or none. With the
    // window hidden, the user is mostly after "Ripristina".
    QString tray() {
        const auto popups = platform_->popups.size();
        const bool left = chance(80);
        emit window_->trayIcon()->activated(left ? QSystemTrayIcon::Trigger
                                                 : QSystemTrayIcon::Context);
        if (platform_->popups.size() == popups)
            return QLatin1String(left ? "left" : "right") +
                   QStringLiteral(" click on the tray icon, no menu");
        QList<QAction*> items = window_->trayMenu()->actions();
        items.removeIf([](QAction* a) { return a->isSeparator(); });
        if (chance(10))
            return QStringLiteral("tray menu dismissed");
        QAction* item =
            window_->isHidden() && chance(50) ? items.first() : items[below(int(items.size()))];
        restored_ = item->objectName() == QLatin1String("MENU_RIPRISTINA");
        commands_ += !restored_;
        item->trigger();
        return QLatin1String("tray menu ") + item->objectName();
    }

    // The rules after a step that left the program running.
    QString checkStep(const Snapshot& before, bool unsavedBefore) {
        const Main& w = *window_;
        const Sheet& sheet = w.sheet();
        if (sheet.CaricamentoInCorso)
            return QStringLiteral("CaricamentoInCorso is still set");
        if (sheet.UscitaRichiesta)
            return QStringLiteral("UscitaRichiesta is set while the program goes on");
        if (!platform_->tray && w.isHidden())
            return QStringLiteral("the window hid without a tray to bring it back");
        if (!w.trayIcon()->isVisible())
            return QStringLiteral("the tray icon went while the program goes on");
        if (std::exchange(restored_, false) && (!w.isVisible() || w.isMinimized()))
            return QStringLiteral("\"Ripristina\" left the window hidden or minimised");

        // Unsaved edits: any change of an answer or a text is one, and only a read or a
        // completed save clears them; an option box alone is no edit.
        const Snapshot after = snapshot(sheet);
        reads_ += platform_->fileOpened;
        generateNext_ = platform_->fileOpened && chance(70);
        if (!platform_->fileOpened) {
            const bool edited = !after.sameEdits(before);
            edits_ += edited;
            if (edited && sheet.NessunaModifica)
                return QStringLiteral("an edit left NessunaModifica True");
            if (!edited && !platform_->fileChosen && sheet.NessunaModifica == unsavedBefore)
                return QStringLiteral("NessunaModifica changed without an edit, save or read");
        }
        // Whatever the way, a sheet that says it has no unsaved edit holds what was last saved
        // or read (a read that stopped halfway included: what it left is in its file).
        if (sheet.NessunaModifica && (platform_->fileOpened || platform_->fileChosen))
            saved_ = after;
        if (sheet.NessunaModifica && !after.sameEdits(saved_))
            return QStringLiteral("NessunaModifica is True on a sheet that differs from the "
                                  "last one saved or read");

        // Only a read gets past the keystroke filters and into the boxes the user cannot edit.
        for (qsizetype k = 0; !platform_->fileOpened && k < after.texts.size(); ++k) {
            const auto& [c, text] = after.texts[k];
            const QString& was = before.texts[k].second;
            if (text != was && !controlEditable(c))
                return controlName(c) + QLatin1String(", which the user cannot edit, changed");
            if (filtered(c, was) && !filtered(c, text))
                return QStringLiteral("%1 took \"%2\", which its keystroke filter keeps out")
                    .arg(controlName(c), text);
        }
        for (qsizetype k = 0; !platform_->fileOpened && k < after.answers.size(); ++k) {
            const auto& [c, ticked] = after.answers[k];
            if (ticked && !before.answers[k].second && !controlEditable(c))
                return controlName(c) + QLatin1String(", which the user cannot tick, got ticked");
        }

        // At most one box ticked per row and group, except what a read ticked: such a group
        // keeps at most the boxes the read left, until a click leaves one or none.
        const auto groups = exclusiveGroups();
        for (qsizetype g = 0; g < groups.size(); ++g) {
            QList<Control> ticked;
            for (Control c : groups[g])
                if (sheet.ticked(c))
                    ticked.append(c);
            if (ticked.size() <= 1) {
                tolerated_.remove(g);
                continue;
            }
            if (!platform_->fileOpened) {
                const QList<Control> allowed = tolerated_.value(g);
                for (Control c : ticked)
                    if (!allowed.contains(c))
                        return QStringLiteral("%1 is ticked beside another box of its group")
                            .arg(controlName(c));
            }
            tolerated_.insert(g, ticked);
        }
        doubled_ += !tolerated_.isEmpty();

        // The window shows the sheet.
        for (Control c : sheetControls()) {
            if (const QCheckBox* box = w.checkBox(c); box && box->isChecked() != sheet.ticked(c))
                return controlName(c) + QLatin1String(" shows another value than the sheet");
            if (const QLineEdit* edit = w.textBox(c); edit && edit->text() != sheet.text(c))
                return QStringLiteral("%1 shows \"%2\", the sheet holds \"%3\"")
                    .arg(controlName(c), edit->text(), sheet.text(c));
        }

        // The focus is on the page in front.
        QWidget* focus = w.focusWidget();
        for (int p = 0; focus && p < PageCount; ++p)
            if (p != w.currentPage() && w.tabPages()->page(p)->isAncestorOf(focus))
                return QStringLiteral("%1 has the focus on page %2, page %3 is in front")
                    .arg(focus->objectName())
                    .arg(p)
                    .arg(w.currentPage());
        return {};
    }

    // The rules when the program ended: the tray icon went first, and unsaved edits were offered
    // to the user before.
    QString checkEnd(bool unsavedBefore) {
        if (trayAtExit_)
            return QStringLiteral("the program ended with its tray icon still shown");
        const auto answer = platform_->question;
        if (unsavedBefore && answer == QMessageBox::NoButton)
            return QStringLiteral("the program ended with unsaved edits and asked nothing");
        if (unsavedBefore && answer == QMessageBox::Cancel)
            return QStringLiteral("the program ended after a Cancel");
        if (unsavedBefore && answer == QMessageBox::Yes && !platform_->fileChosen)
            return QStringLiteral("the program ended after a Yes without saving");
        return {};
    }

    quint32 seed_;
    QRandomGenerator random_;
    std::unique_ptr<RandomPlatform> platform_;
    std::unique_ptr<Main> window_;
    bool ended_ = false;
    bool trayAtExit_ = false;
    bool restored_ = false;                      // the step chose "Ripristina"
    bool generateNext_ = false;                  // the next step is "Genera"
    QHash<qsizetype, QList<Control>> tolerated_; // groups a read left with two boxes or more
    Snapshot saved_; // the sheet as last saved or read, or as it started
    QStringList history_;
    int step_ = 0;
    int runs_ = 0;
    int commands_ = 0;
    int edits_ = 0;
    int reads_ = 0;
    int doubled_ = 0; // steps that ended with boxes a read ticked twice
};

} // namespace

class TestRandomInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareTestApplication();
        // Every restore raises the window, which the offscreen platform cannot do and says so.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (text != QLatin1String("This plugin does not support raise()"))
                    previous(type, context, text);
            });
    }

    void randomSteps() {
        const auto seed = quint32(fromEnvironment("VERIMODA_SEED", DefaultSeed));
        const int steps = fromEnvironment("VERIMODA_STEPS", DefaultSteps);
        QElapsedTimer timer;
        timer.start();
        Player player(seed);
        const QString broken = player.play(steps);
        qInfo("seed %u: %d steps, %d windows, %d commands, %d edits, %d files opened, %d steps "
              "with a "
              "box ticked twice by a read, %.1f s",
              seed, steps, player.runs(), player.commands(), player.edits(), player.reads(),
              player.doubled(), double(timer.elapsed()) / 1000);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

QTEST_MAIN(TestRandomInput)
#include "gui_random_input.moc"
