#include "core_sheets.h"

#include "file/reader.h"

#include <QFile>

namespace verimoda::fixture {

namespace {

void setGeneral(Sheet& sheet, int box, const QString& text) {
    sheet.setText({Array::TEXT_GENERALE, box}, text);
}

void tick(Sheet& sheet, Array array, int index) {
    sheet.setValue({array, index}, 1);
}

} // namespace

QString dataPath(const QString& name) {
    return QStringLiteral(VERIMODA_TEST_DATA "/") + name;
}

QByteArray readData(const QString& name) {
    QFile file(dataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

void fillWorkedExample(Sheet& sheet) {
    const char* const texts[] = {"Alfa S.p.A.", "12345678901", "31", "12", "2005"};
    for (int box = 0; box < 5; ++box)
        setGeneral(sheet, box, QString::fromLatin1(texts[box]));
    tick(sheet, Array::Check_FRAME_GENERALE, 0);
    tick(sheet, Array::Check_FRAME_GENERALE, 3);
    tick(sheet, Array::Check_NO, 0);
}

void fillNegativeIndicator(Sheet& sheet) {
    sheet.setText({Array::Text1, 42}, QStringLiteral("-1500"));
}

void fillFullSheet(Sheet& sheet) {
    const QStringList texts =
        QString::fromUtf16(u"Società Perù Costruzioni - Forlì S.p.A.|01234567890|31|12|2005|"
                           u"30|06|2006|Revisori è perché Niccolò S.r.l.|09876543210|"
                           u"  ÀÈÉÌÒÙ Rossi d'Amico po'|RSSMRA70A01H501Z")
            .split(u'|');
    for (int box = 0; box < GeneralBoxCount; ++box)
        setGeneral(sheet, box, texts[box]);
    for (int box : {1, 4, 7, 9})
        tick(sheet, Array::Check_FRAME_GENERALE, box);
    const Array ByTurn[] = {Array::Check_SI, Array::Check_NO, Array::Check_NA};
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i))
            tick(sheet, i % 3 == 2 && !naAvailable(i) ? Array::Check_SI : ByTurn[i % 3], i);
        else if (i == 50)
            sheet.setText({Array::Text1, i}, QStringLiteral("12,5"));
        else if (!isNonCompilare(i))
            sheet.setText({Array::Text1, i}, (i % 2 == 0 ? QStringLiteral("-") : QString()) +
                                                 QString::number(i * 1013));
    }
}

const std::vector<SheetFile>& sheetFiles() {
    static const std::vector<SheetFile> files = {
        {"worked_example.xml", fillWorkedExample},
        {"fresh_sheet.xml", [](Sheet&) {}},
        {"empty_sheet.xml", SvuotaFoglio}, // every box empty, "- Non compilare" too
        {"full_sheet.xml", fillFullSheet},
        {"negative_indicator.xml", fillNegativeIndicator},
        {"day_only.xml", [](Sheet& s) { setGeneral(s, 2, QStringLiteral("31")); }},
        {"options_only.xml",
         [](Sheet& s) {
             for (int box : {1, 3, 6, 12})
                 tick(s, Array::Check_FRAME_GENERALE, box);
         }},
    };
    return files;
}

QString sheetDifference(const Sheet& a, const Sheet& b) {
    for (Array box : {Array::TEXT_GENERALE, Array::Check_FRAME_GENERALE, Array::Check_SI,
                      Array::Check_NO, Array::Check_NA, Array::Text1})
        for (int i = 0; i < ItemCount; ++i) {
            const Control c{box, i};
            const bool text = box == Array::TEXT_GENERALE || box == Array::Text1;
            const auto value = [&](const Sheet& s) {
                return text ? s.text(c) : QString::number(s.value(c));
            };
            if (controlExists(c) && value(a) != value(b))
                return controlName(c) + QStringLiteral(": \"") + value(a) +
                       QStringLiteral("\" / \"") + value(b) + u'"';
        }
    return {};
}

} // namespace verimoda::fixture
