// "Stampa": the print dialog, then the six pages of the sheet on the printer chosen there. A
// machine without printers offers only a PDF file, so the file is named before the dialog opens.
#include "app/main_window.h"
#include "app/print_system.h"
#include "file/file_stamp.h"

#include "print/layout.h"
#include "print/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace verimoda {

namespace {

// The PDF file offered: named after the sheet file when there is one, in the program folder like
// every file of the program; in the home folder when the program folder cannot be written (a
// program installed for every user), where the dialog would only refuse it. Never the sheet file
// itself (a sheet saved as "bozza.pdf"): the print would destroy it.
QString offeredPdfFile(const QString& programFolder, const QString& sheetFile) {
    QString name = QFileInfo(sheetFile).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("Foglio Verimoda");
    const QFileInfo folder(programFolder);
    const QString dir =
        folder.isDir() && folder.isWritable() ? folder.absoluteFilePath() : QDir::homePath();
    const QString pdf = QDir(dir).filePath(name + QLatin1String(".pdf"));
    if (!sameFile(pdf, sheetFile))
        return pdf;
    return QDir(dir).filePath(name + QLatin1String(" - stampa.pdf"));
}

// The PDF writer does not report failed writes (a full disk): a file it wrote in full ends with
// the PDF end-of-file marker.
bool pdfComplete(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return false;
    const qint64 tail = 32;
    if (!pdf.isSequential())
        pdf.seek(qMax<qint64>(0, pdf.size() - tail));
    return pdf.read(tail).contains("%%EOF");
}

// Prints the sheet; returns why it failed, or nothing.
QString printSheet(QPrinter& printer, const Sheet& sheet) {
    {
        QtPrinter p(printer);
        StampaDocumento(p, sheet);
        if (!p.ok())
            return p.errorString();
    }
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        if (const std::optional<QString> refusal = printJobRefused())
            return QStringLiteral("Il foglio non è stato stampato: la stampante \"%1\" non ha "
                                  "accettato il lavoro (%2).")
                .arg(printer.printerName(), *refusal);
        return {}; // the print system has the job
    }
    const QString file = printer.outputFileName();
    if (pdfComplete(file))
        return {};
    if (QFileInfo(file).isFile()) // a cut PDF is no document
        QFile::remove(file);
    return QStringLiteral("Impossibile scrivere per intero il file \"%1\": lo spazio sul disco "
                          "potrebbe essere esaurito.")
        .arg(QDir::toNativeSeparators(file));
}

} // namespace

void Main::StampaFoglio() {
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = offeredPdfFile(platform_.programFolder(), sheet_.NomeFileFoglio);
    printer.setDocName(QFileInfo(pdf).completeBaseName()); // the job's name, the PDF's title
    printer.setCreator(applicationTitle());
    // Shown in the dialog's file box; choosing a real printer there drops it.
    printer.setOutputFileName(pdf);
    // With a default printer the dialog opens on it, with its own paper and margins, the file
    // still offered beside it; without one, on the PDF file, an A4 page.
    if (const QString name = QPrinterInfo::defaultPrinterName(); !name.isEmpty())
        printer.setPrinterName(name);
    else
        printer.setPageSize(QPageSize(QPageSize::A4));
    if (!platform_.printDialog(this, printer))
        return; // cancelled: nothing printed, nothing said
    const QString file =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (sameFile(file, sheet_.NomeFileFoglio) || sameFile(file, known_.path)) {
        platform_.message(this, QMessageBox::Warning, shortTitle(),
                          QStringLiteral("Il file \"%1\" è il file del foglio: la stampa lo "
                                         "sostituirebbe. Stampare su un file con un altro nome.")
                              .arg(QDir::toNativeSeparators(file)),
                          QMessageBox::Ok);
        return;
    }
    const QString failure = printSheet(printer, sheet_);
    if (!failure.isEmpty())
        platform_.message(this, QMessageBox::NoIcon, shortTitle(), failure, QMessageBox::Ok);
}

} // namespace verimoda
