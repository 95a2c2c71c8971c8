#pragma once
// Acts on modal dialogs as they show, from inside their event loops, and
// records the windows that show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <utility>

// Calls act with the next modal dialog of type T as soon as it is the
// active modal widget. Gives up (failing the test) after about two seconds.
template <class T>
void WhenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act = std::move(act)] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(d);
        } else if (++*tries > 400) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
        }
    });
    timer->start();
}

// Records the name (else the class) of every window that shows while it lives. Each
// modal dialog among them is answered as soon as it shows (from inside its own
// event loop): by `answer` when that returns true, else it is rejected.
class WindowsShown : public QObject {
public:
    explicit WindowsShown(std::function<bool(QDialog*)> answer = {}) : answer_(std::move(answer))
    {
        qApp->installEventFilter(this);
    }
    ~WindowsShown() override { qApp->removeEventFilter(this); }
    // The names seen since the last call.
    QStringList Take() { return std::exchange(names_, {}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || w == nullptr || !w->isWindow() || w->windowType() == Qt::Popup
            || w->windowType() == Qt::ToolTip)
            return false;
        names_ << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
        auto* dialog = qobject_cast<QDialog*>(w);
        if (dialog != nullptr && dialog->isModal())
            QTimer::singleShot(0, dialog, [this, dialog] {
                if (!answer_ || !answer_(dialog))
                    dialog->reject();
            });
        return false;
    }

private:
    std::function<bool(QDialog*)> answer_;
    QStringList names_;
};
