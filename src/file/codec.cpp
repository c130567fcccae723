#include "file/codec.h"

namespace verimoda {

namespace {

// Windows-1252 is Latin-1 but for 0x80-0x9F. The five bytes it leaves undefined stand for the C1
// controls of the same number, both ways, as Windows and Qt's ICU converter take them, so that
// every byte of a stored file reads back and writes again unchanged. The table is the program's
// own: a Qt without ICU has no converter for this code page at all.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a UTF-16 code unit, -1 when the code page has none (a surrogate has none).
int codePageByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (High[i] == c)
            return 0x80 + i;
    return -1;
}

// What a character without a byte becomes, once per character: the substitute control.
constexpr char Substitute = 0x1A;

// The transliteration, in the order of its rules. Read backwards it restores the first accent
// of each vowel, so "e'" gives "è" and never "é".
constexpr struct {
    char16_t accented;
    char16_t plain;
} Accents[] = {{u'à', u'a'}, {u'è', u'e'}, {u'é', u'e'}, {u'ì', u'i'}, {u'ò', u'o'}, {u'ù', u'u'}};

QChar plainVowel(QChar c) {
    if (c < u'à' || c > u'ù') // most characters of a sheet
        return {};
    for (const auto& a : Accents)
        if (c == a.accented)
            return a.plain;
    return {};
}

QChar accentedVowel(QChar c) {
    for (const auto& a : Accents)
        if (c == a.plain)
            return a.accented;
    return {};
}

bool isAscii(QStringView text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

// One pass gives the same result as the six replacements in turn: no replacement produces a
// character that another one looks for.
QString& ConvertiAccenti(QString& testo) {
    qsizetype accents = 0;
    for (QChar c : std::as_const(testo))
        if (!plainVowel(c).isNull())
            ++accents;
    if (accents == 0)
        return testo;
    QString out(testo.size() + accents, Qt::Uninitialized);
    QChar* to = out.data();
    for (QChar c : std::as_const(testo)) {
        const QChar vowel = plainVowel(c);
        if (vowel.isNull()) {
            *to++ = c;
        } else {
            *to++ = vowel;
            *to++ = u'\'';
        }
    }
    testo = std::move(out);
    return testo;
}

// Likewise one pass: each apostrophe follows exactly one character, so the five rules never
// compete for it.
QString& RipristinaAccenti(QString& testo) {
    if (!testo.contains(u'\''))
        return testo;
    QChar* to = testo.data();
    const QChar* from = to;
    const QChar* const end = from + testo.size();
    while (from != end) {
        const QChar accented = from + 1 != end && from[1] == u'\'' ? accentedVowel(*from) : QChar();
        if (accented.isNull()) {
            *to++ = *from++;
        } else {
            *to++ = accented;
            from += 2;
        }
    }
    testo.truncate(to - testo.constData());
    return testo;
}

QByteArray encodeCodePage(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = codePageByte(text[i].unicode());
        bytes[n++] = byte >= 0 ? char(byte) : Substitute;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one substitute
    }
    bytes.truncate(n);
    return bytes;
}

QString decodeCodePage(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* to = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *to++ = QChar(byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

bool fitsCodePage(QStringView text) {
    if (isAscii(text))
        return true;
    for (QChar c : text)
        if (codePageByte(c.unicode()) < 0)
            return false;
    return true;
}

QString firstUnwritableCharacter(QStringView text) {
    if (fitsCodePage(text))
        return {};
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QStringView character = text.mid(i, length);
        if (!fitsCodePage(character))
            return character.toString();
        i += length;
    }
    return {};
}

} // namespace verimoda
