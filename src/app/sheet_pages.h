// The eight pages of the sheet, built from the catalogue and the designed geometry: the
// general-data fields and option groups of page 0, then every question row and indicator box
// under its heading on its page. Each page scrolls when its texts need more height than it has.
#pragma once

#include "sheet/catalogue.h"

#include <array>

class QLabel;
class QScrollArea;
class QWidget;

namespace verimoda {

class TabPages;
class Twips;

// The widgets of the sheet by array and index, as the window addresses them.
struct SheetWidgets {
    static constexpr int ArrayCount = int(Array::Command_Function) + 1;
    std::array<std::array<QWidget*, ItemCount>, ArrayCount> controls{};
    std::array<QLabel*, HeadingCount> headings{}; // LABEL_TITOLO
    std::array<QLabel*, ItemCount> itemLabels{};  // LABEL_CHECK or LABEL_TEXT
    std::array<QScrollArea*, PageCount> pages{};

    QWidget* control(Control c) const {
        return controlExists(c) ? controls[size_t(c.array)][size_t(c.index)] : nullptr;
    }
};

// Adds the eight pages to `tabs` and records their widgets. Item labels and headings start
// empty: InizializzaFoglio gives them their texts.
void buildSheetPages(TabPages& tabs, const Twips& twips, SheetWidgets& widgets);

} // namespace verimoda
