#pragma once
// What the printing tests share: a program state with a recording main window,
// a worksheet surface, a recording printer, and the circuit with nested ICs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "placement/document/circuit_file.h"
#include "model/state.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "support/fake_main_window.h"
#include "support/recording_printer.h"
#include "support/scripted_user_dialogs.h"

class PrintFixture : public ::testing::Test {
protected:
    void SetUp() override { window.Attach(s); }

    // nested_ics.gtr, a full-adder IC of two half-adder ICs beside a half-adder IC,
    // loaded from a copy with the IC folder beside it.
    void LoadNestedICs()
    {
        ASSERT_TRUE(tmp.isValid());
        const QString ics = tmp.filePath(QStringLiteral("ics/"));
        QDir().mkpath(ics);
        for (const char* name : {"HALF.icd", "FULL.icd"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(name),
                                    ics + QLatin1String(name)));
        s.Verzeichnisse = {tmp.path() + QLatin1Char('/'), ics, tmp.path() + QLatin1Char('/')};
        const QString circuit = tmp.filePath(QStringLiteral("nested_ics.gtr"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(GATREL_TEST_DATA "/nested_ics.gtr"), circuit));
        ASSERT_EQ(LoadFile(s, dialogs, circuit), LoadResult::Loaded);
        ASSERT_EQ(s.circuit.LevelUBound(), 4);
    }

    QTemporaryDir tmp;
    ProgramState s;
    FakeMainWindow window;
    ScriptedUserDialogs dialogs;
    RecordingSurface worksheet{SurfaceKind::Worksheet};
    clsGrafik grafik{s, &worksheet};
    RecordingPrinter printer;
};
