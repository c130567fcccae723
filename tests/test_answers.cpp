// Exclusive answer boxes and option groups, including the nested handler runs, and the answer
// text of every kind of item.
#include "entry/answers.h"
#include "support/core_controls.h"

#include <QTest>

using namespace verimoda;

using namespace verimoda::test;

class TestAnswers : public QObject {
    Q_OBJECT
private slots:
    void tickingOneBoxClearsTheOthers() {
        Sheet s;
        AnswerRules rules(s);
        s.setValue(no(5), 1);
        QVERIFY(!s.NessunaModifica);
        s.setValue(si(5), 1);
        QCOMPARE(s.value(si(5)), 1);
        QCOMPARE(s.value(no(5)), 0);
        QCOMPARE(RispostaDomanda(s, 5), QStringLiteral("Si"));
        s.setValue(na(5), 1);
        QCOMPARE(s.value(si(5)), 0);
        QCOMPARE(RispostaDomanda(s, 5), QStringLiteral("N/A"));
    }

    void untickingEmptiesTheRow() {
        Sheet s;
        AnswerRules rules(s);
        s.setValue(si(3), 1);
        s.setValue(si(3), 0);
        QCOMPARE(s.value(si(3)) + s.value(no(3)) + s.value(na(3)), 0);
        QCOMPARE(RispostaDomanda(s, 3), QString());
    }

    void whileLoadingBoxesStayAndTheSheetCountsAsEdited() {
        Sheet s;
        AnswerRules rules(s);
        s.CaricamentoInCorso = true;
        s.setValue(si(7), 1);
        s.NessunaModifica = true;
        s.setValue(no(7), 1);
        QVERIFY(!s.NessunaModifica);
        QCOMPARE(s.value(si(7)), 1);
        QCOMPARE(s.value(no(7)), 1);
        QCOMPARE(RispostaDomanda(s, 7), QStringLiteral("No")); // No wins over Si
        s.CaricamentoInCorso = false;
        s.setValue(na(7), 1); // a later user click still clears both
        QCOMPARE(s.value(si(7)) + s.value(no(7)), 0);
    }

    void currencyRowAndIndicators() {
        Sheet s;
        AnswerRules rules(s);
        s.setValue(si(26), 1);
        QCOMPARE(RispostaDomanda(s, 26), QStringLiteral("Euro"));
        s.setValue(no(26), 1);
        QCOMPARE(RispostaDomanda(s, 26), QStringLiteral("Altro"));
        s.setText({Array::Text1, 30}, QStringLiteral("007 "));
        QCOMPARE(RispostaDomanda(s, 30), QStringLiteral("007 "));
        QCOMPARE(RispostaDomanda(s, 31), QString());
        QCOMPARE(RispostaDomanda(s, 45), QStringLiteral("0"));
    }

    void optionGroupsAreExclusiveAndNotEdits() {
        Sheet s;
        AnswerRules rules(s);
        s.setValue(option(2), 1);
        s.setValue(option(3), 1);
        QCOMPARE(s.option(2), 0);
        QCOMPARE(s.option(3), 1);
        s.setValue(option(10), 1);
        s.setValue(option(12), 1);
        QCOMPARE(s.option(10), 0);
        QCOMPARE(s.option(12), 1);
        s.setValue(option(0), 1); // another group is left alone
        QCOMPARE(s.option(3), 1);
        s.setValue(option(12), 0);
        for (int b = 9; b <= 14; ++b)
            QCOMPARE(s.option(b), 0);
        QVERIFY(s.NessunaModifica);
    }
};

QTEST_APPLESS_MAIN(TestAnswers)
#include "test_answers.moc"
