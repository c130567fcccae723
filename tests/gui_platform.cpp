// The desktop platform: the diskette drive found among the floppy folders and told ready by
// the mount table, and, end to end, Qt's message box, save dialog and print dialog as the program
// sets them up (Italian buttons, plain text, no default suffix, the PDF file offered).
#include "app/qt_platform.h"
#include "support/gui_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace verimoda;

namespace {

// Runs `act` on the modal dialog that the next call opens, once it is up.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        act(dialog);
    });
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::prepareTestApplication(); }

    // "A:" is the first floppy folder that exists (a file of that name is none); it is ready
    // when a file system is mounted there, also when the folder is a link to the mount point.
    void disketteDrive() {
        QTemporaryDir root;
        const QString drive = root.filePath(QStringLiteral("floppy 0")), link = drive + 'l';
        QVERIFY(QDir().mkpath(drive) && QFile::link(drive, link));
        QFile file(root.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(disketteFolderAmong(
                     {root.filePath(QStringLiteral("none")), file.fileName(), drive, link}),
                 drive);
        QCOMPARE(disketteFolderAmong({file.fileName()}), QString());

        const QByteArray point = QFile::encodeName(drive).replace(' ', "\\040");
        const QByteArray mounts = "sysfs /sys sysfs rw 0 0\n/dev/fd0 " + point + " vfat rw 0 0\n";
        QCOMPARE(disketteState(drive, mounts), Platform::Diskette::Ready);
        QCOMPARE(disketteState(link, mounts), Platform::Diskette::Ready);
        QCOMPARE(disketteState(drive, QByteArray(mounts).replace(" vfat", "x vfat")),
                 Platform::Diskette::NotReady);
        QCOMPARE(disketteState(QString(), mounts), Platform::Diskette::Absent);
        QCOMPARE(disketteState(file.fileName(), mounts), Platform::Diskette::Absent);
    }

    // The question as the user sees it: Italian buttons, the two lines, no markup read.
    void messageBox() {
        QtPlatform platform;
        QStringList buttons;
        QString text;
        whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                buttons << b->text().remove(QLatin1Char('&'));
            text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            QCOMPARE(box->textFormat(), Qt::PlainText);
            box->button(QMessageBox::No)->click();
        });
        const auto answer =
            platform.message(nullptr, QMessageBox::Question, QStringLiteral("Warning"),
                             QStringLiteral("<b>uno</b>\r\ndue"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(answer, QMessageBox::No);
        buttons.sort();
        QCOMPARE(buttons, QStringList({QStringLiteral("Annulla"), QStringLiteral("No"),
                                       QStringLiteral("Sì")}));
        QCOMPARE(text, QStringLiteral("<b>uno</b>\ndue"));

        whenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QCOMPARE(platform.message(nullptr, QMessageBox::Critical, QStringLiteral("Errore"),
                                  QStringLiteral("x"), QMessageBox::Ok),
                 QMessageBox::Ok);
    }

    // Qt's own save dialog in the folder given; a name typed without ".xml" stays as typed.
    void saveDialog() {
        QtPlatform platform;
        QTemporaryDir folder;
        whenModal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QVERIFY(files->testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(files->windowTitle(), QStringLiteral("Salva file"));
            QCOMPARE(files->directory().absolutePath(), QDir(folder.path()).absolutePath());
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QStringLiteral("foglio"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString name =
            platform.saveFileName(nullptr, {QStringLiteral("Salva file"),
                                            QStringLiteral("Xml File (*.xml)"), folder.path()});
        QCOMPARE(name, QDir(folder.path()).absoluteFilePath(QStringLiteral("foglio")));
    }

    // Qt's print dialog printing to a PDF file, as on a machine without printers: the file box
    // shows the file the program offers; a file that cannot be written is refused by the dialog
    // itself, which stays open for another name.
    void printDialogToPdf_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable") << QStringLiteral("foglio.pdf") << true;
        QTest::newRow("missing folder") << QStringLiteral("manca/foglio.pdf") << false;
    }
    void printDialogToPdf() {
        QFETCH(QString, name);
        QFETCH(bool, writable);
        QtPlatform platform;
        QTemporaryDir folder;
        const QString file = folder.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(file);
        QString shown, refusal;
        whenModal([&](QWidget* dialog) {
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            QVERIFY(printers);
            printers->setCurrentIndex(printers->count() - 1); // the PDF file, after any printer
            shown = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
            if (!writable)
                whenModal([&](QWidget* box) {
                    refusal = qobject_cast<QMessageBox*>(box)->text();
                    box->close();
                });
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            if (dialog->isVisible())
                qobject_cast<QDialog*>(dialog)->reject();
        });
        QCOMPARE(platform.printDialog(nullptr, printer), writable);
        QCOMPARE(shown, file);
        QVERIFY2(writable == refusal.isEmpty(), qPrintable(refusal));
        QVERIFY(writable || refusal.contains(file));
        QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(printer.outputFileName(), file);
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TestPlatform)
#include "gui_platform.moc"
