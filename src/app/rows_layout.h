// Places widgets in rows, top to bottom, each widget at its designed left and width. A row is as
// tall as its tallest widget needs (a word-wrapped text grows its row) and at least the designed
// row pitch; its widgets are centred in it. The pitch shrinks from its largest to its smallest
// designed value when the rows would not fit the height given; below that the content asks for
// more height than it has, and the scroll area around it scrolls.
#pragma once

#include <QLayout>
#include <QList>

namespace verimoda {

class RowsLayout : public QLayout {
public:
    struct Cell {
        QWidget* widget;
        int left;        // pixels from the layout's left edge
        int width;       // pixels
        int height = -1; // designed height; -1 takes what the widget needs
    };

    RowsLayout(int minPitch, int maxPitch, int textPadding, QWidget* parent = nullptr);
    ~RowsLayout() override;

    void addRow(const QList<Cell>& cells);

    void addItem(QLayoutItem* item) override; // a row of one item at the layout's left
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return int(items_.size()); }
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    struct Item {
        QLayoutItem* item;
        int row;
        int left, width, height;
        mutable int needed = 0; // what neededHeight() gave in the last pass
    };
    int neededHeight(const Item& item) const;
    // Natural height of every row (without the pitch) and of every item, computed once until
    // the layout is invalidated: measuring a wrapped text lays it out, which is what costs.
    const QList<int>& rowNeeds() const;
    int totalHeight(int pitch) const;
    int contentWidth() const;

    int minPitch_, maxPitch_, textPadding_;
    int rows_ = 0;
    QList<Item> items_;
    mutable QList<int> needs_;
    mutable bool needsValid_ = false;
};

} // namespace verimoda
