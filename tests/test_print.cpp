// The printed sheet on a printer with fixed metrics (bold 10 points: a character 2 units wide, a
// space 1.5, a line 4 high): page 1, the page plan of pages 2 to 6, leaders and answers, line
// breaking and justification, and texts of any length.
#include "entry/answers.h"
#include "print/layout.h"
#include "print/wrap.h"

#include "support/core_print_fixtures.h"
#include "support/core_recording_printer.h"

#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

constexpr float Edge = 197;
constexpr float W = 164;
const float Dot = RecordingPrinter::charWidth(10, true);
const float Space = RecordingPrinter::spaceWidth(10, true);

// A printer and a layout ready to print item rows from y = 12, as on pages 2 to 6.
struct Rows {
    RecordingPrinter printer;
    Sheet sheet;
    PrintLayout layout{printer, sheet};
    Rows() {
        printer.setScale(Edge, 297);
        printer.setFontName(QStringLiteral("MS Sans Serif"));
        printer.setFontSize(10);
        printer.setBold(true);
        printer.setY(12);
    }
    const std::vector<PrintedLine>& lines() const { return printer.log.lines; }
};

// n words "parola", each 12 wide: 13.5 n - 1.5 in all.
QString words(int n) {
    return QStringList(n, QStringLiteral("parola")).join(u' ');
}

// The lines of one printed row: those at the same y on the same page.
std::vector<PrintedLine> rowOf(const PrintLog& log, const PrintedLine& first) {
    std::vector<PrintedLine> result;
    for (const PrintedLine& l : log.lines)
        if (l.page == first.page && l.y == first.y)
            result.push_back(l);
    return result;
}

// A justified line is at least the width and wider by less than one space.
bool justified(const PrintedLine& l, float width) {
    return l.width >= width && l.width < width + Space;
}

// Text, then a leader from its end to 1 unit before where the answer would start if it ended at
// the edge (by less than one dot more), then the answer ending at `answerEnd`.
void verifyRow(const std::vector<PrintedLine>& r, float answerEnd) {
    QCOMPARE(r.size(), size_t(3));
    const PrintedLine &text = r[0], &leader = r[1], &answer = r[2];
    const float aim = Edge - answer.width - 1;
    QVERIFY(leader.filler());
    QCOMPARE(leader.x, text.right());
    QVERIFY2(leader.right() >= aim && leader.right() - Dot < aim, qPrintable(text.text));
    QCOMPARE(answer.right(), answerEnd);
    QVERIFY(answer.bold);
}

void verifyAt(const PrintedLine& l, const QString& text, float x, float y, float size) {
    QCOMPARE(l.text, text);
    QCOMPARE(l.x, x);
    QCOMPARE(l.y, y);
    QCOMPARE(l.size, size);
}

// The shortest run of underscores from the left edge at least as wide as the page.
void verifyRule(const PrintedLine& l, float y, float underscore) {
    QVERIFY(l.filler() && l.text.startsWith(u'_'));
    QCOMPARE(l.x, 0.0f);
    QCOMPARE(l.y, y);
    QVERIFY(l.width >= Edge && l.width - underscore < Edge);
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void firstPageOfAnEmptySheet() {
        Sheet sheet;
        RecordingPrinter p;
        StampaDocumento(p, sheet);
        QCOMPARE(p.log.pages, 6);
        QVERIFY(p.log.ended);
        const std::vector<PrintedLine> page = p.log.onPage(1);
        QCOMPARE(page.size(), size_t(4 + 2 * 12)); // title, heading, header, rule; label + dots
        verifyAt(page[0], "ARDENZA - VERIMODA v. 2.1", (Edge - page[0].width) / 2, 1, 15);
        verifyAt(page[1], "DATI GENERALI", 5, 15, 12);
        verifyAt(page[2], "Pagina 1 di 6 pagine", Edge - 2 - page[2].width, 15, 10);
        verifyRule(page[3], 15.75f, Dot);
        for (int i = 0; i < 12; ++i) {
            const PrintedLine &label = page[4 + 2 * i], &dots = page[5 + 2 * i];
            verifyAt(label, generalCaption(i), 0, 25.0f + float(i) * (4 + 2), 10);
            QVERIFY(label.bold && dots.filler() && !dots.bold);
            QCOMPARE(dots.x, label.right());
            QCOMPARE(dots.y, label.y);
            // To the right edge, by less than one (regular) dot beyond it.
            QVERIFY(dots.right() >= Edge && dots.right() - 1.5f < Edge);
        }
    }

    void generalValues_data() {
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QStringList>("expected"); // rows 2 and 8 to 11
        QTest::newRow("empty") << QStringList{"", "", ""} << QList<int>{}
                               << QStringList{"", "", "", "", ""};
        QTest::newRow("full") << QStringList{"31", "12", "2023"} << QList<int>{0, 2, 5, 9}
                              << QStringList{"31/12/2023", "Si", "127/91", "ind.", "S&P/MIB"};
        QTest::newRow("day and year") << QStringList{"31", "", "2023"} << QList<int>{1, 4, 8, 14}
                                      << QStringList{"31//2023", "No", "altro", "N/A", "EXPANDI"};
        QTest::newRow("month only") << QStringList{"", "12", ""} << QList<int>{3, 6, 11}
                                    << QStringList{"/12/", "", "IAS", "banca", "b. chip altro"};
        // After loading a file two boxes of a group can be ticked: the first one counts.
        QTest::newRow("two ticked") << QStringList{"", "", "7"} << QList<int>{7, 6, 12, 10}
                                    << QStringList{"//7", "", "", "banca", "MIDEX"};
    }

    void generalValues() {
        QFETCH(QStringList, date);
        QFETCH(QList<int>, ticked);
        QFETCH(QStringList, expected);
        Sheet sheet;
        for (int i = 0; i < 3; ++i) {
            sheet.setText({Array::TEXT_GENERALE, 2 + i}, date[i]);
            sheet.setText({Array::TEXT_GENERALE, 5 + i}, date[i]);
        }
        for (int box : ticked)
            sheet.setValue({Array::Check_FRAME_GENERALE, box}, 1);
        RecordingPrinter p;
        StampaDocumento(p, sheet);
        for (int row : {2, 3, 8, 9, 10, 11}) {
            const QString value = expected[row < 8 ? 0 : row - 7];
            QCOMPARE(ValoreGenerale(sheet, row), value);
            const std::vector<PrintedLine> printed = rowOf(p.log, *p.log.find(generalCaption(row)));
            if (value.isEmpty()) {
                QCOMPARE(printed.size(), size_t(2)); // label and dots
                continue;
            }
            QCOMPARE(printed.size(), size_t(3));
            QCOMPARE(printed[2].text, value);
            QCOMPARE(printed[2].right(), Edge);
            QVERIFY(!printed[2].bold);
            QVERIFY(printed[1].right() >= printed[2].x && printed[1].right() - 1.5f < printed[2].x);
        }
    }

    void pagePlanOfAnEmptySheet() {
        Sheet sheet;
        RecordingPrinter p;
        StampaDocumento(p, sheet);
        const QString indicators = QStringLiteral("Indicatori quantitativi");
        const struct {
            QString title;
            int first, last;
        } plan[] = {{QStringLiteral("Dati Statistici"), 0, 23},
                    {QStringLiteral("Operazioni di finanza"), 24, 25},
                    {indicators, 26, 49},
                    {indicators, 50, 66},
                    {QStringLiteral("Dati riepilogativi"), 67, 84}};
        const QMap<int, int> headingBefore{{0, 0},  {6, 1},  {12, 2}, {18, 3}, {24, 4},
                                           {27, 5}, {33, 6}, {43, 7}, {50, 8}, {59, 9}};
        for (int n = 2; n <= 6; ++n) {
            const std::vector<PrintedLine> page = p.log.onPage(n);
            const QString header = QStringLiteral("Pagina %1 di 6 pagine").arg(n);
            verifyAt(page[0], header, Edge - 2 - page[0].width, 5, 10);
            verifyAt(page[1], plan[n - 2].title, 5, 5, 12);
            verifyRule(page[2], 5.75f, 2.4f);
            QCOMPARE(page[3].y, 12.0f);
            // Read in order: headings before their items, each item with its answer.
            QStringList expected{header, plan[n - 2].title};
            for (int i = plan[n - 2].first; i <= plan[n - 2].last; ++i) {
                if (headingBefore.contains(i))
                    expected << headingText(headingBefore[i]);
                expected << itemText(i) << RispostaDomanda(sheet, i);
            }
            QCOMPARE(p.log.readPage(n), expected.join(u' ').simplified());
        }

        // No answer: the dots end at the right edge; item 26 prints its empty answer all the same.
        const PrintedLine* text = p.log.find(itemText(3));
        const std::vector<PrintedLine> r = rowOf(p.log, *text);
        QCOMPARE(r.size(), size_t(2));
        QCOMPARE(r[1].right(), Edge);
        QVERIFY(r[1].x <= text->right() + 1 && r[1].x > text->right() + 1 - Dot);
        const std::vector<PrintedLine> currency = rowOf(p.log, *p.log.find(itemText(26)));
        QCOMPARE(currency.size(), size_t(3));
        QCOMPARE(currency[2].x, Edge - 1);
    }

    void rowsOfAWholeSheet() {
        Sheet sheet;
        fillWholeSheet(sheet);
        RecordingPrinter p;
        StampaDocumento(p, sheet);
        int rows = 0, longHeadings = 0;
        for (const PrintedLine& l : p.log.lines) {
            const std::vector<PrintedLine> r = rowOf(p.log, l);
            if (l.page < 2 || l.y < 12 || r.front().text != l.text)
                continue; // page 1, page titles, or not the first line of its row
            if (l.x == 10 && r.size() == 1) {
                QVERIFY2(justified(l, W), qPrintable(l.text));
            } else if (l.x == 10) {
                verifyRow(r, Edge);
                ++rows;
            } else if (l.text == itemText(26)) {
                verifyRow(r, Edge - 1); // item 26 ends 1 unit short of the edge
                QCOMPARE(r[2].text, QStringLiteral("Euro"));
            } else if (l.width > W) { // first line of a heading: justified 10 units wider
                QVERIFY2(justified(l, W + 10), qPrintable(l.text));
                ++longHeadings;
            }
        }
        QCOMPARE(rows, ItemCount - 1);
        QCOMPARE(longHeadings, 2);
    }

    void justify_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<float>("width");
        QTest::addColumn<QString>("expected");
        // "a b c" is 9 wide; every added space 1.5.
        QTest::newRow("wide enough") << "a b c" << 9.0f << "a b c";
        QTest::newRow("first pass") << "a b c" << 12.0f << "a  b  c";
        // From the second pass on a gap takes two spaces at a time.
        QTest::newRow("second pass") << "a b c" << 15.0f << "a    b  c";
        QTest::newRow("end of the second pass") << "a b c" << 18.0f << "a    b    c";
        QTest::newRow("third pass from the first gap") << "a b c" << 19.5f << "a     b    c";
        QTest::newRow("no space: in front") << "abc" << 9.0f << "  abc";
    }

    void justify() {
        QFETCH(QString, line);
        QFETCH(float, width);
        QFETCH(QString, expected);
        Rows r;
        QCOMPARE(verimoda::justify(r.printer, line, width), expected);
    }

    void wrappingOfAnItem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("justifiedLines");
        QTest::addColumn<QString>("lastLine");
        // 70 letters and 16 spaces: 164 wide.
        const QString exact =
            (QStringList(16, QStringLiteral("xxxx")) << QStringLiteral("xxxxxx")).join(u' ');
        QTest::newRow("exactly the text width") << exact << "Si" << 0 << exact;
        // The exact fit is kept as the justified line.
        QTest::newRow("a little wider") << exact + QStringLiteral(" z") << "Si" << 1 << "z";
        // 23 words, 309 wide: one justified line of 12 words, the other 11 on the last line.
        QTest::newRow("long item") << words(23) << "Si" << 1 << words(11);
        // With an answer 40 wide those 11 words would run under it: broken once more.
        QTest::newRow("last line reaching its answer")
            << words(23) << QString(20, u'9') << 2 << words(1);
        QTest::newRow("answer wider than the page")
            << words(23) << QString(300, u'9') << 2 << words(1);
        QTest::newRow("no space at all") << QString(400, u'x') << "No" << 0 << QString(400, u'x');
        const QString longWord = QString(90, u'x') + u' ' + words(3);
        QTest::newRow("first word too wide") << longWord << "No" << 0 << longWord;
    }

    void wrappingOfAnItem() {
        QFETCH(QString, text);
        QFETCH(QString, answer);
        QFETCH(int, justifiedLines);
        QFETCH(QString, lastLine);
        Rows r;
        r.layout.StampaRiga(text, answer);
        const std::vector<PrintedLine>& lines = r.printer.log.lines;
        QCOMPARE(int(lines.size()), justifiedLines + 3);
        QStringList read;
        for (int i = 0; i < justifiedLines; ++i) {
            QCOMPARE(lines[i].x, 10.0f);
            QCOMPARE(lines[i].y, 12 + float(i) * (4 + 0.7f));
            QVERIFY2(justified(lines[i], W), qPrintable(lines[i].text));
            read << lines[i].text;
        }
        const std::vector<PrintedLine> last(lines.end() - 3, lines.end());
        verifyAt(last[0], lastLine, 10, 12 + float(justifiedLines) * (4 + 0.7f), 10);
        QCOMPARE((read << lastLine).join(u' ').simplified(), text);
        if (last[0].right() < Edge - last[2].width - 1) // room left: the leader reaches the answer
            verifyRow(last, Edge);
        else // none: one dot, and the answer still by its right edge
            QVERIFY(last[1].text == u"." && last[2].text == answer && last[2].right() == Edge);
    }

    void anyTextTheUserCanType() {
        Sheet sheet;
        fillWholeSheet(sheet);
        const QString name(500, u'W');
        for (int i : {0, 8, 10})
            sheet.setText({Array::TEXT_GENERALE, i}, name);
        for (int i = 27; i <= 66; ++i)
            if (isIndicatorBox(i))
                sheet.setText({Array::Text1, i}, QString(300, u'9'));
        RecordingPrinter p;
        StampaDocumento(p, sheet);
        QCOMPARE(p.log.pages, 6);
        QVERIFY(p.log.ended);
        for (int i = 0; i < ItemCount; ++i)
            QVERIFY(p.log.readPage(printedPage(i)).contains(itemText(i).simplified()));
        // A value wider than its room: placed by its right edge after a single dot.
        const std::vector<PrintedLine> r = rowOf(p.log, *p.log.find(name));
        QVERIFY(r[1].text == u"." && r[2].right() == Edge);
    }
};

QTEST_GUILESS_MAIN(TestPrint)
#include "test_print.moc"
