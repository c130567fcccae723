// The desktop platform: the program's folder installed or not, Qt's dialogs in Italian, and
// Qt's message box as the program sets it up.
#include "app/qt_platform.h"
#include "support/gui_window.h"

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
