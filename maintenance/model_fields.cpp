#include "model_fields.h"

#include "maintenance_form.h"

#include "gui/option_group.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace quellmar::maintenance {
namespace {

const BoundField kName{"txtName", "Name", "Name"};
const BoundField kPartNo{"txtPartNo", "PartNumber", "Part No."};
const BoundField kDescription{"txtDescription", "Description", "Description"};
const BoundField kMaxFlow{"txtMaxFlow", "MaxOilFlow", "Max Oil Flow (l/min)"};
const BoundField kNoise{"txtNoise", "NoiseLevel", "Noise Level"};
const BoundField kCost{"txtCost", "CostRanking", "Cost Ranking"};
const BoundField kLeaflet{"txtLeaflet", "SalesLeaflet", "Leaflet"};
const BoundField kSalesLeaflet{"txtLeaflet", "SalesLeaflet", "Sales Leaflet"};
const BoundField kWeight{"txtWeight", "Weight", "Weight (kg)"};
const BoundField kStock{"chkStock", "StockItem", "Stock Item", BoundField::Check};
const BoundField kCoolerType{"txtCoolerType", "CoolerType", nullptr, BoundField::Code};
const BoundField kMotor{"txtMotor", "MotorType", nullptr, BoundField::Code};
const BoundField kRange{"txtRange", "ProductRange", nullptr, BoundField::Code};
const BoundField kSeries{"txtSeries", "Series", nullptr, BoundField::Code};
const BoundField kOilShell{"txtOilShell", "ShellOilSidePressureRating", "Shell (Oil) Side Pressure Rating"};
const BoundField kShellWater{"txtShellWater", "WaterSidePressureRating", "Water Side Pressure Rating"};

BoundField WithUnit(BoundField field, const char* unit) {
    field.unit = unit;
    return field;
}

}  // namespace

const std::vector<BoundField>& EditorFields(Family family) {
    static const std::vector<BoundField> air = {kName,   kPartNo, kDescription, kMaxFlow, kNoise, kCost,
                                                kSalesLeaflet, kWeight, kMotor, kRange, kCoolerType};
    static const std::vector<BoundField> mobile = {kName, kPartNo, kDescription, kMaxFlow, kLeaflet, kWeight, kCoolerType, kStock};
    static const std::vector<BoundField> water = {kName,       kPartNo, kDescription, kMaxFlow, kLeaflet, kWeight,
                                                  kCoolerType, kStock,  kOilShell,    kShellWater, kSeries};
    return OfFamily(family, air, water, mobile);
}

const std::vector<BoundField>& NewModelFields(Family family) {
    static const std::vector<BoundField> air = {kName, kPartNo, kDescription, kMaxFlow, kNoise, kCost, kLeaflet, kWeight};
    static const std::vector<BoundField> mobile = {kName, kPartNo, kDescription, kMaxFlow, kLeaflet, kWeight, kStock};
    static const std::vector<BoundField> water = {kName,    kPartNo, kDescription,
                                                  kMaxFlow, kLeaflet, kWeight, kStock, WithUnit(kOilShell, "BAR"),
                                                  WithUnit(kShellWater, "BAR")};
    return OfFamily(family, air, water, mobile);
}

const std::vector<OptionArray>& OptionArrays(Family family) {
    static const std::vector<OptionArray> air = {
        {"optMotor", "Application/Motor Type", {"Std/AC 3p", "Std/AC 1p", "Std/DC", "Std/Hyd", "Spec/AC"}, "MotorType", "txtMotor"},
        {"optRange", "Product Range", {"Quellmar", "Ostravine"}, "ProductRange", "txtRange"},
    };
    static const std::vector<OptionArray> water = {
        {"optSeries", "Series", {"P Series", "WP Series", "WPM Series", "Other"}, "Series", "txtSeries"},
    };
    static const std::vector<OptionArray> none;
    return OfFamily(family, air, water, none);
}

ModelFieldControls BuildModelFields(QWidget& form, QGridLayout& grid, const std::vector<BoundField>& fields,
                                    const std::vector<OptionArray>& options, QBoxLayout* optionColumn) {
    ModelFieldControls controls;
    int row = grid.rowCount();
    for (const BoundField& field : fields) {
        QWidget* control = nullptr;
        if (field.kind == BoundField::Check) {
            control = new QCheckBox(field.caption, &form);
            grid.addWidget(control, row++, 1);
        } else {
            auto* box = new QLineEdit(&form);
            control = box;
            if (field.kind == BoundField::Code) {
                box->hide();
            } else {
                SelectingBox(box);
                // Room for a description of 80 characters to be read in good part.
                box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(40, 'x')));
                auto* label = new QLabel(field.caption, &form);
                label->setBuddy(box);
                grid.addWidget(label, row, 0);
                grid.addWidget(box, row, 1);
                if (field.unit) grid.addWidget(new QLabel(field.unit, &form), row, 2);
                ++row;
            }
        }
        control->setObjectName(field.name);
        control->setProperty("Tag", QString(field.tag));
        controls.bound.push_back(control);
    }
    for (const OptionArray& array : options) {
        auto* group = new gui::OptionGroup(array.name, array.frameCaption, array.captions, 0, 1, &form);
        if (optionColumn)
            optionColumn->addWidget(group);
        else
            grid.addWidget(group, row++, 0, 1, 2);
        controls.options.push_back(group);
    }
    return controls;
}

}  // namespace quellmar::maintenance
