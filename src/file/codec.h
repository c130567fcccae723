// The text of a sheet file: the accent transliteration that every written text goes through, its
// partial reverse on reading, and the Windows-1252 code page the file is stored in.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace verimoda {

// "à" "è" "é" "ì" "ò" "ù" become the vowel followed by an apostrophe, in place. Capitals and every
// other character stay as they are.
QString& ConvertiAccenti(QString& testo);
// "a'" "e'" "i'" "o'" "u'" become "à" "è" "ì" "ò" "ù", in place. There is no way back to "é".
QString& RipristinaAccenti(QString& testo);

// Windows-1252, through the program's own table.
QByteArray encodeCodePage(QStringView text);
QString decodeCodePage(QByteArrayView bytes);
// Whether every character of the text has a byte in the code page (nothing would become "?").
bool fitsCodePage(QStringView text);
// The first character of the text the code page cannot hold (a whole surrogate pair for a
// character beyond the first plane), or an empty string when there is none.
QString firstUnwritableCharacter(QStringView text);

} // namespace verimoda
