// Commands of the main window: actions with an execute handler and an update
// handler. Update handlers are rules (a predicate over the application state);
// UpdateActions() applies all of them. It runs whenever the event loop goes
// idle and before a menu opens.
#pragma once

#include <QAction>
#include <QHash>
#include <QObject>
#include <functional>
#include <vector>

class QMenu;

namespace larkspur {

class ActionList : public QObject {
public:
    explicit ActionList(QObject* parent);

    // A new action named `name`; `hint` is its status and tool tip. Errors
    // escaping `execute` go to the exception report.
    QAction* Add(const QString& name, const QString& caption, const QString& hint, std::function<void()> execute = {},
                 std::function<bool()> update = {});
    // Replaces the handlers of an action (for actions built by later steps).
    void SetExecute(QAction* action, std::function<void()> execute);
    void SetUpdate(QAction* action, std::function<bool()> update);

    QAction* Find(const QString& name) const { return byName_.value(name); }
    const std::vector<QAction*>& Actions() const { return actions_; }

    void UpdateActions();
    // Runs UpdateActions() whenever the event loop is about to wait.
    void UpdateWhenIdle();
    // Runs UpdateActions() before `menu` opens.
    void UpdateBeforeShowing(QMenu* menu);

private:
    std::vector<QAction*> actions_;
    QHash<QString, QAction*> byName_;
    QHash<QAction*, std::function<void()>> execute_;
    QHash<QAction*, std::function<bool()>> update_;
};

} // namespace larkspur
