#include "core_recording_printer.h"

#include <QRegularExpression>

namespace verimoda::test {

bool PrintedLine::filler() const {
    static const QRegularExpression run(QStringLiteral("^(\\.+|_+)$"));
    return run.match(text).hasMatch();
}

void PrintLog::add(const Printer& printer, const QString& text, float width, float height) {
    lines.push_back(
        {pages, printer.x(), printer.y(), width, height, text, printer.fontSize(), printer.bold()});
}

float RecordingPrinter::measure(const QString& text) const {
    const qsizetype spaces = text.count(u' ');
    return float(text.size() - spaces) * charWidth(fontSize(), bold()) +
           float(spaces) * spaceWidth(fontSize(), bold());
}

void RecordingPrinter::draw(const QString& text) {
    log.add(*this, text, measure(text), lineHeight());
}

} // namespace verimoda::test
