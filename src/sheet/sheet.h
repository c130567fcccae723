// The state of the sheet: the value of every check box and the text of every text box, addressed
// by array and index, and the program-wide flags. Setting a value or a text to something new
// notifies at once, whether the user or code made the change: the answer rules and the window
// react to every change, and the reader relies on that.
#pragma once

#include "sheet/catalogue.h"

#include <QObject>
#include <QString>

#include <array>

namespace verimoda {

class Sheet : public QObject {
    Q_OBJECT
public:
    explicit Sheet(QObject* parent = nullptr);

    // Check boxes (Check_FRAME_GENERALE, Check_SI, Check_NO, Check_NA): 0 or 1.
    int value(Control c) const;
    void setValue(Control c, int value);
    bool ticked(Control c) const { return value(c) == 1; }

    // Text boxes (TEXT_GENERALE, Text1).
    QString text(Control c) const;
    void setText(Control c, const QString& text);

    // Shorthands for the arrays the rules address most.
    QString general(int i) const { return text({Array::TEXT_GENERALE, i}); }
    QString indicator(int i) const { return text({Array::Text1, i}); }
    int option(int box) const { return value({Array::Check_FRAME_GENERALE, box}); }

    // Takes every value and text of `other`, each through setValue and setText, so that the
    // handlers and the window see each change. The flags stay this sheet's own.
    void assign(const Sheet& other);
    // Whether both sheets hold the same values and texts (the flags aside).
    bool holdsSameAs(const Sheet& other) const;

    // Program-wide state, living for the whole run.
    bool NessunaModifica = true;     // no edit that was neither read from nor written to a file
    bool UscitaRichiesta = false;    // "Esci" has asked its question and is saving
    bool CaricamentoInCorso = false; // a file is being loaded
    QString NomeFileFoglio;          // path of the sheet file last chosen

signals:
    void valueChanged(verimoda::Control c, int value);
    void textChanged(verimoda::Control c, const QString& text);

private:
    int* valueSlot(Control c);
    QString* textSlot(Control c);

    std::array<int, OptionBoxCount> options_{};
    std::array<int, ItemCount> si_{}, no_{}, na_{};
    std::array<QString, GeneralBoxCount> general_;
    std::array<QString, ItemCount> indicators_;
};

} // namespace verimoda
