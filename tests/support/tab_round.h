#pragma once

// Walks of the keyboard focus round a window, as a user presses Tab and Shift+Tab.
#include "gui/option_group.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quellmar::test {

// The focus after each of `presses` presses of `key` (Tab or Backtab), starting at the focused
// control.
inline std::vector<QWidget*> Walk(Qt::Key key, int presses) {
    std::vector<QWidget*> stops;
    for (int i = 0; i < presses; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) break;
        QTest::keyClick(focus, key);
        stops.push_back(QApplication::focusWidget());
    }
    return stops;
}

// The names of the first `most` stops (a class name for a widget without a name).
inline std::string Names(const std::vector<QWidget*>& stops, std::size_t most = 40) {
    std::string names;
    for (const QWidget* stop : stops) {
        if (most-- == 0) return names + ", ...";
        if (!names.empty()) names += ", ";
        if (!stop)
            names += "(none)";
        else if (stop->objectName().isEmpty())
            names += stop->metaObject()->className();
        else
            names += stop->objectName().toStdString();
    }
    return names;
}

// The child window around a widget, or its top-level window.
inline const QWidget* WindowOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (qobject_cast<const QMdiSubWindow*>(w) || w->isWindow()) return w;
    return nullptr;
}

// Tab from the focused control comes back to it after visiting each stop once, all inside its
// window, and Shift+Tab visits the same stops in the opposite order. `round` receives the stops,
// the start last.
inline ::testing::AssertionResult TabGoesRound(std::vector<QWidget*>* round = nullptr, int limit = 300) {
    QWidget* start = QApplication::focusWidget();
    if (!start) return ::testing::AssertionFailure() << "nothing has the focus";
    const std::vector<QWidget*> forward = [&] {
        std::vector<QWidget*> stops;
        while (static_cast<int>(stops.size()) < limit) {
            const std::vector<QWidget*> step = Walk(Qt::Key_Tab, 1);
            if (step.empty()) break;
            stops.push_back(step.front());
            if (step.front() == start) break;
        }
        return stops;
    }();
    if (forward.empty() || forward.back() != start)
        return ::testing::AssertionFailure() << "Tab does not come back to " << Names({start}) << ": " << Names(forward);
    for (QWidget* stop : forward) {
        if (WindowOf(stop) != WindowOf(start))
            return ::testing::AssertionFailure() << "Tab leaves the window: " << Names(forward);
        if (std::count(forward.begin(), forward.end(), stop) > 1)
            return ::testing::AssertionFailure() << "Tab visits " << Names({stop}) << " twice: " << Names(forward);
    }
    const std::vector<QWidget*> backward = Walk(Qt::Key_Backtab, static_cast<int>(forward.size()));
    std::vector<QWidget*> expected(forward.rbegin() + 1, forward.rend());
    expected.push_back(start);
    if (backward != expected)
        return ::testing::AssertionFailure() << "Shift+Tab walks " << Names(backward) << "\n  instead of "
                                             << Names(expected);
    if (round) *round = forward;
    return ::testing::AssertionSuccess();
}

// Runs `check` once for each round of choices in the option groups of `window`: in round r every
// group has its button r (counted round its size) chosen, so that each button of each group is
// chosen in some round, beside different choices in the other groups.
template <typename Check>
void ForEachChoice(QWidget& window, Check check) {
    const QList<gui::OptionGroup*> groups = window.findChildren<gui::OptionGroup*>();
    int rounds = 1;
    for (const gui::OptionGroup* group : groups) rounds = std::max(rounds, group->LastIndex() - group->FirstIndex() + 1);
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(::testing::Message() << "choice round " << round);
        for (gui::OptionGroup* group : groups) {
            const int size = group->LastIndex() - group->FirstIndex() + 1;
            group->SetValue(group->FirstIndex() + (round + group->FirstIndex()) % size, true);
        }
        check();
    }
}

}  // namespace quellmar::test
