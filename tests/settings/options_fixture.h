#pragma once
// A program state with the undo history, a recording main window and a
// settings store of its own, for the settings dialog's logic.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "placement/document/settings_store.h"
#include "placement/document/new_file.h"
#include "model/ports/ic_manager_port.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "settings/options_logic.h"
#include "settings/startup.h"
#include "support/fake_main_window.h"
#include "support/scripted_user_dialogs.h"

struct CountingICManager : ICManagerPort {
    int refreshed = 0;
    void ICDirectoryChanged() override { ++refreshed; }
};

class OptionsFixture : public ::testing::Test {
protected:
    OptionsFixture() : g(s, &rec), u(s), c{s, u, &dialogs}
    {
        w.Attach(s);
        s.ports.icManager = &icManager;
        s.circuit.MaxX = 30;
        s.circuit.MaxY = 20;
        InitArbeitsfeld(s);
        s.settings.registryFiles = {dir.filePath(QStringLiteral("u/Gatrel.conf")),
                                    dir.filePath(QStringLiteral("m/Gatrel.conf"))};
        WriteInstallSettings(s.settings.registryFiles.machineFile);
        s.settings.RegRoot = FindSettingsRoot(s.settings.registryFiles, dialogs).value();
        for (size_t i = 0; i < 3; ++i) {
            s.Verzeichnisse[i] = Path(QStringLiteral("dir%1/").arg(i));
            QDir().mkpath(s.Verzeichnisse[i]);
        }
    }

    QString Path(const QString& relative) const { return dir.filePath(relative); }
    bool Apply(const OptionsForm& form)
    {
        OptionsTargets targets{u, dialogs, [this] { ++switchesApplied; }};
        return ApplyOptionsForm(s, form, targets);
    }
    OptionsForm Loaded() const { return LoadOptionsForm(s, u.Undos()); }

    QTemporaryDir dir;
    ProgramState s;
    RecordingSurface rec;
    clsGrafik g;
    clsUndo u;
    ScriptedUserDialogs dialogs;
    PlacementContext c;
    FakeMainWindow w;
    CountingICManager icManager;
    int switchesApplied = 0;
};
