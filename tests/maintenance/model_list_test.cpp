// The model lists: filling, deleting with every per-model row, and the windows they open.
#include "maintenance_fixture.h"

#include "model_editor.h"
#include "model_list.h"
#include "new_model_form.h"
#include "water_correction.h"

#include "gui/mdi_frame.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using namespace quellmar::maintenance;
using gui::ScriptedDialogs;

namespace {

std::string FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : std::string();
}

// Presses Enter on the focused control, as the user does.
void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

}  // namespace

namespace {

class ModelLists : public MaintenanceTest {
protected:
    frmSelectEdit* AirList() {
        auto* list = new frmSelectEdit;
        list->Initialise(Family::Air);
        return Show(list);
    }
    static std::vector<std::string> Entries(const ModelList& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.List1()->count(); ++i)
            names.push_back(list.List1()->item(i)->text().toStdString() + "=" +
                            list.List1()->item(i)->data(Qt::UserRole).toString().toStdString());
        return names;
    }
    static void Select(ModelList& list, const QString& name) {
        list.List1()->setCurrentItem(list.List1()->findItems(name, Qt::MatchExactly).front());
    }
};

}  // namespace

TEST_F(ModelLists, EachFamilyListsOnlyItsModelsByNameWithTheFirstSelected) {
    frmSelectEdit* air = AirList();
    EXPECT_EQ(air->windowTitle(), "Air-Cooled Models");
    EXPECT_EQ(Entries(*air), (std::vector<std::string>{"Alpha=1", "beta=2"})) << "names in order, case aside";
    EXPECT_EQ(air->List1()->currentRow(), 0);
    auto* mobile = new frmSelectEdit;
    mobile->Initialise(Family::Mobile);
    Show(mobile);
    EXPECT_EQ(mobile->windowTitle(), "Mobile Models");
    EXPECT_EQ(Entries(*mobile), (std::vector<std::string>{"Mob 1=3"}));
    auto* water = Show(new frmSelectEditWater);
    EXPECT_EQ(water->windowTitle(), "Water-Cooled Models");
    EXPECT_EQ(Entries(*water), (std::vector<std::string>{"W 1=4", "W 2=5"}));
    EXPECT_NE(water->findChild<QPushButton*>("cmdCorrection"), nullptr);
    EXPECT_EQ(air->findChild<QPushButton*>("cmdCorrection"), nullptr);
}

TEST_F(ModelLists, ThePromptNamesTheModelAndCancelChangesNothing) {
    frmSelectEdit* air = AirList();
    Select(*air, "beta");
    Dialogs().QueueMessageAnswer(gui::vbCancel);
    air->cmdDelete_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Delete beta from database?");
    EXPECT_EQ(Dialogs().Messages()[0].title, "Confirm Deletion");
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbOKCancel);
    EXPECT_EQ(Count("Coolers WHERE CoolerID = 2"), 1);
    EXPECT_EQ(air->List1()->currentItem()->text(), "beta") << "the selection stays";
}

TEST_F(ModelLists, DeletingAWaterModelRemovesItsCurvesAndCorrectionTablesAndRefills) {
    auto* water = Show(new frmSelectEditWater);
    Dialogs().QueueMessageAnswer(gui::vbOK);
    water->cmdDelete_Click();
    for (const char* table : {"Coolers", "CoolingCapacity", "PressureDrop", "HTCorrection", "HTCorrectionOilFlow",
                              "HTCorrectionWaterFlow", "PDCorrection", "PDCorrectionOilFlow", "PDCorrectionViscosity"})
        EXPECT_EQ(Count(std::string(table) + " WHERE CoolerID = 4"), 0) << table;
    EXPECT_EQ(Count("HTCorrectionOilFlow WHERE CoolerID = 5"), 2) << "other models keep their rows";
    EXPECT_EQ(Entries(*water), (std::vector<std::string>{"W 2=5"}));
}

TEST_F(ModelLists, ADeletionTheDatabaseRefusesLeavesTheModelWhole) {
    Refuse("DELETE", "Coolers");
    frmSelectEdit* air = AirList();
    air->cmdDelete_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 2u) << "the prompt, then the error";
    EXPECT_TRUE(Dialogs().Messages()[1].text.contains("refused by the test"));
    EXPECT_EQ(Count("Coolers WHERE CoolerID = 1"), 1);
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = 1"), 3) << "the curves deleted first came back";
    EXPECT_EQ(Count("PressureDrop WHERE CoolerID = 1"), 2);
    EXPECT_EQ(air->List1()->count(), 2);
}

TEST_F(ModelLists, AnEmptyListDoesNothingButNewWhichStillBringsTheListBack) {
    auto* mobile = new frmSelectEdit;
    mobile->Initialise(Family::Mobile);
    Show(mobile);
    mobile->cmdDelete_Click();
    EXPECT_EQ(Count("Coolers WHERE CoolerID = 3"), 0);
    EXPECT_EQ(mobile->List1()->count(), 0);
    EXPECT_EQ(mobile->List1()->currentItem(), nullptr);
    const std::size_t asked = Dialogs().Messages().size();
    mobile->cmdView_Click();
    mobile->cmdEdit_Click();
    mobile->cmdDelete_Click();
    EXPECT_EQ(Dialogs().Messages().size(), asked);
    EXPECT_EQ(CountOf<ModelEditor>(), 0);
    EXPECT_TRUE(mobile->FormVisible());

    mobile->cmdNew_Click();
    Settle();
    auto* form = Newest<frmAddMobile>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(mobile->FormVisible());
    EXPECT_EQ(form->findChild<QLineEdit*>("txtName")->text(), "") << "no template";
    form->cmdCancel_Click();
    Settle();
    EXPECT_TRUE(mobile->FormVisible()) << "the list is never left hidden";
}

TEST_F(ModelLists, ViewAndEditOpenTheFamilysEditorAndHideTheList) {
    frmSelectEdit* air = AirList();
    Select(*air, "beta");
    air->cmdView_Click();
    Settle();
    auto* editor = Newest<frmEditAir>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->ID(), 2);
    EXPECT_EQ(editor->Mode(), EditorMode::View);
    EXPECT_FALSE(air->FormVisible());
    editor->cmdOK_Click();
    Settle();
    EXPECT_TRUE(air->FormVisible());
    air->cmdEdit_Click();
    Settle();
    EXPECT_EQ(Newest<frmEditAir>()->Mode(), EditorMode::Edit);

    auto* water = Show(new frmSelectEditWater);
    water->findChild<QPushButton*>("cmdCorrection")->click();
    Settle();
    ASSERT_NE(Newest<frmWaterCorrection>(), nullptr);
    EXPECT_FALSE(water->FormVisible());
}

TEST_F(ModelLists, AListWhoseDatabaseIsMissingSaysSoAndCloses) {
    std::filesystem::remove(database.Path());
    AirList();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.startsWith("The cooler database")) << Dialogs().Messages()[0].text.toStdString();
    EXPECT_EQ(CountOf<frmSelectEdit>(), 0);
    EXPECT_FALSE(std::filesystem::exists(database.Path()));
}

TEST_F(ModelLists, FocusReturnsToTheButtonThatOpenedTheChildSoEnterNeverLandsOnDelete) {
    auto* water = Show(new frmSelectEditWater);
    const auto closeNewest = [] {
        QWidget* child = gui::ActiveChild();
        ASSERT_NE(child, nullptr);
        if (auto* form = qobject_cast<NewModelForm*>(child))
            form->cmdCancel_Click();
        else
            static_cast<MaintenanceForm*>(child)->Unload();
        Settle();
    };
    // Each child opened by Enter on its button and closed again: the focus comes back to that button.
    for (const char* button : {"cmdView", "cmdEdit", "cmdCorrection", "cmdNew", "cmdView", "cmdView"}) {
        SCOPED_TRACE(button);
        water->findChild<QPushButton*>(button)->setFocus();
        ASSERT_EQ(FocusName(), button);
        Enter();
        Settle();
        ASSERT_FALSE(water->FormVisible());
        closeNewest();
        ASSERT_TRUE(water->FormVisible());
        EXPECT_EQ(FocusName(), button);
    }
    // Two Enters after a return view the model twice and delete nothing.
    Enter();
    Settle();
    closeNewest();
    Enter();
    Settle();
    closeNewest();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Count("Coolers WHERE CoolerType = 2"), 2);
}

TEST_F(ModelLists, FocusReturnsToTheListWhenNoControlOfTheListHadIt) {
    frmSelectEdit* air = AirList();
    air->List1()->clearFocus();
    air->findChild<QPushButton*>("cmdEdit")->clearFocus();
    ASSERT_EQ(air->focusWidget(), nullptr);
    air->cmdEdit_Click();
    Settle();
    Newest<frmEditAir>()->Unload();
    Settle();
    ASSERT_TRUE(air->FormVisible());
    EXPECT_EQ(FocusName(), "List1");
}
