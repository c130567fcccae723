#include "support/gui_fake_platform.h"

namespace verimoda::test {

QString FakePlatform::file(const QString& name) const {
    return folder.filePath(name);
}

QMessageBox::StandardButton FakePlatform::message(QWidget*, QMessageBox::Icon icon,
                                                  const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons) {
    QMessageBox::StandardButton answer;
    if (!answers.isEmpty())
        answer = answers.takeFirst();
    else if (buttons & QMessageBox::Cancel)
        answer = QMessageBox::Cancel;
    else if (buttons & QMessageBox::No)
        answer = QMessageBox::No;
    else
        answer = QMessageBox::Ok;
    messages.append({icon, title, text, buttons, answer});
    journal.append(QLatin1String("message ") + title);
    return answer;
}

QString FakePlatform::saveFileName(QWidget*, const FileDialog& dialog) {
    saveDialogs.append(dialog);
    journal.append(QLatin1String("save ") + dialog.title);
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

QString FakePlatform::openFileName(QWidget*, const FileDialog& dialog) {
    openDialogs.append(dialog);
    journal.append(QLatin1String("open ") + dialog.title);
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

bool FakePlatform::printDialog(QWidget*, QPrinter&) {
    ++printDialogs;
    journal.append(QStringLiteral("print"));
    return !printAnswers.isEmpty() && printAnswers.takeFirst();
}

void FakePlatform::beep() {
    ++beeps;
    journal.append(QStringLiteral("beep"));
}

void FakePlatform::popupMenu(QMenu& menu, const QPoint& at) {
    popups.append({&menu, at});
    journal.append(QStringLiteral("popup"));
}

void FakePlatform::exitProgram() {
    ++exits;
    journal.append(QStringLiteral("exit"));
    if (onExit)
        onExit();
}

} // namespace verimoda::test
