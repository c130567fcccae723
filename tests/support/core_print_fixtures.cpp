#include "core_print_fixtures.h"

#include "core_complete_sheet.h"

namespace verimoda::test {

void fillWholeSheet(Sheet& sheet) {
    fillCompleteSheet(sheet); // general data, the first box of every group ("S&P/MIB" among them)
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i)) {
            const Array boxes[] = {Array::Check_SI, Array::Check_NO, Array::Check_NA};
            sheet.setValue({Array::Check_SI, i}, 0);
            sheet.setValue({boxes[i % (naAvailable(i) ? 3 : 2)], i}, 1);
        } else if (i != 50 && !isNonCompilare(i)) {
            // Amounts of up to twelve digits, some negative.
            const qint64 amount = (qint64(i) * 7919 % 1000 + 1) * 123456789LL / (i % 4 + 1);
            sheet.setText({Array::Text1, i},
                          (i % 3 == 0 ? QStringLiteral("-") : QString()) + QString::number(amount));
        }
    }
}

} // namespace verimoda::test
