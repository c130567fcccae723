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

// A box that takes digits up to a length: a digit passes while the rest of the text is below the
// length; any other key is refused, with a beep once the box is full when `beepWhenFull`.
KeyVerdict digitsUpTo(qsizetype rest, int key, qsizetype length, bool beepWhenFull) {
    if (rest >= length)
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
// the key makes, so that Delete, an overwritten selection, a paste or a loaded file cannot leave
// it stale.
qsizetype PosizioneVirgola(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isSeparator(text[i]))
            return i + 1;
    return 0;
}

bool hasSeparator(QStringView text) {
    return PosizioneVirgola(text) != 0;
}

KeyVerdict percentKeyPress(QStringView before, int key, QStringView after) {
    // Backspace only ever lowers the value, so a loaded text above the limit can still be
    // corrected.
    if (key == keycode::Backspace)
        return KeyVerdict::Pass;
    QString would = before.toString();
    if (isDigitKey(key) || isSeparatorKey(key))
        would.append(QChar(key));
    would.append(after);
    // Value limit; a text that does not read as a number leaves the key to the next steps.
    if (aboveLimit(QString(would).replace(u'.', u',')).value_or(false))
        return KeyVerdict::RefuseWithBeep;
    if (isSeparatorKey(key) && (hasSeparator(before) || hasSeparator(after)))
        return KeyVerdict::RefuseWithBeep; // one separator only
    // Two decimals after a separator that follows one or two digits, three digits without one.
    const qsizetype separatorAt = PosizioneVirgola(would);
    const qsizetype full = separatorAt == 2 ? 4 : separatorAt == 3 ? 5 : 3;
    if (before.size() + 1 + after.size() > full)
        return KeyVerdict::RefuseWithBeep;
    if (before.isEmpty() && (key == '0' || isSeparatorKey(key)))
        return KeyVerdict::RefuseWithBeep; // no leading zero, no leading separator
    if (isDigitKey(key) || isSeparatorKey(key))
        return KeyVerdict::Pass;
    return KeyVerdict::RefuseWithBeep;
}

bool startsWithSign(QStringView text) {
    return text.startsWith(u'+') || text.startsWith(u'-');
}

bool isDayOrMonth(int index) {
    return index == 2 || index == 3 || index == 5 || index == 6;
}

} // namespace

KeyVerdict TEXT_GENERALE_KeyPress(int index, QStringView before, int key, QStringView after) {
    if (key == keycode::Backspace || key == keycode::Enter)
        return KeyVerdict::Pass;
    const qsizetype rest = before.size() + after.size();
    switch (index) {
    case 1:
    case 9:
        return digitsUpTo(rest, key, 11, true); // tax codes of the two companies
    case 4:
    case 7:
        return digitsUpTo(rest, key, 4, true); // year
    case 11:                                   // signatory's tax code, letters as typed
        return rest < 16 ? KeyVerdict::Pass : KeyVerdict::RefuseWithBeep;
    default:
        if (isDayOrMonth(index))
            return digitsUpTo(rest, key, 2, false);
        return KeyVerdict::Pass; // names
    }
}

KeyVerdict Text1_KeyPress(int index, QStringView before, int key, QStringView after) {
    if (index == PercentBox)
        return percentKeyPress(before, key, after);
    // A sign only in front, and only one: nothing goes before it either.
    if (((key == '+' || key == '-') && !before.isEmpty()) ||
        (before.isEmpty() && startsWithSign(after) && key >= u' '))
        return KeyVerdict::RefuseWithBeep;
    if (isDigitKey(key) || key == '+' || key == '-' || key == keycode::Backspace ||
        key == keycode::Enter || key == keycode::CtrlC || key == keycode::CtrlV ||
        key == keycode::Null)
        return KeyVerdict::Pass;
    return KeyVerdict::RefuseWithBeep;
}

KeyVerdict judgeKeys(Control box, QString before, const QList<int>& codes, QStringView after,
                     int* refused) {
    for (int code : codes) {
        const KeyVerdict verdict = box.array == Array::TEXT_GENERALE
                                       ? TEXT_GENERALE_KeyPress(box.index, before, code, after)
                                       : Text1_KeyPress(box.index, before, code, after);
        if (verdict != KeyVerdict::Pass) {
            if (refused)
                *refused = code;
            return verdict;
        }
        const char32_t character = char32_t(code);
        before += QString::fromUcs4(&character, 1);
    }
    return KeyVerdict::Pass;
}

QString pastedText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(u'\r', u' ')
        .replace(u'\n', u' ');
}

QList<int> characterCodes(QStringView text) {
    QList<int> codes;
    for (char32_t c : text.toUcs4())
        codes.append(int(c));
    return codes;
}

KeyVerdict typableFromEmpty(Control box, QStringView text, int* refused) {
    return judgeKeys(box, QString(), characterCodes(text), {}, refused);
}

QString refusalNote(Control box, int key, QStringView after) {
    if (box.array == Array::Text1) {
        if (box.index == PercentBox)
            return QStringLiteral("La percentuale arriva al massimo a 100, con una sola virgola "
                                  "e al massimo due decimali; non comincia con 0.");
        if (key == '+' || key == '-' || startsWithSign(after))
            return QStringLiteral("Il segno va solo davanti al numero.");
        return QStringLiteral("Gli importi sono numeri interi, senza punti né virgole.");
    }
    switch (box.index) {
    case 1:
    case 9:
        return QStringLiteral("Il codice fiscale ha 11 cifre.");
    case 2:
    case 5:
        return QStringLiteral("Il giorno ha due cifre, ad esempio 05.");
    case 3:
    case 6:
        return QStringLiteral("Il mese ha due cifre, ad esempio 09.");
    case 4:
    case 7:
        return QStringLiteral("L'anno ha quattro cifre.");
    case 11:
        return QStringLiteral("Il codice fiscale del firmatario ha 16 caratteri.");
    default:
        return {};
    }
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
    if (isDayOrMonth(index) && sheet_.general(index).size() == 2)
        emit focusRequested({Array::TEXT_GENERALE, index + 1});
    sheet_.NessunaModifica = false;
}

void ChangeRules::Text1_Change(int) {
    sheet_.NessunaModifica = false;
}

} // namespace verimoda
