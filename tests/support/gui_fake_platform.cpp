#include "support/gui_fake_platform.h"

#include <QPrinter>

namespace verimoda::test {

namespace {
template <class T>
T next(QList<T>& queue, T otherwise) {
    return queue.isEmpty() ? otherwise : queue.takeFirst();
}
} // namespace

QMessageBox::StandardButton FakePlatform::message(QWidget*, QMessageBox::Icon icon,
                                                  const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons) {
    messages.append({icon, title, text, buttons});
    journal.append(QLatin1String("message ") + title);
    const auto escape = (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel
                        : (buttons & QMessageBox::No)   ? QMessageBox::No
                                                        : QMessageBox::Ok;
    return next(answers, escape);
}

QString FakePlatform::saveFileName(QWidget*, const FileDialog& dialog) {
    saveDialogs.append(dialog);
    journal.append(QLatin1String("save ") + dialog.title);
    return next(saveNames, QString());
}

QString FakePlatform::openFileName(QWidget*, const FileDialog& dialog) {
    openDialogs.append(dialog);
    journal.append(QLatin1String("open ") + dialog.title);
    return next(openNames, QString());
}

bool FakePlatform::printDialog(QWidget*, QPrinter& printer) {
    journal.append(QStringLiteral("print"));
    printOffers.append(printer.outputFileName());
    if (!next(printAnswers, false))
        return false;
    // Never a real printer, whatever the machine has.
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (const QString typed = next(printFiles, QString()); !typed.isEmpty())
        printer.setOutputFileName(typed);
    return true;
}

void FakePlatform::popupMenu(QMenu& menu, const QPoint& at) {
    popups.append({&menu, at});
    journal.append(QStringLiteral("popup"));
}

void FakePlatform::exitProgram() {
    journal.append(QStringLiteral("exit"));
    if (onExit)
        onExit();
}

} // namespace verimoda::test
