#include "platform/Mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QRadioButton>

namespace larkspur {

namespace {

class LocalMnemonicFilter : public QObject {
public:
    QList<QPointer<QWidget>> scopes;

    static LocalMnemonicFilter& instance() {
        static auto* filter = [] {
            auto* f = new LocalMnemonicFilter;
            qApp->installEventFilter(f);
            return f;
        }();
        return *filter;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::AltModifier)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            pending_ = target(key->key());
            if (pending_) {
                key->accept(); // a key for the focus widget, not a shortcut
                return true;
            }
            return false;
        }
        if (pending_ && watched == QApplication::focusWidget()) {
            QPointer<QWidget> t = pending_;
            pending_ = nullptr;
            activate(t);
            return true;
        }
        return false;
    }

private:
    QWidget* target(int key) const {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return nullptr;
        for (const QPointer<QWidget>& scope : scopes) {
            if (!scope || !(scope == focus || scope->isAncestorOf(focus)))
                continue;
            const QKeySequence wanted(Qt::AltModifier | Qt::Key(key));
            for (QWidget* w : scope->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(scope) || !w->isEnabled())
                    continue;
                QString text;
                if (auto* b = qobject_cast<QAbstractButton*>(w))
                    text = b->text();
                else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
                    text = l->text();
                else if (auto* g = qobject_cast<QGroupBox*>(w))
                    text = g->title();
                if (!text.isEmpty() && QKeySequence::mnemonic(text) == wanted)
                    return w;
            }
        }
        return nullptr;
    }

    static void activate(QWidget* w) {
        if (!w)
            return;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            l->buddy()->setFocus(Qt::ShortcutFocusReason);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->setFocus(Qt::ShortcutFocusReason);
            b->click();
        } else if (QWidget* first = w->nextInFocusChain(); first && w->isAncestorOf(first)) {
            first->setFocus(Qt::ShortcutFocusReason); // a group box: its first control
        }
    }

    QPointer<QWidget> pending_;
};

} // namespace

void InstallLocalMnemonics(QWidget* scope) {
    auto& scopes = LocalMnemonicFilter::instance().scopes;
    scopes.removeIf([](const QPointer<QWidget>& s) { return s.isNull(); });
    scopes << scope;
}

} // namespace larkspur
