// The checks a sheet must pass before it is generated: the general data, the option groups and
// the items must be complete, and the closing dates must be real dates. Each check returns the
// first problem it finds (what the user reads, the control to correct, the page to show); the
// window shows it. Nothing here changes the sheet.
#pragma once

#include "entry/problem.h"
#include "sheet/sheet.h"

#include <QStringView>

#include <optional>

namespace verimoda {

// The element that stands for the general-data page in the page lookups below.
inline constexpr int GeneralDataElement = 85;

// The first problem of stages A, B, C, or nothing when the sheet is complete.
std::optional<Problem> ControllaDatiGenerali(const Sheet& sheet);
// The first malformed closing date, or nothing.
std::optional<Problem> ControllaDate(const Sheet& sheet);
// Whether a "gg/mm/aaaa" text is a date of the Gregorian calendar, read strictly as day, month,
// year with two, two and four digits.
bool DataValida(QStringView ggmmaaaa);

// Caption of the page that holds an item; 85 gives "Dati Generali".
QString TitoloPaginaElemento(int item);
// The page the window brings forward for an item.
int MostraPaginaElemento(int item);
// Caption of the heading an item stands under; for an item under no heading, its page's caption.
QString TitoloSezioneElemento(int item);

} // namespace verimoda
