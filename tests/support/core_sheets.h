// Sheets the tests fill in, each matching a file in tests/data written from the format, and the
// helpers to read those files and compare two sheets.
#pragma once

#include "sheet/sheet.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace verimoda::fixture {

QString dataPath(const QString& name);
QByteArray readData(const QString& name);

// Each fills a sheet as it stands when the program starts. The file named after each is the
// sheet's file.
void fillWorkedExample(Sheet& sheet);     // worked_example.xml
void fillNegativeIndicator(Sheet& sheet); // negative_indicator.xml: box 42 holds "-1500"
// full_sheet.xml: every general text (every accent, leading blanks, "-", apostrophes), a box of
// every option group (box 9 among them), every row answered ("Si", "No", "N/A" by turns, "Si"
// where "N/A" is not available), every indicator box filled.
void fillFullSheet(Sheet& sheet);

// The sheets above and the others of tests/data (the fresh and the empty sheet, the statutory
// day alone, option boxes alone), each with its file.
struct SheetFile {
    const char* file;
    void (*fill)(Sheet&);
};
const std::vector<SheetFile>& sheetFiles();

// The first difference between two sheets ("Text1 42: \"1\" / \"2\""), or an empty string.
QString sheetDifference(const Sheet& a, const Sheet& b);

} // namespace verimoda::fixture
