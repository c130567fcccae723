// The sheet's start state and its change notifications.
#include "sheet/sheet.h"

#include <QSignalSpy>
#include <QTest>

using namespace verimoda;

class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void startState() {
        Sheet s;
        for (int i = 0; i < OptionBoxCount; ++i)
            QCOMPARE(s.option(i), 0);
        for (int i = 0; i < GeneralBoxCount; ++i)
            QVERIFY(s.general(i).isEmpty());
        for (int i = 0; i < ItemCount; ++i) {
            if (isQuestionRow(i)) {
                for (Array a : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
                    QCOMPARE(s.value({a, i}), 0);
            } else {
                QCOMPARE(s.indicator(i), isNonCompilare(i) ? QStringLiteral("0") : QString());
            }
        }
        QVERIFY(s.NessunaModifica);
        QVERIFY(!s.UscitaRichiesta);
        QVERIFY(!s.CaricamentoInCorso);
        QVERIFY(s.NomeFileFoglio.isEmpty());
    }

    void notifiesOnlyRealChanges() {
        Sheet s;
        QSignalSpy values(&s, &Sheet::valueChanged);
        QSignalSpy texts(&s, &Sheet::textChanged);
        s.setValue({Array::Check_NA, 0}, 1); // unavailable to the user, still settable by code
        s.setValue({Array::Check_NA, 0}, 1);
        s.setText({Array::Text1, 45}, QStringLiteral("0"));
        s.setText({Array::TEXT_GENERALE, 3}, QStringLiteral("12"));
        s.setText({Array::TEXT_GENERALE, 3}, QStringLiteral("12"));
        QCOMPARE(values.count(), 1);
        QCOMPARE(texts.count(), 1);
        QCOMPARE(s.value({Array::Check_NA, 0}), 1);
        QCOMPARE(s.general(3), QStringLiteral("12"));
    }
};

QTEST_APPLESS_MAIN(TestSheet)
#include "test_sheet.moc"
