#include "shell/tool_window_keys.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {

bool Inside(const QObject* object, const QObject* ancestor)
{
    for (; object; object = object->parent())
        if (object == ancestor)
            return true;
    return false;
}

class OwnKeys : public QObject {
public:
    OwnKeys(QWidget* toolWindow, QWidget* owner) : QObject(toolWindow), tool_(toolWindow), owner_(owner)
    {
        toolWindow->installEventFilter(this);
    }
    ~OwnKeys() override { Rest(false); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Windows sharing their activation are all told; only the active one counts.
        const QEvent::Type type = event->type();
        if (type == QEvent::WindowActivate || type == QEvent::WindowDeactivate || type == QEvent::Hide)
            Rest(type != QEvent::Hide && QApplication::activeWindow() == tool_);
        return false;
    }

private:
    void Rest(bool rest)
    {
        for (const QPointer<QAction>& a : resting_)
            if (a)
                a->setShortcutContext(Qt::WindowShortcut);
        resting_.clear();
        if (!rest || !owner_)
            return;
        QList<QKeySequence> own;
        for (const QAction* a : tool_->findChildren<QAction*>())
            own += a->shortcuts();
        for (QAction* a : owner_->findChildren<QAction*>()) {
            if (Inside(a, tool_) || a->shortcutContext() != Qt::WindowShortcut)
                continue;
            const QList<QKeySequence> keys = a->shortcuts();
            if (std::any_of(keys.begin(), keys.end(), [&](const QKeySequence& k) { return own.contains(k); })) {
                // Its key would now need the focus on its menu or button, which the tool window holds.
                a->setShortcutContext(Qt::WidgetShortcut);
                resting_ << a;
            }
        }
    }

    QWidget* tool_;
    QPointer<QWidget> owner_;
    QList<QPointer<QAction>> resting_;
};

} // namespace

void TakeOwnKeysWhileActive(QWidget* toolWindow, QWidget* owner)
{
    new OwnKeys(toolWindow, owner);
}
