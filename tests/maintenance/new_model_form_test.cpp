// The new-model forms.
#include "maintenance_fixture.h"

#include "model_editor.h"
#include "model_list.h"
#include "new_model_form.h"

#include "gui/option_group.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

using namespace quellmar::maintenance;

namespace {

class NewModels : public MaintenanceTest {
protected:
    // The form as the list opens it: with the list's selected model as template.
    template <typename Form>
    Form* Open(qint64 templateId, ModelList* list = nullptr) {
        auto* form = new Form;
        if (list) list->SetFormVisible(false);
        form->SetTemplateID(templateId, list);
        return Show(form);
    }
    frmSelectEdit* AirList() {
        auto* list = new frmSelectEdit;
        list->Initialise(Family::Air);
        return Show(list);
    }
    static QLineEdit* Name(QWidget* form) { return form->findChild<QLineEdit*>("txtName"); }
};

}  // namespace

TEST_F(NewModels, ATemplatesNameIsTakenSoOkRefusesItAndSelectsTheName) {
    auto* form = Open<frmAddAir>(1);
    EXPECT_EQ(form->windowTitle(), "Add New Air-Cooled Model");
    EXPECT_EQ(Name(form)->text(), "Alpha");
    EXPECT_EQ(form->findChild<QLineEdit*>("txtNoise")->text(), "70");
    EXPECT_EQ(form->Options("optMotor")->Selected(), 2);
    EXPECT_EQ(form->Options("optRange")->Selected(), 1);
    form->cmdOK_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "There is already a cooler with that name");
    EXPECT_EQ(Dialogs().Messages()[0].title, "Cooler Already Exists");
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbOKOnly);
    EXPECT_EQ(Name(form)->selectedText(), "Alpha");
    EXPECT_EQ(Count("Coolers"), 5);
    EXPECT_EQ(Newest<frmAddAir>(), form) << "the form stays open";
}

TEST_F(NewModels, EveryNewModelFormOpensWithTheTemplatesNameSelectedInTheFocusedNameBox) {
    const auto expectNameSelected = [](NewModelForm* form, const QString& name) {
        SCOPED_TRACE(form->objectName().toStdString());
        EXPECT_EQ(QApplication::focusWidget(), Name(form));
        EXPECT_EQ(Name(form)->text(), name);
        EXPECT_EQ(Name(form)->selectedText(), name);
    };
    expectNameSelected(Open<frmAddWater>(4), "W 1");
    expectNameSelected(Open<frmAddMobile>(3), "Mob 1");
    expectNameSelected(Open<frmAddAir>(1), "Alpha");
}

TEST_F(NewModels, OnlyAnEmptyNameIsBlankAndNamesOfEveryFamilyAreTaken) {
    auto* form = Open<frmAddWater>(0);
    form->cmdOK_Click();
    Name(form)->setText("   ");
    form->cmdOK_Click();
    Settle();
    const std::vector<QString> texts = Dialogs().MessageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Cooler name cannot be blank");
    EXPECT_EQ(Dialogs().Messages()[0].title, "No Cooler Name Supplied");
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbOKOnly);
    EXPECT_EQ(Value("SELECT Name FROM Coolers WHERE CoolerID = 6"), "   ") << "blanks only pass and are stored as typed";
    Dialogs().Clear();
    auto* second = Open<frmAddWater>(0);
    Name(second)->setText("ALPHA");
    second->cmdOK_Click();
    ASSERT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_EQ(Dialogs().MessageTexts()[0], "There is already a cooler with that name") << "an air model's name, in other letters";
}

TEST_F(NewModels, ANameWithQuotesIsComparedAndStoredAsTyped) {
    Exec("INSERT INTO Coolers (Name, CoolerType) VALUES ('O''Neil', 1)");
    auto* form = Open<frmAddAir>(0);
    Name(form)->setText("O'Neil");
    form->cmdOK_Click();
    EXPECT_EQ(Dialogs().MessageTexts().size(), 1u) << "the same name with its apostrophe is found";
    Name(form)->setText("O'Neil's \"best\"");
    form->cmdOK_Click();
    EXPECT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_EQ(Value("SELECT count(*) FROM Coolers WHERE Name = 'O''Neil''s \"best\"'"), "1");
}

TEST_F(NewModels, WithoutATemplateTheDefaultsStayAndTheEditorOpensOnEmptyCurves) {
    frmSelectEdit* list = AirList();
    auto* form = Open<frmAddAir>(0, list);
    EXPECT_EQ(form->Options("optMotor")->Selected(), 0);
    EXPECT_EQ(form->Options("optRange")->Selected(), 0);
    Name(form)->setText("Gamma");
    form->findChild<QLineEdit*>("txtMaxFlow")->setText("75");
    const qint64 id = form->NewCoolerID();
    form->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT Name || ' ' || MaxOilFlow || ' ' || CoolerType || ' ' || MotorType || ' ' || ProductRange "
                    "FROM Coolers WHERE CoolerID = " + std::to_string(id)),
              "Gamma 75.0 1 1 1");
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = " + std::to_string(id)), 0);
    EXPECT_EQ(CountOf<frmAddAir>(), 0);
    auto* editor = Newest<frmEditAir>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->ID(), id);
    EXPECT_EQ(editor->Mode(), EditorMode::Add);
    EXPECT_FALSE(list->FormVisible()) << "the editor shows the list when it closes";
    editor->cmdOK_Click();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
}

TEST_F(NewModels, AWaterModelGetsCopiesOfEveryTableOfItsTemplateInTheirOrder) {
    auto* form = Open<frmAddWater>(4);
    EXPECT_EQ(form->Options("optSeries")->Selected(), 2);
    Name(form)->setText("W 1 copy");
    const std::string id = std::to_string(form->NewCoolerID());
    form->cmdOK_Click();
    Settle();
    for (const char* table : {"CoolingCapacity", "PressureDrop", "HTCorrection", "HTCorrectionOilFlow",
                              "HTCorrectionWaterFlow", "PDCorrection", "PDCorrectionOilFlow", "PDCorrectionViscosity"})
        EXPECT_EQ(Count(std::string(table) + " WHERE CoolerID = " + id), Count(std::string(table) + " WHERE CoolerID = 4"))
            << table;
    EXPECT_EQ(Column("SELECT c1 FROM PDCorrection WHERE CoolerID = " + id + " ORDER BY rowid"),
              Column("SELECT c1 FROM PDCorrection WHERE CoolerID = 4 ORDER BY rowid"));
    EXPECT_EQ(Value("SELECT CoolerType || ' ' || Series || ' ' || PartNumber FROM Coolers WHERE CoolerID = " + id), "2 3 W-1");
    // The copies are the new model's own.
    Exec("UPDATE CoolingCapacity SET CoolingCapacity = 5 WHERE CoolerID = " + id);
    EXPECT_EQ(Value("SELECT max(CoolingCapacity) FROM CoolingCapacity WHERE CoolerID = 4"), "0.9");
}

TEST_F(NewModels, TheFormsFamilyDecidesTheCoolerType) {
    auto* form = Open<frmAddMobile>(1);
    EXPECT_EQ(form->windowTitle(), "Add New Mobile Model");
    Name(form)->setText("From air");
    form->findChild<QCheckBox*>("chkStock")->setChecked(true);
    const std::string id = std::to_string(form->NewCoolerID());
    form->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT CoolerType || ' ' || StockItem || ' ' || coalesce(MotorType, '-') FROM Coolers WHERE Name = 'From air'"),
              "3 1 -");
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = " + id), 3);
    EXPECT_NE(Newest<frmEditMobile>(), nullptr);
}

TEST_F(NewModels, CancelAndTheCloseBoxStoreNothingAndShowTheList) {
    frmSelectEdit* list = AirList();
    auto* form = Open<frmAddAir>(1, list);
    Name(form)->setText("Never");
    form->cmdCancel_Click();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    auto* closed = Open<frmAddAir>(2, list);
    Name(closed)->setText("Never either");
    closed->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(Count("Coolers"), 5);
    EXPECT_EQ(Count("CoolingCapacity"), 8);
}

TEST_F(NewModels, AFailingCopyStoresNeitherTheModelNorAnyRowAndKeepsTheForm) {
    Refuse("INSERT", "PDCorrectionViscosity");
    auto* form = Open<frmAddWater>(4);
    Name(form)->setText("Half");
    form->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.contains("refused by the test"));
    const std::string id = std::to_string(form->NewCoolerID());
    EXPECT_EQ(Count("Coolers WHERE CoolerID = " + id), 0);
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = " + id), 0);
    EXPECT_EQ(Count("HTCorrection WHERE CoolerID = " + id), 0);
    EXPECT_EQ(Newest<frmAddWater>(), form);
    EXPECT_EQ(CountOf<frmEditWater>(), 0);
    // Once the database takes it, the same form stores the model.
    Exec("DROP TRIGGER refuse_PDCorrectionViscosity_INSERT");
    form->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT Name FROM Coolers WHERE CoolerID = " + id), "Half");
    EXPECT_EQ(Count("PDCorrectionViscosity WHERE CoolerID = " + id), 6);
}

TEST_F(NewModels, AFlowThatIsNoNumberIsRefusedBeforeAnythingIsStored) {
    auto* form = Open<frmAddAir>(2);
    Name(form)->setText("Delta");
    form->findChild<QLineEdit*>("txtMaxFlow")->setText("1O0");
    form->cmdOK_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "The MaxOilFlow value \"1O0\" is not a number.");
    EXPECT_EQ(Count("Coolers"), 5);
    EXPECT_EQ(Count("CoolingCapacity"), 8);
}
