#include "file/codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace verimoda {

namespace {

constexpr const char* CodePage = "windows-1252";

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
    QStringEncoder encoder(CodePage);
    Q_ASSERT(encoder.isValid());
    return encoder(text);
}

QString decodeCodePage(QByteArrayView bytes) {
    QStringDecoder decoder(CodePage);
    Q_ASSERT(decoder.isValid());
    return decoder(bytes);
}

namespace {

// A surrogate without its other half: the encoder keeps a lone high one for a next call that
// never comes, writes it as a substitute byte and raises no error.
bool hasUnpairedSurrogate(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

} // namespace

bool fitsCodePage(QStringView text) {
    if (isAscii(text))
        return true;
    if (hasUnpairedSurrogate(text))
        return false;
    // A fresh encoder: its error flag stays set once raised.
    QStringEncoder encoder(CodePage);
    const QByteArray bytes = encoder(text); // the conversion runs here
    Q_UNUSED(bytes);
    return !encoder.hasError();
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
