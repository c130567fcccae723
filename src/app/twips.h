// The window is designed in twips (1440 to the inch). On screen a twip is 1440 / logical DPI
// pixels, so the designed layout keeps its proportions with the fonts at any DPI.
#pragma once

#include <QRect>
#include <QtGlobal>

class QScreen;

namespace verimoda {

class Twips {
public:
    explicit Twips(double perPixel = 15.0) : perPixel_(perPixel) {}
    static Twips forScreen(const QScreen* screen);

    double perPixel() const { return perPixel_; }
    int operator()(int twips) const { return qRound(twips / perPixel_); }
    QRect rect(int left, int top, int width, int height) const {
        return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
    }

private:
    double perPixel_;
};

} // namespace verimoda
