// The sheet file's bytes against files written from the format, the texts the file cannot carry,
// and the safe writing of the file and its diskette copy.
#include "entry/answers.h"
#include "file/writer.h"
#include "support/core_sheets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace verimoda;
using namespace Qt::StringLiterals;

// A write or copy that must succeed; shows its message when it does not.
#define VERIFY_DONE(expr)                                                                          \
    do {                                                                                           \
        const std::optional<QString> failure_ = (expr);                                            \
        QVERIFY2(!failure_, qPrintable(failure_.value_or(QString())));                             \
    } while (0)

namespace {

// "line 12: <got> / <expected>" for the first line that differs, to read a failure at a glance.
QByteArray firstDifference(const QByteArray& got, const QByteArray& expected) {
    const QList<QByteArray> a = got.split('\n'), b = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QByteArray x = i < a.size() ? a[i] : "<none>", y = i < b.size() ? b[i] : "<none>";
        if (x != y)
            return "line " + QByteArray::number(i + 1) + ": " + x + " / " + y;
    }
    return {};
}

Problem expectProblem(const Sheet& sheet) {
    const std::optional<Problem> problem = checkFileTexts(sheet);
    if (!problem)
        qFatal("no problem found");
    return *problem;
}

} // namespace

class TestWriter : public QObject {
    Q_OBJECT
private slots:
    void bytesOfSheets_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(fixture::sheetFiles().size()); ++i)
            QTest::newRow(fixture::sheetFiles()[i].file) << i;
    }
    void bytesOfSheets() {
        QFETCH(int, index);
        const QString file = QString::fromLatin1(fixture::sheetFiles()[index].file);
        Sheet sheet;
        AnswerRules rules(sheet);
        fixture::sheetFiles()[index].fill(sheet);
        const QByteArray expected = fixture::readData(file);
        const QByteArray got = sheetFileBytes(sheet);
        QVERIFY2(got == expected, firstDifference(got, expected).constData());
    }

    void textsTheFileCannotCarry_data() {
        QTest::addColumn<int>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        const auto general = int(Array::TEXT_GENERALE), indicator = int(Array::Text1);
        QTest::newRow("Polish letter")
            << general << 0 << u"Łódź S.p.A."_s << 0 << generalCaption(0) << u"\"Ł\""_s;
        QTest::newRow("month box names its date")
            << general << 6 << u"0中"_s << 0 << generalCaption(3) << u"\"中\""_s;
        QTest::newRow("line break")
            << general << 10 << u"Rossi\nMario"_s << 0 << generalCaption(6) << u"a capo"_s;
        QTest::newRow("emoji in an indicator")
            << indicator << 60 << u"12😀"_s << 6 << itemText(60) << u"\"😀\""_s;
        QTest::newRow("tag end in an indicator")
            << indicator << 42 << u"12>3"_s << 4 << itemText(42) << u"\">\""_s;
    }
    void textsTheFileCannotCarry() {
        QFETCH(int, array);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, page);
        QFETCH(QString, named);
        QFETCH(QString, reason);
        Sheet sheet;
        fixture::fillFullSheet(sheet);
        QVERIFY(!checkFileTexts(sheet)); // accents, "&", "'" and "-" are all fine
        const Control box{Array(array), index};
        sheet.setText(box, text);
        const Problem problem = expectProblem(sheet);
        QCOMPARE(problem.title, u"Errore"_s);
        QCOMPARE(problem.focus, box);
        QCOMPARE(problem.page, page);
        QVERIFY2(problem.message.startsWith(u"Verificare nel riquadro "_s + pageCaption(page) +
                                            u"\r\n<"_s + named + u">\r\n"_s),
                 qPrintable(problem.message));
        QVERIFY2(problem.message.contains(reason), qPrintable(problem.message));
    }

    void firstProblemInKeyboardOrder() {
        Sheet sheet;
        sheet.setText({Array::Text1, 27}, u"1>"_s);
        sheet.setText({Array::TEXT_GENERALE, 11}, u"ł"_s);
        sheet.setText({Array::TEXT_GENERALE, 8}, u"a > b"_s); // a general text may hold ">"
        QCOMPARE(expectProblem(sheet).focus, (Control{Array::TEXT_GENERALE, 11}));
        QCOMPARE(expectProblem(sheet).message,
                 u"Verificare nel riquadro Dati Generali\r\n<Codice Fiscale del firmatario>\r\n"
                 u"il carattere \"ł\" non può essere scritto nel file: correggere il testo prima "
                 u"di salvare il file."_s);
    }

    void savesAndReplaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"foglio.xml"_s);
        VERIFY_DONE(saveSheetFile(path, "first"));
        VERIFY_DONE(saveSheetFile(path, "second"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("second"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"foglio.xml"_s});
    }

    void failedSavesLeaveTheOldFile() {
        QTemporaryDir dir;
        const QString missingFolder = dir.filePath(u"nessuna/foglio.xml"_s);
        std::optional<QString> error = saveSheetFile(missingFolder, "x");
        QVERIFY(error);
        QVERIFY(error->startsWith(u"Impossibile scrivere il file \""_s));
        QVERIFY2(error->contains(u"non esiste"_s), qPrintable(*error));
        QVERIFY(!QFile::exists(missingFolder));

        const QString folderTarget = dir.filePath(u"cartella"_s);
        QVERIFY(QDir(dir.path()).mkdir(u"cartella"_s));
        error = saveSheetFile(folderTarget, "x");
        QVERIFY(error);
        QVERIFY(QFileInfo(folderTarget).isDir());

        // A disk that fills up halfway: a file size limit makes the write fail like a full disk.
        const QString path = dir.filePath(u"foglio.xml"_s);
        VERIFY_DONE(saveSheetFile(path, "old sheet"));
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        error = saveSheetFile(path, QByteArray(64 * 1024, 'x'));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(error);
        QVERIFY2(error->contains(u"disco potrebbe essere pieno"_s), qPrintable(*error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old sheet"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"foglio.xml"_s});
    }

    void relativeName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("in the folder") << u"/opt/vm/a.xml"_s << u"/opt/vm"_s << u"a.xml"_s;
        QTest::newRow("trailing slash") << u"/opt/vm/a.xml"_s << u"/opt/vm/"_s << u"a.xml"_s;
        QTest::newRow("subfolder") << u"/opt/vm/fogli/a.xml"_s << u"/opt/vm"_s << u"fogli/a.xml"_s;
        QTest::newRow("elsewhere") << u"/home/anna/fogli/a.xml"_s << u"/opt/vm"_s << u"a.xml"_s;
        QTest::newRow("sibling with the same start")
            << u"/opt/vm2/a.xml"_s << u"/opt/vm"_s << u"a.xml"_s;
        QTest::newRow("root folder") << u"/a.xml"_s << u"/"_s << u"a.xml"_s;
        QTest::newRow("dotted path") << u"/opt/vm/../x/a.xml"_s << u"/opt/vm"_s << u"a.xml"_s;
    }
    void relativeName() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QCOMPARE(relativeFileName(path, folder), name);
    }

    void disketteCopy() {
        QTemporaryDir dir, diskette;
        const QString path = dir.filePath(u"sub/foglio.xml"_s);
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
        VERIFY_DONE(saveSheetFile(path, "sheet"));
        VERIFY_DONE(saveSheetFile(diskette.filePath(u"foglio.xml"_s), "older"));
        VERIFY_DONE(copyToDiskette(path, diskette.path()));
        QFile copy(diskette.filePath(u"foglio.xml"_s));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("sheet"));

        const std::optional<QString> error = copyToDiskette(path, dir.filePath(u"no-drive"_s));
        QVERIFY(error);
        QVERIFY2(error->startsWith(u"Impossibile copiare il file sul dischetto"_s),
                 qPrintable(*error));
        QVERIFY(copyToDiskette(dir.filePath(u"gone.xml"_s), diskette.path()));
        // No drive folder at all must not put the copy in the current folder.
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(copyToDiskette(path, QString()));
        QVERIFY(!QFile::exists(dir.filePath(u"foglio.xml"_s)));
    }
};

QTEST_APPLESS_MAIN(TestWriter)
#include "test_writer.moc"
