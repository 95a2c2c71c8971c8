#pragma once
// A program state with its circuit, IC and bitmap directories in a
// temporary folder, a recording main window and scripted dialogs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/state.h"
#include "support/fake_main_window.h"
#include "support/record_files.h"
#include "support/scripted_user_dialogs.h"

class FileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        circuitDir = tmp.path() + QStringLiteral("/circuits/");
        icDir = tmp.path() + QStringLiteral("/ics/");
        QDir().mkpath(circuitDir);
        QDir().mkpath(icDir);
        s.Verzeichnisse = {circuitDir, icDir, tmp.path() + QStringLiteral("/bitmaps/")};
        w.Attach(s);
    }

    // A file of tests/data.
    static QString Data(const QString& name) { return QStringLiteral(GATREL_TEST_DATA "/") + name; }
    static QByteArray DataBytes(const QString& name) { return ReadBytes(Data(name)); }

    // Copies a file of tests/data to dir (under the name given, else its own).
    QString CopyData(const QString& name, const QString& dir, const QString& as = QString())
    {
        const QString target = dir + (as.isEmpty() ? QFileInfo(name).fileName() : as);
        WriteBytes(target, DataBytes(name));
        return target;
    }
    void InstallICs()
    {
        CopyData(QStringLiteral("ic/HALF.icd"), icDir);
        CopyData(QStringLiteral("ic/FULL.icd"), icDir);
    }

    QTemporaryDir tmp;
    QString circuitDir;
    QString icDir;
    ProgramState s;
    FakeMainWindow w;
    ScriptedUserDialogs dialogs;
};
