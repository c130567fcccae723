// The printed sheet on a printer with fixed metrics (bold 10 points: a character 2 units wide, a
// space 1.5, a line 4 high): page 1, the page plan, leaders and answers, line breaking and
// justification, also of texts too long for any line.
#include "entry/answers.h"
#include "print/layout.h"
#include "print/wrap.h"
#include "support/core_controls.h"
#include "support/core_recording_printer.h"
#include "support/core_sheets.h"

#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

constexpr float Edge = 197, W = 164;
const float Space = RecordingPrinter::spaceWidth(10, true);

// The lines printed on the same page at the same height as `first`.
std::vector<PrintedLine> rowOf(const PrintLog& log, const PrintedLine& first) {
    std::vector<PrintedLine> row;
    for (const PrintedLine& l : log.onPage(first.page))
        if (l.y == first.y)
            row.push_back(l);
    return row;
}

void verifyAt(const PrintedLine& l, const QString& text, float x, float y, float size) {
    QCOMPARE(l.text, text);
    QVERIFY(l.x == x && l.y == y && l.size == size);
}

// A leader or rule from `from` reaching `end`, by less than one of its characters beyond.
void verifyReaches(const PrintedLine& l, float from, float end) {
    QVERIFY2(l.filler() && l.x == from, qPrintable(l.text));
    QVERIFY(l.right() >= end && l.right() - l.width / float(l.text.size()) < end);
}

// Text, leader and answer of an item row: the leader ends 1 unit before where an answer ending
// at the edge would start; the answer ends at `answerEnd`, or follows a single dot when it is too
// wide for any leader.
void verifyRow(const std::vector<PrintedLine>& r, float answerEnd) {
    QCOMPARE(r.size(), size_t(3));
    if (r[0].right() + 1 >= Edge - r[2].width - 1)
        QCOMPARE(r[1].text, u".");
    else
        verifyReaches(r[1], r[0].right(), Edge - r[2].width - 1);
    QVERIFY(r[2].bold && r[2].right() == answerEnd);
}

// n words "parola", each 12 wide: 13.5 n - 1.5 in all.
QString words(int n) {
    return QStringList(n, QStringLiteral("parola")).join(u' ');
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void document() {
        Sheet sheet;
        fixture::fillFullSheet(sheet);                  // "S&P/MIB" among the options
        for (int box = 0; box < GeneralBoxCount; ++box) // a partial date and two texts
            sheet.setText(general(box), box == 3    ? u"12"_qs
                                        : box == 10 ? u"Rossi"_qs
                                        : box == 0  ? words(20) // wider than the page
                                                    : QString());
        sheet.setValue(option(14), 1); // two ticked after a read: the first one counts
        sheet.setValue(no(4), 0);      // row 4 unanswered
        RecordingPrinter p;
        StampaDocumento(p, sheet);
        QVERIFY(p.log.pages == 6 && p.log.ended);

        const std::vector<PrintedLine> first = p.log.onPage(1);
        verifyAt(first[0], "ARDENZA - VERIMODA v. 2.1", (Edge - first[0].width) / 2, 1, 15);
        verifyAt(first[1], "DATI GENERALI", 5, 15, 12);
        verifyAt(first[2], "Pagina 1 di 6 pagine", Edge - 2 - first[2].width, 15, 10);
        verifyReaches(first[3], 0, Edge);
        const QStringList values{"",      "", "/12/", "",      "",     "",
                                 "Rossi", "", "No",   "altro", "ass.", "S&P/MIB"};
        // A value that would cover its label: below it, broken where the page ends (a regular
        // "parola" is 9 wide, its space 1.125), right-aligned; the rows below move down.
        const QStringList below{words(18), words(2)};
        size_t k = 4;
        float y = 25;
        for (int row = 0; row < GeneralLabelCount; ++row, y += 6) {
            verifyAt(first[k], generalCaption(row), 0, y, 10);
            const bool valued = !values[row].isEmpty();
            verifyReaches(first[k + 1], first[k].right(), valued ? first[k + 2].x : Edge);
            QVERIFY(first[k].bold && !first[k + 1].bold);
            if (valued) {
                QCOMPARE(first[k + 2].text, values[row]);
                QVERIFY(first[k + 2].right() == Edge && !first[k + 2].bold);
            }
            k += valued ? 3 : 2;
            for (int line = 0; row == 0 && line < below.size(); ++line, ++k) {
                y += 4;
                QCOMPARE(first[k].text, below[line]);
                QVERIFY(first[k].right() == Edge && first[k].y == y && !first[k].bold);
            }
        }
        QCOMPARE(k, first.size());

        // Pages 2 to 6 (their texts are read back from a real PDF in gui_print).
        const char* const titles[] = {"Dati Statistici", "Operazioni di finanza",
                                      "Indicatori quantitativi", "Indicatori quantitativi",
                                      "Dati riepilogativi"};
        for (int n = 2; n <= 6; ++n) {
            const std::vector<PrintedLine> page = p.log.onPage(n);
            verifyAt(page[0], QStringLiteral("Pagina %1 di 6 pagine").arg(n),
                     Edge - 2 - page[0].width, 5, 10);
            verifyAt(page[1], titles[n - 2], 5, 5, 12);
        }

        // Each row: its leader and answer; justified lines W wide, the first line of a long
        // heading W + 10; item 26 at the left edge, its answer 1 unit short of the edge; the
        // dots of an unanswered row end at the edge.
        int rows = 0, longHeadings = 0;
        for (const PrintedLine& l : p.log.lines) {
            const std::vector<PrintedLine> r = rowOf(p.log, l);
            if (l.page < 2 || l.y < 12 || r.front().text != l.text)
                continue; // page 1, page titles, or not the first line of its row
            const float width = l.x == 10 ? W : W + 10;
            if (r.size() == 1 && l.width > W) {
                QVERIFY2(l.width >= width && l.width < width + Space, qPrintable(l.text));
                longHeadings += l.x == 0;
            } else if (r.size() == 3) {
                verifyRow(r, l.text == itemText(26) ? Edge - 1 : Edge);
                ++rows;
            } else if (r.size() == 2) {
                QVERIFY(r[1].filler() && r[1].right() == Edge);
                ++rows;
            }
        }
        QCOMPARE(rows, ItemCount);
        QCOMPARE(longHeadings, 2);
    }

    void justify() {
        // "a b c" is 9 wide, every added space 1.5; from the second pass on a gap takes two.
        const std::tuple<const char*, float, const char*> cases[] = {
            {"a b c", 9, "a b c"},
            {"a b c", 12, "a  b  c"},
            {"a b c", 15, "a    b  c"},
            {"a b c", 18, "a    b    c"},
            {"a b c", 19.5f, "a     b    c"},
            {"abc", 9, "  abc"}};
        RecordingPrinter p;
        p.setBold(true);
        for (const auto& [line, width, expected] : cases)
            QCOMPARE(verimoda::justify(p, line, width), expected);
    }

    // An item row: the justified lines, then the last line with its leader and answer.
    void wrappingOfAnItem() {
        const QString exact = // 70 letters and 16 spaces: 164 wide
            (QStringList(16, QStringLiteral("xxxx")) << QStringLiteral("xxxxxx")).join(u' ');
        const QString longWord = QString(90, u'x') + u' ' + words(3);
        const QString exactWord = QString(82, u'x') + u' ' + words(1);
        // Text, answer, justified lines before the last line, last line.
        const std::tuple<QString, QString, int, QString> cases[] = {
            {exact, "Si", 0, exact},
            {exact + " z", "Si", 1, "z"},                // the exact fit kept as the justified line
            {words(23), "Si", 1, words(11)},             // 309 wide: 12 words, then 11
            {words(23), QString(20, u'9'), 2, words(1)}, // 11 would run under the answer
            {words(23), QString(300, u'9'), 2, words(1)},      // an answer wider than the page
            {QString(400, u'x'), "No", 0, QString(400, u'x')}, // no space at all
            {longWord, "No", 0, longWord},                     // a first word too wide
            {exactWord, "No", 0, exactWord}}; // a first word exactly W wide breaks nowhere
        for (const auto& [text, answer, justifiedLines, lastLine] : cases) {
            RecordingPrinter p;
            Sheet sheet;
            PrintLayout layout(p, sheet);
            p.setScale(Edge, 297);
            p.setBold(true);
            layout.StampaRiga(text, answer);
            const std::vector<PrintedLine>& lines = p.log.lines;
            QCOMPARE(int(lines.size()), justifiedLines + 3);
            QStringList read;
            for (int i = 0; i <= justifiedLines; ++i) {
                QCOMPARE(lines[i].y, float(i) * (4 + 0.7f));
                QCOMPARE(lines[i].x, 10.0f);
                QVERIFY(i == justifiedLines || (lines[i].width >= W && lines[i].width < W + Space));
                read << lines[i].text;
            }
            QCOMPARE(read.last(), lastLine);
            QCOMPARE(read.join(u' ').simplified(), text);
            verifyRow({lines.end() - 3, lines.end()}, Edge);
        }
    }
};

QTEST_GUILESS_MAIN(TestPrint)
#include "test_print.moc"
