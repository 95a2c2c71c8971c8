#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <functional>
#include <stdexcept>

#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/timers.h"
#include "support/run_events.h"
#include "support/scripted_user_dialogs.h"


TEST(Guard, WhatAHandlerThrowsIsShownOnceAndGoesNoFurther)
{
    struct Case {
        const char* what;
        std::function<void()> handler;
        const char* shown; // nothing when the handler returns normally
    };
    const Case cases[] = {
        {"a run-time error", [] { throw RuntimeError(kErrSubscript, "Subscript out of range"); },
         "Subscript out of range"},
        {"any standard exception", [] { throw std::length_error("vector too long"); }, "vector too long"},
        {"something that is no exception", [] { throw 42; }, "unknown error"},
        {"a handler that returns", [] {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedUserDialogs dialogs;
        bool ok = false;
        EXPECT_NO_THROW(ok = RunGuarded(&dialogs, QStringLiteral("the worksheet"), c.handler));
        RunGuarded(&dialogs, QStringLiteral("the worksheet"), [] {}); // runs through again
        EXPECT_EQ(ok, c.shown == nullptr);
        if (c.shown == nullptr) {
            EXPECT_TRUE(dialogs.Asked().empty());
            continue;
        }
        ASSERT_EQ(dialogs.Asked().size(), 1u);
        const auto& q = dialogs.Asked().front();
        EXPECT_EQ(q.text, InternalErrorText(QStringLiteral("the worksheet"), QString::fromLatin1(c.shown)));
        EXPECT_TRUE(q.text.contains(QStringLiteral("the worksheet"))) << q.text.toStdString();
        EXPECT_TRUE(q.text.contains(QString::fromLatin1(c.shown))) << q.text.toStdString();
        EXPECT_EQ(q.title, QStringLiteral("Internal error"));
        EXPECT_EQ(q.icon, MessageIcon::Critical);
        EXPECT_EQ(q.buttons, MessageButtons::OK);
    }
    // Without dialogs it is only logged.
    EXPECT_FALSE(RunGuarded(nullptr, QStringLiteral("x"), [] { throw std::runtime_error("lost"); }));
}

// While one report is open its box runs events: a handler failing then must
// not stack a second box on it.
TEST(Guard, NoSecondReportWhileOneIsOpen)
{
    class Nesting : public ScriptedUserDialogs {
    public:
        MessageResult ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                                  const QString& title) override
        {
            const MessageResult r = ScriptedUserDialogs::ShowMessage(text, buttons, icon, title);
            RunGuarded(this, QStringLiteral("a timer tick"), [] { throw std::runtime_error("again"); });
            return r;
        }
    } dialogs;
    RunGuarded(&dialogs, QStringLiteral("the worksheet"), [] { throw std::runtime_error("first"); });
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts().front().contains(QStringLiteral("first")));
    // Closed again, the next failure is shown.
    RunGuarded(&dialogs, QStringLiteral("the toolbar"), [] { throw std::runtime_error("later"); });
    EXPECT_EQ(dialogs.MessageTexts().size(), 2);
}

TEST(Guard, AGuardedSlotTakesTheSignalsArgumentsOrNone)
{
    ScriptedUserDialogs dialogs;
    QAction action;
    action.setCheckable(true);
    int plain = 0;
    bool lastChecked = false;
    QObject::connect(&action, &QAction::triggered, &action, GuardedSlot(dialogs, QStringLiteral("mOpen"), [&] {
                         ++plain;
                         throw RuntimeError(kErrSubscript, "Subscript out of range");
                     }));
    QObject::connect(&action, &QAction::triggered, &action,
                     GuardedSlot(dialogs, QStringLiteral("mOpen"), [&](bool checked) { lastChecked = checked; }));
    EXPECT_NO_THROW(action.trigger());
    EXPECT_NO_THROW(action.trigger());
    EXPECT_EQ(plain, 2);
    EXPECT_FALSE(lastChecked); // checked, then unchecked again
    ASSERT_EQ(dialogs.MessageTexts().size(), 2);
    EXPECT_EQ(dialogs.MessageTexts().front(),
              InternalErrorText(QStringLiteral("mOpen"), QStringLiteral("Subscript out of range")));
}

// A failing tick is reported once and stops its timer, which would fail
// again at every interval; the other timers go on.
TEST(QtTimers, AFailingTickIsReportedOnceAndStopsItsTimer)
{
    ScriptedUserDialogs dialogs;
    QtTimerHost host(&dialogs);
    int failing = 0;
    int healthy = 0;
    auto bad = host.CreateTimer([&] {
        ++failing;
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    });
    auto good = host.CreateTimer([&] { ++healthy; });
    for (PlatformTimer* t : {bad.get(), good.get()}) {
        t->setInterval(1);
        t->setEnabled(true);
    }
    RunEventsUntil([&] { return healthy >= 5; });
    EXPECT_EQ(failing, 1);
    EXPECT_FALSE(bad->enabled());
    EXPECT_TRUE(good->enabled());
    EXPECT_GE(healthy, 5);
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts().front().contains(QStringLiteral("Subscript out of range")));

    // Enabled again, it runs again.
    bad->setEnabled(true);
    RunEventsUntil([&] { return failing == 2; });
    EXPECT_EQ(failing, 2);
    EXPECT_EQ(dialogs.MessageTexts().size(), 2);
}
