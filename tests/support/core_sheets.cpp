#include "core_sheets.h"

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
    setGeneral(sheet, 0, QStringLiteral("Alfa S.p.A."));
    setGeneral(sheet, 1, QStringLiteral("12345678901"));
    setGeneral(sheet, 2, QStringLiteral("31"));
    setGeneral(sheet, 3, QStringLiteral("12"));
    setGeneral(sheet, 4, QStringLiteral("2005"));
    tick(sheet, Array::Check_FRAME_GENERALE, 0);
    tick(sheet, Array::Check_FRAME_GENERALE, 3);
    tick(sheet, Array::Check_NO, 0);
}

void fillNegativeIndicator(Sheet& sheet) {
    sheet.setText({Array::Text1, 42}, QStringLiteral("-1500"));
}

void fillDayOnly(Sheet& sheet) {
    setGeneral(sheet, 2, QStringLiteral("31"));
}

void fillOptionsOnly(Sheet& sheet) {
    for (int box : {1, 3, 6, 12})
        tick(sheet, Array::Check_FRAME_GENERALE, box);
}

Array fullSheetAnswer(int row) {
    static constexpr Array ByTurn[] = {Array::Check_SI, Array::Check_NO, Array::Check_NA};
    const Array box = ByTurn[row % 3];
    return box == Array::Check_NA && !naAvailable(row) ? Array::Check_SI : box;
}

void fillFullSheet(Sheet& sheet) {
    static const char16_t* const Texts[GeneralBoxCount] = {
        u"Società Perù Costruzioni - Forlì S.p.A.",
        u"01234567890",
        u"31",
        u"12",
        u"2005",
        u"30",
        u"06",
        u"2006",
        u"Revisori è perché Niccolò S.r.l.",
        u"09876543210",
        u"  ÀÈÉÌÒÙ Rossi d'Amico po'",
        u"RSSMRA70A01H501Z",
    };
    for (int box = 0; box < GeneralBoxCount; ++box)
        setGeneral(sheet, box, QString::fromUtf16(Texts[box]));
    for (int box : {1, 4, 7, 9})
        tick(sheet, Array::Check_FRAME_GENERALE, box);
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i))
            tick(sheet, fullSheetAnswer(i), i);
        else if (i == 50)
            sheet.setText({Array::Text1, i}, QStringLiteral("12,5"));
        else if (!isNonCompilare(i))
            sheet.setText({Array::Text1, i}, (i % 2 == 0 ? QStringLiteral("-") : QString()) +
                                                 QString::number(i * 1013));
    }
}

void clearSheet(Sheet& sheet) {
    for (int box = 0; box < GeneralBoxCount; ++box)
        setGeneral(sheet, box, QString());
    for (int box = 0; box < OptionBoxCount; ++box)
        sheet.setValue({Array::Check_FRAME_GENERALE, box}, 0);
    for (int i = 0; i < ItemCount; ++i) {
        if (isIndicatorBox(i)) {
            sheet.setText({Array::Text1, i}, QString());
            continue;
        }
        for (Array a : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
            sheet.setValue({a, i}, 0);
    }
}

const std::vector<SheetFile>& sheetFiles() {
    static const std::vector<SheetFile> files = {
        {"worked_example.xml", fillWorkedExample},
        {"fresh_sheet.xml", [](Sheet&) {}},
        {"empty_sheet.xml", clearSheet},
        {"full_sheet.xml", fillFullSheet},
        {"negative_indicator.xml", fillNegativeIndicator},
        {"day_only.xml", fillDayOnly},
        {"options_only.xml", fillOptionsOnly},
    };
    return files;
}

QString sheetDifference(const Sheet& a, const Sheet& b) {
    const auto differs = [&](Control c, const QString& x, const QString& y) {
        return controlName(c) + QStringLiteral(": \"") + x + QStringLiteral("\" / \"") + y + u'"';
    };
    for (int box = 0; box < GeneralBoxCount; ++box)
        if (a.general(box) != b.general(box))
            return differs({Array::TEXT_GENERALE, box}, a.general(box), b.general(box));
    for (int box = 0; box < OptionBoxCount; ++box)
        if (a.option(box) != b.option(box))
            return differs({Array::Check_FRAME_GENERALE, box}, QString::number(a.option(box)),
                           QString::number(b.option(box)));
    for (int i = 0; i < ItemCount; ++i) {
        if (isIndicatorBox(i)) {
            if (a.indicator(i) != b.indicator(i))
                return differs({Array::Text1, i}, a.indicator(i), b.indicator(i));
            continue;
        }
        for (Array box : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
            if (a.value({box, i}) != b.value({box, i}))
                return differs({box, i}, QString::number(a.value({box, i})),
                               QString::number(b.value({box, i})));
    }
    return {};
}

} // namespace verimoda::fixture
