#include "core_recording_printer.h"

#include <QRegularExpression>

namespace verimoda::test {

bool PrintedLine::filler() const {
    static const QRegularExpression run(QStringLiteral("^(\\.+|_+)$"));
    return run.match(text).hasMatch();
}

float RecordingPrinter::measure(const QString& text) const {
    const qsizetype spaces = text.count(u' ');
    return float(text.size() - spaces) * charWidth(fontSize(), bold()) +
           float(spaces) * spaceWidth(fontSize(), bold());
}

} // namespace verimoda::test
