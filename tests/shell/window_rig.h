#pragma once
// The real main window on virtual timers, driven by synthetic clicks and keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/registry.h"
#include "platform/timers.h"
#include "placement/document/settings_store.h"
#include "settings/startup.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "support/scripted_user_dialogs.h"

class WindowRig : public ::testing::Test {
protected:
    WindowRig() : WindowRig([](const QString&) {}) {}
    // beforeStart gets the user's documents folder before the window starts:
    // its folder "Gatrel" is every directory of a first start.
    explicit WindowRig(const std::function<void(const QString&)>& beforeStart) : WindowRig(NotStarted{})
    {
        beforeStart(Docs());
        loadStatus = Load();
        // Every side panel open, as stored settings may have them.
        s.settings.PanelVisible = {-1, -1, -1, -1, -1};
        window.resize(1100, 900);
        window.show();
        window.ResizeProperties(false);
    }
    void SetUp() override { ASSERT_EQ(loadStatus, 0); }

    // A window over settings of its own on a fresh installation, not started
    // yet: Load() starts it as the program does, with `file` on its command line.
    struct NotStarted {};
    explicit WindowRig(NotStarted) : window(s, dialogs, timers)
    {
        s.settings.registryFiles = {settingsDir.filePath(QStringLiteral("u/Gatrel.conf")),
                                    settingsDir.filePath(QStringLiteral("m/Gatrel.conf"))};
        WriteInstallSettings(s.settings.registryFiles.machineFile);
        s.settings.RegRoot = FindSettingsRoot(s.settings.registryFiles, dialogs).value();
        QDir().mkpath(Docs());
    }
    QString Docs() const { return settingsDir.filePath(QStringLiteral("docs")); }
    int Load(const QString& file = QString()) { return window.Form_Load(file, Docs(), settingsDir.path()); }

    template <class W = QWidget>
    W* Find(const char* name) const
    {
        return window.findChild<W*>(QString::fromUtf8(name));
    }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    QAction* Action(const char* bar, const char* key) const
    {
        return window.ToolbarButton(QString::fromLatin1(bar), QString::fromLatin1(key));
    }
    // A click on the tool button that shows the action.
    void ClickAction(const char* bar, const char* key)
    {
        QWidget* b = window.Toolbar(QString::fromLatin1(bar))->widgetForAction(Action(bar, key));
        ASSERT_NE(b, nullptr) << bar << " " << key;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void Open(const QString& path)
    {
        dialogs.QueueOpenFile(path);
        window.Menu(QStringLiteral("mOpen"))->trigger();
        ASSERT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
    }
    // The test half and full adder ICs copied into `folder`, which is made; returns it.
    static QString CopyTestICs(const QString& folder)
    {
        QDir().mkpath(folder);
        for (const char* name : {"HALF.icd", "FULL.icd"})
            EXPECT_TRUE(QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(name),
                                    QDir(folder).filePath(QLatin1String(name))))
                << name;
        return folder;
    }
    // The nested IC circuit with its IC folder.
    void OpenNestedICs()
    {
        ASSERT_TRUE(icDir.isValid());
        const QString ics = CopyTestICs(icDir.filePath(QStringLiteral("ics/")));
        s.Verzeichnisse = {icDir.path() + QLatin1Char('/'), ics, icDir.path() + QLatin1Char('/')};
        Open(QStringLiteral(GATREL_TEST_DATA "/nested_ics.gtr"));
    }
    void PowerOn()
    {
        QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
        ASSERT_EQ(s.engine.PowerFlag, kTrue);
    }
    void PowerOff()
    {
        QTest::mouseClick(Button("cmdOff"), Qt::LeftButton);
        ASSERT_EQ(s.engine.PowerFlag, kFalse);
    }

    QPointF At(int x, int y) const
    {
        return QPointF(GridToPixel(s, static_cast<int16_t>(x)), GridToPixel(s, static_cast<int16_t>(y)));
    }
    void SendMouse(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton b, Qt::MouseButtons held,
                   Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent e(type, p, w->mapToGlobal(p), b, held, mods);
        QApplication::sendEvent(w, &e);
    }
    // A left click on cell (x, y) of the worksheet, with the move before it.
    void ClickCell(int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        SendMouse(window.picGrid(), QEvent::MouseMove, At(x, y), Qt::NoButton, Qt::NoButton);
        SendMouse(window.picGrid(), QEvent::MouseButtonPress, At(x, y), Qt::LeftButton, Qt::LeftButton, mods);
        SendMouse(window.picGrid(), QEvent::MouseButtonRelease, At(x, y), Qt::LeftButton, Qt::NoButton, mods);
    }
    // A left-button drag on the worksheet from cell to cell, with the move before it.
    void DragCells(QPoint from, QPoint to)
    {
        SendMouse(window.picGrid(), QEvent::MouseMove, At(from.x(), from.y()), Qt::NoButton, Qt::NoButton);
        SendMouse(window.picGrid(), QEvent::MouseButtonPress, At(from.x(), from.y()), Qt::LeftButton, Qt::LeftButton);
        SendMouse(window.picGrid(), QEvent::MouseMove, At(to.x(), to.y()), Qt::NoButton, Qt::LeftButton);
        SendMouse(window.picGrid(), QEvent::MouseButtonRelease, At(to.x(), to.y()), Qt::LeftButton, Qt::NoButton);
    }
    // A click queued to arrive the next time pending events run.
    static void PostClick(QWidget* w)
    {
        const QPointF p = QRectF(w->rect()).center();
        QApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
        QApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
    }

    QTemporaryDir settingsDir;
    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window;
    QTemporaryDir icDir;
    int loadStatus = -1;
};
