// A printer with fixed metrics that records every printed line, for layout tests.
#pragma once

#include "print/printer.h"

#include <QString>

#include <vector>

namespace verimoda::test {

struct PrintedLine {
    int page;
    float x, y, width, height;
    QString text;
    float size;
    bool bold;
    float right() const { return x + width; }
    // A run of dots or underscores (a leader or a rule) rather than text to read.
    bool filler() const;
};

// Fixed metrics, in print units at 10 points (scaled with the size): every character 1.5 wide in
// regular and 2 in bold, a space three quarters of that; line height 0.4 times the size.
class RecordingPrinter : public Printer {
public:
    std::vector<PrintedLine> lines;
    int pages = 1;
    bool ended = false;
    static float charWidth(float size, bool bold) { return size / 10 * (bold ? 2.0f : 1.5f); }
    static float spaceWidth(float size, bool bold) { return charWidth(size, bold) * 0.75f; }

protected:
    float measure(const QString& text) const override;
    float lineHeight() const override { return fontSize() * 0.4f; }
    void draw(const QString& text) override {
        lines.push_back({pages, x(), y(), measure(text), lineHeight(), text, fontSize(), bold()});
    }
    void startPage() override { ++pages; }
    void finish() override { ended = true; }
};

} // namespace verimoda::test
