#include "app/main_window.h"

#include "app/startup.h"
#include "app/tab_pages.h"
#include "entry/focus.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace verimoda {

namespace {

// Calls `f` for every control of the sheet and every button, array by array, in index order.
template <class F>
void forEachControl(F f) {
    for (int a = 0; a < SheetWidgets::ArrayCount; ++a)
        for (int i = 0; i < ItemCount; ++i)
            if (const Control c{Array(a), i}; controlExists(c))
                f(c);
}

bool isTextArray(Array a) {
    return a == Array::TEXT_GENERALE || a == Array::Text1;
}
bool isCheckArray(Array a) {
    return !isTextArray(a) && a != Array::Command_Function;
}

// The key codes a key press types: Backspace 8, Enter 13, Ctrl+letter the letter's code minus
// 64, otherwise the code of each character it types. None for a key that types nothing (arrows,
// Home, End, Delete, Tab, Escape, function keys, a bare modifier, Ctrl with anything but a
// letter): the box handles those on its own. Ctrl+letter is read from the key, since the text
// it carries differs between platforms.
QList<int> keyCodes(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return {keycode::Backspace};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {keycode::Enter};
    default:
        break;
    }
    const auto held =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ControlModifier) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return {event.key() - Qt::Key_A + 1};
        return {};
    }
    const QString text = event.text();
    if (text.isEmpty() || !std::all_of(text.cbegin(), text.cend(),
                                       [](QChar c) { return c.isPrint() || c.isSurrogate(); }))
        return {};
    return characterCodes(text);
}

// The text before the caret and after it, a selection taken out: what a key or a paste replaces.
std::pair<QString, QString> aroundCaret(const QLineEdit& box) {
    const QString text = box.text();
    const bool selected = box.hasSelectedText();
    const int start = selected ? box.selectionStart() : box.cursorPosition();
    const int end = selected ? box.selectionEnd() : start;
    return {text.left(start), text.mid(end)};
}

// The editing keys every box takes as usual: they select, copy or take back earlier text, or
// delete, none of which any rule refuses. A paste is judged on its own.
bool isFreeEditingKey(const QKeyEvent& event) {
    for (auto key : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                     QKeySequence::Undo, QKeySequence::Redo})
        if (event.matches(key))
            return true;
    return false;
}

constexpr int NoteMilliseconds = 4000;

// The paste entry of a box's own menu, found by its caption in the language shown (its shortcut
// follows a tab).
QAction* pasteAction(const QMenu& menu) {
    const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu.actions())
        if (action->text().section(u'\t', 0, 0) == caption)
            return action;
    return nullptr;
}

} // namespace

Main::Main(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform, *this), twips_(Twips::forScreen(screen())) {
    setObjectName(QStringLiteral("Main"));
    // Every widget made below asks for its window's screen (for the resolution of its font);
    // named now, it need not be looked up by position each time.
    setScreen(screen());
    setWindowTitle(applicationTitle());
    setWindowIcon(programIcon());
    // A minimise box and a close box; the designed layout is for one size only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    const QSize size(twips_(geometry::ClientWidth), twips_(geometry::ClientHeight));
    setFixedSize(size);
    if (const QScreen* s = screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, s->availableGeometry())
                 .topLeft());

    tabs_ = new TabPages(PageCount / 2, twips_(geometry::TabRowHeight), client);
    tabs_->setObjectName(QStringLiteral("MySSTab"));
    tabs_->setGeometry(
        twips_.rect(geometry::TabLeft, geometry::TabTop, geometry::TabWidth, geometry::TabHeight));
    buildSheetPages(*tabs_, twips_, widgets_);
    buildButtons(client);
    buildTrayMenu();
    mirrorSheet();
    showPage(0);

    // A control that takes the focus on a page taller than its view scrolls into sight, also
    // when it took the focus before its page came to the front.
    connect(qApp, &QApplication::focusChanged, this, &Main::revealFocus);
    connect(tabs_, &TabPages::currentChanged, this, &Main::revealFocus);
    // The control that receives the focus, however it got there (Tab, a click, the automatic
    // move of the dates, a problem shown), is on the page in front; a page chosen on its tab
    // hands the focus to its first control.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (const auto c = controlOf(now))
            followFocus(*c);
        markFocusedRow(now);
    });
    connect(tabs_, &TabPages::tabActivated, this,
            [this](int page) { focusControl(firstControlOfPage(page), Qt::OtherFocusReason); });
    // The automatic move from a full day or month box selects the next box's text, as Tab does,
    // so that a date typed in one go replaces the old one whole.
    connect(&changes_, &ChangeRules::focusRequested, this, [this](Control c) {
        focusControl(c, Qt::OtherFocusReason);
        if (QLineEdit* box = textBox(c))
            box->selectAll();
    });

    Form_Load();
}

Main::~Main() {
    // The children go after the members: no focus or page change may reach this window then.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(tabs_, nullptr, this, nullptr);
}

void Main::buildButtons(QWidget* client) {
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(geometry::ButtonFontPoints);
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QPushButton(buttonCaption(i), client);
        button->setObjectName(controlName({Array::Command_Function, i}));
        button->setFont(bold);
        button->setAutoDefault(false);
        button->setGeometry(twips_.rect(geometry::ButtonLeft[i], geometry::ButtonTop,
                                        geometry::ButtonWidth, geometry::ButtonHeight));
        connect(button, &QPushButton::clicked, this, [this, i] { Command_Function_Click(i); });
        widgets_.controls[size_t(Array::Command_Function)][size_t(i)] = button;
    }
}

void Main::buildTrayMenu() {
    struct Entry {
        const char* name;
        const char* caption;
        void (Main::*click)();
    };
    static constexpr Entry Entries[] = {
        {"MENU_RIPRISTINA", "Ripristina", &Main::MENU_RIPRISTINA_Click},
        {"MENU_SEP", nullptr, nullptr},
        {"MENU_STAMPA", "Stampa", &Main::MENU_STAMPA_Click},
        {"MENU_SALVA", "Salva Temp.", &Main::MENU_SALVA_Click},
        {"MENU_LEGGI", "Leggi", &Main::MENU_LEGGI_Click},
        {"MENU_GENERA", "Genera", &Main::MENU_GENERA_Click},
        {"MENU_ESCI", "Esci", &Main::MENU_ESCI_Click},
    };
    menu_ = new QMenu(QStringLiteral("HIDE"), this);
    menu_->setObjectName(QStringLiteral("MENU_HIDE"));
    for (const Entry& e : Entries) {
        QAction* action =
            e.caption ? menu_->addAction(QString::fromLatin1(e.caption)) : menu_->addSeparator();
        action->setObjectName(QString::fromLatin1(e.name));
        if (e.click)
            connect(action, &QAction::triggered, this,
                    [this, click = e.click] { (this->*click)(); });
    }
}

void Main::mirrorSheet() {
    forEachControl([this](Control c) {
        QWidget* widget = widgetFor(c);
        controls_.insert(widget, c);
        // The keys of the text boxes pass through boxKeyPress, Enter on a button presses it.
        if (isTextArray(c.array) || c.array == Array::Command_Function)
            widget->installEventFilter(this);
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setChecked(sheet_.value(c) == 1);
            connect(box, &QCheckBox::clicked, this,
                    [this, c](bool on) { sheet_.setValue(c, on ? 1 : 0); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(sheet_.text(c));
            connect(edit, &QLineEdit::textEdited, this,
                    [this, c](const QString& text) { sheet_.setText(c, text); });
        }
    });
    // Setting a widget from the sheet emits no clicked or textEdited, so nothing loops back.
    connect(&sheet_, &Sheet::valueChanged, this, [this](Control c) {
        if (QCheckBox* box = checkBox(c))
            box->setChecked(sheet_.value(c) == 1);
    });
    connect(&sheet_, &Sheet::textChanged, this, [this](Control c) {
        QLineEdit* edit = textBox(c);
        if (edit && edit->text() != sheet_.text(c))
            edit->setText(sheet_.text(c));
    });
}

void Main::Form_Load() {
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setObjectName(QStringLiteral("TrayIcon"));
    tray_->setToolTip(applicationTitle());
    // A left click opens the menu; the menu is not the icon's context menu, so the right
    // button does nothing.
    connect(tray_, &QSystemTrayIcon::activated, this, &Main::trayActivated);
    tray_->show();
    // A tray can go away (its panel restarted) while the window hides in it.
    auto* trayWatch = new QTimer(this);
    connect(trayWatch, &QTimer::timeout, this, &Main::watchTray);
    trayWatch->start(1000);
    sheet_.NessunaModifica = true;
    InizializzaFoglio();
}

void Main::InizializzaFoglio() {
    for (int k = 0; k < HeadingCount; ++k)
        widgets_.headings[size_t(k)]->setText(headingText(k));
    for (int i = 0; i < ItemCount; ++i)
        widgets_.itemLabels[size_t(i)]->setText(itemText(i));
}

QCheckBox* Main::checkBox(Control c) const {
    return isCheckArray(c.array) ? static_cast<QCheckBox*>(widgetFor(c)) : nullptr;
}

QLineEdit* Main::textBox(Control c) const {
    return isTextArray(c.array) ? static_cast<QLineEdit*>(widgetFor(c)) : nullptr;
}

std::optional<Control> Main::controlOf(const QObject* widget) const {
    const auto found = controls_.constFind(widget);
    if (found == controls_.cend())
        return std::nullopt;
    return *found;
}

void Main::markFocusedRow(QWidget* focus) {
    const bool control = controlOf(focus).has_value();
    for (PageContent* content : widgets_.contents)
        content->markRowOf(control && content->isAncestorOf(focus) ? focus : nullptr);
}

void Main::revealFocus() {
    QWidget* focus = focusWidget();
    for (QScrollArea* page : widgets_.pages)
        if (focus && page->isVisible() && page->isAncestorOf(focus))
            page->ensureWidgetVisible(focus);
}

void Main::showPage(int page) {
    tabs_->setCurrentIndex(page);
}

int Main::currentPage() const {
    return tabs_->currentIndex();
}

// --- Commands -----------------------------------------------------------------------------

void Main::Command_Function_Click(int index) {
    switch (index) {
    case 0:
        StampaFoglio();
        break;
    case 1:
        ScriviFileXml(false);
        break;
    case 2:
        LeggiFileXml();
        break;
    case 3:
        ScriviFileXml(true);
        break;
    case 4:
        EsciProgramma();
        break;
    default:
        break;
    }
}

void Main::MENU_RIPRISTINA_Click() {
    restoreWindow();
}
void Main::MENU_STAMPA_Click() {
    StampaFoglio();
}
void Main::MENU_SALVA_Click() {
    ScriviFileXml(false);
}
void Main::MENU_LEGGI_Click() {
    LeggiFileXml();
}
void Main::MENU_GENERA_Click() {
    ScriviFileXml(true);
}
void Main::MENU_ESCI_Click() {
    EsciProgramma();
}

QMessageBox::StandardButton Main::askToSaveEdits() {
    return platform_.message(
        this, QMessageBox::Question, QStringLiteral("Warning"),
        QStringLiteral("Con questa operazione verranno perse tutte le modifiche"
                       "\r\neffettuate: si desidera salvarle in un file "
                       "temporaneo?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

Platform::FileDialog Main::sheetFileDialog(const QString& title) {
    return {title, QStringLiteral("Xml File (*.xml)"), platform_.programFolder()};
}

void Main::showProblem(const Problem& problem) {
    platform_.message(this, QMessageBox::Critical, problem.title, problem.message, QMessageBox::Ok);
    restoreWindow(); // "Genera" may have come from the tray menu while the window was hidden
    focusControl(problem.focus, Qt::OtherFocusReason);
    showPage(problem.page);
}

// --- Ways out ----------------------------------------------------------------------------

void Main::endProgram() {
    if (tray_)
        tray_->hide();
    platform_.exitProgram();
}

void Main::EsciProgramma() {
    if (sheet_.NessunaModifica) {
        endProgram();
        return;
    }
    sheet_.UscitaRichiesta = true;
    switch (askToSaveEdits()) {
    case QMessageBox::Yes:
        // A completed save ends the program. One that does not complete abandons the exit, so
        // that a later "Genera" still checks the sheet and copies it to the diskette.
        if (!ScriviFileXml(false))
            sheet_.UscitaRichiesta = false;
        break;
    case QMessageBox::No:
        endProgram();
        break;
    default:
        sheet_.UscitaRichiesta = false;
        break;
    }
}

void Main::Form_Unload(bool& cancel) {
    if (sheet_.NessunaModifica)
        return;
    switch (askToSaveEdits()) {
    case QMessageBox::Yes:
        cancel = !ScriviFileXml(false);
        break; // unsaved edits stay open
    case QMessageBox::No:
        break;
    default:
        cancel = true;
        break;
    }
}

bool Main::sessionEnding() {
    restoreWindow();
    // A command waits in its dialog with the edits unsaved: the user finishes it first.
    if (QApplication::activeModalWidget())
        return false;
    switch (askToSaveEdits()) {
    case QMessageBox::Yes:
        if (!ScriviFileXml(false))
            return false; // not saved: the edits stay, and so does the session
        break;
    case QMessageBox::No:
        break;
    default:
        return false;
    }
    // Once the session manager has the answer; the window must not ask again when it closes.
    QTimer::singleShot(0, this, &Main::endProgram);
    return true;
}

void Main::endRequested() {
    if (sheet_.NessunaModifica) {
        endProgram();
        return;
    }
    restoreWindow();
    // A question or dialog already open stays the one the user answers.
    if (!QApplication::activeModalWidget())
        close();
}

void Main::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    // The program keeps running while its window is hidden in the tray, so closing the window
    // does not end it by itself.
    endProgram();
}

// --- Tray, hiding and restoring -------------------------------------------------------------

void Main::trayActivated(QSystemTrayIcon::ActivationReason reason) {
    // Only a left click; and no second command while a dialog of the first is open.
    if (reason != QSystemTrayIcon::Trigger || dialogs_ > 0 || QApplication::activeModalWidget())
        return;
    if (isVisible()) {
        raise();
        activateWindow();
    }
    platform_.popupMenu(*menu_, QCursor::pos());
}

void Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Main::Form_Resize() {
    // Hidden, the window has no taskbar button: only the tray icon brings it back, so without a
    // tray it stays minimised, and so it does while a dialog is open (hidden with it, the dialog
    // would wait where nobody can reach it). The hide waits for the state change to complete.
    if (isMinimized() && platform_.trayAvailable() && dialogs_ == 0)
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && dialogs_ == 0) {
                inTray_ = true;
                if (note_)
                    note_->hide();
                hide();
            }
        });
}

void Main::watchTray() {
    // Hidden, and no tray to come back from: minimised on the taskbar instead, as where there
    // never was a tray. A tray that returns takes the window again at the next minimise.
    if (inTray_ && isHidden() && !platform_.trayAvailable()) {
        inTray_ = false;
        showMinimized();
    }
}

void Main::dialogClosed() {
    // The keyboard comes back to the window, to the control that had the focus; a window the user
    // minimised meanwhile, or one resting in the tray, stays where it is.
    if (--dialogs_ == 0 && isVisible() && !isMinimized()) {
        raise();
        activateWindow();
    }
}

void Main::restoreWindow() {
    inTray_ = false;
    showNormal();
    raise();
    activateWindow();
}

// --- Keyboard ------------------------------------------------------------------------------

void Main::focusControl(Control c, Qt::FocusReason reason) {
    if (QWidget* widget = widgetFor(c)) {
        widget->setFocus(reason); // allowed on a hidden page; the page follows
        followFocus(c);           // also while the window is not active
        markFocusedRow(widget);   // likewise: no focus change is announced then
        // The control shows its focus as after Tab, also when a mouse click led here (a tab of
        // the pages, "Genera" finding a problem): the user must see which box is meant.
        setAttribute(Qt::WA_KeyboardFocusChange);
        widget->update();
    }
}

void Main::followFocus(Control c) {
    const int page = pageForFocus(c, currentPage());
    if (page != currentPage())
        showPage(page);
}

// Tab and Shift+Tab walk the one keyboard order across the pages; Qt's own walk would skip the
// hidden pages.
bool Main::focusNextPrevChild(bool next) {
    QWidget* focus = focusWidget();
    // A page change is hiding the focused control and Qt asks for another one: let Qt pick it
    // (the page change then puts the focus on the new page). Walking the order from the hidden
    // control would show its page, or the next one, in the middle of the change.
    if (focus && !focus->isVisible())
        return QMainWindow::focusNextPrevChild(next);
    Control target;
    if (const auto c = controlOf(focus))
        target = nextControl(*c, next);
    else // outside the order: into the page in front, from its start or its end
        target = next ? firstControlOfPage(currentPage()) : lastControlOfPage(currentPage());
    focusControl(target, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    const auto c = controlOf(watched);
    if (!c)
        return QMainWindow::eventFilter(watched, event);
    if (c->array == Array::Command_Function) {
        // Enter presses a focused button, as Space does.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                static_cast<QPushButton*>(widgetFor(*c))->click();
                return true;
            }
        }
        return QMainWindow::eventFilter(watched, event);
    }
    QLineEdit* box = textBox(*c);
    switch (event->type()) {
    case QEvent::KeyPress:
        return boxKeyPress(*c, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        boxInputMethod(*c, static_cast<QInputMethodEvent*>(event));
        break;
    case QEvent::ContextMenu: {
        // The box's own menu, with its paste judged like Ctrl+V.
        QMenu* menu = box->createStandardContextMenu();
        if (QAction* paste = pasteAction(*menu)) {
            disconnect(paste, &QAction::triggered, nullptr, nullptr);
            connect(paste, &QAction::triggered, this,
                    [this, c = *c] { pasteInto(c, QGuiApplication::clipboard()->text()); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() == box || !drop->mimeData()->hasText())
            break; // text moved within the box, or nothing a box takes
        box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));
        if (pasteInto(*c, drop->mimeData()->text()))
            drop->acceptProposedAction();
        else
            drop->ignore();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where the press put the caret.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            pasteInto(*c, QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
        break;
    }
    default:
        break;
    }
    // Shortcut overrides pass untouched: a box claims its editing keys (Ctrl+C, Ctrl+V ...) there,
    // so they come back as key presses and are judged above.
    return QMainWindow::eventFilter(watched, event);
}

void Main::refuse(Control c, KeyVerdict verdict, int key) {
    if (verdict == KeyVerdict::RefuseWithBeep)
        platform_.beep();
    QLineEdit* box = textBox(c);
    const QString text = verimoda::refusalNote(c, key, aroundCaret(*box).second);
    if (text.isEmpty() || !box || !isVisible())
        return;
    if (!note_) {
        // A note that takes no focus and no click, and goes by itself.
        note_ = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
        note_->setObjectName(QStringLiteral("NotaRifiuto"));
        note_->setAttribute(Qt::WA_ShowWithoutActivating);
        note_->setAttribute(Qt::WA_TransparentForMouseEvents);
        note_->setForegroundRole(QPalette::ToolTipText);
        note_->setBackgroundRole(QPalette::ToolTipBase);
        note_->setAutoFillBackground(true);
        note_->setFrameStyle(QFrame::Box | QFrame::Plain);
        note_->setMargin(3);
        noteTimer_.setSingleShot(true);
        connect(&noteTimer_, &QTimer::timeout, note_, &QWidget::hide);
    }
    note_->setText(text);
    note_->setWindowTitle(text);
    note_->adjustSize();
    note_->move(box->mapToGlobal(QPoint(0, box->height() + 2)));
    note_->show();
    noteTimer_.start(NoteMilliseconds);
}

bool Main::boxKeyPress(Control c, QKeyEvent* event) {
    QLineEdit* box = textBox(c);
    if (event->matches(QKeySequence::Paste)) {
        pasteInto(c, QGuiApplication::clipboard()->text());
        return true;
    }
    if (isFreeEditingKey(*event))
        return false;
    // A letter with Alt is meant for a button or a menu (which the sheet has none of), never as
    // text: it would replace a selected name. AltGr, which types "@" and "#" on Italian keyboards,
    // is no Alt here; on platforms that report it as Ctrl+Alt it is left to the filters.
    const auto held = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (held == Qt::AltModifier && !event->text().isEmpty())
        return true;
    const QList<int> codes = keyCodes(*event);
    if (codes.isEmpty())
        return false;
    const auto [before, after] = aroundCaret(*box);
    int refused = 0;
    const KeyVerdict verdict = judgeKeys(c, before, codes, after, &refused);
    if (verdict == KeyVerdict::Pass)
        return false;
    refuse(c, verdict, refused);
    return true;
}

void Main::boxInputMethod(Control c, QInputMethodEvent* event) {
    QLineEdit* box = textBox(c);
    if (event->commitString().isEmpty())
        return;
    const auto [before, after] = aroundCaret(*box);
    int refused = 0;
    const KeyVerdict verdict =
        judgeKeys(c, before, characterCodes(event->commitString()), after, &refused);
    // A refused text is dropped; the text being composed still shows.
    if (verdict != KeyVerdict::Pass) {
        event->setCommitString(QString());
        refuse(c, verdict, refused);
    }
}

bool Main::pasteInto(Control c, const QString& pasted) {
    QLineEdit* box = textBox(c);
    const QString text = pastedText(pasted);
    const auto [before, after] = aroundCaret(*box);
    int refused = 0;
    const KeyVerdict verdict = typableFromEmpty(c, before + text + after, &refused);
    if (verdict != KeyVerdict::Pass) {
        refuse(c, verdict, refused);
        return false;
    }
    box->insert(text);
    return true;
}

} // namespace verimoda
