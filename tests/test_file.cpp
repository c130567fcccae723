// The sheet file: the files of tests/data written byte for byte and read back, round trips, the
// reader's summary rules and its located messages, the texts the file cannot carry, and the
// diskette copy from a source that fails (a full disk is tried through the window).
#include "entry/answers.h"
#include "file/codec.h"
#include "file/reader.h"
#include "file/writer.h"
#include "support/core_controls.h"
#include "support/core_failing_device.h"
#include "support/core_file_access.h"
#include "support/core_full_disk.h"
#include "support/core_sheets.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

// A sheet wired to the answer rules, as the window has it.
struct RuledSheet {
    Sheet sheet;
    AnswerRules answers{sheet};
};

LoadResult load(Sheet& sheet, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadSheet(sheet, buffer);
}

// A file of the three opening lines and then `lines`.
QByteArray summary(const QByteArray& lines) {
    return "<BODY>\r\n<RIEPILOGO_FINALE>\r\nDATI GENERALI\r\n" + lines;
}

// Each file of tests/data written by hand from the format, and the edits of a fresh sheet that
// give its sheet (see fixture::edit).
const std::pair<const char*, const char*> SheetFiles[] = {
    {"worked_example.xml", "g0=Alfa S.p.A.|g1=12345678901|g2=31|g3=12|g4=2005|o0=1|o3=1|n0"},
    {"fresh_sheet.xml", ""},
    {"empty_sheet.xml", "t45|t49|t53|t54|t56|t58"}, // "- Non compilare" emptied too
    {"full_sheet.xml", "full"},
    {"negative_indicator.xml", "t42=-1500"},
    {"day_only.xml", "g2=31"},
    {"options_only.xml", "o1=1|o3=1|o6=1|o12=1"},
};

} // namespace

class TestFile : public QObject {
    Q_OBJECT
private slots:
    // Each sheet writes its file byte for byte; read into a full sheet, the file gives the sheet
    // back, which writes the same bytes again.
    void handWrittenFiles() {
        for (const auto& [file, edits] : SheetFiles) {
            const QByteArray bytes = fixture::readData(QString::fromLatin1(file));
            RuledSheet expected, loaded;
            fixture::edit(expected.sheet, QString::fromUtf8(edits));
            QVERIFY(sheetFileBytes(expected.sheet) == bytes);
            if (edits == QLatin1String("full")) { // "é" comes back as "è", "o'" as "ò"
                expected.sheet.setText(general(8), u"Revisori è perchè Niccolò S.r.l."_qs);
                expected.sheet.setText(general(10), u"  ÀÈÉÌÒÙ Rossi d'Amico pò"_qs);
            }
            fixture::fillFullSheet(loaded.sheet);
            loaded.sheet.NessunaModifica = false;
            QCOMPARE(CaricaFileXml(loaded.sheet, fixture::dataPath(file)).message, QString());
            QVERIFY(loaded.sheet.holdsSameAs(expected.sheet));
            QVERIFY(sheetFileBytes(loaded.sheet) == bytes);
        }
    }

    // Texts made of the format's own characters, and each option box, come back as they were.
    void roundTrips() {
        const char16_t* const texts[] = {
            u"  blanks  ",        u"-",   u" - ",     u"F8 - Si", u"QUESTIONARIO", u"<CAMPO &",
            u"ÀÈÉÌÒÙ € l'Aquila", u"--1", u"1.234,5 "};
        for (int box = 0; box < OptionBoxCount; ++box) {
            RuledSheet s, loaded;
            for (Control c : {general(0), general(11), text1(27), text1(50)})
                s.sheet.setText(c, QString::fromUtf16(texts[box % std::size(texts)]));
            s.sheet.setValue(option(box), 1);
            QCOMPARE(load(loaded.sheet, sheetFileBytes(s.sheet)).message, QString());
            QVERIFY(loaded.sheet.holdsSameAs(s.sheet));
        }
    }

    void summaryRules() {
        RuledSheet s;
        QCOMPARE(load(s.sheet, summary("F8 - Tutti\r\nF11 - S&&P/MIB\n\r\nQUESTIONARIO\n0 - Si\r\n"
                                       "0 - No\r\n26 - Altro\r\n\r\n25 - Euro\r\n24 - forse\r\n"
                                       "42 -   -3,5 \r\n43 - 1>2\r\n41 - Si\r\n"))
                     .message,
                 QString());
        QVERIFY(s.sheet.option(0) && s.sheet.option(9)); // an unknown caption ticks box 0
        QCOMPARE(s.sheet.value(si(0)), 1);               // both stay ticked, "No" wins
        const QStringList answers{RispostaDomanda(s.sheet, 0),  RispostaDomanda(s.sheet, 26),
                                  RispostaDomanda(s.sheet, 25), RispostaDomanda(s.sheet, 24),
                                  s.sheet.indicator(42),        RispostaDomanda(s.sheet, 41)};
        // "Euro" ticks the first box in any row; nothing is read from the line with ">" on.
        QCOMPARE(answers, (QStringList{"No", "Altro", "Si", "", "  -3,5 ", ""}));
    }

    // One message naming the line; the sheet and its flags as before the read.
    void malformedFiles() {
        const QByteArray longLine = "1 - " + QByteArray(60, 'a') + "\r\n";
        const int lines = (10 << 20) / int(longLine.size());
        // After the opening lines and "0 - Alfa": the rest, the line named, what the message says.
        const std::tuple<QByteArray, int, QString> cases[] = {
            {"12 - x\r\n", 5, "la casella 12 dei dati generali non esiste"},
            {"QUESTIONARIO\r\n0 - Si\r\n85 - Si", 7, "l'elemento 85 del"},
            {"QUESTIONARIO\r\n99999999999999999999 - 1", 6, "l'elemento 999999999999... del"},
            {"QUESTIONARIO\r\n999999999999 - 1", 6, "l'elemento 999999999999 del"},
            {"QUESTIONARIO\r\nx - Si\r\n", 6, "non c'è il numero di un elemento"},
            {"1 12345678901\r\n", 5, "manca il trattino"},
            {QByteArray(2 << 20, 'x') + "\r\nQUESTIONARIO", 5, "troppo lunga"},
            {longLine.repeated(lines), 4 + lines, "senza la riga \"QUESTIONARIO\""},
            {{}, 1, "vuoto"}}; // an empty file
        Sheet full;
        fixture::fillFullSheet(full);
        for (const auto& [rest, line, what] : cases) {
            const QByteArray bytes = rest.isNull() ? QByteArray() : summary("0 - Alfa\r\n" + rest);
            for (bool unchanged : {true, false}) {
                RuledSheet s;
                fixture::fillFullSheet(s.sheet);
                s.sheet.NessunaModifica = unchanged;
                const LoadResult result = load(s.sheet, bytes);
                QCOMPARE(result.outcome, LoadResult::Outcome::Failed);
                QCOMPARE(result.title, u"Verimoda");
                QVERIFY2(result.message.startsWith(u"Errore nel file alla riga "_qs +
                                                   QString::number(line) + ":\r\n") &&
                             result.message.contains(what),
                         qPrintable(result.message));
                QCOMPARE(s.sheet.NessunaModifica, unchanged);
                QVERIFY(!s.sheet.CaricamentoInCorso);
                QVERIFY(s.sheet.holdsSameAs(full));
            }
        }
    }

    // No file, a folder or a pipe (which could block for ever): the sheet and its flags untouched.
    void filesThatCannotBeOpened() {
        QTemporaryDir dir;
        QStringList paths{dir.filePath(u"absent.xml"_qs), dir.path()};
        if (const QString fifo = dir.filePath(u"pipe.xml"_qs); makePipe(fifo))
            paths << fifo;
        for (const QString& path : paths) {
            Sheet s;
            s.setText(text1(30), u"5"_qs);
            s.NessunaModifica = false;
            QCOMPARE(CaricaFileXml(s, path).outcome, LoadResult::Outcome::Missing);
            QVERIFY(s.indicator(30) == u"5" && !s.NessunaModifica && !s.CaricamentoInCorso);
        }
    }

    // Every byte reads as Windows-1252 has it (the five unused ones as the C1 control of the same
    // number, as the systems do) and writes back as itself; no other code unit fits.
    void codePage() {
        const QString high = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_qs;
        QByteArray bytes;
        QString expected;
        for (int b = 0; b < 256; ++b) {
            bytes.append(char(b));
            expected += b >= 0x80 && b < 0xA0 ? high[b - 0x80] : QChar(b);
        }
        QCOMPARE(decodeCodePage(bytes), expected);
        QCOMPARE(encodeCodePage(expected), bytes);
        for (char16_t u = 1; u != 0; ++u)
            QVERIFY2(QChar::isSurrogate(u) ||
                         fitsCodePage(QStringView(&u, 1)) == expected.contains(QChar(u)),
                     qPrintable(QString::number(u, 16)));
    }

    // Stopped before anything is written, named with its page and box, the focus there.
    void textsTheFileCannotCarry() {
        Sheet full; // accents, "&", "'" and "-" are all fine, and ">" in a general text
        fixture::edit(full, u"full|g8=a > b"_qs);
        QVERIFY(!checkFileTexts(full));
        // The longest texts a summary line takes, "0 - " or "42 - " before them.
        const QString longest(MaxLineLength - 4, u'x'), accents((MaxLineLength - 4) / 2, u'à');
        const std::tuple<Control, QString, int, QString, QString> cases[] = {
            // box, text, page, the field named, what the message says of the text
            {general(6), u"0中"_qs, 0, generalCaption(3), u"\"中\""_qs}, // a date names its field
            {text1(60), u"12😀"_qs, 6, itemText(60), u"\"😀\" (U+1F600)"_qs},
            {text1(42), u"12>3"_qs, 4, itemText(42), u"\">\""_qs}, // would end the summary early
            {general(0), longest + u'x', 0, generalCaption(0), u"troppo lungo"_qs},
        };
        for (const auto& [box, text, page, named, said] : cases) {
            Sheet sheet;
            sheet.setText(box, text);
            const Problem problem = checkFileTexts(sheet).value();
            QVERIFY(problem.focus == box && problem.page == page);
            QVERIFY2(problem.message.startsWith("Verificare nel riquadro " + pageCaption(page) +
                                                "\r\n<" + named + ">\r\n") &&
                         problem.message.contains(said),
                     qPrintable(problem.message.left(200)));
        }
        Sheet sheet; // the first in keyboard order
        sheet.setText(text1(27), u"1>"_qs);
        sheet.setText(general(11), u"ł"_qs);
        QCOMPARE(checkFileTexts(sheet).value().message,
                 u"Verificare nel riquadro Dati Generali\r\n<Codice Fiscale del firmatario>\r\nil "
                 u"carattere \"ł\" (U+0142) non può essere scritto nel file: correggere il testo "
                 u"prima di salvare il file.");

        // What the check lets through, the reader takes back: the longest lines, CR LF or LF.
        for (const QString& text : {longest, accents}) {
            RuledSheet s, loaded;
            s.sheet.setText(general(0), text);
            QVERIFY(!checkFileTexts(s.sheet));
            QByteArray bytes = sheetFileBytes(s.sheet);
            QCOMPARE(load(loaded.sheet, bytes).message, QString());
            QCOMPARE(loaded.sheet.general(0), text);
            QCOMPARE(load(loaded.sheet, bytes.replace("\r\n", "\n")).message, QString());
        }
    }

    // A source that cannot be read to its end copies nothing to the diskette; a sheet file that
    // cannot be read to its end is a located failure.
    void devicesThatFail() {
        QTemporaryDir diskette;
        QVERIFY(!saveSheetFile(diskette.filePath(u"foglio.xml"_qs), "older"));
        FailingDevice source(fixture::readData(u"full_sheet.xml"_qs), 5000);
        const QString error =
            copyToDiskette(source, u"foglio.xml"_qs, diskette.path()).value_or(QString());
        QVERIFY2(error.contains(u"non può essere letto per intero"), qPrintable(error));
        QCOMPARE(fixture::contents(diskette.filePath(u"foglio.xml"_qs)), "older");

        // A file another program holds open (an antivirus scan, cloud sync): replaced where the
        // system lets it be (Linux); on Windows tried again for a moment, then one message, and
        // the old file as it was.
        {
            QFile holder(diskette.filePath(u"foglio.xml"_qs));
            QVERIFY(holder.open(QIODevice::ReadOnly));
            const std::optional<QString> held = saveSheetFile(holder.fileName(), "newer");
            QVERIFY2(!held || held->contains(u"aperto in un altro programma"),
                     qPrintable(held.value_or(QString())));
            QCOMPARE(fixture::contents(holder.fileName()), held ? "older" : "newer");
        }

        Sheet sheet;
        const QByteArray bytes = fixture::readData(u"full_sheet.xml"_qs);
        FailingDevice file(bytes, 100);
        const LoadResult result = loadSheet(sheet, file);
        QVERIFY2(result.line == bytes.left(100).count('\n') + 1 &&
                     result.message.contains(u"non può essere letto oltre"),
                 qPrintable(result.message));
    }

    // A file that cannot be written says why, and leaves nothing behind: a missing folder, a file
    // in the way of a folder, a folder in the way of the file, a read-only disk with a new or an
    // old file.
    void refusedSaves() {
        QTemporaryDir dir;
        FullDisk disk;
        const bool readOnly = disk.skipReason.isEmpty() &&
                              !saveSheetFile(disk.file(u"foglio.xml"_qs), "old") &&
                              disk.writeProtect();
        QVERIFY(!saveSheetFile(dir.filePath(u"file"_qs), "file"));
        const std::pair<QString, const char*> cases[] = {
            {dir.filePath(u"manca/foglio.xml"_qs), "\" non esiste."},
            {dir.filePath(u"file/foglio.xml"_qs), "\" non è una cartella."},
            {dir.path(), "Esiste già una cartella con questo nome."},
            {disk.file(u"nuovo.xml"_qs), "Non è permesso scrivere nella cartella scelta."},
            {disk.file(u"foglio.xml"_qs), "Il file esistente è protetto da scrittura."}};
        for (const auto& [path, reason] : cases) {
            if (path.startsWith(disk.path()) && !readOnly)
                continue; // no disk to make read-only here
            const QString message = saveSheetFile(path, "new").value_or(QString());
            QVERIFY2(message.endsWith(QString::fromUtf8(reason)), qPrintable(message));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"file"_qs});
        QVERIFY(!readOnly || fixture::contents(disk.file(u"foglio.xml"_qs)) == "old");
    }

    // A replaced file keeps its mode, and its owner and group when this process may set them
    // (root, as in CI): a user's read-only file stays readable by that user alone, a colleague's
    // file in a shared folder stays theirs. A new file gets the usual mode.
    void replacingKeepsAccess() {
        // The old file's mode (-1: no old file) and owner: a user's read-only file, a colleague's
        // shared file, a new file.
        const std::pair<int, uint> cases[] = {{0440, 1234}, {0664, 4321}, {-1, 0}};
        for (const auto& [mode, owner] : cases) {
            QTemporaryDir dir;
            const QString path = dir.filePath(u"foglio.xml"_qs);
            if (!accessOf(dir.path()))
                QSKIP("files have no modes or owners here: they take their folder's permissions");
            if (mode >= 0) {
                QVERIFY(!saveSheetFile(path, "old"));
                QVERIFY(setAccess(path, mode, owner));
            }
            QVERIFY(!saveSheetFile(path, "new"));
            QCOMPARE(fixture::contents(path), "new");
            const FileAccess access = accessOf(path).value();
            QCOMPARE(access.mode, mode >= 0 ? mode : newFileMode());
            if (mayChangeOwners() && mode >= 0)
                QCOMPARE(access.owner * 100000 + access.group, owner * 100000 + owner);
        }
    }

    // The name in the title and on the diskette: relative inside the program folder, else bare.
    void fileNames() {
        QCOMPARE(relativeFileName(u"/opt/vm/fogli/a.xml"_qs, u"/opt/vm/"_qs), u"fogli/a.xml");
        QCOMPARE(relativeFileName(u"/opt/vm2/a.xml"_qs, u"/opt/vm"_qs), u"a.xml");

        QTemporaryDir dir, diskette;
        const QString path = dir.filePath(u"sub/foglio.xml"_qs);
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_qs));
        QVERIFY(!saveSheetFile(path, "sheet"));
        QVERIFY(!saveSheetFile(diskette.filePath(u"foglio.xml"_qs), "older"));
        QVERIFY(!copyToDiskette(path, diskette.path())); // to the root, replacing the older one
        QCOMPARE(fixture::contents(diskette.filePath(u"foglio.xml"_qs)), "sheet");
        // No drive folder at all must not put the copy in the current folder.
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(copyToDiskette(path, QString()));
        QVERIFY(!QFile::exists(dir.filePath(u"foglio.xml"_qs)));
    }
};

QTEST_APPLESS_MAIN(TestFile)
#include "test_file.moc"
