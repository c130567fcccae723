#include "app/rows_layout.h"

#include <QWidget>

#include <algorithm>

namespace verimoda {

RowsLayout::RowsLayout(int minPitch, int maxPitch, int textPadding, QWidget* parent)
    : QLayout(parent), minPitch_(minPitch), maxPitch_(maxPitch), textPadding_(textPadding) {
    setContentsMargins(0, 0, 0, 0);
}

RowsLayout::~RowsLayout() {
    for (const Item& i : items_)
        delete i.item;
}

void RowsLayout::addRow(const QList<Cell>& cells) {
    for (const Cell& c : cells) {
        addChildWidget(c.widget);
        // The V2 item keeps the widget's measures until the widget itself changes, across the
        // invalidations of every layout pass.
        items_.append({new QWidgetItemV2(c.widget), rows_, c.left, c.width, c.height});
    }
    ++rows_;
    invalidate();
}

void RowsLayout::addItem(QLayoutItem* item) {
    items_.append({item, rows_++, 0, item->sizeHint().width(), -1});
    invalidate();
}

QLayoutItem* RowsLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* RowsLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size())
        return nullptr;
    QLayoutItem* taken = items_.takeAt(index).item;
    invalidate();
    return taken;
}

void RowsLayout::invalidate() {
    needsValid_ = false;
    QLayout::invalidate();
}

int RowsLayout::neededHeight(const Item& i) const {
    if (i.item->isEmpty())
        return 0;
    // A word-wrapped text is measured once, at its width: its minimum size would lay it out
    // several times more.
    if (i.height < 0 && i.item->hasHeightForWidth()) // its lines plus some air
        return i.item->heightForWidth(i.width) + textPadding_;
    const int minimum = i.item->minimumSize().height();
    return std::max(i.height >= 0 ? i.height : i.item->sizeHint().height(), minimum);
}

const QList<int>& RowsLayout::rowNeeds() const {
    if (!needsValid_) {
        needs_.fill(0, rows_);
        for (const Item& i : items_) {
            i.needed = neededHeight(i);
            needs_[i.row] = std::max(needs_[i.row], i.needed);
        }
        needsValid_ = true;
    }
    return needs_;
}

int RowsLayout::totalHeight(int pitch) const {
    int total = 0;
    for (int need : rowNeeds())
        total += std::max(need, pitch);
    const QMargins m = contentsMargins();
    return total + m.top() + m.bottom();
}

int RowsLayout::contentWidth() const {
    int right = 0;
    for (const Item& i : items_)
        right = std::max(right, i.left + i.width);
    const QMargins m = contentsMargins();
    return right + m.left() + m.right();
}

QSize RowsLayout::sizeHint() const {
    return {contentWidth(), totalHeight(maxPitch_)};
}

QSize RowsLayout::minimumSize() const {
    return {contentWidth(), totalHeight(minPitch_)};
}

void RowsLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    int pitch = maxPitch_;
    while (pitch > minPitch_ && totalHeight(pitch) > rect.height())
        --pitch;

    const QList<int>& needs = rowNeeds();
    QList<int> tops(rows_ + 1);
    tops[0] = rect.top() + contentsMargins().top();
    for (int r = 0; r < rows_; ++r)
        tops[r + 1] = tops[r] + std::max(needs[r], pitch);

    const int left = rect.left() + contentsMargins().left();
    for (const Item& i : items_) {
        if (i.item->isEmpty())
            continue;
        const int rowHeight = tops[i.row + 1] - tops[i.row];
        const bool text = i.height < 0 && i.item->hasHeightForWidth();
        const int h = std::min(text ? i.needed - textPadding_ : i.needed, rowHeight);
        const QRect r(left + i.left, tops[i.row] + (rowHeight - h) / 2, i.width, h);
        // A wrapped text takes exactly the box measured for it. The item would bound the box by
        // the widget's size hints first, and a text's hints lay it out several times over.
        if (text && i.item->widget())
            i.item->widget()->setGeometry(r);
        else
            i.item->setGeometry(r);
    }
}

} // namespace verimoda
