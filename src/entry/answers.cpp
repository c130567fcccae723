#include "entry/answers.h"

namespace verimoda {

AnswerRules::AnswerRules(Sheet& sheet, QObject* parent) : QObject(parent), sheet_(sheet) {
    connect(&sheet_, &Sheet::valueChanged, this, [this](Control c) { onValueChanged(c); });
}

void AnswerRules::onValueChanged(Control c) {
    switch (c.array) {
    case Array::Check_SI:
        Check_SI_Click(c.index);
        break;
    case Array::Check_NO:
        Check_NO_Click(c.index);
        break;
    case Array::Check_NA:
        Check_NA_Click(c.index);
        break;
    case Array::Check_FRAME_GENERALE:
        Check_FRAME_GENERALE_Click(c.index);
        break;
    default:
        break;
    }
}

void AnswerRules::answerClick(int index, bool& own, Array first, const bool& firstBusy,
                              Array second, const bool& secondBusy) {
    sheet_.NessunaModifica = false; // also while loading
    if (sheet_.CaricamentoInCorso)
        return;
    own = true;
    // The new value of the clicked box is not looked at: unticking a box empties the row.
    if (!firstBusy && !secondBusy) {
        sheet_.setValue({first, index}, 0);
        sheet_.setValue({second, index}, 0);
    }
    own = false;
}

void AnswerRules::Check_SI_Click(int index) {
    answerClick(index, ClickSiInCorso, Array::Check_NO, ClickNoInCorso, Array::Check_NA,
                ClickNaInCorso);
}

void AnswerRules::Check_NO_Click(int index) {
    answerClick(index, ClickNoInCorso, Array::Check_SI, ClickSiInCorso, Array::Check_NA,
                ClickNaInCorso);
}

void AnswerRules::Check_NA_Click(int index) {
    answerClick(index, ClickNaInCorso, Array::Check_SI, ClickSiInCorso, Array::Check_NO,
                ClickNoInCorso);
}

void AnswerRules::Check_FRAME_GENERALE_Click(int index) {
    const int group = optionGroupOf(index);
    if (group < 0)
        return;
    // The user's change of an option is an edit like any other, or leaving would lose it; the
    // reader's settings are none.
    if (!sheet_.CaricamentoInCorso)
        sheet_.NessunaModifica = false;
    if (sheet_.option(index) != 1)
        return;
    const OptionGroup& g = optionGroup(group);
    for (int box = g.first; box <= g.last; ++box)
        if (box != index)
            sheet_.setValue({Array::Check_FRAME_GENERALE, box}, 0);
}

QString RispostaDomanda(const Sheet& sheet, int item) {
    if (isIndicatorBox(item))
        return sheet.indicator(item);
    if (!isQuestionRow(item))
        return {};
    for (Array box : {Array::Check_NO, Array::Check_SI, Array::Check_NA})
        if (sheet.value({box, item}) != 0)
            return answerCaption(box, item);
    return {};
}

} // namespace verimoda
