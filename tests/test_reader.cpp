// Reading sheet files: the hand-written files, round trips through the writer, the summary's
// own rules, and one located message for every malformed file.
#include "entry/answers.h"
#include "entry/keys.h"
#include "file/reader.h"
#include "file/writer.h"
#include "support/core_sheets.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace verimoda;
using namespace Qt::StringLiterals;

namespace {

// A sheet wired to the answer and change rules, as the window has it.
struct RuledSheet {
    Sheet sheet;
    AnswerRules answers{sheet};
    ChangeRules changes{sheet};
};

LoadResult loadBytes(Sheet& sheet, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadSheet(sheet, buffer);
}

// The summary of a file: its three opening lines, then the given lines joined by CR LF.
QByteArray summary(const QByteArray& lines) {
    return "<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n" + lines;
}

// Writes `original`, reads the bytes back into a fresh sheet and returns what differs from
// `expected` (empty when the same).
QString roundTrip(const Sheet& original, const Sheet& expected) {
    RuledSheet loaded;
    const LoadResult result = loadBytes(loaded.sheet, sheetFileBytes(original));
    if (result.outcome != LoadResult::Outcome::Loaded)
        return result.message;
    return fixture::sheetDifference(loaded.sheet, expected);
}

QString roundTrip(const Sheet& sheet) {
    return roundTrip(sheet, sheet);
}

} // namespace

class TestReader : public QObject {
    Q_OBJECT
private slots:
    void handWrittenFiles_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(fixture::sheetFiles().size()); ++i)
            QTest::newRow(fixture::sheetFiles()[i].file) << i;
    }
    // Each file loads into its sheet and writes back to the same bytes.
    void handWrittenFiles() {
        QFETCH(int, index);
        const QString file = QString::fromLatin1(fixture::sheetFiles()[index].file);
        RuledSheet expected, loaded;
        fixture::sheetFiles()[index].fill(expected.sheet);
        if (file == u"full_sheet.xml") {
            // What the format changes: "é" comes back as "è", a vowel before an apostrophe
            // comes back accented.
            expected.sheet.setText({Array::TEXT_GENERALE, 8},
                                   u"Revisori è perchè Niccolò S.r.l."_s);
            expected.sheet.setText({Array::TEXT_GENERALE, 10}, u"  ÀÈÉÌÒÙ Rossi d'Amico pò"_s);
        }
        fixture::fillFullSheet(loaded.sheet); // everything must go first
        loaded.sheet.NessunaModifica = false;
        const LoadResult result = CaricaFileXml(loaded.sheet, fixture::dataPath(file));
        QCOMPARE(result.outcome, LoadResult::Outcome::Loaded);
        QVERIFY(result.message.isEmpty());
        QCOMPARE(fixture::sheetDifference(loaded.sheet, expected.sheet), QString());
        QVERIFY(loaded.sheet.NessunaModifica);
        QVERIFY(!loaded.sheet.CaricamentoInCorso);
        QVERIFY(sheetFileBytes(loaded.sheet) == fixture::readData(file));
    }

    void everyBoxRoundTrips() {
        for (int i = 0; i < ItemCount; ++i) {
            if (!isQuestionRow(i))
                continue;
            for (Array box : {Array::Check_SI, Array::Check_NO, Array::Check_NA}) {
                RuledSheet s;
                s.sheet.setValue({box, i}, 1);
                QVERIFY2(roundTrip(s.sheet).isEmpty(), qPrintable(controlName({box, i})));
            }
        }
        for (int box = 0; box < OptionBoxCount; ++box) {
            RuledSheet s;
            s.sheet.setValue({Array::Check_FRAME_GENERALE, box}, 1);
            QCOMPARE(roundTrip(s.sheet), QString());
        }
        RuledSheet full;
        fixture::fillFullSheet(full.sheet);
        full.sheet.setText({Array::TEXT_GENERALE, 8}, u"S.r.l."_s); // no "é", no apostrophe
        full.sheet.setText({Array::TEXT_GENERALE, 10}, u"Rossi"_s);
        QCOMPARE(roundTrip(full.sheet), QString());
    }

    void textsRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("back");
        const auto same = [](const char16_t* t) {
            QTest::newRow(QString::fromUtf16(t).toUtf8())
                << QString::fromUtf16(t) << QString::fromUtf16(t);
        };
        same(u"Società Perù - Forlì");
        same(u"  blanks before and after  ");
        same(u"-");
        same(u"a - b - c");
        same(u" - ");
        same(u"F8 - Si");
        same(u"QUESTIONARIO");
        same(u"<CAMPO> & \"quotes\" > tags");
        same(u"ÀÈÉÌÒÙ € l'Aquila E'");
        QTest::newRow("acute accent") << u"perché"_s << u"perchè"_s;
        QTest::newRow("vowel and apostrophe") << u"po' d'oro un'amica"_s << u"pò d'oro un'amica"_s;
    }
    void textsRoundTrip() {
        QFETCH(QString, text);
        QFETCH(QString, back);
        for (int box : {0, 3, 11}) {
            RuledSheet s, expected;
            s.sheet.setText({Array::TEXT_GENERALE, box}, text);
            expected.sheet.setText({Array::TEXT_GENERALE, box}, back);
            QCOMPARE(roundTrip(s.sheet, expected.sheet), QString());
        }
    }

    void amountsRoundTrip() {
        const char16_t* const amounts[] = {
            u"-1500", u"--1", u"  7", u"1.234.567,89 ", u"0", u"-0,5", u"12,5", u"100,00", u" "};
        for (const char16_t* amount : amounts) {
            RuledSheet s;
            for (int i : {27, 42, 50, 66})
                s.sheet.setText({Array::Text1, i}, QString::fromUtf16(amount));
            QCOMPARE(roundTrip(s.sheet), QString());
        }
    }

    void summaryRules() {
        RuledSheet s;
        QList<bool> loadingSeen;
        connect(&s.sheet, &Sheet::valueChanged, this,
                [&] { loadingSeen << s.sheet.CaricamentoInCorso; });
        const LoadResult result = loadBytes(
            s.sheet, summary("F8 - Tutti\r\nF11 - S&&P/MIB\n\r\n"
                             "QUESTIONARIO\n0 - Si\r\n0 - No\r\n26 - Altro\r\n\r\n25 - Euro\r\n"
                             "24 - forse\r\n42 -   -3,5 \r\n"
                             "</RIEPILOGO_FINALE>\r\n41 - Si\r\n<damaged tagged part"));
        QCOMPARE(result.outcome, LoadResult::Outcome::Loaded);
        QCOMPARE(s.sheet.option(0), 1); // an unknown caption ticks box 0
        QCOMPARE(s.sheet.option(9), 1);
        // Both boxes of row 0 stay ticked while loading; "No" wins the answer.
        QCOMPARE(s.sheet.value({Array::Check_SI, 0}), 1);
        QCOMPARE(RispostaDomanda(s.sheet, 0), u"No"_s);
        QCOMPARE(RispostaDomanda(s.sheet, 26), u"Altro"_s);
        QCOMPARE(RispostaDomanda(s.sheet, 25), u"Si"_s); // "Euro" ticks the first box anywhere
        QCOMPARE(RispostaDomanda(s.sheet, 24), QString());
        QCOMPARE(s.sheet.indicator(42), u"  -3,5 "_s);
        QCOMPARE(RispostaDomanda(s.sheet, 41), QString()); // after the summary's end
        QVERIFY(!loadingSeen.isEmpty() && !loadingSeen.contains(false));

        // A file that is nothing but the summary, without any tag, loads too.
        QCOMPARE(loadBytes(s.sheet, summary("QUESTIONARIO\r\n45 - 0")).outcome,
                 LoadResult::Outcome::Loaded);
        QCOMPARE(s.sheet.indicator(45), u"0"_s);
        QCOMPARE(s.sheet.option(0), 0);
    }

    void malformedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("what");
        QTest::newRow("empty file") << QByteArray() << 1 << u"vuoto"_s;
        QTest::newRow("three lines only")
            << QByteArray("<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n") << 3
            << u"senza la riga \"QUESTIONARIO\""_s;
        QTest::newRow("no QUESTIONARIO") << summary("0 - Alfa\r\n1 - QUESTIONARIO\r\n") << 5
                                         << u"senza la riga \"QUESTIONARIO\""_s;
        QTest::newRow("box 12") << summary("0 - Alfa\r\n12 - x\r\nQUESTIONARIO\r\n") << 5
                                << u"la casella 12 dei dati generali non esiste"_s;
        QTest::newRow("item 85") << summary("0 - Alfa\r\nQUESTIONARIO\r\n0 - Si\r\n85 - Si\r\n")
                                 << 7 << u"l'elemento 85 del questionario non esiste"_s;
        QTest::newRow("huge item") << summary("QUESTIONARIO\r\n99999999999999999999 - 1\r\n") << 5
                                   << u"l'elemento 999999999999... del"_s;
        QTest::newRow("x - Si") << summary("QUESTIONARIO\r\nx - Si\r\n") << 5
                                << u"non c'è il numero di un elemento"_s;
        QTest::newRow("text line without dash")
            << summary("0 - Alfa\r\n1 12345678901\r\n") << 5 << u"manca il trattino"_s;
        QTest::newRow("option line without dash")
            << summary("F8 Si\r\n") << 4 << u"manca il trattino"_s;
        QTest::newRow("item line without dash")
            << summary("QUESTIONARIO\r\n0 Si\r\n") << 5 << u"manca il trattino"_s;
        QTest::newRow("dash first")
            << summary("- Alfa\r\n") << 4 << u"non c'è il numero di una casella"_s;
        QTest::newRow("binary bytes") << QByteArray("\x00\xff\r\n\x01\x02\n\x80\x81\x8d\r\n"
                                                    "\xfe\x00\xfe\r\n",
                                                    18)
                                      << 4 << u"manca il trattino"_s;
        QTest::newRow("line over the limit")
            << summary(QByteArray(2 << 20, 'x') + "\r\nQUESTIONARIO\r\n") << 4 << u"troppo lunga"_s;
        // Ten megabytes of general lines and no QUESTIONARIO line: read to the end, in one go.
        QByteArray big = summary({});
        const QByteArray line = "0 - " + QByteArray(60, 'a') + "\r\n";
        const int count = 10 * 1024 * 1024 / line.size();
        big.reserve(big.size() + count * line.size());
        for (int i = 0; i < count; ++i)
            big += line;
        QTest::newRow("10 MB") << big << 3 + count << u"senza la riga \"QUESTIONARIO\""_s;
    }
    void malformedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, what);
        for (bool unchanged : {true, false}) {
            RuledSheet s;
            s.sheet.NessunaModifica = unchanged;
            const LoadResult result = loadBytes(s.sheet, bytes);
            QCOMPARE(result.outcome, LoadResult::Outcome::Failed);
            QCOMPARE(result.line, qint64(line));
            QCOMPARE(result.title, u"Verimoda"_s);
            QVERIFY2(result.message.startsWith(u"Errore nel file alla riga "_s +
                                               QString::number(line) + u":\r\n"_s),
                     qPrintable(result.message));
            QVERIFY2(result.message.contains(what), qPrintable(result.message));
            QVERIFY(!s.sheet.CaricamentoInCorso);
            QCOMPARE(s.sheet.NessunaModifica, unchanged);
        }
    }

    void failedReadKeepsEarlierLines() {
        RuledSheet s;
        fixture::fillFullSheet(s.sheet);
        const LoadResult result =
            loadBytes(s.sheet, summary("0 - Alfa\r\nF9 - IAS\r\nQUESTIONARIO\r\n1 - No\r\n"
                                       "2 - Forse\r\n3 Si\r\n4 - Si\r\n"));
        QCOMPARE(result.line, 9LL);
        RuledSheet expected;
        fixture::clearSheet(expected.sheet);
        expected.sheet.setText({Array::TEXT_GENERALE, 0}, u"Alfa"_s);
        expected.sheet.setValue({Array::Check_FRAME_GENERALE, 3}, 1);
        expected.sheet.setValue({Array::Check_NO, 1}, 1);
        QCOMPARE(fixture::sheetDifference(s.sheet, expected.sheet), QString());
    }

    void filesThatCannotBeRead() {
        QTemporaryDir dir;
        RuledSheet s;
        fixture::fillWorkedExample(s.sheet);
        s.sheet.NessunaModifica = false;
        const auto untouched = [&] {
            RuledSheet example;
            fixture::fillWorkedExample(example.sheet);
            return fixture::sheetDifference(s.sheet, example.sheet).isEmpty() &&
                   !s.sheet.NessunaModifica && !s.sheet.CaricamentoInCorso;
        };
        const QString fifo = dir.filePath(u"pipe.xml"_s);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString& path : {dir.filePath(u"absent.xml"_s), dir.path(), fifo}) {
            const LoadResult result = CaricaFileXml(s.sheet, path);
            QCOMPARE(result.outcome, LoadResult::Outcome::Missing);
            QCOMPARE(result.title, u"Errore"_s);
            QCOMPARE(result.message, u"ATTENZIONE: impossibile aprire il file.\r\n"
                                     u"Verificare che il nome del file sia corretto e che abbia\r\n"
                                     u"un'estenzione \"xml.\" Operazione annullata!!!"_s);
            QVERIFY(untouched());
        }
        if (geteuid() != 0) { // permissions do not stop the superuser
            const QString locked = dir.filePath(u"locked.xml"_s);
            QFile::copy(fixture::dataPath(u"full_sheet.xml"_s), locked);
            QVERIFY(QFile::setPermissions(locked, {}));
            const LoadResult result = CaricaFileXml(s.sheet, locked);
            QCOMPARE(result.outcome, LoadResult::Outcome::Failed);
            QVERIFY(result.message.startsWith(u"Impossibile leggere il file"_s));
            QVERIFY(untouched());
        }
        // A file that opens but fails when read: the process's own memory at address 0.
        if (QFile::exists(u"/proc/self/mem"_s)) {
            const LoadResult result = CaricaFileXml(s.sheet, u"/proc/self/mem"_s);
            QCOMPARE(result.outcome, LoadResult::Outcome::Failed);
            QCOMPARE(result.line, 1LL);
            QVERIFY2(result.message.contains(u"non può essere letto"_s),
                     qPrintable(result.message));
            QVERIFY(!s.sheet.NessunaModifica && !s.sheet.CaricamentoInCorso);
        }
    }
};

QTEST_APPLESS_MAIN(TestReader)
#include "test_reader.moc"
