#pragma once
// Real event loops for tests of real timers: run events until something has
// happened, or for a while.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// Runs events until done or five seconds have passed.
inline void RunEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
}

// Runs events for ms milliseconds, so that what is not due yet can show it stays away.
inline void RunEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents();
}
