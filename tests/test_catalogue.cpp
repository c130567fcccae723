// The catalogue against the figures of the sheet as designed: counts, page ends, the texts whose
// exact spelling the file and the print carry, and the keyboard order.
#include "sheet/catalogue.h"

#include <QTest>

using namespace verimoda;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void kindsAndCounts() {
        int rows = 0, boxes = 0;
        for (int i = 0; i < ItemCount; ++i) {
            QCOMPARE(isQuestionRow(i), item(i).kind == ItemKind::QuestionRow);
            (isQuestionRow(i) ? rows : boxes)++;
        }
        QCOMPARE(rows, 48);
        QCOMPARE(boxes, 37);
        QVERIFY(isQuestionRow(26) && isQuestionRow(39) && isQuestionRow(41) && isQuestionRow(67));
        QVERIFY(isIndicatorBox(27) && isIndicatorBox(38) && isIndicatorBox(42) &&
                isIndicatorBox(66));
        QVERIFY(!isQuestionRow(85) && !isIndicatorBox(85) && !isIndicatorBox(-1));
    }

    void pagesOfItems() {
        // First and last item of each question page.
        const int bounds[][3] = {{1, 0, 11},  {2, 12, 23}, {3, 24, 25}, {4, 26, 42},
                                 {5, 43, 56}, {6, 57, 66}, {7, 67, 84}};
        for (const auto& b : bounds)
            for (int i = b[1]; i <= b[2]; ++i)
                QCOMPARE(itemPage(i), b[0]);
        QCOMPARE(itemHeading(26), -1);
        QCOMPARE(itemHeading(57), 8); // above heading 9, still in the group of heading 8
        QCOMPARE(itemHeading(59), 9);
        QCOMPARE(itemHeading(67), -1);
    }

    void exactTexts() {
        QCOMPARE(pageCaption(6), QStringLiteral("Indicatori quantitativi [3/3] "));
        QCOMPARE(pageCaption(0), QStringLiteral("Dati Generali"));
        QVERIFY(headingText(4).endsWith(QStringLiteral("di attuazione  che:")));
        QVERIFY(itemText(60).contains(QStringLiteral("ramo danni  (Voce 81")));
        QVERIFY(itemText(44).contains(QStringLiteral("Instruzioni")));
        QVERIFY(itemText(24).contains(QStringLiteral("n.11971 del 14.05.1999")));
        QCOMPARE(headingText(1),
                 QStringLiteral("Impossibilità del revisore all'espressione di un giudizio di "
                                "revisione:"));
        QCOMPARE(optionCaption(9), QStringLiteral("S&&P/MIB"));
        QCOMPARE(shownCaption(optionCaption(9)), QStringLiteral("S&P/MIB"));
        QCOMPARE(generalCaption(10), QStringLiteral("Tipologia di società"));
        QCOMPARE(answerCaption(Array::Check_SI, 26), QStringLiteral("Euro"));
        QCOMPARE(answerCaption(Array::Check_NO, 26), QStringLiteral("Altro"));
        QCOMPARE(answerCaption(Array::Check_NO, 25), QStringLiteral("No"));
        for (int i : {45, 49, 53, 54, 56, 58})
            QCOMPARE(itemText(i), QStringLiteral("- Non compilare"));
    }

    void unavailableBoxes() {
        QList<int> without;
        for (int i = 0; i < ItemCount; ++i)
            if (isQuestionRow(i) && !naAvailable(i))
                without << i;
        QList<int> expected{0, 6, 12, 18, 24, 25, 26, 39, 40};
        for (int i = 67; i <= 84; ++i)
            expected << i;
        QCOMPARE(without, expected);
        int nonCompilare = 0;
        for (int i = 0; i < ItemCount; ++i)
            if (isNonCompilare(i)) {
                QVERIFY(isIndicatorBox(i));
                QVERIFY(!controlEditable({Array::Text1, i}));
                ++nonCompilare;
            }
        QCOMPARE(nonCompilare, 6);
    }

    void optionGroups() {
        QCOMPARE(optionGroupOf(0), 0);
        QCOMPARE(optionGroupOf(4), 1);
        QCOMPARE(optionGroupOf(8), 2);
        QCOMPARE(optionGroupOf(14), 3);
        QCOMPARE(optionGroupOf(15), -1);
        int covered = 0;
        for (int g = 0; g < OptionGroupCount; ++g) {
            QCOMPARE(optionGroup(g).label, 8 + g);
            covered += optionGroup(g).last - optionGroup(g).first + 1;
        }
        QCOMPARE(covered, OptionBoxCount);
    }

    void keyboardOrder() {
        const int lastOfPage[PageCount] = {26, 60, 94, 98, 120, 134, 144, 180};
        for (int p = 0; p < PageCount; ++p)
            QCOMPARE(lastPositionOfPage(p), lastOfPage[p]);
        QCOMPARE(controlAtPosition(0), (Control{Array::TEXT_GENERALE, 0}));
        QCOMPARE(controlAtPosition(27), (Control{Array::Check_SI, 0}));
        QCOMPARE(controlAtPosition(99), (Control{Array::Check_SI, 26}));
        QCOMPARE(controlAtPosition(120), (Control{Array::Text1, 42}));
        QCOMPARE(controlAtPosition(134), (Control{Array::Text1, 56}));
        QCOMPARE(controlAtPosition(180), (Control{Array::Check_NO, 84}));
        QCOMPARE(controlAtPosition(185), (Control{Array::Command_Function, 4}));
        QCOMPARE(keyboardPosition({Array::Check_NA, 0}), -1);
        for (int p = 0; p < PositionCount; ++p)
            QCOMPARE(keyboardPosition(controlAtPosition(p)), p);
        QCOMPARE(controlName({Array::Check_SI, 12}), QStringLiteral("Check_SI_12"));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
