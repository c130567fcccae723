#include "app/file_commands.h"

#include "app/main_window.h"
#include "file/writer.h"

namespace verimoda {

void showFileInTitle(Main& window, const QString& path) {
    window.setWindowTitle(applicationTitle() + QLatin1String(" - ") +
                          relativeFileName(path, window.platform().programFolder()));
}

void showFailure(Main& window, QMessageBox::Icon icon, const QString& title, const QString& text) {
    window.platform().message(&window, icon, title, text, QMessageBox::Ok);
}

} // namespace verimoda
