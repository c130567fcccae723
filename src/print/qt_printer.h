// The printer of the program: a QPrinter whose user scale maps onto the area it can print, the
// paper inside its margins, never onto the whole paper (where the first and last characters of a
// line would be cut off). Widths are measured on the printer's own device (screen metrics
// differ), and text is drawn at the mapped device point with the view transform off, so that a
// 10-point font stays 10 points whatever the scale.
#pragma once

#include "print/printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <deque>

class QPrinter;

namespace verimoda {

// Gives the printer the margins of its printable area: those it reports for a printer, 6.5 mm on
// every side for a PDF file. QtPrinter does it before it starts the job.
void placeOnPrintableArea(QPrinter& printer);

class QtPrinter : public Printer {
public:
    // Starts the job on `printer`, which should be made with QPrinter::HighResolution; the output
    // (printer or PDF file) is whatever the printer was given.
    explicit QtPrinter(QPrinter& printer);
    ~QtPrinter() override; // ends the job if endDocument was not called

    // False once the job could not start, turn a page or finish; errorString() then says why.
    bool ok() const { return error_.isEmpty(); }
    QString errorString() const { return error_; }

protected:
    float measure(const QString& text) const override;
    float lineHeight() const override;
    void draw(const QString& text) override;
    void startPage() override;
    void finish() override;
    void scaleChanged() override;
    void fontChanged() override;

private:
    struct Face {
        QString name;
        float size;
        bool bold;
        QFont font;
        QFontMetricsF metrics;
    };
    const Face& face() const;
    void fail(const QString& message);

    QPrinter& printer_;
    QPainter painter_;
    QTransform view_; // print units to device pixels
    float unitX_ = 1; // device pixels per print unit, across and down
    float unitY_ = 1;
    mutable std::deque<Face> faces_; // the few fonts of a document, made once each
    mutable const Face* face_ = nullptr;
    QString error_;
};

} // namespace verimoda
