// Pages under a strip of tabs in several rows (QTabBar keeps its tabs on one row). The tabs are
// drawn by the style, each row in its own place; the current tab is drawn selected in its row. The
// mouse picks a tab on press; Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp step through the
// pages from anywhere inside.
#pragma once

#include <QStringList>
#include <QWidget>

class QStackedWidget;
class QStyleOptionTab;

namespace verimoda {

class TabPages : public QWidget {
    Q_OBJECT
public:
    TabPages(int tabsPerRow, int designedRowHeight, QWidget* parent = nullptr);

    int addPage(QWidget* page, const QString& caption);
    int count() const { return int(captions_.size()); }
    QWidget* page(int index) const;
    QString tabText(int index) const { return captions_.value(index); }

    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);

    // Where tab `index` is drawn now, and the tab under a point (-1 for none).
    QRect tabRect(int index) const;
    int tabAt(const QPoint& pos) const;
    int rowCount() const { return (count() + perRow_ - 1) / perRow_; }
    int rowHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);
    // The user chose a page, with the mouse or the keyboard.
    void tabActivated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void activate(int index);
    int measureRows() const;
    void placePages();
    QRect paneRect() const;
    void initTabOption(QStyleOptionTab* option, int index) const;

    int perRow_;
    int designedRowHeight_;
    mutable int rowHeight_ = 0; // 0 until measured
    int current_ = -1;
    int hovered_ = -1;
    QStringList captions_;
    QStackedWidget* stack_;
};

} // namespace verimoda
