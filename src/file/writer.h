// The sheet file from the sheet: its text piece by piece in the order of the file, its bytes,
// the texts the file cannot carry, and the safe writing of the file and of its diskette copy.
#pragma once

#include "entry/problem.h"
#include "sheet/sheet.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

namespace verimoda {

// Name of general-data field `index` (a caption of LABEL_GENERALE); empty for boxes 3, 4, 6, 7,
// which only belong to the dates.
QString NomeCampoGenerale(int index);
// Value of general-data field `index`: a date joins its three boxes with "/" (always both
// separators); empty for boxes 3, 4, 6, 7.
QString ValoreCampoGenerale(const Sheet& sheet, int index);
// The DATI_GENERALI element, from its opening line to its closing line.
QString ScriviDatiGenerali(const Sheet& sheet);
// The QUESTIONARIO element up to "</QUESTIONARIO>" without a line end; appends the
// "QUESTIONARIO" line and one summary line per answered item to `TestoRiepilogo`.
QString ScriviQuestionario(const Sheet& sheet, QString& TestoRiepilogo);
// Appends the opening of the section that starts at `item` (0, 6, 12, 18, 24, 27, 33, 43, 50,
// 59): the tag line and the heading line.
QString& ApriIntestazione(int item, QString& testo);

// The whole text of the file, accents transliterated, ending in the one empty line.
QString sheetFileText(const Sheet& sheet);
// The bytes of the file in the code page. Run checkFileTexts first: a character the code page
// cannot hold would become a substitute byte.
QByteArray sheetFileBytes(const Sheet& sheet);

// The first text the file cannot carry faithfully, in keyboard order: a character outside the
// code page, a line break, or a ">" in an indicator box (the reader stops its summary at the
// first ">", so every later item would be lost).
std::optional<Problem> checkFileTexts(const Sheet& sheet);

// Writes the bytes to `path` in one piece (see save_file.h). Returns the Italian message of a
// failure; on failure the old file is untouched.
std::optional<QString> saveSheetFile(const QString& path, const QByteArray& bytes);

// The file's name as the title shows it: the path relative to the program folder for a file
// inside that folder, the bare file name otherwise.
QString relativeFileName(const QString& path, const QString& programFolder);

// Copies the file to the root of the diskette under its own name, replacing a file of that name
// in one piece. Returns the Italian message of a failure.
std::optional<QString> copyToDiskette(const QString& path, const QString& disketteFolder);
// The same from an open device: what cannot be read to its end is not copied at all.
std::optional<QString> copyToDiskette(QIODevice& source, const QString& name,
                                      const QString& disketteFolder);

} // namespace verimoda
