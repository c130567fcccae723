#include "print/layout.h"

#include "entry/answers.h"
#include "print/wrap.h"

#include <algorithm>

namespace verimoda {

namespace {

// The user scale. The title is centred on the constant width, whatever the scale says.
constexpr float ScaleWidth = 197;
constexpr float ScaleHeight = 297;
constexpr float ItemLeft = 10;
constexpr float RowGap = 0.7f;   // between rows of pages 2 to 6, on top of the line height
constexpr float GeneralGap = 2;  // between rows of page 1
constexpr int CurrencyItem = 26; // the row printed on its own layout at the top of page 4

const QString FontName = QStringLiteral("MS Sans Serif");
constexpr QChar Dot = u'.';
constexpr QChar Underscore = u'_';

struct PageStart {
    int item;
    int page;
    const char16_t* title;
};
// The printed pages do not follow the window's tabs: the page breaks are fixed.
constexpr PageStart PageStarts[] = {
    {0, 2, u"Dati Statistici"},          {24, 3, u"Operazioni di finanza"},
    {26, 4, u"Indicatori quantitativi"}, {50, 5, u"Indicatori quantitativi"},
    {67, 6, u"Dati riepilogativi"},
};

QString pageHeader(int n) {
    return QStringLiteral("Pagina %1 di 6 pagine").arg(n);
}

QString closingDate(const Sheet& sheet, int day) {
    const QString date =
        sheet.general(day) + u'/' + sheet.general(day + 1) + u'/' + sheet.general(day + 2);
    return date == u"//" ? QString() : date;
}

// The section heading that opens before item i: where the catalogue's heading changes.
int headingBefore(int i) {
    const int k = itemHeading(i);
    return k >= 0 && (i == 0 || itemHeading(i - 1) != k) ? k : -1;
}

} // namespace

QString ValoreGenerale(const Sheet& sheet, int row) {
    switch (row) {
    case 0:
    case 1:
        return sheet.general(row);
    case 2:
        return closingDate(sheet, 2);
    case 3:
        return closingDate(sheet, 5);
    case 4:
    case 5:
    case 6:
    case 7:
        return sheet.general(row + 4);
    default:
        break;
    }
    // Option groups: the first ticked box in ascending order, as the user reads its caption
    // (one ampersand in "S&P/MIB").
    const OptionGroup& group = optionGroup(row - 8);
    for (int box = group.first; box <= group.last; ++box)
        if (sheet.ticked({Array::Check_FRAME_GENERALE, box}))
            return shownCaption(optionCaption(box));
    return {};
}

void StampaDocumento(Printer& printer, const Sheet& sheet) {
    PrintLayout(printer, sheet).StampaDocumento();
}

void PrintLayout::StampaDocumento() {
    p_.setScale(ScaleWidth, ScaleHeight);
    p_.setBold(true);
    p_.setFontName(FontName);
    p_.setFontSize(15);

    const QString title = QStringLiteral("ARDENZA - VERIMODA v. 2.1");
    p_.setY(1);
    p_.setX((ScaleWidth - p_.textWidth(title)) / 2);
    p_.printLine(title);

    p_.setFontSize(12);
    p_.setX(5);
    p_.setY(15);
    p_.printLine(QStringLiteral("DATI GENERALI"));

    p_.setFontSize(10);
    const QString header = pageHeader(1);
    p_.setX(p_.scaleWidth() - p_.textWidth(header) - 2);
    p_.setY(15);
    p_.printLine(header);
    printRule(15.75f);

    p_.setY(25);
    PosizioneRiga = p_.y();
    p_.setFontSize(10);
    for (int i = 0; i < GeneralLabelCount; ++i) {
        const QString label = generalCaption(i);
        p_.setBold(true);
        p_.printLine(label);
        StampaValoreGenerale(label, ValoreGenerale(sheet_, i));
    }

    StampaPagine();
    p_.endDocument();
}

void PrintLayout::StampaValoreGenerale(const QString& label, const QString& value) {
    const float labelWidth = p_.textWidth(label); // still bold, as the label was printed
    p_.setX(labelWidth);
    p_.setBold(false);
    p_.setY(PosizioneRiga);
    // A value that would cover its label goes below it, on as many lines as it takes, so that
    // both can be read; the leader then reaches the right edge.
    const bool fits = labelWidth + p_.textWidth(value) <= p_.scaleWidth();
    const QString onTheRow = fits ? value : QString();
    // The leader reaches the start of the value, or the right edge when there is none.
    p_.printLine(runOfWidth(p_, Dot, p_.scaleWidth() - p_.x() - p_.textWidth(onTheRow)));
    if (!onTheRow.isEmpty()) {
        p_.setY(PosizioneRiga);
        printRightAligned(onTheRow);
    }
    QString rest = fits ? QString() : value;
    while (p_.textWidth(rest) > p_.scaleWidth() - ItemLeft) {
        const std::optional<BrokenLine> broken = breakLine(p_, rest, p_.scaleWidth() - ItemLeft);
        if (!broken)
            break; // no break position: the rest goes on one line
        printRightAligned(broken->line);
        rest = broken->rest;
    }
    if (!rest.isEmpty())
        printRightAligned(rest);
    p_.setY(p_.y() + GeneralGap);
    PosizioneRiga = p_.y();
}

// Ends at the right edge; a word wider than the page starts at the left edge.
void PrintLayout::printRightAligned(const QString& line) {
    p_.setX(std::max(0.0f, p_.scaleWidth() - p_.textWidth(line)));
    p_.printLine(line);
}

void PrintLayout::StampaPagine() {
    p_.setBold(true);
    p_.setFontName(FontName);
    PosizioneRiga = p_.y();
    LarghezzaTesto = 164;

    for (int i = 0; i < ItemCount; ++i) {
        for (const PageStart& start : PageStarts) {
            if (start.item == i) {
                NuovaPagina(start.page);
                StampaTitoloPagina(QString::fromUtf16(start.title));
            }
        }
        if (i == CurrencyItem) {
            printCurrencyRow();
            continue;
        }
        if (const int k = headingBefore(i); k >= 0) {
            StampaTitoloSezione(k);
            p_.setY(p_.y() + RowGap);
        }
        PosizioneRiga = p_.y();
        StampaRiga(itemText(i), RispostaDomanda(sheet_, i));
        p_.setY(p_.y() + RowGap);
    }
}

void PrintLayout::NuovaPagina(int n) {
    p_.newPage();
    p_.setFontSize(10);
    const QString header = pageHeader(n);
    p_.setX(p_.scaleWidth() - p_.textWidth(header) - 2);
    p_.setY(5);
    p_.printLine(header);
}

void PrintLayout::StampaTitoloPagina(const QString& title) {
    p_.setBold(true);
    p_.setFontSize(12);
    p_.setX(5);
    p_.setY(5);
    p_.printLine(title);
    printRule(5.75f);
    p_.setX(0);
    p_.setY(12);
    p_.setFontSize(10);
}

// The shortest run of underscores at least as wide as the page, in the current font.
void PrintLayout::printRule(float y) {
    const QString rule = runOfWidth(p_, Underscore, p_.scaleWidth());
    p_.setY(y);
    p_.printLine(rule);
}

// From x to 1 unit before the right edge.
QString PrintLayout::Puntini(float x) const {
    return runOfWidth(p_, Dot, p_.scaleWidth() - x - 1);
}

void PrintLayout::StampaTitoloSezione(int k) {
    const QString heading = headingText(k);
    p_.setX(0);
    p_.setBold(true);
    if (p_.textWidth(heading) <= LarghezzaTesto) {
        p_.printLine(heading);
        return;
    }
    // At most two lines: the first justified ten units wider than item lines, then the rest.
    const std::optional<BrokenLine> broken = breakLine(p_, heading, LarghezzaTesto);
    QString rest = heading;
    if (broken) {
        p_.printLine(justify(p_, broken->line, LarghezzaTesto + 10));
        p_.setY(p_.y() + RowGap);
        rest = broken->rest;
    }
    p_.setBold(true);
    PosizioneRiga = p_.y();
    p_.printLine(rest);
}

void PrintLayout::StampaRiga(const QString& text, const QString& answer) {
    if (p_.textWidth(text) <= LarghezzaTesto) {
        printOneLineRow(text, answer);
        return;
    }
    // The number of justified lines comes from the total width; the last line takes the rest.
    const int lines = int(p_.textWidth(text) / float(LarghezzaTesto));
    QString rest = text; // the first line is taken from the text as it is
    for (int n = 0; n < lines; ++n) {
        const std::optional<BrokenLine> broken = breakLine(p_, rest, LarghezzaTesto);
        if (!broken)
            break; // no break position: all that is left is the last line
        printJustified(broken->line);
        rest = broken->rest;
    }
    rest = withoutLeadingSpaces(rest);
    // The last line must end before its answer (1 unit before it, where the leader aims): where
    // it would reach it, it is broken again like the lines above.
    const float answerStart = p_.scaleWidth() - p_.textWidth(answer);
    while (ItemLeft + p_.textWidth(rest) > answerStart - 1) {
        const std::optional<BrokenLine> broken = breakLine(p_, rest, LarghezzaTesto);
        if (!broken)
            break;
        printJustified(broken->line);
        rest = broken->rest;
    }
    printOneLineRow(rest, answer);
}

void PrintLayout::printJustified(const QString& line) {
    const QString justified = justify(p_, line, LarghezzaTesto);
    p_.setBold(true);
    p_.setX(ItemLeft);
    p_.printLine(justified);
    p_.setY(p_.y() + RowGap);
}

void PrintLayout::printOneLineRow(const QString& text, const QString& answer) {
    p_.setX(ItemLeft);
    PosizioneRiga = p_.y();
    p_.setBold(true);
    p_.printLine(text);
    p_.setY(PosizioneRiga);
    p_.setX(p_.textWidth(text) + ItemLeft);
    const QString leader = Puntini(p_.x() + p_.textWidth(answer));
    if (answer.isEmpty()) {
        p_.setX(p_.scaleWidth() - p_.textWidth(leader)); // the dots end at the right edge
        p_.printLine(leader);
        return;
    }
    p_.printLine(leader);
    p_.setBold(true);
    p_.setX(p_.scaleWidth() - p_.textWidth(answer));
    p_.setY(PosizioneRiga);
    p_.printLine(answer);
}

// Item 26 starts at the left edge, is never wrapped, and its answer (printed even when empty)
// ends 1 unit short of the right edge.
void PrintLayout::printCurrencyRow() {
    const QString text = itemText(CurrencyItem);
    p_.setX(0);
    PosizioneRiga = p_.y();
    p_.printLine(text);
    const QString answer = RispostaDomanda(sheet_, CurrencyItem);
    p_.setX(p_.textWidth(text));
    const QString leader = Puntini(p_.x() + p_.textWidth(answer));
    p_.setY(PosizioneRiga);
    p_.printLine(leader);
    p_.setX(p_.scaleWidth() - p_.textWidth(answer) - 1);
    p_.setY(PosizioneRiga);
    p_.setBold(true);
    p_.printLine(answer);
    p_.setY(p_.y() + RowGap);
}

} // namespace verimoda
