#include "sheet/catalogue.h"

#include <array>

namespace verimoda {

namespace {

constexpr Item Items[ItemCount] = {
    {ItemKind::QuestionRow, 1, 0, u"(a) sul bilancio dell'ultimo esercizio individuale"},     // 0
    {ItemKind::QuestionRow, 1, 0, u"(b) sul bilancio dell'ultimo esercizio consolidato"},     // 1
    {ItemKind::QuestionRow, 1, 0, u"(c) sul bilancio dell'esercizio individuale precedente"}, // 2
    {ItemKind::QuestionRow, 1, 0, u"(d) sul bilancio dell'esercizio consolidato precedente"}, // 3
    {ItemKind::QuestionRow, 1, 0, u"(e) sull'ultima relazione semestrale individuale"},       // 4
    {ItemKind::QuestionRow, 1, 0, u"(f) sull'ultima relazione semestrale consolidata"},       // 5
    {ItemKind::QuestionRow, 1, 1, u"(a) sul bilancio dell'ultimo esercizio individuale"},     // 6
    {ItemKind::QuestionRow, 1, 1, u"(b) sul bilancio dell'ultimo esercizio consolidato"},     // 7
    {ItemKind::QuestionRow, 1, 1, u"(c) sul bilancio dell'esercizio individuale precedente"}, // 8
    {ItemKind::QuestionRow, 1, 1, u"(d) sul bilancio dell'esercizio consolidato precedente"}, // 9
    {ItemKind::QuestionRow, 1, 1, u"(e) sull'ultima relazione semestrale individuale"},       // 10
    {ItemKind::QuestionRow, 1, 1, u"(f) sull'ultima relazione semestrale consolidata"},       // 11
    {ItemKind::QuestionRow, 2, 2, u"(a) bilancio dell'ultimo esercizio individuale"},         // 12
    {ItemKind::QuestionRow, 2, 2, u"(b) bilancio dell'ultimo esercizio consolidato"},         // 13
    {ItemKind::QuestionRow, 2, 2, u"(c) bilancio dell'esercizio individuale precedente"},     // 14
    {ItemKind::QuestionRow, 2, 2, u"(d) bilancio dell'esercizio consolidato precedente"},     // 15
    {ItemKind::QuestionRow, 2, 2, u"(e) ultima relazione semestrale individuale"},            // 16
    {ItemKind::QuestionRow, 2, 2, u"(f) ultima relazione semestrale consolidata"},            // 17
    {ItemKind::QuestionRow, 2, 3, u"(a) bilancio dell'ultimo esercizio individuale"},         // 18
    {ItemKind::QuestionRow, 2, 3, u"(b) bilancio dell'ultimo esercizio consolidato"},         // 19
    {ItemKind::QuestionRow, 2, 3, u"(c) bilancio dell'esercizio individuale precedente"},     // 20
    {ItemKind::QuestionRow, 2, 3, u"(d) bilancio dell'esercizio consolidato precedente"},     // 21
    {ItemKind::QuestionRow, 2, 3, u"(e) ultima relazione semestrale individuale"},            // 22
    {ItemKind::QuestionRow, 2, 3, u"(f) ultima relazione semestrale consolidata"},            // 23
    {ItemKind::QuestionRow, 3, 4,
     u"(a) daranno luogo all'obbligo di predisposizione del documento informativo previsto dagli "
     u"artt.70, comma 4, e 71 del Regolamento Emittenti (delibera Ardenza n.11971 del 14.05.1999 e "
     u"successive modificazioni)"}, // 24
    {ItemKind::QuestionRow, 3, 4,
     u"(b) hanno determinato o determineranno variazioni significative dell'area di "
     u"consolidamento."},                                                  // 25
    {ItemKind::QuestionRow, 4, -1, u"Valuta in cui sono espressi i dati"}, // 26
    {ItemKind::IndicatorBox, 4, 5,
     u"- crediti finanziari verso parti correlate (da ultimo bilancio consolidato)"}, // 27
    {ItemKind::IndicatorBox, 4, 5,
     u"- debiti finanziari verso parti correlate (da ultimo bilancio consolidato)"}, // 28
    {ItemKind::IndicatorBox, 4, 5,
     u"- crediti verso parti correlate (da ultimo bilancio consolidato)"}, // 29
    {ItemKind::IndicatorBox, 4, 5,
     u"- debiti verso parti correlate (da ultimo bilancio consolidato)"}, // 30
    {ItemKind::IndicatorBox, 4, 5,
     u"- proventi da parti correlate (da ultimo bilancio consolidato)"}, // 31
    {ItemKind::IndicatorBox, 4, 5,
     u"- oneri da parti correlate (da ultimo bilancio consolidato)"}, // 32
    {ItemKind::IndicatorBox, 4, 6,
     u"- importo risultato economico netto dell'ultimo bilancio di esercizio"}, // 33
    {ItemKind::IndicatorBox, 4, 6,
     u"- importo risultato economico netto complessivo dell'ultimo bilancio consolidato"}, // 34
    {ItemKind::IndicatorBox, 4, 6,
     u"- importo patrimonio netto dell'ultimo bilancio di esercizio"}, // 35
    {ItemKind::IndicatorBox, 4, 6,
     u"- importo patrimonio netto del bilancio del precedente esercizio"}, // 36
    {ItemKind::IndicatorBox, 4, 6,
     u"- importo patrimonio netto complessivo dell'ultimo bilancio consolidato"}, // 37
    {ItemKind::IndicatorBox, 4, 6,
     u"- importo patrimonio netto complessivo del bilancio consolidato del precedente "
     u"esercizio"}, // 38
    {ItemKind::QuestionRow, 4, 6,
     u"- ricorrenza di situazioni ex art.2446 c.c. (perdite superiori ad 1/3 del patrimonio "
     u"netto)"}, // 39
    {ItemKind::QuestionRow, 4, 6,
     u"- ricorrenza di situazioni ex art.2447 c.c. (riduzione del capitale al disotto del minimo "
     u"legale per perdite di oltre il terzo del capitale)"}, // 40
    {ItemKind::QuestionRow, 4, 6,
     u"- Variazione dei criteri contabili di valutazione rispetto al precedente esercizio"}, // 41
    {ItemKind::IndicatorBox, 4, 6,
     u"- Totale attivo (bilancio consolidato dell'ultimo esercizio)"}, // 42
    {ItemKind::IndicatorBox, 5, 7,
     u"- posizione finanziaria netta (si vedano le Istruzioni per la Compilazione)"}, // 43
    {ItemKind::IndicatorBox, 5, 7,
     u"- Somma dei flussi finanziari generati (assorbiti) dall'attività operativa ed investimento "
     u"dell'ultimo esercizio (si vedano le Instruzioni per la Compilazione)"}, // 44
    {ItemKind::IndicatorBox, 5, 7, u"- Non compilare"},                        // 45
    {ItemKind::IndicatorBox, 5, 7,
     u"- Somma dei proventi non ricorrenti (si vedano le Istruzioni per la Compilazione)"}, // 46
    {ItemKind::IndicatorBox, 5, 7,
     u"- Somma degli oneri non ricorrenti (si vedano le Istruzioni per la Compilazione)"}, // 47
    {ItemKind::IndicatorBox, 5, 7,
     u"- Importo del saldo della gestione finanziaria (si vedano le Istruzioni per la "
     u"Compilazione)"},                                 // 48
    {ItemKind::IndicatorBox, 5, 7, u"- Non compilare"}, // 49
    {ItemKind::IndicatorBox, 5, 8,
     u"- Coefficiente di solvibilità inteso come Patrimonio di vigilanza/Attività di rischio "
     u"ponderate, (Total Capital Ratio) Voce C.3 della sezione 2 della Nota Integrativa "
     u"dell'ultimo bilancio consolidato"}, // 50
    {ItemKind::IndicatorBox, 5, 8,
     u"- Totale Esposizione netta delle attività deteriorate dell'ultimo bilancio consolidato, "
     u"come risultante dalla Voce T della Sezione A.1.2 della Nota Integrativa"}, // 51
    {ItemKind::IndicatorBox, 5, 8,
     u"- Totale Esposizione netta delle Altre attività deteriorate dell'ultimo bilancio "
     u"consolidato, come risultante dalla Voce T della Sezione A.1.2 della Nota Integrativa"}, // 52
    {ItemKind::IndicatorBox, 5, 8, u"- Non compilare"},                                        // 53
    {ItemKind::IndicatorBox, 5, 8, u"- Non compilare"},                                        // 54
    {ItemKind::IndicatorBox, 5, 8,
     u"- Costi operativi dell'ultimo bilancio consolidato (Voce 230 dello schema di Conto "
     u"Economico)"},                                    // 55
    {ItemKind::IndicatorBox, 5, 8, u"- Non compilare"}, // 56
    {ItemKind::IndicatorBox, 6, 8,
     u"- Risultato netto della gestione finanziaria e assicurativa dell'ultimo bilancio "
     u"consolidato (Voce 170 dello schema di Conto Economico)"}, // 57
    {ItemKind::IndicatorBox, 6, 8, u"- Non compilare"},          // 58
    {ItemKind::IndicatorBox, 6, 9,
     u"- Eccedenza (deficit) del Margine di solvibilità del ramo vita (Voce 119 del prospetto III "
     u"art.61, comma 2,D.Lgs.n.174/95)"}, // 59
    {ItemKind::IndicatorBox, 6, 9,
     u"- Eccedenza (deficit) del Margine di solvibilità del ramo danni  (Voce 81 del prospetto III "
     u"art.72, comma 2,D.Lgs.n.175/95)"}, // 60
    {ItemKind::IndicatorBox, 6, 9,
     u"- Premi di competenza dell'ultimo bilancio consolidato (voce 1.1 del conto economico del "
     u"Provvedimento n. 2404 ISVAP del 22 dicembre 2005)"}, // 61
    {ItemKind::IndicatorBox, 6, 9,
     u"- Risultato complessivo dei conti tecnici vita e danni dell'ultimo bilancio di "
     u"esercizio"}, // 62
    {ItemKind::IndicatorBox, 6, 9,
     u"- Risultato attività ordinaria dell'ultimo bilancio di esercizio"}, // 63
    {ItemKind::IndicatorBox, 6, 9,
     u"- Risultato dell'attività straordinaria dell'ultimo bilancio di esercizio"}, // 64
    {ItemKind::IndicatorBox, 6, 9,
     u"- Valore di bilancio degli investimenti dell'ultimo bilancio di esercizio"}, // 65
    {ItemKind::IndicatorBox, 6, 9,
     u"- Valore corrente degli investimenti dell'ultimo bilancio di esercizio"},               // 66
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro II punto II.1.a"},   // 67
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro II punto II.1.b"},   // 68
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro II punto II.1.c"},   // 69
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.1 punto IV.1.a"}, // 70
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.1 punto IV.1.b"}, // 71
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.1 punto IV.1.c"}, // 72
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.1 punto IV.1.d"}, // 73
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.2 punto IV.2.a"}, // 74
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.2 punto IV.2.b"}, // 75
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.2 punto IV.2.c"}, // 76
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro IV.2 punto IV.2.d"}, // 77
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro V.1"},               // 78
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro V.2"},               // 79
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro VI.1 punto VI.1.a"}, // 80
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro VI.1 punto VI.1.b"}, // 81
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro VI.2 punto VI.2.a"}, // 82
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro VI.2 punto VI.2.b"}, // 83
    {ItemKind::QuestionRow, 7, -1, u"Presenza di indicazioni nel riquadro VI.2 punto VI.2.c"}, // 84
};

constexpr std::u16string_view Headings[HeadingCount] = {
    u"Giudizio negativo del revisore:",
    u"Impossibilità del revisore all'espressione di un giudizio di revisione:",
    u"Esistenza di un giudizio di revisione con rilievi relativamente a:",
    u"Esistenza di richiami di informativa nel giudizio di revisione relativo a:",
    u"Operazioni di finanza straordinaria effettuate nell'esercizio chiuso ovvero deliberate o in "
    u"corso di delibera o di attuazione  che:",
    u"Indicatori quantitativi relativi ad operazioni con parti correlate:",
    u"Variabili economico-patrimoniali generali",
    u"Variabili economico-finanziarie per le società diverse dalle banche, finanziarie e compagnie "
    u"di assicurazione:",
    u"Variabili economico-finanziarie per le banche e le società finanziarie:",
    u"Variabili economico-finanziarie per le compagnie di assicurazioni:",
};

constexpr std::u16string_view PageCaptions[PageCount] = {
    u"Dati Generali",
    u"Dati Statistici [1/2]",
    u"Dati Statistici [2/2]",
    u"Operazioni di finanza",
    u"Indicatori quantitativi [1/3]",
    u"Indicatori quantitativi [2/3]",
    u"Indicatori quantitativi [3/3] ",
    u"Dati Riepilogativi",
};

constexpr std::u16string_view GeneralCaptions[GeneralLabelCount] = {
    u"Denominazione della società revisionata",
    u"Codice Fiscale della società revisionata",
    u"Data di chiusura del bilancio d'esercizio (gg/mm/aaaa)",
    u"Data di chiusura del bilancio consolidato (gg/mm/aaaa)",
    u"Denominazione della società di revisione",
    u"Codice Fiscale della società di revisione",
    u"Firmatario della società di revisione (cognome e nome)",
    u"Codice Fiscale del firmatario",
    u"Incarico di revisione anche per il bilancio dell'esercizio in corso",
    u"Normativa di riferimento per il bilancio d'esercizio",
    u"Tipologia di società",
    u"Mercato di quotazione delle azioni della società revisionata",
};

constexpr OptionGroup OptionGroups[OptionGroupCount] = {
    {0, 1, 8},
    {2, 4, 9},
    {5, 8, 10},
    {9, 14, 11},
};

constexpr std::u16string_view OptionCaptions[OptionBoxCount] = {
    u"Si",  u"No",       u"127/91", u"IAS",           u"altro", u"ind.",     u"banca",   u"ass.",
    u"N/A", u"S&&P/MIB", u"MIDEX",  u"b. chip altro", u"STAR",  u"STANDARD", u"EXPANDI",
};

constexpr std::u16string_view ButtonCaptions[ButtonCount] = {
    u"Stampa", u"Salva temp.", u"Leggi", u"Genera", u"Esci",
};

constexpr int NonCompilare[] = {45, 49, 53, 54, 56, 58};

QString toQString(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}

constexpr bool naAvailableImpl(int row) {
    if (!isQuestionRow(row))
        return false;
    switch (row) {
    case 0:
    case 6:
    case 12:
    case 18:
    case 24:
    case 25:
    case 26:
    case 39:
    case 40:
        return false;
    default:
        return row < 67;
    }
}

// The single keyboard order: general boxes, option boxes, the items in index order (Si, No and,
// where available, N/A of a row; the box of an indicator), then the five buttons.
constexpr std::array<Control, PositionCount> buildOrder() {
    std::array<Control, PositionCount> order{};
    int p = 0;
    for (int i = 0; i < GeneralBoxCount; ++i)
        order[p++] = {Array::TEXT_GENERALE, i};
    for (int i = 0; i < OptionBoxCount; ++i)
        order[p++] = {Array::Check_FRAME_GENERALE, i};
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i)) {
            order[p++] = {Array::Check_SI, i};
            order[p++] = {Array::Check_NO, i};
            if (naAvailableImpl(i))
                order[p++] = {Array::Check_NA, i};
        } else {
            order[p++] = {Array::Text1, i};
        }
    }
    for (int i = 0; i < ButtonCount; ++i)
        order[p++] = {Array::Command_Function, i};
    return p == PositionCount ? order : throw "keyboard order does not have 186 positions";
}

constexpr std::array<Control, PositionCount> Order = buildOrder();

} // namespace

const char* arrayName(Array a) {
    switch (a) {
    case Array::TEXT_GENERALE:
        return "TEXT_GENERALE";
    case Array::Check_FRAME_GENERALE:
        return "Check_FRAME_GENERALE";
    case Array::Check_SI:
        return "Check_SI";
    case Array::Check_NO:
        return "Check_NO";
    case Array::Check_NA:
        return "Check_NA";
    case Array::Text1:
        return "Text1";
    case Array::Command_Function:
        return "Command_Function";
    }
    return "";
}

QString controlName(Control c) {
    return QLatin1String(arrayName(c.array)) + QLatin1Char('_') + QString::number(c.index);
}

const Item& item(int i) {
    Q_ASSERT(isItem(i));
    return Items[i];
}

QString itemText(int i) {
    return toQString(item(i).text);
}
int itemPage(int i) {
    return item(i).page;
}
int itemHeading(int i) {
    return item(i).heading;
}

bool naAvailable(int row) {
    return naAvailableImpl(row);
}

bool isNonCompilare(int i) {
    for (int n : NonCompilare)
        if (n == i)
            return true;
    return false;
}

QString headingText(int k) {
    Q_ASSERT(k >= 0 && k < HeadingCount);
    return toQString(Headings[k]);
}

QString pageCaption(int page) {
    Q_ASSERT(page >= 0 && page < PageCount);
    return toQString(PageCaptions[page]);
}

QString generalCaption(int i) {
    Q_ASSERT(i >= 0 && i < GeneralLabelCount);
    return toQString(GeneralCaptions[i]);
}

const OptionGroup& optionGroup(int group) {
    Q_ASSERT(group >= 0 && group < OptionGroupCount);
    return OptionGroups[group];
}

int optionGroupOf(int box) {
    for (int g = 0; g < OptionGroupCount; ++g)
        if (box >= OptionGroups[g].first && box <= OptionGroups[g].last)
            return g;
    return -1;
}

QString optionCaption(int box) {
    Q_ASSERT(box >= 0 && box < OptionBoxCount);
    return toQString(OptionCaptions[box]);
}

QString shownCaption(const QString& stored) {
    QString shown = stored;
    return shown.replace(QLatin1String("&&"), QLatin1String("&"));
}

QString answerCaption(Array box, int row) {
    const bool currency = row == 26;
    switch (box) {
    case Array::Check_SI:
        return currency ? QStringLiteral("Euro") : QStringLiteral("Si");
    case Array::Check_NO:
        return currency ? QStringLiteral("Altro") : QStringLiteral("No");
    case Array::Check_NA:
        return QStringLiteral("N/A");
    default:
        Q_ASSERT(false);
        return {};
    }
}

QString buttonCaption(int index) {
    Q_ASSERT(index >= 0 && index < ButtonCount);
    return toQString(ButtonCaptions[index]);
}

QString applicationTitle() {
    return QStringLiteral("Ardenza - Verimoda v. 2.1");
}
QString shortTitle() {
    return QStringLiteral("Verimoda");
}

bool controlExists(Control c) {
    switch (c.array) {
    case Array::TEXT_GENERALE:
        return c.index >= 0 && c.index < GeneralBoxCount;
    case Array::Check_FRAME_GENERALE:
        return c.index >= 0 && c.index < OptionBoxCount;
    case Array::Check_SI:
    case Array::Check_NO:
    case Array::Check_NA:
        return isQuestionRow(c.index);
    case Array::Text1:
        return isIndicatorBox(c.index);
    case Array::Command_Function:
        return c.index >= 0 && c.index < ButtonCount;
    }
    return false;
}

bool controlEditable(Control c) {
    if (!controlExists(c))
        return false;
    if (c.array == Array::Check_NA)
        return naAvailable(c.index);
    if (c.array == Array::Text1)
        return !isNonCompilare(c.index);
    return true;
}

int controlPage(Control c) {
    Q_ASSERT(controlExists(c));
    switch (c.array) {
    case Array::TEXT_GENERALE:
    case Array::Check_FRAME_GENERALE:
        return 0;
    case Array::Command_Function:
        return -1;
    default:
        return itemPage(c.index);
    }
}

int keyboardPosition(Control c) {
    for (int p = 0; p < PositionCount; ++p)
        if (Order[p] == c)
            return p;
    return -1;
}

Control controlAtPosition(int position) {
    Q_ASSERT(position >= 0 && position < PositionCount);
    return Order[position];
}

int firstPositionOfPage(int page) {
    for (int p = 0; p < PositionCount; ++p)
        if (controlPage(Order[p]) == page)
            return p;
    return -1;
}

int lastPositionOfPage(int page) {
    for (int p = PositionCount - 1; p >= 0; --p)
        if (controlPage(Order[p]) == page)
            return p;
    return -1;
}

} // namespace verimoda
