#include "sheet/sheet.h"

namespace verimoda {

Sheet::Sheet(QObject* parent) : QObject(parent) {
    for (int i = 0; i < ItemCount; ++i)
        if (isNonCompilare(i))
            indicators_[i] = QString::fromUtf16(NonCompilareValue);
}

int* Sheet::valueSlot(Control c) {
    if (!controlExists(c))
        return nullptr;
    switch (c.array) {
    case Array::Check_FRAME_GENERALE:
        return &options_[c.index];
    case Array::Check_SI:
        return &si_[c.index];
    case Array::Check_NO:
        return &no_[c.index];
    case Array::Check_NA:
        return &na_[c.index];
    default:
        return nullptr;
    }
}

QString* Sheet::textSlot(Control c) {
    if (!controlExists(c))
        return nullptr;
    switch (c.array) {
    case Array::TEXT_GENERALE:
        return &general_[c.index];
    case Array::Text1:
        return &indicators_[c.index];
    default:
        return nullptr;
    }
}

int Sheet::value(Control c) const {
    const int* slot = const_cast<Sheet*>(this)->valueSlot(c);
    Q_ASSERT_X(slot, "Sheet::value", "no check box with this array and index");
    return slot ? *slot : 0;
}

void Sheet::setValue(Control c, int value) {
    int* slot = valueSlot(c);
    Q_ASSERT_X(slot, "Sheet::setValue", "no check box with this array and index");
    if (!slot || *slot == value)
        return;
    *slot = value;
    emit valueChanged(c, value);
}

QString Sheet::text(Control c) const {
    const QString* slot = const_cast<Sheet*>(this)->textSlot(c);
    Q_ASSERT_X(slot, "Sheet::text", "no text box with this array and index");
    return slot ? *slot : QString();
}

void Sheet::setText(Control c, const QString& text) {
    QString* slot = textSlot(c);
    Q_ASSERT_X(slot, "Sheet::setText", "no text box with this array and index");
    if (!slot || *slot == text)
        return;
    *slot = text;
    emit textChanged(c, text);
}

void Sheet::assign(const Sheet& other) {
    for (int i = 0; i < OptionBoxCount; ++i)
        setValue({Array::Check_FRAME_GENERALE, i}, other.options_[i]);
    for (int i = 0; i < GeneralBoxCount; ++i)
        setText({Array::TEXT_GENERALE, i}, other.general_[i]);
    for (int i = 0; i < ItemCount; ++i) {
        if (isIndicatorBox(i)) {
            setText({Array::Text1, i}, other.indicators_[i]);
            continue;
        }
        setValue({Array::Check_SI, i}, other.si_[i]);
        setValue({Array::Check_NO, i}, other.no_[i]);
        setValue({Array::Check_NA, i}, other.na_[i]);
    }
}

bool Sheet::holdsSameAs(const Sheet& other) const {
    return options_ == other.options_ && si_ == other.si_ && no_ == other.no_ && na_ == other.na_ &&
           general_ == other.general_ && indicators_ == other.indicators_;
}

} // namespace verimoda
