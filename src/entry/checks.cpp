#include "entry/checks.h"

#include <array>
#include <string_view>

namespace verimoda {

namespace {

const QString Crlf = QStringLiteral("\r\n");

QString errorTitle() {
    return QStringLiteral("Errore");
}
QString messageStart() {
    return QStringLiteral("Verificare nel riquadro ");
}
QString messageEnd() {
    return QStringLiteral("prima di passare alla generazione del file.");
}
QString dateMessage() {
    return QStringLiteral("ATTENZIONE: formato data errato. Operazione annullata!!!");
}

struct GeneralRule {
    std::u16string_view whenEmpty; // empty: the box may stay empty
    int length;                    // required length, 0 for none
    std::u16string_view whenWrongLength;
};

constexpr GeneralRule GeneralRules[GeneralBoxCount] = {
    {u" la denominazione della società revisionata ", 0, {}},
    {u" il codice fiscale della società revisionata ", 11,
     u" che il codice fiscale della società revisionata sia di 11 caratteri "},
    {u" la data di chiusura del bilancio d'esercizio ", 0, {}},
    {u" la data di chiusura del bilancio d'esercizio ", 0, {}},
    {u" la data di chiusura del bilancio d'esercizio ", 0, {}},
    {{}, 0, {}}, // the consolidated closing date is optional
    {{}, 0, {}},
    {{}, 0, {}},
    {u" la denominazione della società di revisione ", 0, {}},
    {u" il codice fiscale della società di revisione ", 11,
     u" che il codice fiscale della società di revisione sia di 11 caratteri "},
    {u" il firmatario della società di revisione ", 0, {}},
    {u" il codice fiscale del firmatario ", 16,
     u" che il codice fiscale del firmatario sia di 16 caratteri "},
};

constexpr std::u16string_view GroupPhrases[OptionGroupCount] = {
    u" l'incarico di revisione anche per il bilancio dell'esercizio in corso ",
    u" la normativa di riferimento per il bilancio d'esercizio ",
    u" la tipologia di società ",
    u" il mercato di quotazione delle azioni della società revisionata ",
};

// Indicator boxes that must hold a value; the others may stay empty.
bool mandatoryIndicator(int i) {
    return (i >= 27 && i <= 33) || i == 35 || i == 36 || i == 42;
}

Problem completenessProblem(QString message, Control focus, int page) {
    message += messageEnd();
    return {errorTitle(), message, focus, page};
}

Problem generalDataProblem(std::u16string_view phrase, Control focus) {
    return completenessProblem(messageStart() + TitoloPaginaElemento(GeneralDataElement) +
                                   QStringView(phrase).toString(),
                               focus, 0);
}

std::optional<Problem> checkGeneralBoxes(const Sheet& sheet) {
    for (int i = 0; i < GeneralBoxCount; ++i) {
        const GeneralRule& rule = GeneralRules[i];
        const QString text = sheet.general(i);
        const Control box{Array::TEXT_GENERALE, i};
        if (text.isEmpty()) {
            if (!rule.whenEmpty.empty())
                return generalDataProblem(rule.whenEmpty, box);
        } else if (rule.length != 0 && text.size() != rule.length) {
            return generalDataProblem(rule.whenWrongLength, box);
        }
    }
    return std::nullopt;
}

std::optional<Problem> checkOptionGroups(const Sheet& sheet) {
    for (int g = 0; g < OptionGroupCount; ++g) {
        const OptionGroup& group = optionGroup(g);
        bool chosen = false;
        for (int box = group.first; box <= group.last; ++box)
            chosen = chosen || sheet.option(box) != 0;
        if (!chosen)
            return generalDataProblem(GroupPhrases[g], {Array::Check_FRAME_GENERALE, group.first});
    }
    return std::nullopt;
}

bool answered(const Sheet& sheet, int row) {
    for (Array box : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
        if (sheet.value({box, row}) != 0)
            return true;
    return false;
}

std::optional<Problem> checkItems(const Sheet& sheet) {
    for (int j = 0; j < ItemCount; ++j) {
        Control focus;
        if (isQuestionRow(j) && !answered(sheet, j))
            focus = {Array::Check_SI, j};
        else if (mandatoryIndicator(j) && sheet.indicator(j).isEmpty())
            focus = {Array::Text1, j};
        else
            continue;
        const QString message = messageStart() + TitoloPaginaElemento(j) + Crlf + u'<' +
                                TitoloSezioneElemento(j) + QStringLiteral("  ") + itemText(j) +
                                u'>' + Crlf;
        return completenessProblem(message, focus, MostraPaginaElemento(j));
    }
    return std::nullopt;
}

// The page an element lives on: an item's page, or the general-data page for element 85.
int elementPage(int element) {
    if (element == GeneralDataElement)
        return 0;
    Q_ASSERT(isItem(element));
    return isItem(element) ? itemPage(element) : 0;
}

// Reads exactly `count` ASCII digits at `from`; -1 when any of them is not one.
int digitsAt(QStringView text, qsizetype from, int count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year) {
    constexpr std::array<int, 12> Days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : Days[month - 1];
}

} // namespace

std::optional<Problem> ControllaDatiGenerali(const Sheet& sheet) {
    if (auto problem = checkGeneralBoxes(sheet))
        return problem;
    if (auto problem = checkOptionGroups(sheet))
        return problem;
    return checkItems(sheet);
}

std::optional<Problem> ControllaDate(const Sheet& sheet) {
    for (int day : {2, 5}) {
        const QString dd = sheet.general(day);
        const QString mm = sheet.general(day + 1);
        const QString yyyy = sheet.general(day + 2);
        // A date left empty is skipped (the consolidated one is optional); one filled in only in
        // part is malformed, shown in its first empty box, so that no "30/06/" is filed.
        if (dd.isEmpty() && mm.isEmpty() && yyyy.isEmpty())
            continue;
        if (dd.isEmpty() || mm.isEmpty() || yyyy.isEmpty()) {
            const int empty = dd.isEmpty() ? day : mm.isEmpty() ? day + 1 : day + 2;
            return Problem{errorTitle(), dateMessage(), {Array::TEXT_GENERALE, empty}, 0};
        }
        const bool wellFormed = dd.size() == 2 && mm.size() == 2 && yyyy.size() == 4;
        if (!wellFormed || !DataValida(QString(dd + u'/' + mm + u'/' + yyyy)))
            return Problem{errorTitle(), dateMessage(), {Array::TEXT_GENERALE, day}, 0};
    }
    return std::nullopt;
}

bool DataValida(QStringView ggmmaaaa) {
    // Only ASCII digits in their places: a pasted or loaded text may bring blanks, signs or
    // digits of other scripts.
    if (ggmmaaaa.size() != 10 || ggmmaaaa[2] != u'/' || ggmmaaaa[5] != u'/')
        return false;
    const int day = digitsAt(ggmmaaaa, 0, 2);
    const int month = digitsAt(ggmmaaaa, 3, 2);
    const int year = digitsAt(ggmmaaaa, 6, 4);
    // The calendar has no year 0.
    if (day < 1 || month < 1 || month > 12 || year < 1)
        return false;
    return day <= daysInMonth(month, year);
}

QString TitoloPaginaElemento(int item) {
    return pageCaption(elementPage(item));
}

int MostraPaginaElemento(int item) {
    return elementPage(item);
}

QString TitoloSezioneElemento(int item) {
    const int heading = itemHeading(item);
    return heading >= 0 ? headingText(heading) : TitoloPaginaElemento(item);
}

} // namespace verimoda
