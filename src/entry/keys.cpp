#include "entry/keys.h"

#include <optional>

namespace verimoda {

namespace {

constexpr int PercentBox = 50;
constexpr int PercentLimit = 100;

bool isDigitKey(int key) {
    return key >= '0' && key <= '9';
}
bool isSeparatorKey(int key) {
    return key == ',' || key == '.';
}
bool isSeparator(QChar c) {
    return c == u',' || c == u'.';
}

// A box that takes digits up to a length: a digit passes below the length; any other key is
// refused, with a beep once the box is full when `beepWhenFull`.
KeyVerdict digitsUpTo(QStringView before, int key, qsizetype length, bool beepWhenFull) {
    if (before.size() >= length)
        return beepWhenFull ? KeyVerdict::RefuseWithBeep : KeyVerdict::Refuse;
    return isDigitKey(key) ? KeyVerdict::Pass : KeyVerdict::Refuse;
}

// Whether a text with "," as decimal separator reads as a number above the limit; nothing when it
// does not read as a number at all (a pasted or loaded text). Read exactly, digit by digit, so
// that 100,001 is above the limit and no locale is involved.
std::optional<bool> aboveLimit(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qsizetype integerStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    const QStringView integer = text.sliced(integerStart, i - integerStart);
    QStringView decimals;
    if (i < text.size() && text[i] == u',') {
        const qsizetype decimalStart = ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        decimals = text.sliced(decimalStart, i - decimalStart);
    }
    if (i != text.size() || (integer.isEmpty() && decimals.isEmpty()))
        return std::nullopt;
    if (negative)
        return false;
    qsizetype lead = 0;
    while (lead < integer.size() && integer[lead] == u'0')
        ++lead;
    const QStringView significant = integer.sliced(lead);
    if (significant.size() > 3)
        return true;
    int value = 0;
    for (QChar c : significant)
        value = value * 10 + (c.unicode() - u'0');
    if (value != PercentLimit)
        return value > PercentLimit;
    for (QChar c : decimals)
        if (c != u'0')
            return true;
    return false;
}

// 1-based position of the first separator in the text, 0 when it has none. Derived from the text
// on every key, so that Delete, an overwritten selection, a paste or a loaded file cannot leave it
// stale.
qsizetype PosizioneVirgola(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isSeparator(text[i]))
            return i + 1;
    return 0;
}

KeyVerdict percentKeyPress(QStringView before, int key) {
    const qsizetype n = before.size();
    // Value limit. Backspace only ever lowers the value, so a loaded text above the limit can
    // still be corrected; a text that does not read as a number leaves the key to the next steps.
    if (key != keycode::Backspace) {
        QString would = before.toString();
        if (isDigitKey(key))
            would.append(QChar(key));
        would.replace(u'.', u',');
        if (aboveLimit(would).value_or(false))
            return KeyVerdict::RefuseWithBeep;
    }
    const qsizetype separatorAt = PosizioneVirgola(before);
    if (n > 0 && isSeparatorKey(key) && separatorAt != 0)
        return KeyVerdict::RefuseWithBeep; // one separator only
    if (key != keycode::Backspace) {
        // A full box: two decimals after a separator that follows one or two digits, three
        // digits without a separator.
        const qsizetype full = separatorAt == 2 ? 4 : separatorAt == 3 ? 5 : 3;
        if (n >= full)
            return KeyVerdict::RefuseWithBeep;
    }
    if (n == 0 && (key == '0' || isSeparatorKey(key)))
        return KeyVerdict::RefuseWithBeep; // no leading zero, no leading separator
    if (isDigitKey(key) || isSeparatorKey(key) || key == keycode::Backspace)
        return KeyVerdict::Pass;
    return KeyVerdict::RefuseWithBeep;
}

} // namespace

KeyVerdict TEXT_GENERALE_KeyPress(int index, QStringView before, int key) {
    if (key == keycode::Backspace || key == keycode::Enter)
        return KeyVerdict::Pass;
    switch (index) {
    case 1:
    case 9:
        return digitsUpTo(before, key, 11, true); // tax codes of the two companies
    case 2:
    case 3:
    case 5:
    case 6:
        return digitsUpTo(before, key, 2, false); // day and month
    case 4:
    case 7:
        return digitsUpTo(before, key, 4, true); // year
    case 11:                                     // signatory's tax code, letters as typed
        return before.size() < 16 ? KeyVerdict::Pass : KeyVerdict::RefuseWithBeep;
    default:
        return KeyVerdict::Pass; // names
    }
}

KeyVerdict Text1_KeyPress(int index, QStringView before, int key) {
    if (index == PercentBox)
        return percentKeyPress(before, key);
    if (!before.isEmpty() && (key == '+' || key == '-'))
        return KeyVerdict::RefuseWithBeep; // a sign only in front
    if (isDigitKey(key) || key == '+' || key == '-' || key == keycode::Backspace ||
        key == keycode::Enter || key == keycode::CtrlC || key == keycode::CtrlV ||
        key == keycode::Null)
        return KeyVerdict::Pass;
    return KeyVerdict::RefuseWithBeep;
}

ChangeRules::ChangeRules(Sheet& sheet, QObject* parent) : QObject(parent), sheet_(sheet) {
    connect(&sheet_, &Sheet::textChanged, this, [this](Control c) {
        if (c.array == Array::TEXT_GENERALE)
            TEXT_GENERALE_Change(c.index);
        else if (c.array == Array::Text1)
            Text1_Change(c.index);
    });
}

void ChangeRules::TEXT_GENERALE_Change(int index) {
    if (sheet_.CaricamentoInCorso)
        return;
    const bool dayOrMonth = index == 2 || index == 3 || index == 5 || index == 6;
    if (dayOrMonth && sheet_.general(index).size() == 2)
        emit focusRequested({Array::TEXT_GENERALE, index + 1});
    sheet_.NessunaModifica = false;
}

void ChangeRules::Text1_Change(int) {
    sheet_.NessunaModifica = false;
}

} // namespace verimoda
