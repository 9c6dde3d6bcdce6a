#include "platform/ActionList.h"

#include "platform/Application.h"

#include <QAbstractEventDispatcher>
#include <QMenu>
#include <QThread>

namespace larkspur {

ActionList::ActionList(QObject* parent) : QObject(parent) {}

QAction* ActionList::Add(const QString& name, const QString& caption, const QString& hint,
                         std::function<void()> execute, std::function<bool()> update) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    // A hint "short|long" carries a tool tip before the bar and a status
    // line text after it; without a bar both are the whole hint.
    qsizetype bar = hint.indexOf(u'|');
    QString shortHint = bar < 0 ? hint : hint.left(bar);
    QString longHint = bar < 0 ? hint : hint.mid(bar + 1);
    action->setStatusTip(longHint);
    action->setToolTip(shortHint.isEmpty() ? QString(caption).remove(u'&') : shortHint);
    actions_.push_back(action);
    byName_.insert(name, action);
    connect(action, &QAction::triggered, this, [this, action] {
        auto it = execute_.constFind(action);
        if (it != execute_.constEnd() && *it)
            RunHandler(*it);
    });
    SetExecute(action, std::move(execute));
    SetUpdate(action, std::move(update));
    return action;
}

void ActionList::SetExecute(QAction* action, std::function<void()> execute) { execute_[action] = std::move(execute); }

void ActionList::SetUpdate(QAction* action, std::function<bool()> update) { update_[action] = std::move(update); }

void ActionList::UpdateActions() {
    for (QAction* a : actions_) {
        const auto& rule = update_.value(a);
        bool executable = execute_.value(a) != nullptr;
        a->setEnabled(executable && (!rule || rule()));
    }
}

void ActionList::UpdateWhenIdle() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &ActionList::UpdateActions);
}

void ActionList::UpdateBeforeShowing(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, &ActionList::UpdateActions);
}

} // namespace larkspur
