// The sheet printed through QPrinter with the real font: "Stampa" writing a PDF file that
// pdftotext reads back, no word off the printable area, the file the dialog offers, and the
// outputs that cannot be written.
#include "file/writer.h"
#include "print/layout.h"
#include "print/qt_printer.h"

#include "support/core_controls.h"
#include "support/core_full_disk.h"
#include "support/core_sheets.h"
#include "support/gui_window.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

// What pdftotext (poppler-utils) reads in a PDF file with these arguments.
QString pdfText(QStringList arguments) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), QStringList{"-enc", "UTF-8"} + arguments << "-");
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) is needed");
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class GuiPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    // A fully answered sheet printed to a PDF file with the real font, its box 50 holding an
    // answer so long that the longest item beside it has to wrap once more: six pages, every
    // word of them inside the printable area (pdftotext reads their boxes back).
    void printedSheet() {
        Sheet s;
        fixture::fillFullSheet(s);
        s.setText(text1(50), QString(30, u'1'));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(dir.filePath(QStringLiteral("foglio.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        {
            QtPrinter p(printer);
            StampaDocumento(p, s);
            QVERIFY2(p.ok(), qPrintable(p.errorString()));
        } // the job ends here

        // Under Wine the PDF is read back on the Linux side, by the Windows end-to-end test.
        if (QSysInfo::productType() == u"windows" &&
            QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext runs on Linux");
        // On A4 paper, no word within 5 mm of an edge, where a printer may not print; the
        // underscore rules, at least as wide as the printed area, run past its right end by less
        // than one of theirs.
        const QString boxes = pdfText({"-bbox", printer.outputFileName()});
        const QRegularExpression word(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">([^<]*)<"));
        const double mm = 72 / 25.4, edge = 5 * mm, underscore = 2.4 * mm, width = 210 * mm,
                     height = 297 * mm;
        QCOMPARE(boxes.count(QStringLiteral("<page ")), 6);
        for (auto m = word.globalMatch(boxes); m.hasNext();) {
            const auto w = m.next();
            const double x0 = w.captured(1).toDouble(), y0 = w.captured(2).toDouble(),
                         x1 = w.captured(3).toDouble(), y1 = w.captured(4).toDouble();
            const bool rule = w.captured(5).count(u'_') == w.captured(5).size();
            QVERIFY2(x0 >= edge && y0 >= edge && height - y1 >= edge &&
                         width - x1 >= (rule ? 6.5 * mm - underscore : edge),
                     qPrintable(w.captured(5).left(40)));
        }
    }

    // "Stampa" offers a PDF file in the program folder, named after the sheet file when there is
    // one, in the home folder when the program folder cannot take it. A cancel prints nothing and
    // says nothing; otherwise the file is written in full, and the unsaved edits stay. An output
    // that cannot be written (a missing folder, a full disk) is named in one message with the
    // program's title, and no file is left cut short on the disk. The sheet file itself (a sheet
    // saved as "bozza.pdf") is never offered, and refused when typed: it stays as it was.
    void theCommand() {
        FullDisk disk;
        if (!disk.skipReason.isEmpty())
            QSKIP(qPrintable(disk.skipReason));
        QVERIFY(disk.fillLeaving(8192));
        const QString full = disk.file("foglio.pdf");
        FakePlatform fake;
        fake.printAnswers = {false, true, true, true};
        const QString program = fake.folder.path();
        fake.printFiles = {"", program + "/manca/foglio.pdf", full};
        const auto w = openWindow(fake);
        clickControl(*w, si(0));
        click(w->widgetFor(button(0)));
        QVERIFY(QDir(program).isEmpty());
        for (int i = 0; i < 3; ++i)
            click(w->widgetFor(button(0)));
        QVERIFY(fixture::contents(fake.file("Foglio Verimoda.pdf")).trimmed().endsWith("%%EOF"));
        QVERIFY(!w->sheet().NessunaModifica);
        w->sheet().NomeFileFoglio = QStringLiteral("/altrove/bilancio 2024.xml");
        click(w->widgetFor(button(0)));
        w->sheet().NomeFileFoglio = fake.file("bozza.pdf");
        QVERIFY(!saveSheetFile(w->sheet().NomeFileFoglio, "sheet"));
        fake.printAnswers = {true};
        fake.printFiles = {w->sheet().NomeFileFoglio};
        click(w->widgetFor(button(0)));
        QCOMPARE(fixture::contents(fake.file("bozza.pdf")), "sheet");
        QVERIFY(fake.folder.remove());
        click(w->widgetFor(button(0)));

        const QString print = QStringLiteral("print"), failure = QStringLiteral("message Verimoda");
        QCOMPARE(fake.journal, QStringList({print, print, print, failure, print, failure, print,
                                            print, failure, print}));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{}); // the filler is hidden
        for (const QString& file : {program + "/manca/foglio.pdf", full}) {
            const QString text = fake.messages.takeFirst().text;
            QVERIFY2(text.startsWith("Impossibile scrivere") &&
                         text.contains(QDir::toNativeSeparators(file)),
                     qPrintable(text));
        }
        QVERIFY(fake.messages.takeFirst().text.contains("è il file del foglio"));
        QCOMPARE(fake.printOffers,
                 QStringList(4, program + "/Foglio Verimoda.pdf") +
                     QStringList({program + "/bilancio 2024.pdf", program + "/bozza - stampa.pdf",
                                  QDir::home().filePath("bozza.pdf")}));
    }
};

QTEST_MAIN(GuiPrint)
#include "gui_print.moc"
