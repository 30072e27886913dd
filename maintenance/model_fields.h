#pragma once

#include "cooler_family.h"

#include <QStringList>

#include <vector>

class QBoxLayout;
class QGridLayout;
class QWidget;

namespace gui {
class OptionGroup;
}

namespace quellmar::maintenance {

// A control bound to a field of the model row: the field name is its Tag.
struct BoundField {
    enum Kind { Text, Code, Check };
    const char* name;
    const char* tag;
    const char* caption;  // the label before a box, or the check box's caption; none for a code box
    Kind kind = Text;
    const char* unit = nullptr;  // a label after the box
};

// An option-button array whose selected index plus 1 is stored in a field.
struct OptionArray {
    const char* name;
    const char* frameCaption;
    QStringList captions;
    const char* field;
    const char* codeBox;  // the editors' bound code box of the field
};

// The bound controls of the model editors and of the new-model forms, in binding order.
const std::vector<BoundField>& EditorFields(Family family);
const std::vector<BoundField>& NewModelFields(Family family);
// The family's option arrays: air motor type and product range, water series; mobile none.
const std::vector<OptionArray>& OptionArrays(Family family);

// The controls made for a field list: each carries its field name in the dynamic property "Tag".
struct ModelFieldControls {
    std::vector<QWidget*> bound;  // in binding order
    std::vector<gui::OptionGroup*> options;
};
// Lays out the labelled boxes (visible ones with their whole text selected on focus, code boxes
// hidden) and the option arrays of a family on `form`: the arrays under the boxes, or one under
// the other in `optionColumn` when one is given.
ModelFieldControls BuildModelFields(QWidget& form, QGridLayout& grid, const std::vector<BoundField>& fields,
                                    const std::vector<OptionArray>& options, QBoxLayout* optionColumn = nullptr);

}  // namespace quellmar::maintenance
