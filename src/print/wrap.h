// Breaking a text into lines at spaces, justifying a line by widening its gaps, and the runs of
// dots and underscores that fill a line: all measured in the printer's current font.
#pragma once

#include "print/printer.h"

#include <optional>

namespace verimoda {

struct BrokenLine {
    QString line; // up to the break, without the breaking space
    QString rest; // what follows, leading spaces removed
};

// Takes one line from `remainder`: up to the first space whose prefix is at least `limit` wide
// (or the last space), backing off one word when that prefix is wider than the limit; an exact fit
// stays. Nothing when there is no break position: no space, or a first word at least `limit` wide.
std::optional<BrokenLine> breakLine(const Printer& printer, const QString& remainder, float limit);

// Widens the word gaps one space at a time, left to right and pass after pass, until the line is
// at least `width` wide. A line without spaces gets its spaces in front.
QString justify(const Printer& printer, QString line, float width);

// The shortest run of `c`, at least one, that is not narrower than `width`.
QString runOfWidth(const Printer& printer, QChar c, float width);

// Leading spaces removed (other blanks stay).
QString withoutLeadingSpaces(const QString& text);

} // namespace verimoda
