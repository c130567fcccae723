#include "print/printer.h"

namespace verimoda {

void Printer::setScale(float width, float height) {
    scaleWidth_ = width;
    scaleHeight_ = height;
    scaleChanged();
}

void Printer::setFontName(const QString& name) {
    if (name == fontName_)
        return;
    fontName_ = name;
    fontChanged();
}

void Printer::setFontSize(float points) {
    if (points == fontSize_)
        return;
    fontSize_ = points;
    fontChanged();
}

void Printer::setBold(bool bold) {
    if (bold == bold_)
        return;
    bold_ = bold;
    fontChanged();
}

void Printer::printLine(const QString& text) {
    draw(text);
    x_ = 0;
    y_ += lineHeight();
}

} // namespace verimoda
