// The answer boxes of a question row and the option groups of page 0 as exclusive choices, and
// the answer text of every item. The click handlers run on every change of a box value, whether
// the user clicked or code set it: clearing a box from inside a handler runs that box's handler
// too, and the three guard flags stop the nested run from clearing the box just ticked.
#pragma once

#include "sheet/sheet.h"

#include <QObject>

namespace verimoda {

class AnswerRules : public QObject {
    Q_OBJECT
public:
    // Connects to the sheet: from now on every box change runs its handler.
    explicit AnswerRules(Sheet& sheet, QObject* parent = nullptr);

    void Check_SI_Click(int index);
    void Check_NO_Click(int index);
    void Check_NA_Click(int index);
    void Check_FRAME_GENERALE_Click(int index);

private:
    void onValueChanged(Control c);
    // One answer-box handler: its own flag, and the two other boxes of the row to clear.
    void answerClick(int index, bool& own, Array first, const bool& firstBusy, Array second,
                     const bool& secondBusy);

    Sheet& sheet_;
    bool ClickSiInCorso = false;
    bool ClickNoInCorso = false;
    bool ClickNaInCorso = false;
};

// The answer of item 0-84: the caption of the first ticked box of a row in the order No, Si,
// N/A (the empty string when none is ticked), or an indicator box's text unchanged.
QString RispostaDomanda(const Sheet& sheet, int item);

} // namespace verimoda
