// The eight pages of the sheet, built from the catalogue and the designed geometry: the
// general-data fields and option groups of page 0, then every question row and indicator box
// under its heading on its page. Each page scrolls when its texts need more height than it has.
#pragma once

#include "sheet/catalogue.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

class QLabel;
class QScrollArea;
class QWidget;

namespace verimoda {

class TabPages;
class Twips;

// What a page's rows stand on. It marks the row that holds the keyboard focus with a band behind
// it, so that among many alike rows the one meant stands out at a glance.
class PageContent : public QWidget {
public:
    using QWidget::QWidget;
    // Marks the row of `control`, a widget on this page; null marks none. The row is found
    // when painted, so that it follows the layout of a page not yet shown.
    void markRowOf(QWidget* control);
    QRect markedRow() const { return marked_ ? rowOf(marked_) : QRect(); }
    // Where the row of `control`, a widget on this page, lies: the full width of the page, from
    // the top to the bottom of every widget that stands beside it.
    QRect rowOf(const QWidget* control) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> marked_;
};

// The widgets of the sheet by array and index, as the window addresses them.
struct SheetWidgets {
    static constexpr int ArrayCount = int(Array::Command_Function) + 1;
    std::array<std::array<QWidget*, ItemCount>, ArrayCount> controls{};
    std::array<QLabel*, HeadingCount> headings{}; // LABEL_TITOLO
    std::array<QLabel*, ItemCount> itemLabels{};  // LABEL_CHECK or LABEL_TEXT
    std::array<QScrollArea*, PageCount> pages{};
    std::array<PageContent*, PageCount> contents{};

    QWidget* control(Control c) const {
        return controlExists(c) ? controls[size_t(c.array)][size_t(c.index)] : nullptr;
    }
};

// Adds the eight pages to `tabs` and records their widgets. Item labels and headings start
// empty: InizializzaFoglio gives them their texts.
void buildSheetPages(TabPages& tabs, const Twips& twips, SheetWidgets& widgets);

} // namespace verimoda
