// What the print layout needs from a printer: a user scale, a current position, one font whose
// name, size and weight can change, the width of a text, and line output. Positions and widths are
// print units of the user scale, held as single-precision floats like the layout's own figures.
// The state lives here; a backend only measures, draws and turns pages.
#pragma once

#include <QString>

namespace verimoda {

class Printer {
public:
    virtual ~Printer() = default;

    // The page becomes `width` units across and `height` down, origin at the top-left corner.
    void setScale(float width, float height);
    float scaleWidth() const { return scaleWidth_; }
    float scaleHeight() const { return scaleHeight_; }

    float x() const { return x_; }
    float y() const { return y_; }
    void setX(float x) { x_ = x; }
    void setY(float y) { y_ = y; }

    // One font: only its name, point size and weight change; italic, underline and strike-out
    // stay off.
    void setFontName(const QString& name);
    void setFontSize(float points);
    void setBold(bool bold);
    const QString& fontName() const { return fontName_; }
    float fontSize() const { return fontSize_; }
    bool bold() const { return bold_; }

    // The width of a text in the current font.
    float textWidth(const QString& text) const { return measure(text); }
    // Draws the text with its top-left corner at (x, y), then moves to x = 0 and one line height
    // of the current font down. Nothing is clipped or wrapped.
    void printLine(const QString& text);
    void newPage() { startPage(); }
    void endDocument() { finish(); }

protected:
    virtual float measure(const QString& text) const = 0;
    virtual float lineHeight() const = 0;
    virtual void draw(const QString& text) = 0; // top-left corner at (x, y)
    virtual void startPage() = 0;
    virtual void finish() = 0;
    virtual void scaleChanged() {}
    virtual void fontChanged() {}

private:
    float scaleWidth_ = 1;
    float scaleHeight_ = 1;
    float x_ = 0;
    float y_ = 0;
    QString fontName_;
    float fontSize_ = 10;
    bool bold_ = false;
};

} // namespace verimoda
