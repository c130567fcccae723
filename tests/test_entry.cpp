// Data entry in the core: exclusive answer boxes with their nested handler runs and the loading
// case, option groups, the keystroke filters typed key by key (box 50 above all, also on texts
// that typing cannot give), and the checks before generation on a complete sheet with one thing
// missing or wrong, with the closing dates read strictly as Gregorian day, month and year.
#include "entry/answers.h"
#include "entry/checks.h"
#include "entry/keys.h"
#include "support/core_controls.h"
#include "support/core_sheets.h"

#include <QDate>
#include <QRegularExpression>
#include <QTest>

using namespace verimoda;
using namespace verimoda::test;
using namespace Qt::StringLiterals;

namespace {

// The boxes of a row as "Si No N/A" digits: "010" when only "No" is ticked.
QString row(const Sheet& s, int i) {
    return QString::number(s.value(si(i))) + QString::number(s.value(no(i))) +
           QString::number(s.value(na(i)));
}

// The verdict of each key typed one by one into a box holding `before` (p passes, r is refused
// silently, b is refused with a beep), then what the box holds. In `before`, "|" is the caret and
// "[...]" a selection the first key replaces; without them the caret is at the end. A passed
// Backspace removes the character before the caret, a passed control key types nothing.
QString typed(Control box, const QString& keys, QString before = {}) {
    QString after;
    if (const qsizetype caret = before.indexOf(QRegularExpression(u"[|[]"_s)); caret >= 0) {
        const qsizetype end = before[caret] == u'|' ? caret : before.indexOf(u']');
        after = before.mid(end + 1);
        before.truncate(caret);
    }
    QString verdicts;
    for (QChar key : keys) {
        const KeyVerdict v = box.array == Array::Text1
                                 ? Text1_KeyPress(box.index, before, key.unicode(), after)
                                 : TEXT_GENERALE_KeyPress(box.index, before, key.unicode(), after);
        verdicts += v == KeyVerdict::Pass ? u'p' : v == KeyVerdict::Refuse ? u'r' : u'b';
        if (v == KeyVerdict::Pass && key.unicode() == keycode::Backspace)
            before.chop(1);
        else if (v == KeyVerdict::Pass && key.unicode() >= 32)
            before += key;
    }
    return verdicts + u' ' + before + after;
}

const QString B = QStringLiteral("\b"), Enter = QStringLiteral("\r"),
              CtrlC = QStringLiteral("\x03"), CtrlV = QStringLiteral("\x16"),
              CtrlX = QStringLiteral("\x18");

// What the checks find on a sheet after the edits (see fixture::edit): "title focus page:
// message", or nothing when the sheet passes.
QString check(const QString& edits) {
    Sheet sheet;
    fixture::edit(sheet, edits);
    const std::optional<Problem> p = ControllaDatiGenerali(sheet);
    return p ? p->title + u' ' + controlName(p->focus) + u' ' + QString::number(p->page) + ": " +
                   p->message
             : QString();
}

// What the checks find on a problem with the general data.
QString data(const char* focus, const char* phrase) {
    return "Errore " + QString::fromLatin1(focus) + " 0: Verificare nel riquadro Dati Generali" +
           QString::fromUtf8(phrase) + "prima di passare alla generazione del file.";
}

} // namespace

class TestEntry : public QObject {
    Q_OBJECT
private slots:
    void answerBoxes() {
        Sheet s;
        AnswerRules rules(s);
        s.setValue(no(5), 1);
        QVERIFY(!s.NessunaModifica);
        s.setValue(si(5), 1); // the "No" handler runs inside and must leave "Si" alone
        QCOMPARE(row(s, 5), u"100");
        s.setValue(na(5), 1);
        QCOMPARE(row(s, 5) + RispostaDomanda(s, 5), u"001N/A");
        s.setValue(na(5), 0); // unticking empties the row
        QCOMPARE(row(s, 5) + RispostaDomanda(s, 5), u"000");

        // Loading leaves the other boxes alone but still counts as an edit; "No" wins.
        s.CaricamentoInCorso = true;
        s.setValue(si(7), 1);
        s.NessunaModifica = true;
        s.setValue(no(7), 1);
        QVERIFY(!s.NessunaModifica);
        QCOMPARE(row(s, 7) + RispostaDomanda(s, 7), u"110No");
        s.CaricamentoInCorso = false;
        s.setValue(na(7), 1);
        QCOMPARE(row(s, 7), u"001");
        s.NessunaModifica = true;

        // Option groups: one box each; a change is an edit, except while loading.
        s.CaricamentoInCorso = true;
        for (int box : {2, 3, 14, 9, 0})
            s.setValue(option(box), 1);
        for (int box = 0; box < OptionBoxCount; ++box)
            QCOMPARE(s.option(box), box == 0 || box == 3 || box == 9 ? 1 : 0);
        QVERIFY(s.NessunaModifica);
        s.CaricamentoInCorso = false;
        s.setValue(option(9), 0);
        QCOMPARE(s.option(9) + s.option(14), 0);
        QVERIFY(!s.NessunaModifica);
    }

    void typing() {
        QCOMPARE(typed(general(9), "1" + B + CtrlV + CtrlC + Enter + "0123456789a1x"),
                 u"pprrppppppppppprpb 01234567891");           // a tax code
        QCOMPARE(typed(general(2), "3/11"), u"prpr 31");       // a day
        QCOMPARE(typed(general(7), "200x6x"), u"ppprpb 2006"); // a year
        QCOMPARE(typed(text1(27), "+1.000,5a+-"), u"ppbpppbpbbb +10005");
        QCOMPARE(typed(text1(42), CtrlC + CtrlV + B + Enter + CtrlX), u"ppppb ");
        // Box 50: a percentage up to 100 with at most two decimals.
        QCOMPARE(typed(text1(50), "1000"), u"pppb 100");
        QCOMPARE(typed(text1(50), "12,345"), u"pppppb 12,34");
        QCOMPARE(typed(text1(50), ",.05"), u"bbbp 5");
        // Texts that typing from the left does not give: a selection deleted, a paste, a file.
        // Typed over a selection or in the middle: the text the key makes is judged.
        QCOMPARE(typed(general(1), "12345678901", u"[00812345678]"_qs), u"ppppppppppp 12345678901");
        QCOMPARE(typed(general(4), "5", u"20|24"_qs), u"b 2024");
        QCOMPARE(typed(text1(30), "-+", u"|1500"_qs), u"pb -1500");
        QCOMPARE(typed(text1(50), "5,", u"1|0"_qs), u"bp 1,0");
        QCOMPARE(typed(text1(50), ",9", u"12[.5]"_qs), u"pp 12,9");
        QCOMPARE(typed(text1(50), "0", u"|5,5"_qs), u"b 5,5");
        QCOMPARE(typed(text1(50), ".", u"1|,5"_qs), u"b 1,5");
    }

    // The first problem of each stage, and the stages in their order. Each general box emptied
    // alone is named, but for the optional consolidated date.
    void completeness() {
        const char* const taxCode =
            " che il codice fiscale della società revisionata sia di 11 caratteri ";
        QCOMPARE(check(""),
                 data("TEXT_GENERALE_0", " la denominazione della società revisionata "));
        QCOMPARE(check("full"), QString());
        for (int box = 0; box < GeneralBoxCount; ++box) {
            const QString found = check(u"full|g%1="_s.arg(box));
            QVERIFY2(box >= 5 && box <= 7
                         ? found.isEmpty()
                         : found.startsWith(u"Errore TEXT_GENERALE_%1 0:"_s.arg(box)),
                     qPrintable(found));
        }
        QCOMPARE(check("full|g1=0123456789"), data("TEXT_GENERALE_1", taxCode));
        QCOMPARE(check("full|g1=012345678901"), data("TEXT_GENERALE_1", taxCode));
        QCOMPARE(
            check("full|g11=RSSMRA70A01H501"),
            data("TEXT_GENERALE_11", " che il codice fiscale del firmatario sia di 16 caratteri "));
        QCOMPARE(check("full|o4=0"),
                 data("Check_FRAME_GENERALE_2",
                      " la normativa di riferimento per il bilancio d'esercizio "));
        QCOMPARE(check("full|r0|o7=0"),
                 data("Check_FRAME_GENERALE_5", " la tipologia di società "));
        QCOMPARE(check("full|r5"),
                 u"Errore Check_SI_5 1: Verificare nel riquadro Dati Statistici [1/2]\r\n<Giudizio "
                 u"negativo del revisore:  (f) sull'ultima relazione semestrale consolidata>\r\n"
                 u"prima di passare alla generazione del file.");
    }

    // Each question row and each indicator box left empty alone: the problem names it on its
    // page, or the sheet passes for the boxes that may stay empty.
    void eachItemLeftEmpty() {
        const QList<int> mandatory{27, 28, 29, 30, 31, 32, 33, 35, 36, 42};
        for (int i = 0; i < ItemCount; ++i) {
            const QString found =
                check((isQuestionRow(i) ? u"full|r"_qs : u"full|t"_qs) + QString::number(i));
            const Control box{isQuestionRow(i) ? Array::Check_SI : Array::Text1, i};
            const QString named = controlName(box) + u' ' + QString::number(itemPage(i)) + u':';
            QVERIFY2(isQuestionRow(i) || mandatory.contains(i)
                         ? found.startsWith("Errore " + named) &&
                               found.contains("  " + itemText(i) + ">\r\n")
                         : found.isEmpty(),
                     qPrintable(found));
        }
    }

    // Statutory date in boxes 2-4 and consolidated date in 5-7, and the box that the date that
    // fails shows (-1 when both pass); the last day of every month, and the day after it.
    void dates() {
        // clang-format off
        QList<std::pair<QString, int>> cases{
            {u"5|04|2006|30|06|2006"_s, 2}, {u"29|02|2004|30|06|2006"_s, -1},
            {u"29|02|1900|30|06|2006"_s, 2}, {u"29|02|2000|30|06|2006"_s, -1},
            {u"01|01|0000|30|06|2006"_s, 2}, {u"01|01|２００６|30|06|2006"_s, 2},
            {u"|||||"_s, -1} /* empty: skipped */, {u"|04|2006|30|06|"_s, 2},
            {u"30|04|2006|30|06|"_s, 7} /* in part: the first empty box */,
            {u"30|04|2006|||2006"_s, 5}, {u"31|12|2006|31|06|2006"_s, 5},
            {u"31|04|2006|31|06|2006"_s, 2}};
        // clang-format on
        for (int month = 1; month <= 12; ++month) {
            const int last = QDate(2006, month, 1).daysInMonth();
            for (int day : {last, last + 1})
                cases.append({u"30|06|2006|%1|%2|2006"_s.arg(day).arg(month, 2, 10, QChar(u'0')),
                              day > last ? 5 : -1});
        }
        for (const auto& [dates, failing] : cases) {
            Sheet sheet;
            const QStringList parts = dates.split(u'|');
            for (int k = 0; k < 6; ++k)
                sheet.setText(general(2 + k), parts[k]);
            const std::optional<Problem> problem = ControllaDate(sheet);
            QVERIFY2((problem ? problem->focus.index : -1) == failing,
                     qPrintable(parts.join(u'/')));
            QVERIFY(!problem || problem->message ==
                                    u"ATTENZIONE: formato data errato. Operazione annullata!!!");
        }
    }
};

QTEST_APPLESS_MAIN(TestEntry)
#include "test_entry.moc"
