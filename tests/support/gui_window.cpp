#include "support/gui_window.h"

#include "app/startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QLoggingCategory>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace verimoda::test {

void prepareTestApplication() {
    static bool prepared = false;
    if (std::exchange(prepared, true))
        return;
    prepareApplication(*qApp);
    // The offscreen platform has no tray; its tray icon warns about a missing signal on every
    // window. Signals of our own are connected by pointer and checked when compiling.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qobject.connect.warning=false"));
    // Nor can it raise a window, which every restore does, and it says so each time.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text != QLatin1String("This plugin does not support raise()"))
                previous(type, context, text);
        });
}

std::unique_ptr<Main> openWindow(FakePlatform& fake) {
    prepareTestApplication();
    auto window = openMainWindow(fake);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

bool focusShown(const Main& window) {
    const QWidget* focus = window.focusWidget();
    if (!focus || !window.testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    for (const QWidget* w = focus->parentWidget(); w; w = w->parentWidget())
        if (const auto* content = dynamic_cast<const PageContent*>(w))
            return content->markedRow().contains(
                QRect(focus->mapTo(content, QPoint(0, 0)), focus->size()));
    return false;
}

void click(QWidget* widget) {
    QPoint at = widget->rect().center();
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void clickControl(Main& window, Control c) {
    if (const int page = controlPage(c); page >= 0)
        window.showPage(page);
    click(window.widgetFor(c));
}

} // namespace verimoda::test
