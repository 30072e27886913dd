#pragma once

#include "shell_fixture.h"
#include "stand_in_windows.h"
#include "test_database.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <string>
#include <vector>

// A maintenance test: a fresh database with a few models of each family in the program folder, a
// main window frame for the child windows, scripted dialogs and a stand-in drawing window.
//   air:    1 "Alpha" (motor 3, range 2), 2 "beta" (motor 1, range 1), each with curves
//   mobile: 3 "Mob 1"
//   water:  4 "W 1" (full 8 by 6 correction tables), 5 "W 2" (a few rows only)
// With Contents::Full it holds the bundled sample models instead.
class MaintenanceTest : public ShellTest {
protected:
    explicit MaintenanceTest(quellmar::data::Contents contents = quellmar::data::Contents::Base);
    ~MaintenanceTest() override;

    // The first column of the query's rows as text ("NULL" for Null).
    std::vector<std::string> Column(const std::string& sql) const;
    std::string Value(const std::string& sql) const;
    // Every row of the query, each cell as its storage class and its exact stored bytes (a REAL's
    // eight bytes in hex), read straight from the file: equal texts are byte-identical cells.
    std::vector<std::vector<std::string>> ExactRows(const std::string& sql) const;
    long long Count(const std::string& sql) const;
    void Exec(const std::string& sql) const { database.Exec(sql); }
    // Makes the database refuse a kind of statement on a table: `when` is "INSERT", "UPDATE" or "DELETE".
    void Refuse(const std::string& when, const std::string& table) const;

    // The newest child window of a type, or null.
    template <typename Window>
    Window* Newest() const {
        Window* found = nullptr;
        for (QMdiSubWindow* frame : area->subWindowList(QMdiArea::CreationOrder))
            if (auto* window = qobject_cast<Window*>(frame->widget())) found = window;
        return found;
    }
    template <typename Window>
    int CountOf() const {
        int count = 0;
        for (QMdiSubWindow* frame : area->subWindowList())
            if (qobject_cast<Window*>(frame->widget())) ++count;
        return count;
    }
    // Runs the events that are waiting (deferred work, deleted windows).
    static void Settle();
    // Shows a new window as the main window's commands do.
    template <typename Window>
    Window* Show(Window* window) {
        gui::ShowMdiChild(window);
        Settle();
        return window;
    }

    quellmar::test::TestDatabase database;
    QMainWindow frame;
    QMdiArea* area;
    StandInWindows windows;
};
