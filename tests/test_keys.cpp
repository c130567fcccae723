// The keystroke filters of the general-data and indicator boxes, typed key by key as a user
// would, the filters on texts that typing cannot produce (pasted or loaded), and the change
// handlers: the automatic move from a full day or month box and the edit mark.
#include "entry/keys.h"

#include <QTest>

using namespace verimoda;

namespace {

QChar letter(KeyVerdict v) {
    switch (v) {
    case KeyVerdict::Pass:
        return u'p';
    case KeyVerdict::Refuse:
        return u'r';
    case KeyVerdict::RefuseWithBeep:
        return u'b';
    }
    return u'?';
}

KeyVerdict filter(bool indicator, int index, QStringView before, int key) {
    return indicator ? Text1_KeyPress(index, before, key)
                     : TEXT_GENERALE_KeyPress(index, before, key);
}

const QString B = QStringLiteral("\b"); // Backspace
const QString CtrlC = QStringLiteral("\x03");
const QString CtrlV = QStringLiteral("\x16");
const QString CtrlX = QStringLiteral("\x18");
const QString Enter = QStringLiteral("\r");

} // namespace

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    // Keys typed one by one into an empty box. Verdicts: p passes, r is refused silently, b is
    // refused with a beep, * all keys pass. A passed Backspace removes the last character; a passed
    // control key types nothing.
    void typing_data() {
        QTest::addColumn<bool>("indicator");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<QString>("text");

        auto general = [](const char* name, int index, const QString& keys, const char* verdicts,
                          const QString& text) {
            QTest::newRow(name) << false << index << keys << QString::fromLatin1(verdicts) << text;
        };
        auto indicator = [](const char* name, int index, const QString& keys, const char* verdicts,
                            const QString& text) {
            QTest::newRow(name) << true << index << keys << QString::fromLatin1(verdicts) << text;
        };

        // Tax codes of the two companies: eleven digits.
        general("tax code full, twelfth digit beeps", 1, "012345678901", "pppppppppppb",
                "01234567890");
        general("tax code letter refused silently below eleven", 1, "0123456789a1x",
                "pppppppppprpb", "01234567891");
        general("tax code Backspace and Enter always pass", 1, "01234567890" + B + "2" + Enter, "*",
                "01234567892");
        general("auditor tax code refuses Ctrl+V and Ctrl+C", 9, "1" + CtrlV + CtrlC, "prr", "1");
        // Day and month: two digits, every refusal silent.
        general("day", 2, "311", "ppr", "31");
        general("day refuses a separator", 2, "3/1", "prp", "31");
        general("month", 6, "05x5", "pprr", "05");
        // Years: four digits.
        general("year fifth digit beeps", 4, "20061", "ppppb", "2006");
        general("year letter silent below four, beeps at four", 7, "200x6x", "ppprpb", "2006");
        general("year Backspace on empty", 7, B, "p", "");
        // Signatory's tax code: any sixteen characters, as typed.
        general("signatory sixteen, seventeenth beeps", 11, "rssmra70a01h501uq",
                "ppppppppppppppppb", "rssmra70a01h501u");
        general("signatory accents and blanks", 11, "à è-ì/ò ù" + B, "*", "à è-ì/ò ");
        // Names take anything.
        general("company name", 0, "Alfa & Figli S.r.l. – è" + CtrlV, "*",
                "Alfa & Figli S.r.l. – è");
        general("auditor name", 8, "+-.,0", "*", "+-.,0");
        general("signatory name", 10, "Rossi Mario", "*", "Rossi Mario");

        // Indicator boxes: whole numbers with a leading sign.
        indicator("minus then digits, later minus beeps", 30, "-1500-", "pppppb", "-1500");
        indicator("plus sign", 27, "+7+", "ppb", "+7");
        indicator("no thousands point, no decimal comma", 30, "1.000,5", "pbpppbp", "10005");
        indicator("letters beep", 42, "12a", "ppb", "12");
        indicator("control keys pass, Ctrl+X beeps", 33, CtrlC + CtrlV + B + Enter + CtrlX, "ppppb",
                  "");
        indicator("sign after sign", 66, "+-", "pb", "+");

        // Box 50: a percentage up to 100 with at most two decimals.
        indicator("100 accepted", 50, "100", "ppp", "100");
        indicator("fourth key of 1000", 50, "1000", "pppb", "100");
        indicator("third key of 101", 50, "101", "ppb", "10");
        indicator("two decimals", 50, "12,34", "ppppp", "12,34");
        indicator("third decimal", 50, "12,345", "pppppb", "12,34");
        indicator("point as separator stays a point", 50, "12.5", "pppp", "12.5");
        indicator("one integer digit", 50, "9,75", "pppp", "9,75");
        indicator("leading zero", 50, "05", "bp", "5");
        indicator("leading separators", 50, ",.", "bb", "");
        indicator("second separator", 50, "12,3,", "ppppb", "12,3");
        indicator("second separator of the other kind", 50, "12.3,", "ppppb", "12.3");
        indicator("no separator after three digits", 50, "100,5", "pppbb", "100");
        indicator("Backspace over the separator re-allows one", 50, "12," + B + ".", "ppppp",
                  "12.");
        indicator("Backspace on an empty box", 50, "1" + B + B, "ppp", "");
        indicator("signs, letters and control keys beep", 50, "-+a5" + Enter + CtrlC + CtrlV,
                  "bbbpbbb", "5");
    }

    void typing() {
        QFETCH(bool, indicator);
        QFETCH(int, index);
        QFETCH(QString, keys);
        QFETCH(QString, verdicts);
        QFETCH(QString, text);

        QString box, got;
        for (QChar key : keys) {
            const KeyVerdict v = filter(indicator, index, box, key.unicode());
            got += letter(v);
            if (v != KeyVerdict::Pass)
                continue;
            if (key.unicode() == keycode::Backspace)
                box.chop(1);
            else if (key.unicode() >= 32)
                box += key;
        }
        QCOMPARE(got, verdicts == u"*" ? QString(keys.size(), u'p') : verdicts);
        QCOMPARE(box, text);
    }

    // Box 50 holding texts that typing from the left does not produce: after a selection was
    // deleted or overwritten, after a paste from the context menu or a read file. The separator
    // is found in the text itself, and a text that is no number does not stop the filter.
    void percentBoxOnOtherTexts_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("verdict");

        QTest::newRow("separator again after deleting a selected \",5\"")
            << "12" << int(',') << "p";
        QTest::newRow("separator in the middle counts") << "1,5" << int('.') << "b";
        QTest::newRow("99,9 is below the limit") << "99." << int('9') << "p";
        QTest::newRow("loaded value above the limit takes no digit") << "150" << int('0') << "b";
        QTest::newRow("loaded value above the limit can be shortened")
            << "150" << int(keycode::Backspace) << "p";
        QTest::newRow("loaded 100,5 above the limit") << "100,5" << int(keycode::Backspace) << "p";
        QTest::newRow("two separators, Backspace") << "1,2,3" << int(keycode::Backspace) << "p";
        QTest::newRow("no number, short") << "ab" << int('5') << "p";
        QTest::newRow("no number, long") << "abc" << int('5') << "b";
        QTest::newRow("exponent is no number") << "1e5" << int(keycode::Backspace) << "p";
        QTest::newRow("leading blank") << " 5" << int('0') << "p";
    }

    void percentBoxOnOtherTexts() {
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(QString, verdict);
        QCOMPARE(QString(letter(Text1_KeyPress(50, before, key))), verdict);
    }

    void automaticMove_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");

        QTest::newRow("statutory day") << 2 << "31"
                                       << "TEXT_GENERALE_3";
        QTest::newRow("statutory month") << 3 << "05"
                                         << "TEXT_GENERALE_4";
        QTest::newRow("consolidated day") << 5 << "30"
                                          << "TEXT_GENERALE_6";
        QTest::newRow("consolidated month") << 6 << "06"
                                            << "TEXT_GENERALE_7";
        QTest::newRow("one digit stays") << 2 << "3"
                                         << "";
        QTest::newRow("three characters stay") << 3 << "123"
                                               << "";
        QTest::newRow("years do not move on") << 4 << "20"
                                              << "";
        QTest::newRow("tax code does not move") << 1 << "12"
                                                << "";
        QTest::newRow("name does not move") << 0 << "ab"
                                            << "";
    }

    void automaticMove() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, target);

        Sheet sheet;
        ChangeRules rules(sheet);
        QStringList moves;
        connect(&rules, &ChangeRules::focusRequested, [&](Control c) { moves << controlName(c); });
        sheet.setText({Array::TEXT_GENERALE, index}, text.left(1));
        sheet.setText({Array::TEXT_GENERALE, index}, text);
        QCOMPARE(moves, target.isEmpty() ? QStringList() : QStringList{target});
        QVERIFY(!sheet.NessunaModifica);
    }

    void editMarkAndLoading() {
        Sheet sheet;
        ChangeRules rules(sheet);
        int moves = 0;
        connect(&rules, &ChangeRules::focusRequested, [&] { ++moves; });

        // Loading: general boxes neither move nor mark; indicator boxes still mark.
        sheet.CaricamentoInCorso = true;
        sheet.setText({Array::TEXT_GENERALE, 2}, QStringLiteral("31"));
        sheet.setText({Array::TEXT_GENERALE, 0}, QStringLiteral("Alfa"));
        QCOMPARE(moves, 0);
        QVERIFY(sheet.NessunaModifica);
        sheet.setText({Array::Text1, 30}, QStringLiteral("5"));
        QVERIFY(!sheet.NessunaModifica);

        sheet.CaricamentoInCorso = false;
        sheet.NessunaModifica = true;
        sheet.setText({Array::TEXT_GENERALE, 0}, QString());
        QVERIFY(!sheet.NessunaModifica);
        sheet.NessunaModifica = true;
        sheet.setText({Array::Text1, 30}, QString());
        QVERIFY(!sheet.NessunaModifica);
    }
};

QTEST_APPLESS_MAIN(TestKeys)
#include "test_keys.moc"
