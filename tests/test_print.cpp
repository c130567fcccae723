// The printed sheet on a printer with fixed metrics (bold 10 points: a character 2 units wide, a
// space 1.5, a line 4 high): page 1, the page plan, leaders and answers, line breaking and
// justification, also of texts too long for any line.
#include "entry/answers.h"
#include "print/layout.h"
#include "print/wrap.h"
#include "support/core_controls.h"
#include "support/core_recording_printer.h"
#include "support/core_sheets.h"

#include <QFile>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;
using namespace Qt::StringLiterals;

namespace {

constexpr float Edge = 197, W = 164;
const float Space = RecordingPrinter::spaceWidth(10, true);

// Text, leader and answer of an item row: the leader ends 1 unit before where an answer ending
// at the edge would start (by less than one of its dots beyond); the answer ends at `answerEnd`, or
// follows a single dot when it is too wide for any leader.
void verifyRow(const std::vector<PrintedLine>& r, float answerEnd) {
    QCOMPARE(r.size(), size_t(3));
    if (r[0].right() + 1 >= Edge - r[2].width - 1)
        QCOMPARE(r[1].text, u".");
    else
        QVERIFY(r[1].filler() && r[1].x == r[0].right() && r[1].right() >= Edge - r[2].width - 1 &&
                r[1].right() - r[1].width / float(r[1].text.size()) < Edge - r[2].width - 1);
    QVERIFY(r[2].bold && r[2].right() == answerEnd);
}

// Each printed line as page, place, size, "b" when bold, text; a run of n dots or underscores as
// "...(n)" or "___(n)".
QString printed(const RecordingPrinter& log) {
    QString out;
    for (const PrintedLine& l : log.lines)
        out += u"%1 %2,%3 %4%5 %6\n"_s.arg(l.page).arg(l.x).arg(l.y).arg(l.size).arg(
            l.bold ? "b" : "",
            l.filler() ? l.text.left(3) + u'(' + QString::number(l.text.size()) + u')' : l.text);
    return out;
}

// n words "parola", each 12 wide: 13.5 n - 1.5 in all.
QString words(int n) {
    return QStringList(n, QStringLiteral("parola")).join(u' ');
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    // The six pages of a full sheet whose name is wider than page 1, with a partial date, two
    // option boxes ticked in one group (the first counts) and an unanswered row, line by line as
    // tests/data/printed_sheet.txt has them: on page 1 the leaders run from each label to its
    // value at the right edge, a value too wide for its label's line goes below, broken between
    // words and right-aligned; on pages 2-6 item texts start at 10 (item 26 at 0, its answer 1
    // short of the edge), justified to 164, headings to 174 and a gap below them, leaders end 1
    // before the answer, the dots of an unanswered row at the edge. VERIMODA_WRITE_PRINTED=1
    // writes the file anew from the program.
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
        QVERIFY(p.pages == 6 && p.ended);
        const QString path = fixture::dataPath(u"printed_sheet.txt"_qs);
        if (qEnvironmentVariableIntValue("VERIMODA_WRITE_PRINTED")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(printed(p).toUtf8()) > 0);
        }
        const QStringList expected = QString::fromUtf8(fixture::contents(path)).split(u'\n');
        const QStringList lines = printed(p).split(u'\n');
        for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i)
            QCOMPARE(lines.value(i), expected.value(i));
    }

    // An item row: the justified lines, then the last line with its leader and answer.
    void wrappingOfAnItem() {
        const QString exact = // 70 letters and 16 spaces: 164 wide
            (QStringList(16, QStringLiteral("xxxx")) << QStringLiteral("xxxxxx")).join(u' ');
        const QString longWord = QString(90, u'x') + u' ' + words(3);
        const QString exactWord = QString(82, u'x') + u' ' + words(1);
        // Text, answer, justified lines before the last line, last line.
        const std::tuple<QString, QString, int, QString> cases[] = {
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
            const std::vector<PrintedLine>& lines = p.lines;
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
