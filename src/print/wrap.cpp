#include "print/wrap.h"

#include <algorithm>
#include <cmath>

namespace verimoda {

namespace {
constexpr QChar Space = u' ';
}

QString withoutLeadingSpaces(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == Space)
        ++i;
    return text.mid(i);
}

// Positions below count characters from 1, 0 meaning "not found", as the rule is stated: `cut` is
// the position of the breaking space, and the line is the cut - 1 characters before it.
std::optional<BrokenLine> breakLine(const Printer& printer, const QString& remainder, float limit) {
    qsizetype sp = remainder.indexOf(Space) + 1;
    if (sp == 0)
        return std::nullopt;
    qsizetype cut = 0;
    float w = printer.textWidth(remainder.left(sp - 1));
    while (w < limit && sp > 0) {
        const qsizetype next = remainder.indexOf(Space, cut); // first space after position cut
        sp = next < 0 ? 0 : next + 1 - cut;
        if (sp > 0) {
            cut += sp;
            w = printer.textWidth(remainder.left(cut - 1));
        }
    }
    if (cut == 0)
        return std::nullopt; // the first word alone reaches the limit
    QString line = remainder.left(cut - 1);
    if (printer.textWidth(line) > limit) {
        // Back off one word; cut then points at its first letter.
        while (!line.isEmpty() && line.back() != Space) {
            line.chop(1);
            --cut;
        }
        line.chop(1);
    }
    return BrokenLine{line, withoutLeadingSpaces(remainder.mid(cut - 1))};
}

QString justify(const Printer& printer, QString line, float width) {
    if (printer.textWidth(QString(Space)) <= 0)
        return line; // spaces would never widen it
    for (;;) {
        qsizetype sp = line.indexOf(Space) + 1;
        for (;;) {
            if (printer.textWidth(line) >= width)
                return line;
            line.insert(sp, Space);
            // The next gap is searched from two places after the one just widened; from the
            // second pass on that finds the widened gap itself once more.
            const qsizetype next = line.indexOf(Space, sp + 1);
            if (next < 0)
                break; // end of the line: start again from the first gap
            sp = next + 1;
        }
    }
}

// The result is the same as appending one character at a time while the run is narrower than
// `width`; the run's width grows with its length, so it starts from an estimate instead.
QString runOfWidth(const Printer& printer, QChar c, float width) {
    const float one = printer.textWidth(QString(c));
    if (one >= width || one <= 0)
        return QString(c);
    constexpr qsizetype Longest = 1 << 20;
    qsizetype n = std::clamp<qsizetype>(qsizetype(std::ceil(width / one)), 1, Longest);
    auto wide = [&](qsizetype k) { return printer.textWidth(QString(k, c)) >= width; };
    if (wide(n)) {
        while (n > 1 && wide(n - 1))
            --n;
    } else {
        while (n < Longest && !wide(n))
            ++n;
    }
    return QString(n, c);
}

} // namespace verimoda
