// The desktop platform: the diskette drive found among the floppy folders and told ready by
// the mount table, and, end to end, Qt's message box and file dialogs as the program sets them
// up (Italian buttons, plain text, no default suffix, existing files only when opening).
#include "app/qt_platform.h"
#include "support/gui_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
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

    void disketteFolderIsTheFirstThatExists() {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("media/floppy")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("mnt/floppy")));
        const QStringList candidates{root.filePath(QStringLiteral("media/floppy0")),
                                     root.filePath(QStringLiteral("media/floppy")),
                                     root.filePath(QStringLiteral("mnt/floppy"))};
        QCOMPARE(disketteFolderAmong(candidates), candidates[1]);
        QCOMPARE(disketteFolderAmong(candidates.mid(0, 1)), QString());
        // A file of that name is no drive.
        QFile file(candidates[0]);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(disketteFolderAmong(candidates), candidates[1]);
        QCOMPARE(disketteCandidates().first(), QStringLiteral("/media/floppy0"));
    }

    void disketteIsReadyWhenMounted() {
        QTemporaryDir root;
        const QString drive = root.filePath(QStringLiteral("floppy 0"));
        QVERIFY(QDir().mkpath(drive));
        const QByteArray escaped = QFile::encodeName(drive).replace(' ', "\\040");
        const QByteArray mounted =
            "sysfs /sys sysfs rw 0 0\n/dev/fd0 " + escaped + " vfat rw 0 0\n";
        QCOMPARE(disketteState(drive, mounted), Platform::Diskette::Ready);
        QCOMPARE(disketteState(drive, "sysfs /sys sysfs rw 0 0\n/dev/fd0 " +
                                          QFile::encodeName(drive) + "x vfat rw 0 0\n"),
                 Platform::Diskette::NotReady);
        QCOMPARE(disketteState(drive, QByteArray()), Platform::Diskette::NotReady);
        QCOMPARE(disketteState(QString(), mounted), Platform::Diskette::Absent);
        QCOMPARE(disketteState(root.filePath(QStringLiteral("none")), mounted),
                 Platform::Diskette::Absent);
        // Through a link, as /media/floppy points at /media/floppy0.
        const QString link = root.filePath(QStringLiteral("floppy"));
        QVERIFY(QFile::link(drive, link));
        QCOMPARE(disketteState(link, mounted), Platform::Diskette::Ready);
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
            QCOMPARE(files->nameFilters(), QStringList{QStringLiteral("Xml File (*.xml)")});
            QVERIFY(!files->testOption(QFileDialog::DontConfirmOverwrite));
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

    // The open dialog takes only a file that exists; cancelling gives no name.
    void openDialog() {
        QtPlatform platform;
        QTemporaryDir folder;
        whenModal([](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(files->acceptMode(), QFileDialog::AcceptOpen);
            files->reject();
        });
        QCOMPARE(
            platform.openFileName(nullptr, {QStringLiteral("Apri file"),
                                            QStringLiteral("Xml File (*.xml)"), folder.path()}),
            QString());
    }
};

QTEST_MAIN(TestPlatform)
#include "gui_platform.moc"
