// The two tabs of a selection document, laid out from its description.
#include "selection_document.h"

#include "gui/child_control.h"
#include "gui/fore_color.h"
#include "gui/keyboard_helpers.h"
#include "gui/option_group.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quellmar::shell {
namespace {

QLabel* Heading(const QString& text, QWidget* parent, int pointDelta) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointDelta);
    label->setFont(font);
    return label;
}

// A label of the results that asks for one line as long as its text, as a label that does not
// wrap does, and wraps at the width its layout gives it when that is less, so a text longer than
// its column takes more lines instead of being cut.
class ResultLabel final : public QLabel {
public:
    explicit ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
    }

    QSize sizeHint() const override {
        const QSize lines = fontMetrics().size(0, text());
        const QMargins m = contentsMargins();
        return {lines.width() + m.left() + m.right() + 2 * margin(), lines.height() + m.top() + m.bottom() + 2 * margin()};
    }
};

// Rows of a caption and up to two values per line; a single value spans both value columns, and a
// value without a caption (a warning) the whole width.
void AddRows(QGridLayout* grid, const std::vector<ResultRow>& rows, QWidget* parent) {
    int line = grid->rowCount();
    for (const ResultRow& row : rows) {
        if (!row.caption.isEmpty()) grid->addWidget(new ResultLabel(row.caption, parent), line, 0, Qt::AlignTop);
        for (std::size_t i = 0; i < row.labels.size(); ++i) {
            auto* value = new ResultLabel(QString(), parent);
            value->setObjectName(row.labels[i]);
            gui::SetForeColor(*value, row.designRed ? gui::kColorRed : gui::kColorBlack);
            const bool alone = row.labels.size() == 1;
            // A value alone on its line takes the width its line has; only the values in pairs
            // widen their columns.
            if (alone) {
                QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
                policy.setHeightForWidth(true);
                value->setSizePolicy(policy);
            }
            const int column = alone && row.caption.isEmpty() ? 0 : 1 + static_cast<int>(i % 2);
            const int span = alone ? 3 - column : 1;
            grid->addWidget(value, line + static_cast<int>(i / 2), column, 1, span, Qt::AlignTop);
        }
        line += row.labels.empty() ? 1 : static_cast<int>((row.labels.size() + 1) / 2);
    }
}

}  // namespace

void SelectionDocument::BuildInputTab(QWidget* page) {
    auto* boxes = new QGridLayout;
    QWidget* previous = nullptr;
    int row = 0;
    for (const InputBoxSpec& input : description_.boxes) {
        auto* label = new QLabel(input.label, page);
        auto* box = new QLineEdit(input.designText, page);
        box->setObjectName(input.name);
        box->setMaximumWidth(90);
        label->setBuddy(box);
        boxes->addWidget(label, row, 0);
        boxes->addWidget(box, row, 1);
        // The unit goes under its box, so that the input column stays as narrow as on the other
        // documents.
        if (!input.after.isEmpty()) boxes->addWidget(new QLabel(input.after, page), ++row, 0, 1, 2, Qt::AlignRight);
        connect(box, &QLineEdit::textChanged, this, [this] { MarkDirty(); });
        gui::SelectAllOnFocus(*box);
        gui::EnterAsTab(*box);
        if (previous) QWidget::setTabOrder(previous, box);
        previous = box;
        ++row;
    }
    auto* ok = gui::NewControl<QPushButton>("cmdOK", "OK", page);
    auto* cancel = gui::NewControl<QPushButton>("cmdCancel", "Cancel", page);
    connect(ok, &QPushButton::clicked, this, &SelectionDocument::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &SelectionDocument::cmdCancel_Click);
    QWidget::setTabOrder(previous, ok);
    QWidget::setTabOrder(ok, cancel);
    previous = cancel;

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(boxes);
    left->addSpacing(12);
    left->addLayout(buttons);
    left->addStretch();

    // The option groups fill two columns beside the boxes, in their order.
    auto* options = new QGridLayout;
    int index = 0;
    for (const OptionSpec& option : description_.options) {
        auto* group = new gui::OptionGroup(option.name, option.frameCaption, option.captions, option.firstIndex, option.columns, page);
        connect(group, &gui::OptionGroup::Click, this, [this, group](int clicked) {
            optionIndexes_[group] = clicked;
            MarkDirty();
        });
        options->addWidget(group, index / 2, index % 2);
        QWidget::setTabOrder(previous, group);
        previous = group;
        ++index;
    }
    options->setRowStretch(options->rowCount(), 1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addSpacing(8);
    layout->addLayout(options, 1);
}

void SelectionDocument::BuildResultsTab(QWidget* page) {
    auto* picture1 = new QFrame(page);
    picture1->setObjectName("Picture1");
    picture1->setFrameShape(QFrame::StyledPanel);
    auto* parameters = new QVBoxLayout(picture1);
    parameters->setContentsMargins(6, 6, 6, 6);
    parameters->addWidget(Heading(description_.resultHeading, picture1, 1));
    parameters->addWidget(Heading("Selection Parameters", picture1, 0));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    AddRows(grid, description_.parameters, picture1);
    parameters->addLayout(grid);
    auto* recommendation =
        new QLabel("Based on the information provided, we recommend the following heat exchanger:", picture1);
    recommendation->setWordWrap(true);
    parameters->addWidget(recommendation);
    auto* error = new QLabel(picture1);
    error->setObjectName("lblErrorMsg");
    error->setTextFormat(Qt::PlainText);
    error->setWordWrap(true);
    parameters->addWidget(error);
    parameters->addStretch();

    picture2_ = new QFrame(page);
    picture2_->setObjectName("Picture2");
    static_cast<QFrame*>(picture2_)->setFrameShape(QFrame::StyledPanel);
    auto* details = new QVBoxLayout(picture2_);
    details->setContentsMargins(6, 6, 6, 6);
    auto* detailGrid = new QGridLayout;
    detailGrid->setVerticalSpacing(0);
    AddRows(detailGrid, description_.details, picture2_);
    details->addLayout(detailGrid);
    details->addStretch();
    auto* drawing = new QPushButton("View Dimensioned Drawing", picture2_);
    drawing->setObjectName("cmdViewDxf");
    connect(drawing, &QPushButton::clicked, this, &SelectionDocument::DisplayDxf);
    details->addWidget(drawing, 0, Qt::AlignRight);
    picture2_->hide();

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(picture1);
    layout->addWidget(picture2_);
}

}  // namespace quellmar::shell
