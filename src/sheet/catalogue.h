// The fixed catalogue of the sheet: pages, control arrays, captions, the 85 items, the headings,
// the option groups, the keyboard order and the designed geometry. Everything else in the program
// asks these tables instead of repeating index ranges.
#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace verimoda {

inline constexpr int ItemCount = 85;
inline constexpr int GeneralBoxCount = 12;   // TEXT_GENERALE 0-11
inline constexpr int GeneralLabelCount = 12; // LABEL_GENERALE 0-11
inline constexpr int OptionBoxCount = 15;    // Check_FRAME_GENERALE 0-14
inline constexpr int OptionGroupCount = 4;   // FRAME_DATI_GENERALI 0-3
inline constexpr int HeadingCount = 10;      // LABEL_TITOLO 0-9
inline constexpr int PageCount = 8;          // tabs of MySSTab
inline constexpr int ButtonCount = 5;        // Command_Function 0-4
inline constexpr int PositionCount = 186;    // keyboard positions 0-185

// The control arrays that take the keyboard focus or hold a value.
enum class Array : quint8 {
    TEXT_GENERALE,
    Check_FRAME_GENERALE,
    Check_SI,
    Check_NO,
    Check_NA,
    Text1,
    Command_Function,
};

// One element of a control array.
struct Control {
    Array array = Array::TEXT_GENERALE;
    int index = 0;
    friend constexpr bool operator==(Control, Control) = default;
};

// Object name of a control's widget: array name, underscore, index ("Check_SI_12").
QString controlName(Control c);
const char* arrayName(Array a);

enum class ItemKind : quint8 { QuestionRow, IndicatorBox };

struct Item {
    ItemKind kind;
    int page;    // tab page 1-7 that holds the item
    int heading; // LABEL_TITOLO the item stands under on its page, -1 for none (26, 67-84)
    std::u16string_view text;
};

// --- Items ----------------------------------------------------------------------------------

constexpr bool isItem(int i) {
    return i >= 0 && i < ItemCount;
}
constexpr bool isQuestionRow(int i) {
    return isItem(i) && (i <= 26 || (i >= 39 && i <= 41) || i >= 67);
}
constexpr bool isIndicatorBox(int i) {
    return isItem(i) && !isQuestionRow(i);
}

const Item& item(int i);
QString itemText(int i); // caption of LABEL_CHECK i or LABEL_TEXT i
int itemPage(int i);
int itemHeading(int i);

// Rows whose "N/A" box the user cannot reach.
bool naAvailable(int row);
// The six indicator boxes captioned "- Non compilare": hold "0" from the start, not editable.
bool isNonCompilare(int i);
inline constexpr const char16_t* NonCompilareValue = u"0";

// --- Headings and pages -----------------------------------------------------------------------

QString headingText(int k);    // LABEL_TITOLO k
QString pageCaption(int page); // tab caption; page 6 keeps its trailing blank

// --- General data and option groups -------------------------------------------------------

QString generalCaption(int i); // LABEL_GENERALE i

struct OptionGroup {
    int first; // first Check_FRAME_GENERALE box
    int last;  // last box, inclusive
    int label; // LABEL_GENERALE caption beside the frame
};
const OptionGroup& optionGroup(int group);
int optionGroupOf(int box); // -1 outside 0-14
// Caption as stored: box 9 is "S&&P/MIB" (shown with one ampersand).
QString optionCaption(int box);
// Caption as the user reads it: doubled ampersands shown as one.
QString shownCaption(const QString& stored);

// --- Answer boxes, buttons, titles ----------------------------------------------------------

// "Si"/"No"/"N/A", or "Euro"/"Altro"/"N/A" in row 26.
QString answerCaption(Array box, int row);
QString buttonCaption(int index); // "Stampa", "Salva temp.", "Leggi", "Genera", "Esci"
QString applicationTitle();       // "Ardenza - Verimoda v. 2.1"
QString shortTitle();             // "Verimoda", the title of failure messages

// --- Controls and keyboard order --------------------------------------------------------

bool controlExists(Control c);
// Whether the user may change the control (the greyed boxes may not, and take no focus).
bool controlEditable(Control c);
// Page that holds the control, -1 for the command buttons (below the pages).
int controlPage(Control c);
// Keyboard position 0-185, -1 for a control outside the order (unavailable "N/A" boxes).
int keyboardPosition(Control c);
Control controlAtPosition(int position);
int firstPositionOfPage(int page);
int lastPositionOfPage(int page);

// --- Designed geometry, in twips ----------------------------------------------------------

namespace geometry {
inline constexpr int ClientWidth = 11880;
inline constexpr int ClientHeight = 8625;
inline constexpr int TabLeft = 50, TabTop = 50, TabWidth = 11805, TabHeight = 8160;
inline constexpr int TabRowHeight = 300;
inline constexpr int FrameWidth = 11450, FrameHeight = 7400, FrameTop = 650;
inline constexpr int TextLeft = 650, TextWidth = 7500;               // question text, caption
inline constexpr int SummaryTextLeft = 150, SummaryTextWidth = 7995; // page 7
inline constexpr int HeadingLeft = 150, HeadingWidth = 8000;
inline constexpr int AnswerFrameLeft = 8200, AnswerFrameLeftRow26 = 7680;
inline constexpr int AnswerFrameWidth = 2550, AnswerFrameHeight = 400;
inline constexpr int AnswerBoxLeft[3] = {150, 950, 1750}; // Si, No, N/A inside the frame
inline constexpr int IndicatorLeft = 8200, IndicatorWidth = 2000, IndicatorHeight = 285;
inline constexpr int RowPitchMin = 350, RowPitchMax = 400;
inline constexpr int GeneralBoxLeft = 6000, GeneralBoxWidth = 4700, GeneralRight = 10700;
inline constexpr int TaxCodeWidth = 1150, SignatoryTaxCodeWidth = 1750;
inline constexpr int DayMonthWidth = 300, YearWidth = 500;
inline constexpr int ButtonTop = 8200, ButtonWidth = 2175, ButtonHeight = 375;
inline constexpr int ButtonLeft[ButtonCount] = {50, 2380, 4730, 7140, 9530};
inline constexpr double FontPoints = 8.25, ButtonFontPoints = 9.75, SeparatorFontPoints = 13.5;
inline constexpr const char* FontFamily = "MS Sans Serif";
} // namespace geometry

} // namespace verimoda
