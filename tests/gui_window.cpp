// The window as the user sees it: each item's text beside its control, no text clipped. The desktop
// platform under it: the program's folder installed or not, Qt's dialogs in Italian, and Qt's
// message box as the program sets it up.
#include "support/gui_window.h"
#include "app/qt_platform.h"
#include "app/tab_pages.h"
#include "support/core_controls.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace verimoda;
using namespace verimoda::test;

namespace {

QLabel* itemLabel(const Main& w, int i) {
    return w.findChild<QLabel*>(QLatin1String(isQuestionRow(i) ? "LABEL_CHECK_" : "LABEL_TEXT_") +
                                QString::number(i));
}

int pageOf(const Main& w, const QWidget* widget) {
    for (int p = 0; p < PageCount; ++p)
        if (w.tabPages()->page(p)->isAncestorOf(widget))
            return p;
    return -1;
}

// Where a widget stands on its page (in the page's content), for comparing positions.
QRect onPage(const Main& w, QWidget* widget) {
    QWidget* page = w.tabPages()->page(std::max(pageOf(w, widget), 0));
    return {widget->mapTo(static_cast<QScrollArea*>(page)->widget(), QPoint(0, 0)), widget->size()};
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    // The window with every page shown once, as the user would, so that each is laid out.
    void initTestCase() {
        w_ = openWindow(fake_);
        for (int p = PageCount - 1; p >= 0; --p) {
            w_->showPage(p);
            QCoreApplication::processEvents();
        }
    }

    // Each item's text stands on its page beside its control, and names it for assistive tools.
    void pagesHoldTheirItemsInOrder() {
        const Main* w = w_.get();
        for (int i = 0; i < ItemCount; ++i) {
            QWidget* control = w->widgetFor(isQuestionRow(i) ? si(i) : text1(i));
            const QRect text = onPage(*w, itemLabel(*w, i)), box = onPage(*w, control);
            QVERIFY2(pageOf(*w, itemLabel(*w, i)) == itemPage(i) && box.top() < text.bottom() &&
                         text.top() < box.bottom() && text.right() < box.left() &&
                         control->accessibleName().startsWith(itemLabel(*w, i)->text()),
                     qPrintable(control->objectName()));
        }
    }

    // No text is cut: wrapped texts have the height of their lines, others their width.
    void nothingClipped() {
        const Main* w = w_.get();
        for (QWidget* widget : w->findChildren<QWidget*>()) {
            const QByteArray name = widget->objectName().toLatin1();
            if (auto* l = qobject_cast<QLabel*>(widget))
                QVERIFY2(l->wordWrap() ? l->height() >= l->heightForWidth(l->width())
                                       : l->width() >= l->sizeHint().width(),
                         name);
        }
    }

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

private:
    FakePlatform fake_;
    std::unique_ptr<Main> w_;
};

QTEST_MAIN(TestWindow)
#include "gui_window.moc"
