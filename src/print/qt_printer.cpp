#include "print/qt_printer.h"

#include "print/qt_fonts.h"

#include <QDir>
#include <QPrinter>

namespace verimoda {

namespace {

// A PDF file has no printer to ask: margins like an office printer's, the same on every side, so
// that the 197 units across an A4 page stay 197 mm and the file prints anywhere uncut.
constexpr qreal PdfMarginMillimetres = 6.5;

} // namespace

void placeOnPrintableArea(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const qreal m = PdfMarginMillimetres;
        printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    } else {
        // The margins the printer reports are where it cannot print.
        const QPageLayout layout = printer.pageLayout();
        printer.setPageMargins(layout.minimumMargins(), layout.units());
    }
    printer.setFullPage(false);
}

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {
    substituteFonts();
    placeOnPrintableArea(printer_);
    if (!painter_.begin(&printer_)) {
        const QString file = printer_.outputFileName();
        fail(file.isEmpty() ? QStringLiteral("Impossibile avviare la stampa su \"%1\".")
                                  .arg(printer_.printerName())
                            : QStringLiteral("Impossibile scrivere il file \"%1\".")
                                  .arg(QDir::toNativeSeparators(file)));
        return;
    }
    scaleChanged();
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive())
        painter_.end();
}

void QtPrinter::fail(const QString& message) {
    if (error_.isEmpty())
        error_ = message;
}

void QtPrinter::scaleChanged() {
    if (!painter_.isActive())
        return;
    // The printable area shows the window of the scale, in whole units; the painter's origin is
    // its top-left corner (the printer is not full page).
    painter_.setViewTransformEnabled(true);
    painter_.setViewport(
        QRect(QPoint(0, 0), printer_.pageRect(QPrinter::DevicePixel).size().toSize()));
    painter_.setWindow(QRect(0, 0, qRound(scaleWidth()), qRound(scaleHeight())));
    view_ = painter_.combinedTransform();
    // Drawing happens in device pixels (see draw); the window is only the mapping.
    painter_.setViewTransformEnabled(false);
    unitX_ = float(view_.m11());
    unitY_ = float(view_.m22());
}

void QtPrinter::fontChanged() {
    face_ = nullptr;
}

const QtPrinter::Face& QtPrinter::face() const {
    if (face_)
        return *face_;
    for (const Face& f : faces_) {
        if (f.name == fontName() && f.size == fontSize() && f.bold == bold()) {
            face_ = &f;
            return f;
        }
    }
    // Always the substitute, where the designed face exists too (Windows has a bitmap one): the
    // lines then break where they break on every machine.
    QFont font(QFont::substitute(fontName()));
    font.setPointSizeF(fontSize());
    font.setBold(bold());
    // Metrics of the printer's own device: screen metrics are narrower.
    faces_.push_back({fontName(), fontSize(), bold(), font, QFontMetricsF(font, &printer_)});
    face_ = &faces_.back();
    return *face_;
}

float QtPrinter::measure(const QString& text) const {
    return float(face().metrics.horizontalAdvance(text) / unitX_);
}

float QtPrinter::lineHeight() const {
    return float(face().metrics.lineSpacing() / unitY_);
}

void QtPrinter::draw(const QString& text) {
    if (!painter_.isActive() || text.isEmpty())
        return;
    const Face& f = face();
    if (painter_.font() != f.font)
        painter_.setFont(f.font);
    const QPointF corner = view_.map(QPointF(x(), y()));
    painter_.drawText(QPointF(corner.x(), corner.y() + f.metrics.ascent()), text);
}

void QtPrinter::startPage() {
    if (painter_.isActive() && !printer_.newPage())
        fail(QStringLiteral("Impossibile iniziare una nuova pagina."));
}

void QtPrinter::finish() {
    if (painter_.isActive() && !painter_.end())
        fail(QStringLiteral("Impossibile completare la stampa."));
}

} // namespace verimoda
