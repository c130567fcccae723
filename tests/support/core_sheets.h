// The complete sheet the tests fill in, and the files of tests/data.
#pragma once

#include "sheet/sheet.h"

#include <QByteArray>
#include <QString>

namespace verimoda::fixture {

QString dataPath(const QString& name);
// A file's bytes, "(missing)" when it cannot be read.
QByteArray contents(const QString& path);
inline QByteArray readData(const QString& name) {
    return contents(dataPath(name));
}

// The sheet of full_sheet.xml, which passes every check: every general text (every accent,
// leading blanks, "-", apostrophes), a box of every option group ("S&&P/MIB" among them), every
// row answered ("Si", "No", "N/A" by turns, "Si" where "N/A" is not available), every indicator
// box filled, some negative.
void fillFullSheet(Sheet& sheet);

// Edits a sheet, "|" between two edits: "full" fills it as above, "g1=text" sets general box 1,
// "t42=-1500" indicator box 42 ("t33" empties it), "o4=0" unticks option box 4, "s5", "n5" and
// "a5" answer row 5 "Si", "No" and "N/A" alone, "r5" empties it.
void edit(Sheet& sheet, const QString& edits);

} // namespace verimoda::fixture
