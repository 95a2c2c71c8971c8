// Saving the IC being defined: the crop box, the checks and their order,
// the file's bytes, and saves that must not happen or that fail.
#include <gtest/gtest.h>

#include "ic/ic_connectors.h"
#include "ic/ic_save.h"
#include "placement/document/circuit_file.h"
#include "model/files/file_fixture.h"
#include "render/sheet_builder.h"
#include "support/failing_writes.h"

namespace {

class SaveIC : public FileFixture {
protected:
    // A conductor with a connector at each end, placed on a 3 by 2 outline,
    // and a text label below it, on a 10 by 8 worksheet.
    void BuildTiny()
    {
        sheet::NewSheet(s, 10, 8);
        sheet::Wire(s, 3, 4, 5, 4);
        s.circuit.P(3, 4).ICConnector = 1;
        s.circuit.P(5, 4).ICConnector = 2;
        ElementRecord label;
        label.Type = ElementType::TextLabel;
        label.Orientation = Orientation::Right;
        label.InPinList = QStringLiteral("X4Y6:");
        label.SelfIndex = 1;
        label.Label = QStringLiteral("hi");
        s.circuit.Elements.push_back(label);
        s.circuit.P(4, 6).Type = ElementType::TextLabel;
        s.circuit.P(4, 6).ElementNr = 1;
        s.circuit.ICWidth = 3;
        s.circuit.ICHeight = 2;
        s.circuit.ICPinCount = 2;
        s.circuit.ICPins = {"", "3;4;IN;", "5;4;OUT;"};
        s.circuit.ICGraphicPins = {"", "0;1;IN;", "3;1;OUT;"};
        s.circuit.ICTags = {"", "l;15;10;", "r;19;10;"};
        s.circuit.ICNotes = QStringLiteral("[x] notes");
    }
    SaveICOutcome Save(const QString& name) { return SaveICDefinition(s, dialogs, name); }
    QString Path(const QString& name) const { return icDir + name + QStringLiteral(".icd"); }
};

TEST_F(SaveIC, TheCropBoxKeepsAMarginOfTwoWhereTheWorksheetAllows)
{
    struct Case {
        const char* what;
        QRect used; // columns and rows with used cells
        int minX, maxX, minY, maxY;
    };
    const Case cases[] = {
        {"inside", QRect(QPoint(10, 5), QPoint(20, 12)), 8, 22, 3, 14},
        {"in column 49: no right margin", QRect(QPoint(10, 5), QPoint(49, 12)), 8, 49, 3, 14},
        {"in column 48: margin", QRect(QPoint(10, 5), QPoint(48, 12)), 8, 50, 3, 14},
        {"in row 29: bottom margin past the end", QRect(QPoint(10, 5), QPoint(20, 29)), 8, 22, 3, 31},
        {"in row 30: none", QRect(QPoint(10, 5), QPoint(20, 30)), 8, 22, 3, 30},
        {"from column 0 and row 1", QRect(QPoint(0, 1), QPoint(3, 3)), -2, 5, -1, 5},
    };
    for (const Case& c : cases) {
        sheet::NewSheet(s, 50, 30);
        s.circuit.P(c.used.left(), c.used.top()).Type = ElementType::Conductor;
        s.circuit.P(c.used.right(), c.used.bottom()).Type = ElementType::Conductor;
        const CropBox b = CropICArea(s.circuit);
        EXPECT_EQ(b.minX, c.minX) << c.what;
        EXPECT_EQ(b.maxX, c.maxX) << c.what;
        EXPECT_EQ(b.minY, c.minY) << c.what;
        EXPECT_EQ(b.maxY, c.maxY) << c.what;
    }
}

TEST_F(SaveIC, TheFileOfASmallICByteForByte)
{
    BuildTiny();
    ASSERT_EQ(Save(QStringLiteral("TINY")), SaveICOutcome::Saved);
    const QByteArray expected = "[Name]\r\nTINY\r\n"
                                "[Feld]\r\n6;6;\r\n"
                                "[Punkte]\r\n"
                                "2;2;1;0;-1;0;0;0;0;1;0;\r\n"
                                "3;2;1;-1;-1;0;0;0;0;0;0;\r\n"
                                "3;4;22;0;0;0;0;0;1;0;0;\r\n"
                                "4;2;1;-1;0;0;0;0;0;2;0;\r\n"
                                "[Elemente]\r\n22;2;X3Y4:;;0;1;hi;\r\n"
                                "[Anschl\xFCsse]\r\n2;2;IN;\r\n4;2;OUT;\r\n"
                                "[Ma\xDF" "e]\r\nX3\r\nY2\r\n"
                                "[Graphische Anschl\xFCsse]\r\n0;1;IN;\r\n3;1;OUT;\r\n"
                                "[IC]\r\n"
                                "[Tags]\r\nl;15;10;\r\nr;19;10;\r\n"
                                "[Notizen]\r\n\t[x] notes\r\n";
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("TINY"))), expected);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("IC created successfully.")});
    // The worksheet circuit itself never moves; the crop box is kept.
    EXPECT_EQ(s.circuit.Elements[1].InPinList, QStringLiteral("X4Y6:"));
    EXPECT_EQ(s.circuit.ICPins.at(1), QStringLiteral("3;4;IN;"));
    EXPECT_EQ(s.CropMinX, 1);
    EXPECT_EQ(s.CropMinY, 2);
    EXPECT_EQ(s.CircuitFilePath, Path(QStringLiteral("TINY")));

    // Read back for editing: a notes line like a header stays notes.
    ProgramState t;
    t.Verzeichnisse = s.Verzeichnisse;
    ASSERT_EQ(LoadFile(t, dialogs, Path(QStringLiteral("TINY"))), LoadResult::Loaded);
    EXPECT_EQ(t.circuit.ICNotes, QStringLiteral("[x] notes"));
    EXPECT_EQ(t.circuit.ICName, QStringLiteral("TINY"));
    EXPECT_EQ(t.circuit.ICPinCount, 2);
    EXPECT_EQ(t.circuit.ICGraphicPins.mid(1), QStringList({"0;1;IN;", "3;1;OUT;"}));
    EXPECT_EQ(t.circuit.P(2, 2).ICConnector, 1);
}

TEST_F(SaveIC, ChecksRefuseInTheirOrderAndWriteNothing)
{
    struct Case {
        const char* what;
        bool placed, clock;
        const char* name;
        SaveICOutcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {"nothing placed", false, true, "", SaveICOutcome::NotPlaced, "You have to specify the IC-Interface."},
        {"clock generator", true, true, "", SaveICOutcome::ClockGenerator, "You can not use clock generators in IC's."},
        {"no name", true, false, "", SaveICOutcome::NoName, "You have to specify a name."},
        {"a path", true, false, "../up", SaveICOutcome::BadName, nullptr},
        {"a folder", true, false, "a/b", SaveICOutcome::BadName, nullptr},
        {"a dot", true, false, "x.y", SaveICOutcome::BadName, nullptr},
        {"blanks only", true, false, "   ", SaveICOutcome::BadName, nullptr},
        {"a field breaker", true, false, "A;B", SaveICOutcome::BadName, nullptr},
    };
    for (const Case& c : cases) {
        BuildTiny();
        if (!c.placed)
            s.circuit.ICGraphicPins = {"", "", ""};
        if (c.clock) {
            ElementRecord clock;
            clock.Type = ElementType::ClockGenerator;
            s.circuit.Elements.push_back(clock);
        }
        const qsizetype asked = dialogs.Asked().size();
        EXPECT_EQ(Save(QString::fromLatin1(c.name)), c.outcome) << c.what;
        ASSERT_EQ(dialogs.Asked().size(), asked + 1) << c.what;
        const QString shown = dialogs.Asked().back().text;
        EXPECT_EQ(shown, c.message ? QString::fromLatin1(c.message) : SaveICMessage(SaveICOutcome::BadName, {}))
            << c.what;
        EXPECT_TRUE(QDir(icDir).entryList(QDir::Files).isEmpty()) << c.what;
    }
}

TEST_F(SaveIC, AnICThatWouldContainItselfIsNotSaved)
{
    InstallICs(); // HALF, and FULL built from two HALFs
    BuildTiny();
    // The circuit holds a FULL; HALF is inside it only on disk.
    s.circuit.Levels.resize(2);
    s.circuit.Levels[1].Name = QStringLiteral("FULL");
    s.circuit.ICInstances.resize(2);
    s.circuit.ICInstances[1].Name = QStringLiteral("FULL");
    for (const char* name : {"full", "HALF", "Half"}) {
        EXPECT_EQ(Save(QString::fromLatin1(name)), SaveICOutcome::ContainsItself) << name;
        EXPECT_TRUE(dialogs.Asked().back().text.contains(QString::fromLatin1(name))) << name;
    }
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("HALF"))), DataBytes(QStringLiteral("ic/HALF.icd")));
    EXPECT_EQ(ICsUsedAtAnyDepth(s.circuit, s.Verzeichnisse[1]), QStringList({"FULL", "HALF", "HALF"}));
    EXPECT_EQ(Save(QStringLiteral("ADDER")), SaveICOutcome::Saved);
}

TEST_F(SaveIC, AFailedWriteIsReportedAndASecondTryWritesTheSameFile)
{
    BuildTiny();
    SaveICOutcome first;
    {
        FailingWrites full;
        first = Save(QStringLiteral("TINY"));
    }
    EXPECT_EQ(first, SaveICOutcome::WriteFailed);
    EXPECT_FALSE(dialogs.MessageTexts().contains(QStringLiteral("IC created successfully.")));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("TINY"))));
    EXPECT_EQ(s.circuit.Elements[1].InPinList, QStringLiteral("X4Y6:"));
    ASSERT_EQ(Save(QStringLiteral("TINY")), SaveICOutcome::Saved);
    const QByteArray second = ReadBytes(Path(QStringLiteral("TINY")));
    EXPECT_TRUE(second.contains("[Elemente]\r\n22;2;X3Y4:;")) << "the pins moved once";
    EXPECT_TRUE(second.contains("[Anschl\xFCsse]\r\n2;2;IN;\r\n"));
}

} // namespace
