// "Genera", "Salva temp." and "Leggi" end to end: the window with the fake answering the dialogs,
// the files really written and read in the fake's program folder, compared byte for byte with the
// files in tests/data.
#include "support/core_controls.h"
#include "support/core_sheets.h"
#include "support/gui_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;

namespace {

const QString Title = QStringLiteral("Ardenza - Verimoda v. 2.1");
const QString Save = QStringLiteral("save Salva file");
const QString Open = QStringLiteral("open Apri file");
const QString Question = QStringLiteral("message Warning");
const QString Failure = QStringLiteral("message Verimoda");
const QString Stop = QStringLiteral("message Errore");
const QString Exit = QStringLiteral("exit");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

void trigger(Main& w, const char* item) {
    w.trayMenu()->findChild<QAction*>(QLatin1String(item))->trigger();
}

void minimise(Main& w) {
    w.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents(); // the window hides once the state change is done
}

// Every widget shows what the sheet holds.
QString widgetDifference(const Main& w) {
    for (int a = 0; a < int(Array::Command_Function); ++a)
        for (int i = 0; i < ItemCount; ++i) {
            const Control c{Array(a), i};
            if (!controlExists(c))
                continue;
            if (const QCheckBox* box = w.checkBox(c);
                box && box->isChecked() != w.sheet().ticked(c))
                return controlName(c);
            if (const QLineEdit* edit = w.textBox(c); edit && edit->text() != w.sheet().text(c))
                return controlName(c);
        }
    return {};
}

enum class Way { EsciButton, EsciMenu, CloseBox };

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    // A check that fails stops "Genera" before the drive, the dialog and the file; the window,
    // hidden when "Genera" came from the tray, comes back with the box to correct in front.
    void generationStopsAtACheck_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<Control>("focus");
        QTest::addColumn<int>("page");
        QTest::newRow("empty sheet, from the tray") << "empty" << true << general(0) << 0;
        QTest::newRow("31 April, from the tray") << "date" << true << general(2) << 0;
        QTest::newRow("row 5 unanswered") << "row" << false << si(5) << 1;
    }
    void generationStopsAtACheck() {
        QFETCH(QString, fault);
        QFETCH(bool, hidden);
        QFETCH(Control, focus);
        QFETCH(int, page);
        FakePlatform fake;
        fake.disketteState = Platform::Diskette::NotReady; // never asked
        const auto w = openWindow(fake);
        if (fault != "empty") {
            fixture::fillFullSheet(w->sheet());
            w->sheet().setText(general(3), QStringLiteral("04")); // 31/04/2005
            if (fault == "row") {
                w->sheet().setText(general(3), QStringLiteral("12"));
                for (Array a : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
                    w->sheet().setValue({a, 5}, 0);
            }
            w->showPage(7);
        }
        if (hidden)
            minimise(*w);
        trigger(*w, "MENU_GENERA");
        QCOMPARE(fake.journal, QStringList{Stop});
        QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
        QVERIFY(w->isVisible() && !w->isMinimized());
        QCOMPARE(w->focusWidget(), w->widgetFor(focus));
        QCOMPARE(w->currentPage(), page);
        QVERIFY(filesIn(fake.folder.path()).isEmpty());
        QCOMPARE(w->windowTitle(), Title);
    }

    // "Genera" on a complete sheet, by the state of drive A:. Not ready stops before the dialog;
    // otherwise the file is written, and a copy that cannot be made is reported after it.
    void generation_data() {
        QTest::addColumn<Platform::Diskette>("drive");
        QTest::addColumn<bool>("driveFolder");
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<QString>("message");
        const auto Ready = Platform::Diskette::Ready;
        const QString copyFailed = QStringLiteral("Impossibile copiare il file sul dischetto");
        QTest::newRow("ready") << Ready << true << QStringList{Save} << QString();
        QTest::newRow("absent") << Platform::Diskette::Absent << false << QStringList{Save, Failure}
                                << copyFailed;
        QTest::newRow("ready, copy fails")
            << Ready << false << QStringList{Save, Failure} << copyFailed;
        QTest::newRow("not ready")
            << Platform::Diskette::NotReady << true << QStringList{Stop}
            << QStringLiteral("Periferica non pronta. Verificare la presenza di un disco nel "
                              "driver A");
    }
    void generation() {
        QFETCH(Platform::Diskette, drive);
        QFETCH(bool, driveFolder);
        QFETCH(QStringList, journal);
        QFETCH(QString, message);
        FakePlatform fake;
        QTemporaryDir diskette;
        fake.disketteState = drive;
        fake.disketteRoot = driveFolder ? diskette.path() : diskette.filePath("gone");
        fake.saveNames = {fake.file(QStringLiteral("foglio.xml"))};
        const auto w = openWindow(fake);
        fixture::fillFullSheet(w->sheet());
        QVERIFY(!w->sheet().NessunaModifica);

        const bool written = w->ScriviFileXml(true);
        QCOMPARE(fake.journal, journal);
        QCOMPARE(written, drive != Platform::Diskette::NotReady);
        if (!message.isEmpty()) {
            QVERIFY2(fake.messages[0].text.startsWith(message), qPrintable(fake.messages[0].text));
            QCOMPARE(fake.messages[0].buttons, QMessageBox::Ok);
        }
        if (!written) {
            QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
            QVERIFY(filesIn(fake.folder.path()).isEmpty());
            QVERIFY(!w->sheet().NessunaModifica && w->windowTitle() == Title);
            return;
        }
        const FakePlatform::FileDialog& dialog = fake.saveDialogs[0];
        QCOMPARE(dialog.filter, QStringLiteral("Xml File (*.xml)"));
        QCOMPARE(dialog.folder, fake.folder.path());
        // Written whatever became of the copy: the title and the flag say so.
        const QByteArray expected = fixture::readData(QStringLiteral("full_sheet.xml"));
        QCOMPARE(contents(fake.file(QStringLiteral("foglio.xml"))), expected);
        QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - foglio.xml"));
        QVERIFY(w->sheet().NessunaModifica);
        QCOMPARE(w->sheet().NomeFileFoglio, fake.file(QStringLiteral("foglio.xml")));
        if (message.isEmpty())
            QCOMPARE(contents(diskette.filePath(QStringLiteral("foglio.xml"))), expected);
        else
            QVERIFY(
                fake.messages[0].text.contains(QDir::toNativeSeparators(fake.file("foglio.xml"))));
    }

    // "Salva temp." writes the sheet as it stands: no check, no drive test, no copy (a drive that
    // is not ready would say so).
    void temporarySaveNeverChecks() {
        FakePlatform fake;
        fake.disketteState = Platform::Diskette::NotReady;
        QVERIFY(QDir(fake.folder.path()).mkdir(QStringLiteral("fogli")));
        fake.saveNames = {fake.file(QStringLiteral("fogli/temp"))}; // no ".xml" added
        const auto w = openWindow(fake);
        click(w->widgetFor(button(1)));
        QCOMPARE(fake.journal, QStringList{Save});
        QCOMPARE(contents(fake.file(QStringLiteral("fogli/temp"))),
                 fixture::readData(QStringLiteral("fresh_sheet.xml")));
        QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - fogli/temp"));
    }

    // A cancelled dialog or a failed write leaves the title, the flag and the file last written
    // as they were; a failure says why in one message.
    void unfinishedSaves_data() {
        QTest::addColumn<bool>("genera");
        QTest::addColumn<QString>("target"); // "" cancels
        QTest::newRow("Genera, cancelled") << true << QString();
        QTest::newRow("Salva temp., cancelled") << false << QString();
        QTest::newRow("missing folder") << false << QStringLiteral("nessuna/foglio.xml");
        QTest::newRow("a folder") << true << QStringLiteral("cartella");
    }
    void unfinishedSaves() {
        QFETCH(bool, genera);
        QFETCH(QString, target);
        FakePlatform fake;
        QVERIFY(QDir(fake.folder.path()).mkdir(QStringLiteral("cartella")));
        const QString old = fake.file(QStringLiteral("vecchio.xml"));
        fake.saveNames = {old, target.isEmpty() ? QString() : fake.file(target)};
        const auto w = openWindow(fake);
        fixture::fillFullSheet(w->sheet());
        QVERIFY(w->ScriviFileXml(false));
        const QByteArray saved = contents(old);
        clickControl(*w, text1(27));
        QTest::keyClicks(w->widgetFor(text1(27)), QStringLiteral("9"));
        QVERIFY(!w->sheet().NessunaModifica);

        QVERIFY(!w->ScriviFileXml(genera));
        QCOMPARE(fake.journal, QStringList({Save, Save}) +
                                   (target.isEmpty() ? QStringList() : QStringList{Failure}));
        QCOMPARE(contents(old), saved);
        QCOMPARE(filesIn(fake.folder.path()), QStringList({"cartella", "vecchio.xml"}));
        QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - vecchio.xml"));
        QVERIFY(!w->sheet().NessunaModifica);
        QCOMPARE(w->sheet().NomeFileFoglio, old);
        if (target.isEmpty())
            return;
        const FakePlatform::Message& m = fake.messages[0];
        QCOMPARE(m.buttons, QMessageBox::Ok);
        QVERIFY2(m.text.startsWith(QStringLiteral("Impossibile scrivere il file \"")) &&
                     m.text.count(QStringLiteral("\r\n")) == 1,
                 qPrintable(m.text));
    }

    // A text the code page cannot hold, or a ">" that would cut the reader's summary short,
    // stops every write before the dialog, with the box in front.
    void textsTheFileCannotCarry_data() {
        QTest::addColumn<bool>("genera");
        QTest::addColumn<Control>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::newRow("Salva temp., signatory") << false << general(10) << "Łukasz Nowak" << 0;
        QTest::newRow("Genera, indicator") << true << text1(50) << "12,5 中" << 5;
        QTest::newRow("Salva temp., \">\"") << false << text1(43) << "1>2" << 5;
    }
    void textsTheFileCannotCarry() {
        QFETCH(bool, genera);
        QFETCH(Control, box);
        QFETCH(QString, text);
        QFETCH(int, page);
        FakePlatform fake;
        fake.saveNames = {fake.file(QStringLiteral("foglio.xml"))};
        const auto w = openWindow(fake);
        fixture::fillFullSheet(w->sheet());
        w->sheet().setText(box, text);
        w->showPage(7);
        QVERIFY(!w->ScriviFileXml(genera));
        QCOMPARE(fake.journal, QStringList{Stop});
        QCOMPARE(fake.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(w->focusWidget(), w->widgetFor(box));
        QCOMPARE(w->currentPage(), page);
        QVERIFY(filesIn(fake.folder.path()).isEmpty());
    }

    // Leaving with Yes writes the sheet and ends; a write that cannot be done keeps the program
    // open with its edits, and a later "Genera" checks again.
    void leavingSaves_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text"); // of box 0
        QTest::addColumn<QStringList>("journal");
        for (Way way : {Way::EsciButton, Way::EsciMenu, Way::CloseBox}) {
            const char* name = way == Way::EsciButton ? "Esci"
                               : way == Way::EsciMenu ? "menu Esci"
                                                      : "close box";
            QTest::addRow("%s, written", name)
                << way << "foglio.xml"
                << "Alfa S.p.A." << QStringList{Question, Save, Exit};
            QTest::addRow("%s, into a missing folder", name)
                << way << "no/foglio.xml"
                << "Alfa S.p.A." << QStringList{Question, Save, Failure};
            QTest::addRow("%s, unwritable text", name) << way << "foglio.xml"
                                                       << "Alfa ☃" << QStringList{Question, Stop};
        }
    }
    void leavingSaves() {
        QFETCH(Way, way);
        QFETCH(QString, target);
        QFETCH(QString, text);
        QFETCH(QStringList, journal);
        FakePlatform fake;
        fake.answers = {QMessageBox::Yes};
        fake.saveNames = {fake.file(target)};
        const auto w = openWindow(fake);
        fixture::fillWorkedExample(w->sheet());
        w->sheet().setText(general(0), text);

        if (way == Way::CloseBox)
            w->close();
        else if (way == Way::EsciButton)
            click(w->widgetFor(button(4)));
        else
            trigger(*w, "MENU_ESCI");
        QCOMPARE(fake.journal, journal);
        if (journal.last() == Exit) {
            QCOMPARE(contents(fake.file(target)),
                     fixture::readData(QStringLiteral("worked_example.xml")));
            return;
        }
        QVERIFY(filesIn(fake.folder.path()).isEmpty());
        QVERIFY(!w->sheet().NessunaModifica && !w->sheet().UscitaRichiesta);
        QCOMPARE(w->sheet().general(0), text);
    }

    // "Leggi" fills the window from a file: the texts with their accents, the ticked boxes,
    // also two in one row and greyed boxes that only a file can set.
    void readingShowsTheFile() {
        FakePlatform fake;
        QVERIFY(!naAvailable(0)); // its "N/A" is greyed
        QFile file(fake.file(QStringLiteral("letto.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fixture::readData(QStringLiteral("full_sheet.xml"))
                       .replace("\r\n</RIEPILOGO_FINALE>",
                                "\r\n0 - N/A\r\n1 - Si\r\n45 - 7\r\n</RIEPILOGO_FINALE>"));
        file.close();
        fake.openNames = {file.fileName(), fixture::dataPath(QStringLiteral("day_only.xml"))};
        fake.answers = {QMessageBox::No};
        const auto w = openWindow(fake);
        clickControl(*w, si(3));

        click(w->widgetFor(button(2)));
        QCOMPARE(fake.journal, QStringList({Question, Open}));
        const FakePlatform::FileDialog& dialog = fake.openDialogs[0];
        QCOMPARE(dialog.filter, QStringLiteral("Xml File (*.xml)"));
        QCOMPARE(dialog.folder, fake.folder.path());
        QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - letto.xml"));
        QVERIFY(w->sheet().NessunaModifica && !w->sheet().CaricamentoInCorso);
        QCOMPARE(w->sheet().NomeFileFoglio, file.fileName());
        QCOMPARE(widgetDifference(*w), QString());
        QCOMPARE(w->textBox(general(0))->text(),
                 QStringLiteral("Società Perù Costruzioni - Forlì S.p.A."));
        QVERIFY(w->checkBox(si(1))->isChecked() && w->checkBox(no(1))->isChecked());
        QVERIFY(w->checkBox(na(0))->isChecked() && !w->checkBox(na(0))->isEnabled());
        QVERIFY(w->textBox(text1(45))->text() == "7" && w->textBox(text1(45))->isReadOnly());
        QVERIFY(w->checkBox(option(9))->isChecked());

        // A second file replaces the first everywhere, without a question.
        click(w->widgetFor(button(2)));
        QCOMPARE(fake.journal.last(), Open);
        QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - day_only.xml"));
        QCOMPARE(widgetDifference(*w), QString());
        QVERIFY(!w->checkBox(si(0))->isChecked() && !w->checkBox(option(9))->isChecked());
        QCOMPARE(w->textBox(general(2))->text(), QStringLiteral("31"));
    }

    // A file that cannot be read: a missing one leaves the sheet as it was; a malformed one is
    // read up to the line named in the message. The title keeps its file either way.
    void readingFailures_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "Errore"
                                 << "ATTENZIONE: impossibile aprire il file.\r\nVerificare che il "
                                    "nome del file sia corretto e che abbia\r\nun'estenzione "
                                    "\"xml.\" Operazione annullata!!!";
        QTest::newRow("malformed")
            << QByteArray("<BODY>\r\n<R>\r\nDATI GENERALI\r\n0 - Beta\r\nQUESTIONARIO\r\n3 - "
                          "Si\r\nx - Si\r\n4 - Si\r\n")
            << "Verimoda"
            << "Errore nel file alla riga 7:";
    }
    void readingFailures() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        QFETCH(QString, message);
        FakePlatform fake;
        const QString path = fake.file(QStringLiteral("letto.xml"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        fake.saveNames = {fake.file(QStringLiteral("prima.xml"))};
        fake.openNames = {path};
        const auto w = openWindow(fake);
        QVERIFY(w->ScriviFileXml(false));
        clickControl(*w, no(7));

        trigger(*w, "MENU_LEGGI");
        QCOMPARE(fake.journal, QStringList({Save, Question})); // Cancel ends the read
        fake.journal.clear();
        fake.answers = {QMessageBox::No};
        trigger(*w, "MENU_LEGGI");
        QCOMPARE(fake.journal, QStringList({Question, Open, QStringLiteral("message ") + title}));
        const FakePlatform::Message& m = fake.messages.last();
        QCOMPARE(m.icon, QMessageBox::Critical);
        QVERIFY2(m.text.startsWith(message), qPrintable(m.text));
        QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - prima.xml"));
        QVERIFY(!w->sheet().NessunaModifica && !w->sheet().CaricamentoInCorso);
        // Missing: untouched. Malformed: cleared, then loaded up to the failing line.
        QCOMPARE(w->checkBox(no(7))->isChecked(), bytes.isEmpty());
        QCOMPARE(w->textBox(general(0))->text(), bytes.isEmpty() ? "" : "Beta");
        QCOMPARE(w->checkBox(si(3))->isChecked(), !bytes.isEmpty());
        QVERIFY(!w->checkBox(si(4))->isChecked());
        QCOMPARE(widgetDifference(*w), QString());
    }

    // Yes to the question saves first; the read goes on only when the save is done, so a save
    // that does not complete never lets a file replace the edits.
    void saveBeforeReading_data() {
        QTest::addColumn<QString>("save"); // "" cancels the save dialog
        QTest::addColumn<QStringList>("journal");
        QTest::newRow("saved, open cancelled")
            << QStringLiteral("salvato.xml") << QStringList({Question, Save, Open});
        QTest::newRow("save cancelled") << QString() << QStringList({Question, Save});
        QTest::newRow("save failed")
            << QStringLiteral("no/salvato.xml") << QStringList({Question, Save, Failure});
    }
    void saveBeforeReading() {
        QFETCH(QString, save);
        QFETCH(QStringList, journal);
        FakePlatform fake;
        fake.answers = {QMessageBox::Yes};
        fake.saveNames = {save.isEmpty() ? QString() : fake.file(save)};
        const auto w = openWindow(fake);
        fixture::fillNegativeIndicator(w->sheet());
        click(w->widgetFor(button(2)));
        QCOMPARE(fake.journal, journal);
        QCOMPARE(w->sheet().indicator(42), QStringLiteral("-1500"));
        const bool saved = journal.contains(Open);
        QCOMPARE(w->sheet().NessunaModifica, saved);
        if (saved) {
            QCOMPARE(w->sheet().NomeFileFoglio, QString());
            QCOMPARE(contents(fake.file(save)),
                     fixture::readData(QStringLiteral("negative_indicator.xml")));
            QCOMPARE(w->windowTitle(), Title + QStringLiteral(" - salvato.xml"));
        }
    }
};

QTEST_MAIN(TestFileCommands)
#include "gui_file.moc"
