#include "core_sheets.h"

#include <QFile>

namespace verimoda::fixture {

QString dataPath(const QString& name) {
    return QStringLiteral(VERIMODA_TEST_DATA "/") + name;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void fillFullSheet(Sheet& sheet) {
    const QStringList texts =
        QString::fromUtf16(u"Società Perù Costruzioni - Forlì S.p.A.|01234567890|31|12|2005|"
                           u"30|06|2006|Revisori è perché Niccolò S.r.l.|09876543210|"
                           u"  ÀÈÉÌÒÙ Rossi d'Amico po'|RSSMRA70A01H501Z")
            .split(u'|');
    for (int box = 0; box < GeneralBoxCount; ++box)
        sheet.setText({Array::TEXT_GENERALE, box}, texts[box]);
    for (int box : {1, 4, 7, 9})
        sheet.setValue({Array::Check_FRAME_GENERALE, box}, 1);
    const Array ByTurn[] = {Array::Check_SI, Array::Check_NO, Array::Check_NA};
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i))
            sheet.setValue({i % 3 == 2 && !naAvailable(i) ? Array::Check_SI : ByTurn[i % 3], i}, 1);
        else if (i == 50)
            sheet.setText({Array::Text1, i}, QStringLiteral("12,5"));
        else if (!isNonCompilare(i))
            sheet.setText({Array::Text1, i}, (i % 2 == 0 ? QStringLiteral("-") : QString()) +
                                                 QString::number(i * 1013));
    }
}

void edit(Sheet& sheet, const QString& edits) {
    for (const QString& e : edits.split(u'|', Qt::SkipEmptyParts)) {
        const int n = e.mid(1).section(u'=', 0, 0).toInt();
        const QString value = e.section(u'=', 1);
        if (e == u"full")
            fillFullSheet(sheet);
        else if (e[0] == u'g' || e[0] == u't')
            sheet.setText({e[0] == u'g' ? Array::TEXT_GENERALE : Array::Text1, n}, value);
        else if (e[0] == u'o')
            sheet.setValue({Array::Check_FRAME_GENERALE, n}, value.toInt());
        else // the boxes of a row in turn: only the one named ends ticked
            for (int k = 1; k <= 3; ++k)
                sheet.setValue({Array(int(Array::Check_SI) + k - 1), n},
                               QStringLiteral("rsna").indexOf(e[0]) == k);
    }
}

} // namespace verimoda::fixture
