// The checks before generation on a complete sheet with one thing missing or wrong: the first
// problem of each stage with its exact message, the control to correct and the page to show;
// the closing dates read strictly as Gregorian day, month and year.
#include "entry/checks.h"
#include "support/core_complete_sheet.h"
#include "support/core_controls.h"

#include <QTest>

#include <functional>

using namespace verimoda;
using namespace verimoda::test;
using Change = std::function<void(Sheet&)>;
Q_DECLARE_METATYPE(Change)

namespace {

Change setGeneral(int i, const QString& text) {
    return [=](Sheet& s) { s.setText(general(i), text); };
}
Change untickGroup(int first, int last) {
    return [=](Sheet& s) {
        for (int b = first; b <= last; ++b)
            s.setValue(option(b), 0);
    };
}
Change unanswer(int row) {
    return [=](Sheet& s) {
        for (Array a : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
            s.setValue({a, row}, 0);
    };
}
Change clearIndicator(int i) {
    return [=](Sheet& s) { s.setText(text1(i), QString()); };
}
Change both(Change a, Change b) {
    return [=](Sheet& s) {
        a(s);
        b(s);
    };
}

// One-line message of the general-data page.
QString generalMessage(const QString& phrase) {
    return "Verificare nel riquadro Dati Generali" + phrase +
           "prima di passare alla generazione del file.";
}
// Three-line message of an item.
QString itemMessage(const QString& page, const QString& heading, const QString& text) {
    return "Verificare nel riquadro " + page + "\r\n<" + heading + "  " + text +
           ">\r\nprima di passare alla generazione del file.";
}

const QString DateMessage =
    QStringLiteral("ATTENZIONE: formato data errato. Operazione annullata!!!");

} // namespace

class TestChecks : public QObject {
    Q_OBJECT
private slots:
    void completeness_data() {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("message"); // empty: the sheet passes
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("page");

        const Change none = [](Sheet&) {};
        auto passes = [](const char* name, Change c) {
            QTest::newRow(name) << false << c << QString() << QString() << 0;
        };
        auto fails = [](const char* name, Change c, const QString& message, Control focus,
                        int page) {
            QTest::newRow(name) << false << c << message << controlName(focus) << page;
        };

        QTest::newRow("empty sheet names box 0")
            << true << none << generalMessage(" la denominazione della società revisionata ")
            << "TEXT_GENERALE_0" << 0;
        passes("complete sheet", none);
        passes("blank name is not empty", setGeneral(0, "   "));
        passes("signatory tax code of any sixteen characters", setGeneral(11, "àè ?!-/abc123XYZ"));

        // Stage A.
        const QString taxLength =
            generalMessage(" che il codice fiscale della società revisionata sia di 11 caratteri ");
        fails("10-digit tax code", setGeneral(1, "0123456789"), taxLength, general(1), 0);
        fails("12-digit tax code", setGeneral(1, "012345678901"), taxLength, general(1), 0);
        const QString dateEmpty = generalMessage(" la data di chiusura del bilancio d'esercizio ");
        fails("empty statutory day", setGeneral(2, ""), dateEmpty, general(2), 0);
        fails("short auditor tax code", setGeneral(9, "123"),
              generalMessage(
                  " che il codice fiscale della società di revisione sia di 11 caratteri "),
              general(9), 0);
        fails("empty signatory tax code", setGeneral(11, ""),
              generalMessage(" il codice fiscale del firmatario "), general(11), 0);
        fails("15-character signatory tax code", setGeneral(11, "RSSMRA70A01H501"),
              generalMessage(" che il codice fiscale del firmatario sia di 16 caratteri "),
              general(11), 0);
        fails("stage A before stage B", both(untickGroup(0, 1), setGeneral(10, "")),
              generalMessage(" il firmatario della società di revisione "), general(10), 0);

        // Stage B.
        fails("group 1 empty", untickGroup(2, 4),
              generalMessage(" la normativa di riferimento per il bilancio d'esercizio "),
              option(2), 0);
        fails("group 2 empty", untickGroup(5, 8), generalMessage(" la tipologia di società "),
              option(5), 0);
        fails("stage B before stage C", both(unanswer(0), untickGroup(5, 8)),
              generalMessage(" la tipologia di società "), option(5), 0);

        // Stage C.
        fails("row 5 unanswered", unanswer(5),
              itemMessage("Dati Statistici [1/2]", "Giudizio negativo del revisore:",
                          "(f) sull'ultima relazione semestrale consolidata"),
              si(5), 1);
        fails("row 26 stands under no heading", unanswer(26),
              itemMessage("Indicatori quantitativi [1/3]", "Indicatori quantitativi [1/3]",
                          "Valuta in cui sono espressi i dati"),
              si(26), 4);
        fails("row 84 on the summary page", unanswer(84),
              itemMessage("Dati Riepilogativi", "Dati Riepilogativi",
                          "Presenza di indicazioni nel riquadro VI.2 punto VI.2.c"),
              si(84), 7);
        fails("box 33 empty", clearIndicator(33),
              itemMessage("Indicatori quantitativi [1/3]",
                          "Variabili economico-patrimoniali generali",
                          "- importo risultato economico netto dell'ultimo bilancio di esercizio"),
              text1(33), 4);
        fails("earlier item first", both(unanswer(84), clearIndicator(36)),
              itemMessage("Indicatori quantitativi [1/3]",
                          "Variabili economico-patrimoniali generali",
                          "- importo patrimonio netto del bilancio del precedente esercizio"),
              text1(36), 4);
        passes("box 34 empty", clearIndicator(34));
        passes("optional boxes empty", [](Sheet& s) {
            for (int i : {5, 6, 7})
                s.setText(general(i), QString());
            for (int i : {34, 37, 38})
                s.setText(text1(i), QString());
            for (int i = 43; i <= 66; ++i)
                s.setText(text1(i), QString());
        });
        passes("rows answered No or N/A", [](Sheet& s) {
            unanswer(3)(s);
            s.setValue(no(3), 1);
            unanswer(67)(s);
            s.setValue(na(67), 1); // only a read file can tick it
        });
    }

    void completeness() {
        QFETCH(bool, empty);
        QFETCH(Change, change);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(int, page);

        Sheet sheet;
        if (!empty)
            test::fillCompleteSheet(sheet);
        change(sheet);
        const std::optional<Problem> problem = ControllaDatiGenerali(sheet);
        if (message.isEmpty()) {
            QVERIFY2(!problem, qPrintable(problem ? problem->message : QString()));
            return;
        }
        QVERIFY(problem);
        QCOMPARE(problem->title, QStringLiteral("Errore"));
        QCOMPARE(problem->message, message);
        QCOMPARE(controlName(problem->focus), focus);
        QCOMPARE(problem->page, page);
    }

    // Statutory date in boxes 2-4, consolidated in 5-7, each as "day|month|year"; the day box
    // of the failing date, or -1 when both pass.
    void dates_data() {
        QTest::addColumn<QString>("statutory");
        QTest::addColumn<QString>("consolidated");
        QTest::addColumn<int>("failingDay");

        const QString good = QStringLiteral("30|06|2006");
        QTest::newRow("31/04/2006") << "31|04|2006" << good << 2;
        QTest::newRow("30/04/2006") << "30|04|2006" << good << -1;
        QTest::newRow("one-digit day") << "5|04|2006" << good << 2;
        QTest::newRow("two-digit year") << "05|04|06" << good << 2;
        QTest::newRow("29/02 of a leap year") << "29|02|2004" << good << -1;
        QTest::newRow("29/02 outside leap years") << "29|02|2006" << good << 2;
        QTest::newRow("29/02/1900") << "29|02|1900" << good << 2;
        QTest::newRow("29/02/2000") << "29|02|2000" << good << -1;
        QTest::newRow("day 00") << "00|01|2006" << good << 2;
        QTest::newRow("month 00") << "01|00|2006" << good << 2;
        QTest::newRow("month 13, day and month swapped") << "12|31|2006" << good << 2;
        QTest::newRow("year 0000") << "01|01|0000" << good << 2;
        QTest::newRow("slash in the day") << "1/|01|2006" << good << 2;
        QTest::newRow("blank in the day") << " 1|01|2006" << good << 2;
        QTest::newRow("fullwidth digits") << "01|01|２００６" << good << 2;
        QTest::newRow("Arabic-Indic digits") << "٠١|01|2006" << good << 2;
        QTest::newRow("incomplete statutory date is skipped") << "|04|2006" << good << -1;
        QTest::newRow("consolidated date empty") << "31|12|2006"
                                                 << "||" << -1;
        QTest::newRow("consolidated without year is skipped") << "31|12|2006"
                                                              << "30|06|" << -1;
        QTest::newRow("bad consolidated date") << "31|12|2006"
                                               << "31|06|2006" << 5;
        QTest::newRow("both bad: statutory first") << "31|04|2006"
                                                   << "31|06|2006" << 2;
    }

    void dates() {
        QFETCH(QString, statutory);
        QFETCH(QString, consolidated);
        QFETCH(int, failingDay);

        Sheet sheet;
        const QStringList parts = (statutory + u'|' + consolidated).split(u'|');
        for (int k = 0; k < 6; ++k)
            sheet.setText(general(2 + k), parts[k]);
        const std::optional<Problem> problem = ControllaDate(sheet);
        if (failingDay < 0) {
            QVERIFY(!problem);
            return;
        }
        QVERIFY(problem);
        QCOMPARE(problem->title, QStringLiteral("Errore"));
        QCOMPARE(problem->message, DateMessage);
        QCOMPARE(controlName(problem->focus), controlName(general(failingDay)));
        QCOMPARE(problem->page, 0);
    }

    void dataValidaReadsOnlyTheStrictForm() {
        for (const char* good : {"31/12/9999", "01/01/0001", "31/01/2006"})
            QVERIFY2(DataValida(QString::fromLatin1(good)), good);
        for (const char* bad : {"", "1/1/2006", "01/01/2006 ", "01-01-2006", "2006/01/01"})
            QVERIFY2(!DataValida(QString::fromLatin1(bad)), bad);
    }

    // Every question row and every mandatory indicator box, left empty alone, is the problem
    // reported, on its own page; the other indicator boxes may stay empty.
    void eachItemLeftEmpty() {
        const QList<int> mandatoryBoxes{27, 28, 29, 30, 31, 32, 33, 35, 36, 42};
        for (int j = 0; j < ItemCount; ++j) {
            Sheet sheet;
            test::fillCompleteSheet(sheet);
            (isQuestionRow(j) ? unanswer(j) : clearIndicator(j))(sheet);
            const std::optional<Problem> problem = ControllaDatiGenerali(sheet);
            if (isIndicatorBox(j) && !mandatoryBoxes.contains(j)) {
                QVERIFY2(!problem, qPrintable(QString::number(j)));
                continue;
            }
            QVERIFY2(problem, qPrintable(QString::number(j)));
            const Control focus{isQuestionRow(j) ? Array::Check_SI : Array::Text1, j};
            QCOMPARE(controlName(problem->focus), controlName(focus));
            QCOMPARE(problem->page, itemPage(j));
            QVERIFY(problem->message.contains("  " + itemText(j) + ">\r\n"));
        }
    }

    void pagesOfTheGeneralData() {
        QCOMPARE(TitoloPaginaElemento(85), QStringLiteral("Dati Generali"));
        QCOMPARE(MostraPaginaElemento(85), 0);
        QCOMPARE(TitoloSezioneElemento(58), headingText(8)); // above heading 9 on page 6
    }
};

QTEST_APPLESS_MAIN(TestChecks)
#include "test_checks.moc"
