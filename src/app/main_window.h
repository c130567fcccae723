// The one window of the program: the eight pages of the sheet, the five command buttons, the
// tray icon with its menu, and the two ways out. The window mirrors the sheet: a click or a
// keystroke changes the sheet, and every change of the sheet, whoever made it, shows in the
// widgets. Dialogs and the end of the program go through the platform.
//
// Where each command of Main lives:
//   main_write.cpp   ScriviFileXml: "Genera" and "Salva temp." (checks, diskette, save dialog)
//   main_read.cpp    LeggiFileXml: "Leggi" (the question, the open dialog, the sheet read)
//   main_print.cpp   StampaFoglio: "Stampa" (the print dialog, the six pages)
//   main_window.cpp  the window itself, the tray icon and its menu, hiding and restoring, the
//                    ways out (EsciProgramma, the close box), the keyboard and the focus
#pragma once

#include "app/dialog_watch.h"
#include "app/platform.h"
#include "app/sheet_pages.h"
#include "app/twips.h"
#include "entry/answers.h"
#include "entry/keys.h"
#include "entry/problem.h"
#include "file/file_stamp.h"
#include "sheet/sheet.h"

#include <QHash>
#include <QMainWindow>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>

#include <optional>

class QCheckBox;
class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;

namespace verimoda {

class TabPages;

class Main : public QMainWindow, private DialogWatch::Window {
    Q_OBJECT
public:
    explicit Main(Platform& platform, QWidget* parent = nullptr);
    ~Main() override;

    Sheet& sheet() { return sheet_; }
    const Sheet& sheet() const { return sheet_; }
    Platform& platform() { return platform_; }
    const Twips& twips() const { return twips_; }

    // The commands of the buttons and of the tray menu.
    void StampaFoglio();
    bool ScriviFileXml(bool genera); // true when a file was written
    void LeggiFileXml();
    void EsciProgramma();
    void Command_Function_Click(int index);

    // The question asked before unsaved edits are lost: Yes, No or Cancel.
    QMessageBox::StandardButton askToSaveEdits();
    // The settings of the save and open dialogs: sheet files, starting in the program folder.
    Platform::FileDialog sheetFileDialog(const QString& title);
    // A problem found in the sheet: its message, then the window back, the focus and the page.
    void showProblem(const Problem& problem);

    void showPage(int page);
    int currentPage() const;
    QWidget* widgetFor(Control c) const { return widgets_.control(c); }
    QCheckBox* checkBox(Control c) const;
    QLineEdit* textBox(Control c) const;
    std::optional<Control> controlOf(const QObject* widget) const;
    TabPages* tabPages() const { return tabs_; }
    // The note of why the last key or paste was refused, while it shows.
    const QLabel* refusalNote() const { return note_; }

    QSystemTrayIcon* trayIcon() const { return tray_; }
    QMenu* trayMenu() const { return menu_; }

    // The desktop session is ending: with unsaved edits the window comes back and asks. True lets
    // the session end (after "Sì" saved the sheet, or "No"), and the program then ends; false
    // asks the desktop to cancel it.
    bool sessionEnding();
    // A request to end from outside (a signal): handled as the close box.
    void endRequested();
    // The sheet file last read or written, as it was then.
    const FileStamp& knownFile() const { return known_; }

    // Brings the window back from hidden or minimised, in normal state and in front.
    void restoreWindow();
    // Ends the program at once: the tray icon goes, then the platform ends the process.
    void endProgram();
    // Puts the headings and the item texts on their labels.
    void InizializzaFoglio();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload(bool& cancel);
    void MENU_RIPRISTINA_Click();
    void MENU_STAMPA_Click();
    void MENU_SALVA_Click();
    void MENU_LEGGI_Click();
    void MENU_GENERA_Click();
    void MENU_ESCI_Click();

    void buildButtons(QWidget* client);
    // Whether a save may replace `path`: asks when another program changed it since.
    bool mayReplace(const QString& path);
    // Brings a window hidden in a tray that went away back to the taskbar.
    void watchTray();
    void buildTrayMenu();
    void mirrorSheet();
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    void revealFocus();
    // The row that holds the focus stands out on its page.
    void markFocusedRow(QWidget* focus);
    // Gives a control the focus and brings its page to the front.
    void focusControl(Control c, Qt::FocusReason reason);
    // The page of a control that has received the focus comes to the front.
    void followFocus(Control c);
    // The one place where a key typed into a text box is judged before the box sees it; true
    // swallows the key.
    bool boxKeyPress(Control c, QKeyEvent* event);
    // Text composed by an input method (dead keys, compose) is judged like typed keys.
    void boxInputMethod(Control c, QInputMethodEvent* event);
    // A refused key or paste: the beep where the rules say so, and the note of why beside the
    // box.
    void refuse(Control c, KeyVerdict verdict, int key);
    // A paste, drop or middle click: taken only when the box could have been typed so; true
    // when taken.
    bool pasteInto(Control c, const QString& text);

    void dialogOpened() override { ++dialogs_; }
    void dialogClosed() override;

    DialogWatch platform_;
    int dialogs_ = 0; // messages and dialogs open now
    Twips twips_;
    Sheet sheet_;
    AnswerRules rules_{sheet_};
    ChangeRules changes_{sheet_};
    TabPages* tabs_ = nullptr;
    SheetWidgets widgets_;
    QHash<const QObject*, Control> controls_;
    QSystemTrayIcon* tray_ = nullptr;
    QMenu* menu_ = nullptr;
    FileStamp known_;
    bool inTray_ = false;    // hidden by a minimise, only the tray icon brings it back
    QLabel* note_ = nullptr; // why the last key or paste was refused
    QTimer noteTimer_;
};

} // namespace verimoda
