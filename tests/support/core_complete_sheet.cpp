#include "core_complete_sheet.h"

#include <QStringList>

namespace verimoda::test {

void fillCompleteSheet(Sheet& sheet) {
    const QStringList general =
        QStringLiteral("Alfa Costruzioni S.p.A.|01234567890|31|12|2006|30|06|2006|"
                       "Beta Revisione S.p.A.|09876543210|Rossi Mario|RSSMRA70A01H501U")
            .split(u'|');
    for (int i = 0; i < GeneralBoxCount; ++i)
        sheet.setText({Array::TEXT_GENERALE, i}, general[i]);
    for (int group = 0; group < OptionGroupCount; ++group)
        sheet.setValue({Array::Check_FRAME_GENERALE, optionGroup(group).first}, 1);
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i))
            sheet.setValue({Array::Check_SI, i}, 1);
        else if (!isNonCompilare(i))
            sheet.setText({Array::Text1, i},
                          i == 50 ? QStringLiteral("12,5") : QString::number(1000 + i));
    }
}

} // namespace verimoda::test
