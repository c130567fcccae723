#include "app/tab_pages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

namespace verimoda {

TabPages::TabPages(int tabsPerRow, int designedRowHeight, QWidget* parent)
    : QWidget(parent), perRow_(std::max(1, tabsPerRow)), designedRowHeight_(designedRowHeight),
      stack_(new QStackedWidget(this)) {
    // The tabs look alike on every system, drawn by Fusion (the style of Qt's own on Linux): the
    // Windows style of Windows Vista and later draws no row but the one next to the pages.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        fusion->setParent(this);
        setStyle(fusion);
    }
    setMouseTracking(true); // hover highlight of the tabs
    setFocusPolicy(Qt::NoFocus);
    connect(stack_, &QStackedWidget::currentChanged, this, [this](int index) {
        current_ = index;
        update();
        emit currentChanged(index);
    });
}

int TabPages::addPage(QWidget* page, const QString& caption) {
    captions_.append(caption);
    const int index = stack_->addWidget(page);
    rowHeight_ = 0; // measured again when next needed, not once per page added
    // Before the first show a resize event is still due, and it places the pages.
    if (!testAttribute(Qt::WA_PendingResizeEvent))
        placePages();
    updateGeometry();
    return index;
}

QWidget* TabPages::page(int index) const {
    return stack_->widget(index);
}

void TabPages::setCurrentIndex(int index) {
    if (index >= 0 && index < count())
        stack_->setCurrentIndex(index);
}

void TabPages::activate(int index) {
    setCurrentIndex(index);
    emit tabActivated(index);
}

int TabPages::rowHeight() const {
    if (rowHeight_ == 0)
        rowHeight_ = measureRows();
    return rowHeight_;
}

int TabPages::measureRows() const {
    // The designed height, or more when the style needs it for the captions.
    QStyleOptionTab option;
    int needed = 0;
    for (int i = 0; i < count(); ++i) {
        initTabOption(&option, i);
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, captions_[i]);
        needed = std::max(
            needed, style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text, this).height());
    }
    return std::max(designedRowHeight_, needed);
}

QRect TabPages::tabRect(int index) const {
    if (index < 0 || index >= count())
        return {};
    // Every row keeps its place, whichever tab is chosen: a row that moved would put another tab
    // under the mouse for the next click.
    const int place = index / perRow_;
    const int column = index % perRow_;
    const int x0 = width() * column / perRow_;
    const int x1 = width() * (column + 1) / perRow_;
    const int h = rowHeight();
    return {x0, place * h, x1 - x0, h};
}

int TabPages::tabAt(const QPoint& pos) const {
    for (int i = 0; i < count(); ++i)
        if (tabRect(i).contains(pos))
            return i;
    return -1;
}

QRect TabPages::paneRect() const {
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = rowCount() * rowHeight() - overlap;
    return {0, top, width(), height() - top};
}

void TabPages::placePages() {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    stack_->setGeometry(paneRect().adjusted(frame, frame, -frame, -frame));
}

QSize TabPages::sizeHint() const {
    const QSize pages = stack_->sizeHint();
    return {pages.width(), pages.height() + rowCount() * rowHeight()};
}

QSize TabPages::minimumSizeHint() const {
    return {perRow_ * 40, rowCount() * rowHeight() + 20};
}

void TabPages::initTabOption(QStyleOptionTab* option, int index) const {
    option->initFrom(this);
    option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option->shape = QTabBar::RoundedNorth;
    option->text = captions_.value(index);
    option->tabIndex = index;
    option->row = index / perRow_;
    const int column = index % perRow_;
    const int last = std::min(perRow_, count() - option->row * perRow_) - 1;
    option->position = last == 0        ? QStyleOptionTab::OnlyOneTab
                       : column == 0    ? QStyleOptionTab::Beginning
                       : column == last ? QStyleOptionTab::End
                                        : QStyleOptionTab::Middle;
    option->selectedPosition = QStyleOptionTab::NotAdjacent;
    if (current_ / perRow_ == option->row) {
        if (current_ == index - 1)
            option->selectedPosition = QStyleOptionTab::PreviousIsSelected;
        else if (current_ == index + 1)
            option->selectedPosition = QStyleOptionTab::NextIsSelected;
    }
    if (index == current_)
        option->state |= QStyle::State_Selected;
    if (index == hovered_ && isEnabled())
        option->state |= QStyle::State_MouseOver;
}

void TabPages::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);

    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.rect = paneRect();
    pane.shape = QTabBar::RoundedNorth;
    pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    pane.tabBarSize = QSize(width(), rowHeight());
    // The pane opens under the current tab only when that tab stands next to it.
    const bool nextToPane = current_ >= 0 && current_ / perRow_ == rowCount() - 1;
    pane.tabBarRect = nextToPane ? tabRect(current_) : QRect();
    pane.selectedTabRect = pane.tabBarRect;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, pane);

    // Row by row from the top, each row's current tab last, so that it lies over its neighbours
    // and, in the lowest row, over the pane; a row below covers what a selected tab above draws
    // beyond its row.
    QStyleOptionTab option;
    const auto draw = [&](int i) {
        initTabOption(&option, i);
        option.rect = tabRect(i);
        painter.drawControl(QStyle::CE_TabBarTab, option);
    };
    for (int row = 0; row < rowCount(); ++row) {
        const int first = row * perRow_, last = std::min(count(), first + perRow_);
        for (int i = first; i < last; ++i)
            if (i != current_)
                draw(i);
        if (current_ >= first && current_ < last)
            draw(current_);
    }
}

void TabPages::mousePressEvent(QMouseEvent* event) {
    const int index = event->button() == Qt::LeftButton ? tabAt(event->position().toPoint()) : -1;
    if (index < 0) {
        event->ignore();
        return;
    }
    activate(index);
}

void TabPages::mouseMoveEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TabPages::leaveEvent(QEvent* event) {
    hovered_ = -1;
    update();
    QWidget::leaveEvent(event);
}

void TabPages::keyPressEvent(QKeyEvent* event) {
    // Keys the pages leave unused come here, as in a tab widget.
    int step = 0;
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_PageDown:
            step = (event->modifiers() & Qt::ShiftModifier) ? -1 : 1;
            break;
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
            step = -1;
            break;
        default:
            break;
        }
    }
    if (step == 0 || count() == 0) {
        event->ignore();
        return;
    }
    activate((current_ + step + count()) % count());
}

void TabPages::resizeEvent(QResizeEvent* event) {
    placePages();
    QWidget::resizeEvent(event);
}

void TabPages::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        rowHeight_ = 0;
        placePages();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace verimoda
