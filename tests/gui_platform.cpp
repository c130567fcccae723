// The desktop platform: the program's folder installed or not, Qt's dialogs in Italian, and
// Qt's message box as the program sets it up.
#include "app/qt_platform.h"
#include "support/gui_window.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace verimoda;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::prepareTestApplication(); }

    // Installed, the program's folder is the user's own, made when first asked for; run from
    // anywhere else, it is the executable's folder, whoever can write where.
    void programFolder() {
        QTemporaryDir root;
        const QString bin = root.filePath("usr/bin"), documents = root.filePath("Documenti");
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(programFolderFor(bin, {root.filePath("opt"), bin}, documents),
                 documents + "/Verimoda");
        QVERIFY(QFileInfo(documents + "/Verimoda").isDir());
        // Through a link to the folder, where the system has such links.
        if (QFile::link(bin, root.filePath("bin")) && QFileInfo(root.filePath("bin")).isDir())
            QCOMPARE(programFolderFor(root.filePath("bin"), {bin}, documents),
                     documents + "/Verimoda");
        QCOMPARE(programFolderFor(root.path(), {bin}, documents), root.path());
        QCOMPARE(programFolderFor(bin, {}, documents), bin);
    }

    // Qt's file dialog in Italian: its texts, the sizes and dates of its list, its columns wide
    // enough for their headers; a cancel gives no name.
    void fileDialog() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("fogli"));
        QFile file(folder.filePath("foglio.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(12345, 'x')));
        file.close();
        QStringList seen;
        QTimer::singleShot(500, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* view = dialog->findChild<QTreeView*>();
            QHeaderView* header = view->header();
            for (int i = 0; i < header->count(); ++i) {
                const QString title = header->model()->headerData(i, Qt::Horizontal).toString();
                QVERIFY2(header->sectionSize(i) > header->fontMetrics().horizontalAdvance(title),
                         qPrintable(title));
            }
            seen << view->model()->index(0, 2, view->rootIndex()).data().toString(); // "fogli"
            const QModelIndex row = view->model()->index(1, 0, view->rootIndex());
            for (int column : {0, 1, 3}) // a file's type comes from the machine's MIME database
                seen << row.siblingAtColumn(column).data().toString();
            dialog->reject();
        });
        const QString name = QtPlatform().openFileName(
            nullptr, {"Apri file", "Xml File (*.xml);;Tutti i file (*)", folder.path()});
        QVERIFY(name.isEmpty());
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        // A folder's type: Qt's own word in Italian, or the system's (Windows names it itself).
        QVERIFY2(seen.takeFirst() != "Folder", "Qt's English word for a folder");
        QCOMPARE(seen, QStringList({"foglio.xml", italian.formattedDataSize(12345),
                                    italian.toString(QFileInfo(file).lastModified(),
                                                     QLocale::ShortFormat)}));
    }

    // The print dialog has no English left where Qt's translation stops short.
    void printDialog() {
        QStringList english;
        QTimer::singleShot(300, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            for (const QWidget* w : dialog->findChildren<QWidget*>()) {
                QString text = w->property("text").toString() + w->property("title").toString();
                if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
                    for (int i = 0; i < tabs->count(); ++i)
                        text += tabs->tabText(i);
                for (const char* word : {"Pages", "Double Sided", "Off", "binding"})
                    if (text == word || (qstrlen(word) > 3 && text.contains(word)))
                        english << text;
            }
            QMetaObject::invokeMethod(dialog, "reject");
        });
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!QtPlatform().printDialog(nullptr, printer));
        QCOMPARE(english, QStringList());
    }

    // A message as the user sees it: the lines apart, no markup read (a text may quote a file's
    // name or contents).
    void messageBox() {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->textFormat() == Qt::PlainText);
            QCOMPARE(box->text(), QStringLiteral("<b>uno</b>\ndue"));
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(QtPlatform().message(nullptr, QMessageBox::Question, QStringLiteral("Warning"),
                                      QStringLiteral("<b>uno</b>\r\ndue"),
                                      QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
    }
};

QTEST_MAIN(TestPlatform)
#include "gui_platform.moc"
