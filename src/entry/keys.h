// What the user may type into the text boxes, key by key, and what a change of their text sets
// off. The filters are pure: they judge the text the key would make, given as the text before the
// caret (a selection already taken out, as the key replaces it) and the text after it. A key typed
// at the end of a box has no text after it.
#pragma once

#include "sheet/sheet.h"

#include <QObject>
#include <QStringView>

namespace verimoda {

enum class KeyVerdict { Pass, Refuse, RefuseWithBeep };

// Key codes the filters name: a printable character is its own code, Ctrl+letter is the
// letter's code minus 64.
namespace keycode {
inline constexpr int Null = 0;
inline constexpr int CtrlC = 3;
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int CtrlV = 22;
} // namespace keycode

// The general-data boxes TEXT_GENERALE 0-11: tax codes and date parts take digits up to their
// length, the signatory's tax code any 16 characters, the names anything.
KeyVerdict TEXT_GENERALE_KeyPress(int index, QStringView before, int key, QStringView after = {});

// The indicator boxes Text1: whole numbers with an optional leading sign; box 50 a percentage
// up to 100 with one separator ("," or ".") and at most two decimals.
KeyVerdict Text1_KeyPress(int index, QStringView before, int key, QStringView after = {});

// One key code per character of a text, as the filters take them.
QList<int> characterCodes(QStringView text);

// The verdict on several characters arriving at once at the caret (an input method's text), each
// judged on what the ones before it left; `refused` gets the first character refused.
KeyVerdict judgeKeys(Control box, QString before, const QList<int>& codes, QStringView after,
                     int* refused = nullptr);

// A pasted or dropped text as the box takes it: every line break becomes one blank, as a
// one-line box shows it.
QString pastedText(QString text);
// Whether `text` could have been typed key by key into the empty box: the verdict on the first
// key that could not, Pass when all could.
KeyVerdict typableFromEmpty(Control box, QStringView text, int* refused = nullptr);

// The short note that tells why the box refused `key`, typed before the text `after`.
QString refusalNote(Control box, int key, QStringView after = {});

// The change handlers, run on every text change of the sheet, whoever made it.
class ChangeRules : public QObject {
    Q_OBJECT
public:
    // Connects to the sheet: from now on every text change runs its handler.
    explicit ChangeRules(Sheet& sheet, QObject* parent = nullptr);

    // A full day or month box hands the focus on to the next box; any change outside loading
    // counts as an edit.
    void TEXT_GENERALE_Change(int index);
    // Any change counts as an edit, also while loading.
    void Text1_Change(int index);

signals:
    // The automatic move from a full day or month box to the next box.
    void focusRequested(verimoda::Control c);

private:
    Sheet& sheet_;
};

} // namespace verimoda
