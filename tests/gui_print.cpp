// A whole sheet printed through QPrinter to a PDF file: read back with pdftotext, and the place
// of every line checked with the real font's widths. Then the command "Stampa" of the window, with
// the fake's print dialog writing a PDF file.
#include "entry/answers.h"
#include "print/layout.h"
#include "print/qt_printer.h"

#include "support/core_controls.h"
#include "support/core_print_fixtures.h"
#include "support/core_recording_printer.h"
#include "support/gui_window.h"

#include <QAction>
#include <QMenu>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

class LoggingQtPrinter : public QtPrinter {
public:
    using QtPrinter::QtPrinter;
    PrintLog log;

protected:
    void draw(const QString& text) override {
        log.add(*this, text, measure(text), lineHeight());
        QtPrinter::draw(text);
    }
    void startPage() override {
        ++log.pages;
        QtPrinter::startPage();
    }
    void finish() override {
        log.ended = true;
        QtPrinter::finish();
    }
};

// A text, its dot leader and its value, whatever blanks or line breaks the reading put between.
QRegularExpression textDotsValue(const QString& text, const QString& value) {
    QStringList words = text.simplified().split(u' ');
    for (QString& w : words)
        w = QRegularExpression::escape(w);
    return QRegularExpression(words.join(QStringLiteral("\\s+")) + QStringLiteral("\\s*\\.+\\s*") +
                              QRegularExpression::escape(value));
}

// The text of each page of a PDF file, as pdftotext reads it.
QStringList pdfPages(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        qWarning("pdftotext (poppler-utils) is needed");
    QProcess process;
    process.start(pdftotext,
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (pages.last().trimmed().isEmpty()) // every page ends with a form feed
        pages.removeLast();
    return pages;
}

// The PDF holds the six pages of the sheet: each header, every general-data row, heading, item
// text and answer.
void checkPrintedSheet(const QString& pdf, const Sheet& sheet) {
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 6);
    for (int n = 1; n <= 6; ++n)
        QVERIFY(pages[n - 1].contains(QStringLiteral("Pagina %1 di 6 pagine").arg(n)));
    QVERIFY(pages[0].contains(QStringLiteral("ARDENZA - VERIMODA v. 2.1")));
    for (int row = 0; row < GeneralLabelCount; ++row)
        QVERIFY2(pages[0].contains(textDotsValue(generalCaption(row), ValoreGenerale(sheet, row))),
                 qPrintable(generalCaption(row)));
    for (int k = 0; k < HeadingCount; ++k)
        QVERIFY2(pages.join(u' ').simplified().contains(headingText(k).simplified()),
                 qPrintable(headingText(k)));
    for (int i = 0; i < ItemCount; ++i)
        QVERIFY2(pages[printedPage(i) - 1].contains(
                     textDotsValue(itemText(i), RispostaDomanda(sheet, i))),
                 qPrintable(QString::number(i)));
}

// Prints the sheet to an A4 PDF file and returns what was printed where.
PrintLog printToPdf(const Sheet& sheet, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    LoggingQtPrinter p(printer);
    StampaDocumento(p, sheet);
    if (!p.ok())
        qWarning() << p.errorString();
    return p.log;
}

} // namespace

class GuiPrint : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString pdf;
    Sheet sheet;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        pdf = dir.filePath(QStringLiteral("foglio.pdf"));
        fillWholeSheet(sheet);
        QVERIFY(printToPdf(sheet, pdf).ended);
    }

    void readBackFromThePdf() { checkPrintedSheet(pdf, sheet); }

    // With the real font no text runs under another (an answer in particular) or off the page.
    // Leaders and rules are left out: they run up to the next text or the edge by design.
    void textsStayApartAndOnThePage_data() {
        QTest::addColumn<QString>("longAnswer");
        QTest::newRow("whole sheet") << QString();
        // Beside the longest item with one justified line the rest of the text has to move on.
        QTest::newRow("long answer") << QString(30, u'1');
    }

    void textsStayApartAndOnThePage() {
        QFETCH(QString, longAnswer);
        Sheet s;
        fillWholeSheet(s);
        if (!longAnswer.isEmpty())
            s.setText({Array::Text1, 50}, longAnswer);
        const PrintLog log = printToPdf(s, dir.filePath(QStringLiteral("geometria.pdf")));
        QCOMPARE(log.pages, 6);
        QVERIFY(log.ended);
        for (int page = 1; page <= 6; ++page) {
            std::vector<PrintedLine> texts;
            for (const PrintedLine& l : log.onPage(page))
                if (!l.filler() && !l.text.isEmpty())
                    texts.push_back(l);
            for (size_t a = 0; a < texts.size(); ++a) {
                const PrintedLine& l = texts[a];
                QVERIFY2(l.x >= 0 && l.right() <= 197 && l.y >= 0 && l.y + l.height <= 297,
                         qPrintable(l.text));
                for (size_t b = a + 1; b < texts.size(); ++b) {
                    const PrintedLine& m = texts[b];
                    const bool apart = l.right() <= m.x || m.right() <= l.x ||
                                       l.y + l.height <= m.y || m.y + m.height <= l.y;
                    QVERIFY2(apart, qPrintable(l.text + QStringLiteral(" / ") + m.text));
                }
            }
        }
    }

    void aJobThatCannotStart() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = dir.filePath(QStringLiteral("manca/foglio.pdf"));
        printer.setOutputFileName(file);
        QtPrinter p(printer);
        QVERIFY(!p.ok());
        StampaDocumento(p, sheet);
        QVERIFY(p.errorString().contains(file));
        QVERIFY(!QFile::exists(file));
    }

    // "Stampa", on the button and in the tray menu: the dialog offers a PDF file in the program
    // folder and the six pages come out there. Printing changes nothing of the sheet, not even
    // whether it has unsaved edits, and the window goes on working.
    void printCommand_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("edited");
        QTest::newRow("button, no edit") << false << false;
        QTest::newRow("tray menu, unsaved edits") << true << true;
    }
    void printCommand() {
        QFETCH(bool, fromMenu);
        QFETCH(bool, edited);
        FakePlatform fake;
        fake.printAnswers = {true};
        const auto w = openWindow(fake);
        Sheet& s = w->sheet();
        fillWholeSheet(s);
        s.NessunaModifica = !edited;
        QSignalSpy values(&s, &Sheet::valueChanged), texts(&s, &Sheet::textChanged);
        QVERIFY(values.isValid() && texts.isValid());

        if (fromMenu)
            w->trayMenu()->findChild<QAction*>(QStringLiteral("MENU_STAMPA"))->trigger();
        else
            click(w->widgetFor(button(0)));

        const QString pdf = fake.file(QStringLiteral("Foglio Verimoda.pdf"));
        QCOMPARE(fake.journal, QStringList{QStringLiteral("print")});
        QCOMPARE(fake.printOffers, QStringList{pdf});
        checkPrintedSheet(pdf, s);
        QCOMPARE(values.count() + texts.count(), 0);
        QCOMPARE(s.NessunaModifica, !edited);

        int row = 0;
        while (s.ticked(si(row)))
            ++row;
        clickControl(*w, si(row));
        QVERIFY(s.ticked(si(row)));
    }

    // A cancel prints nothing, says nothing and leaves no file. The file offered is named after
    // the sheet file when there is one; it goes to the home folder when the program folder
    // cannot take it.
    void cancelAndTheFileOffered() {
        FakePlatform fake;
        const auto w = openWindow(fake);
        const QString program = fake.folder.path();
        click(w->widgetFor(button(0)));
        w->sheet().NomeFileFoglio = QStringLiteral("/altrove/bilancio 2024.xml");
        click(w->widgetFor(button(0)));
        QVERIFY(QDir(program).isEmpty());
        QVERIFY(fake.folder.remove());
        click(w->widgetFor(button(0)));

        QCOMPARE(fake.journal, QStringList(3, QStringLiteral("print")));
        QCOMPARE(fake.printOffers,
                 QStringList({program + QStringLiteral("/Foglio Verimoda.pdf"),
                              program + QStringLiteral("/bilancio 2024.pdf"),
                              QDir::home().filePath(QStringLiteral("bilancio 2024.pdf"))}));
    }

    // An output the job cannot write gives one message with the program's title, the file named,
    // and no file cut short: a folder that does not exist, a full disk.
    void outputThatCannotBeWritten_data() {
        QTest::addColumn<QString>("file"); // in the program folder unless a device
        QTest::addColumn<bool>("device");
        QTest::newRow("missing folder") << QStringLiteral("manca/foglio.pdf") << false;
        QTest::newRow("full disk") << QStringLiteral("/dev/full") << true;
    }
    void outputThatCannotBeWritten() {
        QFETCH(QString, file);
        QFETCH(bool, device);
        if (device && !QFileInfo::exists(file))
            QSKIP("no /dev/full here");
        FakePlatform fake;
        if (!device)
            file = fake.file(file);
        fake.printAnswers = {true};
        fake.printFiles = {file};
        const auto w = openWindow(fake);
        click(w->widgetFor(button(0)));

        QCOMPARE(fake.journal,
                 QStringList({QStringLiteral("print"), QStringLiteral("message Verimoda")}));
        const FakePlatform::Message& m = fake.messages.first();
        QCOMPARE(m.buttons, QMessageBox::Ok);
        QVERIFY2(m.text.startsWith(QStringLiteral("Impossibile scrivere")) && m.text.contains(file),
                 qPrintable(m.text));
        QVERIFY(!QFileInfo(file).isFile());
        QCOMPARE(QFileInfo::exists(file), device); // the device stays
        QVERIFY(w->sheet().NessunaModifica);
    }
};

QTEST_MAIN(GuiPrint)
#include "gui_print.moc"
