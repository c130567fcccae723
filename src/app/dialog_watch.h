// The platform as the window uses it: each message and dialog is known to the window while it is
// open, so that a minimise then leaves the window on the taskbar (a window hidden in the tray
// would hide its dialog too, and the tray menu must not open meanwhile), and the window is active
// again once it closes, however it was answered.
#pragma once

#include "app/platform.h"

namespace verimoda {

class DialogWatch final : public Platform {
public:
    // Told when a dialog opens and after it closed.
    struct Window {
        virtual void dialogOpened() = 0;
        virtual void dialogClosed() = 0;

    protected:
        ~Window() = default;
    };

    DialogWatch(Platform& real, Window& window) : real_(real), window_(window) {}

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        const Open open(window_);
        return real_.message(parent, icon, title, text, buttons);
    }
    QString saveFileName(QWidget* parent, const FileDialog& dialog) override {
        const Open open(window_);
        return real_.saveFileName(parent, dialog);
    }
    QString openFileName(QWidget* parent, const FileDialog& dialog) override {
        const Open open(window_);
        return real_.openFileName(parent, dialog);
    }
    bool printDialog(QWidget* parent, QPrinter& printer) override {
        const Open open(window_);
        return real_.printDialog(parent, printer);
    }
    void beep() override { real_.beep(); }
    bool trayAvailable() override { return real_.trayAvailable(); }
    void popupMenu(QMenu& menu, const QPoint& at) override { real_.popupMenu(menu, at); }
    Diskette diskette() override { return real_.diskette(); }
    QString disketteFolder() override { return real_.disketteFolder(); }
    QString programFolder() override { return real_.programFolder(); }
    void exitProgram() override { real_.exitProgram(); }

private:
    struct Open {
        explicit Open(Window& w) : window(w) { window.dialogOpened(); }
        ~Open() { window.dialogClosed(); }
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;
        Window& window;
    };
    Platform& real_;
    Window& window_;
};

} // namespace verimoda
