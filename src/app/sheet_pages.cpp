#include "app/sheet_pages.h"

#include "app/rows_layout.h"
#include "app/tab_pages.h"
#include "app/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace verimoda {

namespace {

using namespace geometry;

// Page 0: the caption each general-data box stands beside, and what sizes it.
struct GeneralBoxDesign {
    int label;                   // LABEL_GENERALE
    int width;                   // designed width (twips); full-width boxes stand at the left
    const char* widest;          // the longest text the box takes, shown whole
    const char* datePart;        // "giorno", "mese", "anno" for the boxes of a closing date
    const char* separatorBefore; // the "/" label between this box and the one before it
};

constexpr GeneralBoxDesign GeneralBoxes[GeneralBoxCount] = {
    {0, GeneralBoxWidth, nullptr, nullptr, nullptr},
    {1, TaxCodeWidth, "00000000000", nullptr, nullptr},
    {2, DayMonthWidth, "00", "giorno", nullptr},
    {2, DayMonthWidth, "00", "mese", "Label5"},
    {2, YearWidth, "0000", "anno", "Label4"},
    {3, DayMonthWidth, "00", "giorno", nullptr},
    {3, DayMonthWidth, "00", "mese", "Label2"},
    {3, YearWidth, "0000", "anno", "Label3"},
    {4, GeneralBoxWidth, nullptr, nullptr, nullptr},
    {5, TaxCodeWidth, "00000000000", nullptr, nullptr},
    {6, GeneralBoxWidth, nullptr, nullptr, nullptr},
    // A tax code of a person: six letters, two digits, a letter, two digits, a letter, three
    // digits, a letter; W stands for the widest letter.
    {7, SignatoryTaxCodeWidth, "WWWWWW00W00W000W", nullptr, nullptr},
};

// The frame that holds everything on a page, named as in the design.
constexpr int PageFrame[PageCount] = {1, 2, 3, 5, 8, 6, 9, 4};

constexpr int FieldLabelCount = 8; // LABEL_GENERALE 0-7 stand beside text boxes
constexpr int CaptionGap = 100;    // between a caption and the control beside it
constexpr int OptionLine = 300;    // height of a line of option boxes
constexpr int OptionPadding = 30;  // above and below the option boxes in their frame
constexpr int OptionsPerLine = 4;  // the widest option line; longer groups take two lines
constexpr int TextPadding = 90;    // air around a text that takes more than one line

class PageBuilder {
public:
    PageBuilder(TabPages& tabs, const Twips& tw, SheetWidgets& widgets)
        : tabs_(tabs), tw_(tw), w_(widgets) {}

    void build() {
        buildGeneralPage();
        for (int page = 1; page < PageCount; ++page)
            buildItemPage(page);
    }

private:
    RowsLayout* newPage(int page) {
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("PAGE_%1").arg(page));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->viewport()->setAutoFillBackground(false); // the tab pane shows through

        auto* content = new PageContent;
        content->setObjectName(QStringLiteral("Frame%1").arg(PageFrame[page]));
        auto* rows = new RowsLayout(tw_(RowPitchMin), tw_(RowPitchMax), tw_(TextPadding), content);
        const int side = tw_((TabWidth - FrameWidth) / 2);
        rows->setContentsMargins(side, tw_(FrameTop - 2 * TabRowHeight), side, tw_(OptionPadding));
        scroll->setWidget(content);

        tabs_.addPage(scroll, pageCaption(page));
        w_.pages[page] = scroll;
        w_.contents[page] = content;
        return rows;
    }

    QLabel* newLabel(QWidget* parent, const QString& name, const QString& text = {}) {
        auto* label = new QLabel(text, parent);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }

    template <class W>
    W* newControl(QWidget* parent, Control c) {
        auto* widget = new W(parent);
        widget->setObjectName(controlName(c));
        w_.controls[size_t(c.array)][size_t(c.index)] = widget;
        return widget;
    }

    QLineEdit* newTextBox(QWidget* parent, Control c, const QString& accessibleName) {
        auto* box = newControl<QLineEdit>(parent, c);
        box->setAccessibleName(accessibleName);
        return box;
    }

    // Width a text box needs to show `widest` whole, at least the designed width.
    int textBoxWidth(QLineEdit* box, int designed, const char* widest) const {
        int width = tw_(designed);
        if (widest) {
            QStyleOptionFrame option;
            option.initFrom(box);
            option.lineWidth =
                box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
            // the text, the box's inner margins (two pixels a side) and the cursor
            const int text = box->fontMetrics().horizontalAdvance(QLatin1String(widest)) +
                             box->textMargins().left() + box->textMargins().right() + 4;
            const QSize needed = box->style()->sizeFromContents(
                QStyle::CT_LineEdit, &option, QSize(text, box->fontMetrics().height()), box);
            width = std::max(width, needed.width());
        }
        return width;
    }

    void buildGeneralPage() {
        RowsLayout* rows = newPage(0);
        QWidget* page = rows->parentWidget();
        const int captionWidth = tw_(GeneralBoxLeft - CaptionGap - HeadingLeft);

        for (int label = 0; label < FieldLabelCount; ++label) {
            QList<RowsLayout::Cell> cells{
                {newLabel(page, QStringLiteral("LABEL_GENERALE_%1").arg(label),
                          generalCaption(label)),
                 tw_(HeadingLeft), captionWidth}};
            // The boxes of a caption, made in index order (the focus order), then placed right
            // to left from the right edge, unless a box takes the full width.
            QList<int> indices;
            for (int i = 0; i < GeneralBoxCount; ++i)
                if (GeneralBoxes[i].label == label)
                    indices.append(i);
            QList<QLineEdit*> made;
            for (int i : indices) {
                QString name = generalCaption(label);
                if (GeneralBoxes[i].datePart)
                    name += QLatin1String(": ") + QLatin1String(GeneralBoxes[i].datePart);
                made.append(newTextBox(page, {Array::TEXT_GENERALE, i}, name));
            }
            int right = tw_(GeneralRight);
            QList<RowsLayout::Cell> boxes;
            for (qsizetype k = indices.size() - 1; k >= 0; --k) {
                const GeneralBoxDesign& d = GeneralBoxes[indices[k]];
                if (d.width == GeneralBoxWidth) {
                    boxes.prepend(
                        {made[k], tw_(GeneralBoxLeft), tw_(GeneralBoxWidth), tw_(IndicatorHeight)});
                    continue;
                }
                const int width = textBoxWidth(made[k], d.width, d.widest);
                right -= width;
                boxes.prepend({made[k], right, width, tw_(IndicatorHeight)});
                if (d.separatorBefore) {
                    QLabel* slash = separator(page, QLatin1String(d.separatorBefore));
                    right -= slash->sizeHint().width();
                    boxes.prepend({slash, right, slash->sizeHint().width()});
                }
            }
            rows->addRow(cells + boxes);
        }

        for (int group = 0; group < OptionGroupCount; ++group)
            rows->addRow(optionGroupRow(page, group));
    }

    // A "/" between the boxes of a date, in the larger size of the design.
    QLabel* separator(QWidget* parent, const QString& name) {
        QLabel* slash = newLabel(parent, name, QStringLiteral("/"));
        slash->setWordWrap(false);
        slash->setAlignment(Qt::AlignCenter);
        QFont font = slash->font();
        font.setPointSizeF(SeparatorFontPoints);
        slash->setFont(font);
        return slash;
    }

    QList<RowsLayout::Cell> optionGroupRow(QWidget* page, int group) {
        const OptionGroup& g = optionGroup(group);
        auto* frame = new QFrame(page);
        frame->setObjectName(QStringLiteral("FRAME_DATI_GENERALI_%1").arg(group));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setAccessibleName(generalCaption(g.label));

        const int count = g.last - g.first + 1;
        const int lines = (count + OptionsPerLine - 1) / OptionsPerLine;
        const int perLine = (count + lines - 1) / lines;
        const int column = (tw_(GeneralBoxWidth) - tw_(CaptionGap)) / perLine;
        for (int box = g.first; box <= g.last; ++box) {
            auto* check = newControl<QCheckBox>(frame, {Array::Check_FRAME_GENERALE, box});
            check->setText(optionCaption(box)); // "S&&P/MIB" shows as S&P/MIB
            check->setAccessibleName(generalCaption(g.label) + QLatin1String(": ") +
                                     shownCaption(optionCaption(box)));
            const int n = box - g.first;
            const int h = checkBoxHint(check).height();
            check->setGeometry(tw_(CaptionGap) + (n % perLine) * column,
                               tw_(OptionPadding) + (n / perLine) * tw_(OptionLine) +
                                   (tw_(OptionLine) - h) / 2,
                               std::max(column, checkBoxHint(check).width()), h);
        }
        const int height = 2 * tw_(OptionPadding) + lines * tw_(OptionLine);
        QLabel* caption = newLabel(page, QStringLiteral("LABEL_GENERALE_%1").arg(g.label),
                                   generalCaption(g.label));
        return {{caption, tw_(HeadingLeft), tw_(GeneralBoxLeft - CaptionGap - HeadingLeft)},
                {frame, tw_(GeneralBoxLeft), tw_(GeneralBoxWidth), height}};
    }

    static int firstItemUnder(int heading) {
        for (int i = 0; i < ItemCount; ++i)
            if (itemHeading(i) == heading)
                return i;
        return -1;
    }

    void buildItemPage(int page) {
        RowsLayout* rows = newPage(page);
        QWidget* content = rows->parentWidget();
        const bool summary = page == PageCount - 1;
        const int textLeft = summary ? SummaryTextLeft : TextLeft;
        const int textWidth = summary ? SummaryTextWidth : TextWidth;

        for (int i = 0; i < ItemCount; ++i) {
            if (itemPage(i) != page)
                continue;
            const int heading = itemHeading(i);
            if (heading >= 0 &&
                firstItemUnder(heading) == i) { // a heading stands above its first item
                QLabel* title = newLabel(content, QStringLiteral("LABEL_TITOLO_%1").arg(heading));
                QFont bold = title->font();
                bold.setBold(true);
                title->setFont(bold);
                w_.headings[heading] = title;
                rows->addRow({{title, tw_(HeadingLeft), tw_(HeadingWidth)}});
            }

            QWidget* control;
            int left;
            if (isQuestionRow(i)) {
                left = i == 26 ? AnswerFrameLeftRow26 : AnswerFrameLeft;
                control = answerFrame(content, i);
            } else {
                left = IndicatorLeft;
                control = indicatorBox(content, i);
            }
            if (heading >= 0) { // sections repeat item texts: the heading tells them apart
                control->setAccessibleDescription(headingText(heading));
                for (QWidget* box : control->findChildren<QWidget*>())
                    box->setAccessibleDescription(headingText(heading));
            }
            QLabel* label = newLabel(content, (isQuestionRow(i) ? QStringLiteral("LABEL_CHECK_%1")
                                                                : QStringLiteral("LABEL_TEXT_%1"))
                                                  .arg(i));
            w_.itemLabels[i] = label;
            const int width = std::min(textWidth, left - CaptionGap - textLeft);
            const int height = isQuestionRow(i) ? AnswerFrameHeight : IndicatorHeight;
            const int controlWidth = isQuestionRow(i) ? AnswerFrameWidth : IndicatorWidth;
            rows->addRow({{label, tw_(textLeft), tw_(width)},
                          {control, tw_(left), tw_(controlWidth), tw_(height)}});
        }
    }

    QWidget* answerFrame(QWidget* parent, int row) {
        auto* frame = new QFrame(parent);
        frame->setObjectName(QStringLiteral("FRAME_CHECK_%1").arg(row));
        frame->setAccessibleName(itemText(row));
        const Array boxes[3] = {Array::Check_SI, Array::Check_NO, Array::Check_NA};
        for (int k = 0; k < 3; ++k) {
            const Control c{boxes[k], row};
            auto* check = newControl<QCheckBox>(frame, c);
            check->setText(answerCaption(c.array, row));
            check->setAccessibleName(itemText(row) + QLatin1String(": ") + check->text());
            const QSize hint = checkBoxHint(check);
            const int next = k + 1 < 3 ? AnswerBoxLeft[k + 1] : AnswerFrameWidth;
            check->setGeometry(tw_(AnswerBoxLeft[k]), (tw_(AnswerFrameHeight) - hint.height()) / 2,
                               std::max(tw_(next - AnswerBoxLeft[k]), hint.width()), hint.height());
            if (!controlEditable(c)) { // an unavailable "N/A": greyed, outside the keyboard order
                check->setEnabled(false);
                check->setFocusPolicy(Qt::NoFocus);
            }
        }
        return frame;
    }

    QWidget* indicatorBox(QWidget* parent, int item) {
        const Control c{Array::Text1, item};
        QLineEdit* box = newTextBox(parent, c, itemText(item));
        // "- Non compilare": greyed with its "0", out of the keyboard order and deaf to clicks,
        // like the unavailable "N/A" boxes.
        box->setEnabled(controlEditable(c));
        return box;
    }

    // The size a check box needs for its caption; the 159 boxes have only a few captions.
    QSize checkBoxHint(QCheckBox* box) {
        auto found = checkHints_.constFind(box->text());
        if (found == checkHints_.cend())
            found = checkHints_.insert(box->text(), box->sizeHint());
        return *found;
    }

    QHash<QString, QSize> checkHints_;
    TabPages& tabs_;
    const Twips& tw_;
    SheetWidgets& w_;
};

} // namespace

void PageContent::markRowOf(QWidget* control) {
    if (control == marked_)
        return;
    marked_ = control;
    update();
}

QRect PageContent::rowOf(const QWidget* control) const {
    // The widget that stands in the row: a check box stands in its frame.
    const QWidget* cell = control;
    while (cell && cell->parentWidget() != this)
        cell = cell->parentWidget();
    if (!cell)
        return {};
    int top = cell->geometry().top(), bottom = cell->geometry().bottom();
    const int middle = cell->geometry().center().y();
    for (const QWidget* other : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other->isVisible() && other->geometry().top() <= middle &&
            other->geometry().bottom() >= middle) {
            top = std::min(top, other->geometry().top());
            bottom = std::max(bottom, other->geometry().bottom());
        }
    const int air = 2;
    return QRect(QPoint(air, top - air), QPoint(width() - 1 - air, bottom + air));
}

void PageContent::paintEvent(QPaintEvent*) {
    const QRect row = markedRow();
    if (row.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Highlight), edge = fill;
    fill.setAlpha(40);
    edge.setAlpha(190);
    painter.setPen(QPen(edge, 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(row).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
}

void buildSheetPages(TabPages& tabs, const Twips& twips, SheetWidgets& widgets) {
    PageBuilder(tabs, twips, widgets).build();
}

} // namespace verimoda
