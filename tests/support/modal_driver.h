#pragma once
// Acts on a modal dialog once it shows, from inside its event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

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
