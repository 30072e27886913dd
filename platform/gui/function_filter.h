#pragma once

#include <QObject>

#include <functional>
#include <utility>

class QEvent;

namespace gui {

// An event filter that is a function of the watched object and its event; true stops the event.
// It lives as long as its parent.
class FunctionFilter final : public QObject {
public:
    using Filter = std::function<bool(QObject* watched, QEvent* event)>;
    FunctionFilter(QObject* parent, Filter filter) : QObject(parent), filter_(std::move(filter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return filter_(watched, event); }

private:
    Filter filter_;
};

// Filters the object's events through `filter` for as long as the object lives.
inline void FilterEvents(QObject& object, FunctionFilter::Filter filter) {
    object.installEventFilter(new FunctionFilter(&object, std::move(filter)));
}

}  // namespace gui
