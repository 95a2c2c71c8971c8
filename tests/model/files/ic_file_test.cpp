#include "file_fixture.h"

#include "model/files/ic_file.h"
#include "placement/document/ic_definition_save.h"
#include "placement/document/ic_loading.h"

namespace {

class ICFiles : public FileFixture {
protected:
    // An IC whose circuit has the lines given, with one connector.
    void WriteIC(const QString& name, std::initializer_list<QString> lines)
    {
        WriteBytes(icDir + name + QStringLiteral(".icd"), CrLfLines(lines) + OneConnectorLines());
    }
    // Loads IC name into the next free slot, as the IC placer does.
    bool Place(const QString& name)
    {
        s.CurrentLevel = GetFreeICIndex(s.circuit);
        s.ICLoadDepth = 0;
        return LoadIC(s, &dialogs, name, 1);
    }
};

TEST_F(ICFiles, FreeSlots)
{
    EXPECT_EQ(GetFreeICIndex(s.circuit), 1);
    s.circuit.ICInstances.resize(4);
    s.circuit.Levels.resize(4);
    for (int k = 1; k <= 3; ++k)
        s.circuit.ICInstances[k].Name = s.circuit.Levels[k].Name = QStringLiteral("X");
    EXPECT_EQ(GetFreeICIndex(s.circuit), 4);
    s.circuit.Levels[2].Name.clear();
    EXPECT_EQ(GetFreeICIndex(s.circuit), 2);
    s.circuit.Levels[2].Name = QStringLiteral("X");
    s.circuit.ICInstances[3].Name.clear();
    EXPECT_EQ(GetFreeICIndex(s.circuit), 3);
}

TEST_F(ICFiles, NestedICsTakeTheFollowingSlots)
{
    InstallICs();
    ASSERT_TRUE(Place(QStringLiteral("HALF")));
    ASSERT_TRUE(Place(QStringLiteral("FULL")));
    EXPECT_EQ(s.circuit.ICCount(), 4);
    EXPECT_EQ(s.circuit.LevelUBound(), 4);
    EXPECT_EQ(s.CurrentLevel, 4); // the last slot filled
    EXPECT_EQ(s.circuit.ICInstances[2].Name, QStringLiteral("FULL"));
    EXPECT_EQ(s.circuit.ICInstances[3].ParentLevel, 2);
    EXPECT_EQ(s.circuit.ICInstances[4].ParentLevel, 2);
    EXPECT_EQ(s.circuit.ICInstances[4].NestingLevel, 1);
    EXPECT_EQ(s.circuit.Levels[2].Field(2, 3).ICLink, 3);
    EXPECT_EQ(s.circuit.Levels[2].Field(2, 8).ICLink, 4);
    EXPECT_GT(s.ICLoadDepth, 0);
}

TEST_F(ICFiles, ARefusedICLeavesTheTablesAsTheyWere)
{
    InstallICs();
    ASSERT_TRUE(Place(QStringLiteral("HALF")));
    WriteIC(QStringLiteral("OUTER"), {"[Feld]", "6;6;", "[Elemente]", "20;2;X1Y1:;X1Y1:;0;1;;", "[IC]", "HALF;1;", "BROKEN;1;"});
    WriteIC(QStringLiteral("BROKEN"), {"[Feld]", "6;6;", "[Punkte]", "1;1;1;0;0;0;0;0;7;0;0;"}); // no element 7
    EXPECT_FALSE(Place(QStringLiteral("OUTER")));
    EXPECT_EQ(s.circuit.ICCount(), 1);
    EXPECT_EQ(s.circuit.LevelUBound(), 1);
    EXPECT_EQ(s.CurrentLevel, 2);
    EXPECT_EQ(GetFreeICIndex(s.circuit), 2);
    EXPECT_EQ(s.circuit.ICInstances[1].Name, QStringLiteral("HALF"));

    // Missing nested IC, cycle, missing file, a name with a path: nothing loaded.
    WriteIC(QStringLiteral("HOLE"), {"[Feld]", "6;6;", "[IC]", "NONE;1;"});
    WriteIC(QStringLiteral("LOOP"), {"[Feld]", "6;6;", "[IC]", "loop;1;"});
    for (const char* name : {"HOLE", "LOOP", "NONE", "../ics/HALF", "<Name>", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Place(QString::fromLatin1(name)));
        EXPECT_EQ(s.circuit.ICCount(), 1);
    }
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(ICFiles, TheLevelIsNamedAfterTheICWithoutName)
{
    WriteIC(QStringLiteral("NONAME"), {"[Feld]", "4;4;"});
    WriteIC(QStringLiteral("NAMED"), {"[Name]", "Other name", "[Feld]", "4;4;"});
    ASSERT_TRUE(Place(QStringLiteral("NONAME")));
    ASSERT_TRUE(Place(QStringLiteral("NONAME")));
    ASSERT_TRUE(Place(QStringLiteral("NAMED")));
    EXPECT_EQ(s.circuit.Levels[1].Name, QStringLiteral("NONAME"));
    EXPECT_EQ(s.circuit.Levels[2].Name, QStringLiteral("NONAME"));
    EXPECT_EQ(s.circuit.Levels[3].Name, QStringLiteral("Other name"));
    EXPECT_EQ(s.circuit.ICCount(), 3);
}

TEST_F(ICFiles, BlankICLinesAreNoICs)
{
    WriteIC(QStringLiteral("LEAF"), {"[Feld]", "4;4;"});
    WriteIC(QStringLiteral("MID"), {"[Feld]", "4;4;", "[Elemente]", "20;2;X2Y2:;X2Y2:;0;1;;", "[IC]", "", "LEAF;1;", ";2;"});
    WriteIC(QStringLiteral("TOP"), {"[Feld]", "4;4;", "[Elemente]", "20;2;X2Y2:;X2Y2:;0;1;;", "20;2;X3Y2:;X3Y2:;0;2;;",
                                    "[IC]", "MID;1;", "LEAF;2;"});
    EXPECT_EQ(CountICLevels(s.Verzeichnisse[1], QStringLiteral("TOP")), 3);
    EXPECT_EQ(CountICLevels(s.Verzeichnisse[1], QStringLiteral("MID")), 1);
    EXPECT_EQ(CountICLevels(s.Verzeichnisse[1], QStringLiteral("<Name>")), 0);
    ASSERT_TRUE(Place(QStringLiteral("TOP")));
    EXPECT_EQ(s.circuit.ICCount(), 4);
    EXPECT_EQ(s.circuit.ICInstances[3].Name, QStringLiteral("LEAF"));
    EXPECT_EQ(s.circuit.ICInstances[3].ParentLevel, 2);
    EXPECT_EQ(s.circuit.ICInstances[4].ParentLevel, 1);
}

TEST_F(ICFiles, OldLinksSectionIsSkipped)
{
    WriteIC(QStringLiteral("OLD"), {"[Feld]", "4;4;", "[Links]", "1;2;3;", "9;9;9;", "[Notizen]", "old"});
    ASSERT_TRUE(Place(QStringLiteral("OLD")));
    EXPECT_EQ(s.circuit.ICInstances[1].PinCount, 1);
    EXPECT_EQ(s.circuit.ICInstances[1].Notes, QStringLiteral("old"));
}

TEST_F(ICFiles, SizeOfAnIC)
{
    WriteBytes(icDir + QStringLiteral("SIZED.icd"), CrLfLines({"[Maße]", "X7", "Y4", "[Notizen]", "X99", "Y99"}));
    WriteBytes(icDir + QStringLiteral("UNSIZED.icd"), CrLfLines({"[Feld]", "4;4;", "[Notizen]", "X99"}));
    EXPECT_TRUE(GetICSize(s.circuit, s.Verzeichnisse[1], &dialogs, QStringLiteral("SIZED")));
    EXPECT_EQ(s.circuit.ICWidth, 7);
    EXPECT_EQ(s.circuit.ICHeight, 4);
    GetICSize(s.circuit, s.Verzeichnisse[1], &dialogs, QStringLiteral("UNSIZED"));
    EXPECT_EQ(s.circuit.ICWidth, 7);
    EXPECT_TRUE(dialogs.Asked().empty());

    s.circuit.ICName = QStringLiteral("NONE");
    EXPECT_FALSE(GetICSize(s.circuit, s.Verzeichnisse[1], &dialogs, QStringLiteral("NONE")));
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, QStringLiteral("IC 'NONE' wurde nicht gefunden."));
    EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("Dateifehler"));
    EXPECT_TRUE(s.circuit.ICName.isEmpty());
    EXPECT_EQ(s.circuit.ICWidth, 0);
}

TEST_F(ICFiles, ConnectorsOfAnIC)
{
    InstallICs();
    s.circuit.ICInstances.resize(3);
    s.CurrentLevel = 2;
    LoadICAnschluesse(s.circuit, s.Verzeichnisse[1], &dialogs, QStringLiteral("FULL"), s.CurrentLevel);
    EXPECT_EQ(s.circuit.ICInstances[2].PinCount, 3);
    EXPECT_EQ(s.circuit.ICInstances[2].PinStates.value(3), QStringLiteral("11;6;S;0;"));
    EXPECT_EQ(s.circuit.ICInstances[2].GraphicPins.value(2), QStringLiteral("0;3;B;"));
    EXPECT_EQ(s.circuit.ICInstances[2].Width, 6);

    s.circuit.ICName = QStringLiteral("NONE");
    LoadICAnschluesse(s.circuit, s.Verzeichnisse[1], &dialogs, QStringLiteral("NONE"), s.CurrentLevel);
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, QStringLiteral("Unable to find IC 'NONE'."));
    EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("I/O error"));
    EXPECT_TRUE(s.circuit.ICName.isEmpty());
}

TEST_F(ICFiles, SaveICWritesCellsRelativeToTheCropBox)
{
    s.circuit.ICName = QStringLiteral("SHIFT");
    s.circuit.P(7, 4).Type = ElementType::Conductor;
    s.circuit.P(7, 4).ConRight = kTrue;
    ASSERT_FALSE(SaveIC(s.circuit, {5, 2, 12, 8}, s.Verzeichnisse[1], dialogs).isEmpty());
    const QByteArray bytes = ReadBytes(icDir + QStringLiteral("SHIFT.icd"));
    EXPECT_TRUE(bytes.startsWith("[Name]\r\nSHIFT\r\n[Feld]\r\n7;6;\r\n[Punkte]\r\n2;2;1;0;-1;0;0;0;0;0;0;\r\n[Elemente]\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.endsWith("[Ma\xDF" "e]\r\nX0\r\nY0\r\n[Graphische Anschl\xFCsse]\r\n[IC]\r\n[Tags]\r\n[Notizen]\r\n\r\n"));
}

TEST_F(ICFiles, SaveICRefusesPathsAndReportsFailures)
{
    s.circuit.ICName = QStringLiteral("../escape");
    EXPECT_TRUE(SaveIC(s.circuit, {}, s.Verzeichnisse[1], dialogs).isEmpty());
    EXPECT_FALSE(QFile::exists(tmp.path() + QStringLiteral("/escape.icd")));
    s.circuit.ICName = QStringLiteral("GOOD");
    s.Verzeichnisse[1] = tmp.path() + QStringLiteral("/missing/");
    EXPECT_TRUE(SaveIC(s.circuit, {}, s.Verzeichnisse[1], dialogs).isEmpty());
    EXPECT_EQ(dialogs.MessageTexts().size(), 2);
}

} // namespace
