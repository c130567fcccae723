#include "app/qt_platform.h"

#include "app/machine.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace verimoda {

namespace {

// Qt's file list writes sizes and dates the machine's way ("6 Dec", "11.85 KiB"); this writes them
// the program's way, in Italian ("6 dic", "11,85 KiB"), and leaves everything else, sorting
// included, to the list.
class ItalianFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale locale;
        if (index.column() == 3)
            return locale.toString(files->lastModified(source), QLocale::ShortFormat);
        return files->isDir(source) ? QString() : locale.formattedDataSize(files->size(source));
    }
};

// The columns of a file dialog's list wide enough for their Italian headers and for a size and a
// date written the Italian way; the dialog as wide as its columns need.
void widenColumns(QFileDialog& dialog) {
    auto* view = dialog.findChild<QTreeView*>();
    if (!view)
        return;
    QHeaderView* header = view->header();
    const QFontMetrics headerText = header->fontMetrics(), cellText = view->fontMetrics();
    const QLocale locale;
    // The widest a cell of the size, type and date columns gets, most of the time.
    const QString samples[] = {
        QString(), locale.formattedDataSize(999'900'000), QStringLiteral("documento XML"),
        locale.toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat)};
    const int padding = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) +
                        header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    int total = 0;
    for (int i = 0; i < header->count(); ++i) {
        const QString title = header->model()->headerData(i, Qt::Horizontal).toString();
        int width = std::max(header->sectionSize(i), headerText.horizontalAdvance(title) + padding);
        if (i < int(std::size(samples)) && !samples[i].isEmpty())
            width = std::max(width, cellText.horizontalAdvance(samples[i]) + padding);
        header->resizeSection(i, width);
        total += width;
    }
    // The dialog takes its size when it is shown: widened once it is.
    QTimer::singleShot(0, &dialog, [&dialog, view, total] {
        const int needed = dialog.width() - view->viewport()->width() + total;
        if (dialog.width() < needed)
            dialog.resize(needed, dialog.height());
    });
}

QString runFileDialog(QWidget* parent, const Platform::FileDialog& d, bool save) {
    QFileDialog dialog(parent, d.title, d.folder, d.filter);
    // Qt's own dialog: the same on every desktop, in Italian like the rest of the program.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        // Replacing a file asks first; a name typed without ".xml" is kept as typed.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new ItalianFileColumns(&dialog));
    widenColumns(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QMessageBox::StandardButton QtPlatform::message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    buttons, parent);
    box.setTextFormat(Qt::PlainText); // texts may quote a file's contents
    box.exec();
    return box.standardButton(box.clickedButton());
}

QString QtPlatform::saveFileName(QWidget* parent, const FileDialog& dialog) {
    return runFileDialog(parent, dialog, true);
}

QString QtPlatform::openFileName(QWidget* parent, const FileDialog& dialog) {
    return runFileDialog(parent, dialog, false);
}

bool QtPlatform::printDialog(QWidget* parent, QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printDialogTakesPdf()) {
        // No printer, and a system dialog that needs one: the PDF file is chosen as any file.
        const QString file = runFileDialog(
            parent,
            {QStringLiteral("Stampa"), QStringLiteral("PDF (*.pdf)"), printer.outputFileName()},
            true);
        if (file.isEmpty())
            return false;
        printer.setOutputFileName(file);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::trayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatform::popupMenu(QMenu& menu, const QPoint& at) {
    menu.popup(at);
    bringPopupForward(menu);
}

Platform::Diskette QtPlatform::diskette() {
    return disketteDriveState();
}

QString QtPlatform::disketteFolder() {
    return disketteRoot();
}

QString programFolderFor(const QString& executableFolder, const QStringList& installedFolders,
                         const QString& documentsFolder) {
    const auto same = [](const QString& a, const QString& b) {
        const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
        return !ca.isEmpty() && ca == cb;
    };
    // Decided by where the program runs from, not by what can be written: root can write /usr/bin.
    if (std::none_of(installedFolders.cbegin(), installedFolders.cend(),
                     [&](const QString& installed) { return same(executableFolder, installed); }))
        return executableFolder;
    const QString folder = QDir(documentsFolder).filePath(QStringLiteral("Verimoda"));
    QDir().mkpath(folder);
    return folder;
}

QString QtPlatform::programFolder() {
    return programFolderFor(QCoreApplication::applicationDirPath(), installedFolders(),
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void QtPlatform::exitProgram() {
    QCoreApplication::exit(0);
}

} // namespace verimoda
