#include "core_print_fixtures.h"

namespace verimoda::test {

void fillWholeSheet(Sheet& sheet) {
    const QString general[GeneralBoxCount] = {
        QStringLiteral("Società Generale Impianti e Costruzioni S.p.A."),
        QStringLiteral("01234567890"),
        QStringLiteral("31"),
        QStringLiteral("12"),
        QStringLiteral("2023"),
        QStringLiteral("30"),
        QStringLiteral("06"),
        QStringLiteral("2024"),
        QStringLiteral("Revisori Associati S.p.A."),
        QStringLiteral("09876543210"),
        QStringLiteral("Bianchi Maria Teresa"),
        QStringLiteral("BNCMTR70A41F205X"),
    };
    for (int i = 0; i < GeneralBoxCount; ++i)
        sheet.setText({Array::TEXT_GENERALE, i}, general[i]);
    for (int box : {0, 3, 5, 9})
        sheet.setValue({Array::Check_FRAME_GENERALE, box}, 1);

    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i)) {
            const Array boxes[] = {Array::Check_SI, Array::Check_NO, Array::Check_NA};
            sheet.setValue({boxes[i % (naAvailable(i) ? 3 : 2)], i}, 1);
        } else if (i == 50) {
            sheet.setText({Array::Text1, i}, QStringLiteral("12,75")); // a percentage
        } else if (!isNonCompilare(i)) {
            // Amounts of up to twelve digits, some negative.
            const qint64 amount = (qint64(i) * 7919 % 1000 + 1) * 123456789LL / (i % 4 + 1);
            sheet.setText({Array::Text1, i},
                          (i % 3 == 0 ? QStringLiteral("-") : QString()) + QString::number(amount));
        }
    }
}

} // namespace verimoda::test
