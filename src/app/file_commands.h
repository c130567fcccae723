// What the save and read commands of the window share: the title that names the sheet's file,
// and the message of a failure.
#pragma once

#include <QMessageBox>
#include <QString>

namespace verimoda {

class Main;

// Names the file in the window's title: its path below the program folder, or its own name.
void showFileInTitle(Main& window, const QString& path);

// One message with an OK button, for a command that could not complete.
void showFailure(Main& window, QMessageBox::Icon icon, const QString& title, const QString& text);

} // namespace verimoda
