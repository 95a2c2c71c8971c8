#include "file_fixture.h"

#include <QDirIterator>
#include <map>

#include "placement/document/circuit_file.h"
#include "model/files/circuit_writer.h"
#include "placement/document/ic_definition_save.h"
#include "placement/document/new_file.h"
#include "model/ports/status_port.h"
#include "support/clock_columns.h"

namespace {

class RoundTrip : public FileFixture {
protected:
    // Loads a copy of the golden file, removes it and saves the circuit quietly in its place.
    QByteArray LoadAndSave(const QString& name)
    {
        const QString path = CopyData(name, circuitDir);
        EXPECT_EQ(LoadFile(s, dialogs, path), LoadResult::Loaded);
        EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
        QFile::remove(path);
        EXPECT_TRUE(SaveFile(s, dialogs, true));
        return ReadBytes(path);
    }
    void Load(const QString& name)
    {
        ASSERT_EQ(LoadFile(s, dialogs, CopyData(name, circuitDir)), LoadResult::Loaded);
    }
};

// Every circuit and IC definition of tests/data, but those kept there to be refused.
TEST_F(RoundTrip, EveryGoldenCircuitIsWrittenBackByteForByte)
{
    InstallICs();
    const QDir data(Data(QString()));
    QStringList names;
    for (QDirIterator it(data.path(), {QStringLiteral("*.gtr"), QStringLiteral("*.icd")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString name = data.relativeFilePath(it.next());
        if (!name.startsWith(QStringLiteral("refused/")))
            names.append(name);
    }
    for (const char* known : {"components.gtr", "nested_ics.gtr", "sim/clock_and_led.gtr", "ic/FULL.icd",
                              "bench/inv_chain_400.gtr", "bench/ripple_8.gtr"})
        ASSERT_TRUE(names.contains(QString::fromLatin1(known))) << known;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        if (name.endsWith(QStringLiteral(".gtr"))) {
            EXPECT_EQ(LoadAndSave(name), DataBytes(name));
            continue;
        }
        // An IC definition opens for editing under its name and is saved as
        // one: the crop box of an unchanged IC is its whole worksheet.
        const QString path = CopyData(name, icDir);
        ASSERT_EQ(LoadFile(s, dialogs, path), LoadResult::Loaded);
        EXPECT_EQ(s.circuit.ICName, QFileInfo(name).baseName());
        EXPECT_EQ(w.caption, QFileInfo(name).fileName() + QStringLiteral(" - Gatrel"));
        QFile::remove(path);
        EXPECT_EQ(SaveIC(s.circuit, {0, 0, s.circuit.MaxX, s.circuit.MaxY}, s.Verzeichnisse[1], dialogs), path);
        EXPECT_EQ(ReadBytes(path), DataBytes(name));
    }
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
}

TEST_F(RoundTrip, LineFeedOnlyAndCarriageReturnOnlyFilesLoad)
{
    const QByteArray golden = DataBytes(QStringLiteral("components.gtr"));
    for (const char* end : {"\n", "\r"}) {
        SCOPED_TRACE(end[0] == '\n' ? "LF" : "CR");
        QByteArray bytes = golden;
        bytes.replace("\r\n", end);
        const QString path = circuitDir + QStringLiteral("other.gtr");
        WriteBytes(path, bytes);
        ASSERT_EQ(LoadFile(s, dialogs, path), LoadResult::Loaded);
        EXPECT_EQ(s.circuit.ElementCount(), 17);
        ASSERT_TRUE(SaveFile(s, dialogs, true));
        EXPECT_EQ(ReadBytes(path), golden);
    }
}

TEST_F(RoundTrip, ConductorsAreRebuiltFromTheirRuns)
{
    Load(QStringLiteral("conductors.gtr"));
    EXPECT_EQ(s.circuit.MaxX, 12);
    EXPECT_EQ(s.circuit.MaxY, 8);
    EXPECT_EQ(s.circuit.P.UBoundX(), 13);
    auto flags = [&](int x, int y) {
        const GridCell& c = s.circuit.P(x, y);
        return QStringLiteral("%1%2%3%4/%5/%6")
            .arg(c.ConLeft ? "L" : "-", c.ConRight ? "R" : "-", c.ConUp ? "U" : "-", c.ConDown ? "D" : "-")
            .arg(c.Type)
            .arg(c.Marker);
    };
    EXPECT_EQ(flags(1, 1), QStringLiteral("-R--/1/0"));
    EXPECT_EQ(flags(6, 1), QStringLiteral("LR--/1/0"));
    EXPECT_EQ(flags(8, 1), QStringLiteral("L---/1/0"));
    EXPECT_EQ(flags(4, 1), QStringLiteral("LR-D/1/-1")); // the T with its juncture
    EXPECT_EQ(flags(4, 3), QStringLiteral("LRUD/1/0"));  // a crossing without one
    EXPECT_EQ(flags(4, 5), QStringLiteral("--U-/1/0"));
    EXPECT_EQ(flags(3, 6), QStringLiteral("LR--/1/1"));  // coupling diode
    EXPECT_EQ(flags(11, 2), QStringLiteral("L--D/1/0")); // corner
    EXPECT_EQ(flags(9, 1), QStringLiteral("----/0/0"));
    EXPECT_EQ(s.circuit.ElementCount(), 0);
}

TEST_F(RoundTrip, EveryComponentType)
{
    Load(QStringLiteral("components.gtr"));
    ASSERT_EQ(s.circuit.ElementCount(), 17);
    ASSERT_EQ(s.circuit.Elements.size(), 18u);
    QList<int> types;
    for (int e = 1; e <= s.circuit.ElementCount(); ++e)
        types.append(s.circuit.Elements[e].Type);
    EXPECT_EQ(types, (QList<int>{4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 22, 27}));
    const ElementRecord& gate = s.circuit.Elements[3];
    EXPECT_EQ(gate.Orientation, Orientation::Right);
    EXPECT_EQ(gate.InPinList, QStringLiteral("X5Y2:X5Y4:"));
    EXPECT_EQ(gate.OutPinList, QStringLiteral("X7Y3:"));
    EXPECT_EQ(gate.SelfIndex, 3);
    EXPECT_EQ(gate.Label, QStringLiteral("2"));
    EXPECT_EQ(s.circuit.Elements[1].Color, 65280);
    EXPECT_EQ(s.circuit.P(5, 2).Marker, -1); // negation marker on a pin
    EXPECT_EQ(s.circuit.P(5, 2).ElementNr, 3);
    EXPECT_EQ(s.circuit.P(3, 4).Type, 1);
    EXPECT_EQ(s.circuit.P(2, 4).Type, 5); // a component keeps its type under a run
    EXPECT_EQ(s.circuit.P(2, 4).ConRight, kTrue);
    EXPECT_EQ(s.circuit.P(5, 4).ConLeft, kTrue);
    EXPECT_EQ(s.ProbeCount, 1);
    EXPECT_EQ(w.analyserChannels, std::vector<int>{1});
    EXPECT_TRUE(w.analyserMenuEnabled);
    EXPECT_EQ(s.circuit.ClockCount, 1);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), std::vector<int16_t>{7});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockHigh), std::vector<int16_t>{250});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLow), std::vector<int16_t>{750});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLinked), std::vector<int16_t>{0});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockCycles), std::vector<uint8_t>{5});
}

TEST_F(RoundTrip, TimerSectionWithoutAndWithGenerators)
{
    Load(QStringLiteral("empty.gtr"));
    EXPECT_EQ(s.circuit.ClockCount, 0);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockHigh), std::vector<int16_t>{500});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLinked), std::vector<int16_t>{kTrue});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockCycles), std::vector<uint8_t>{1});
    EXPECT_EQ(w.clockTimerCount, 1);

    Load(QStringLiteral("clocks.gtr"));
    EXPECT_EQ(s.circuit.ClockCount, 3);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), (std::vector<int16_t>{1, 2, 3}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockHigh), (std::vector<int16_t>{500, 100, 1000}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLow), (std::vector<int16_t>{500, 300, 1000}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLinked), (std::vector<int16_t>{kTrue, 0, kTrue}));
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockCycles), (std::vector<uint8_t>{1, 10, 100}));
    EXPECT_EQ(w.clockTimerCount, 3);

    // A new circuit without generators is written with the lines 0, 0; and one slot line.
    NewFile(s, true);
    const QByteArray bytes = CircuitFileBytes(s.circuit);
    EXPECT_TRUE(bytes.endsWith("[Timer]\r\n0\r\n0;\r\n0;0;-1;1;\r\n")) << bytes.toStdString();
}

TEST_F(RoundTrip, TextLabelsKeepCommasQuotesAndUmlauts)
{
    Load(QStringLiteral("labels.gtr"));
    ASSERT_EQ(s.circuit.ElementCount(), 3);
    EXPECT_EQ(s.circuit.Elements[1].Label, QStringLiteral("a,b"));
    EXPECT_EQ(s.circuit.Elements[2].Label, QStringLiteral("Zähler 1"));
    EXPECT_EQ(s.circuit.Elements[3].Label, QStringLiteral("say \"hi\", then go"));
    EXPECT_EQ(s.circuit.P(5, 6).ElementNr, 3);
}

TEST_F(RoundTrip, NestedICsFillTheICAndLevelTables)
{
    InstallICs();
    Load(QStringLiteral("nested_ics.gtr"));
    ASSERT_EQ(s.circuit.ICCount(), 4);
    EXPECT_EQ(s.circuit.LevelUBound(), 4);
    ASSERT_GE(s.circuit.ICInstances.size(), 5u);
    ASSERT_GE(s.circuit.Levels.size(), 5u);
    QStringList names;
    QList<int> nesting, parents, elementNrs;
    for (int k = 1; k <= 4; ++k) {
        names.append(s.circuit.ICInstances[k].Name);
        nesting.append(s.circuit.ICInstances[k].NestingLevel);
        parents.append(s.circuit.ICInstances[k].ParentLevel);
        elementNrs.append(s.circuit.ICInstances[k].ElementNr);
        EXPECT_EQ(s.circuit.Levels[k].Name, s.circuit.ICInstances[k].Name);
    }
    EXPECT_EQ(names, (QStringList{"FULL", "HALF", "HALF", "HALF"}));
    EXPECT_EQ(nesting, (QList<int>{0, 1, 1, 0}));
    EXPECT_EQ(parents.mid(1, 2), (QList<int>{1, 1}));
    EXPECT_EQ(elementNrs, (QList<int>{1, 1, 2, 2}));

    // The worksheet links to slots 1 and 4; FULL's level links to its two HALF.
    EXPECT_EQ(s.circuit.P(3, 4).ICLink, 1);
    EXPECT_EQ(s.circuit.P(19, 5).ICLink, 4);
    EXPECT_EQ(s.circuit.P(19, 5).ICConnector, 4);
    const LevelRecord& full = s.circuit.Levels[1];
    EXPECT_EQ(full.Width, 14);
    EXPECT_EQ(full.Height, 12);
    EXPECT_EQ(full.Field.UBoundX(), 15);
    EXPECT_EQ(full.ElementCount(), 3);
    EXPECT_EQ(full.Field(2, 3).ICLink, 2);
    EXPECT_EQ(full.Field(6, 9).ICLink, 3);
    EXPECT_EQ(full.Field(6, 9).ICConnector, 4);
    EXPECT_EQ(full.Elements[3].Type, 7);

    const ICInstanceRecord& half = s.circuit.ICInstances[4];
    EXPECT_EQ(half.Width, 4);
    EXPECT_EQ(half.Height, 3);
    EXPECT_EQ(half.PinCount, 4);
    EXPECT_EQ(half.PinStates.mid(1), (QStringList{"1;2;A;0;", "1;4;B;0;", "8;2;S;0;", "8;4;C;0;"}));
    EXPECT_EQ(half.GraphicPins.value(3), QStringLiteral("4;1;S;"));
    EXPECT_EQ(half.Notes, QStringLiteral("Half adder: S = A xor B,C = A and B."));
    EXPECT_EQ(s.circuit.ICInstances[1].Notes, QStringLiteral("Full adder"));
    EXPECT_EQ(s.circuit.Levels[2].Field(1, 2).ICConnector, 1);
    EXPECT_EQ(s.circuit.Levels[2].Field(3, 2).Type, 11);
}

TEST_F(RoundTrip, OldLinksSectionIsIgnoredWhenEditing)
{
    QByteArray bytes = DataBytes(QStringLiteral("ic/HALF.icd"));
    bytes.replace("[Notizen]", "[Links]\r\n1;2;3;\r\nX9\r\n[Notizen]");
    WriteBytes(icDir + QStringLiteral("HALF.icd"), bytes);
    ASSERT_EQ(LoadFile(s, dialogs, icDir + QStringLiteral("HALF.icd")), LoadResult::Loaded);
    EXPECT_EQ(s.circuit.ICTags.size(), 5); // entry 0 and one per connector
    EXPECT_EQ(s.circuit.ICTags.value(4), QStringLiteral("r;4;2;"));
    EXPECT_EQ(s.circuit.ICWidth, 4);
    EXPECT_TRUE(s.circuit.ICNotes.startsWith(QStringLiteral("Half adder")));
}

TEST_F(RoundTrip, LoadedICDefinitionReachesTheICWindow)
{
    InstallICs();
    s.ToolMode = ToolCode::IC;
    ASSERT_EQ(LoadFile(s, dialogs, icDir + QStringLiteral("HALF.icd")), LoadResult::Loaded);
    EXPECT_EQ(s.circuit.ICPinCount, 4);
    EXPECT_EQ(s.circuit.ICPins.value(3), QStringLiteral("8;2;S;"));
    EXPECT_EQ(s.circuit.ICGraphicPins.value(4), QStringLiteral("4;2;C;"));
    EXPECT_EQ(s.circuit.ICTags.value(4), QStringLiteral("r;4;2;"));
    EXPECT_EQ(s.circuit.ICNotes, QStringLiteral("Half adder: S = A xor B,\r\nC = A and B."));
    EXPECT_EQ(s.circuit.ICWidth, 4);
    EXPECT_EQ(s.circuit.ICHeight, 3);
    ASSERT_EQ(w.icConnectorLabels.size(), 4u);
    EXPECT_EQ(w.icConnectorLabels[2].index, 3);
    EXPECT_EQ(w.icConnectorLabels[2].name, QStringLiteral("S"));
    EXPECT_EQ(w.icConnectorLabels[2].tag, QStringLiteral("r;4;1;"));
    EXPECT_EQ(w.icWindowFields, (QStringList{"HALF", " 4", " 3"}));
    EXPECT_EQ(w.showInOutCount, 1);
    EXPECT_EQ(w.showICViewCount, 1);
    // The IC tool gives way to the conductor tool.
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_EQ(w.pressedToolKey, QStringLiteral("cmdLeitungen"));
    EXPECT_EQ(w.sizeBoxes.back(), (std::pair<int16_t, int16_t>{10, 6}));
    EXPECT_EQ(w.worksheetMousePointer, 2);
}

} // namespace

TEST_F(FileFixture, TheAnalyserMenuFollowsTheSensorsNotChannelOne)
{
    const QByteArray onlyChannel2 = "[Feld]\r\n5;5;\r\n[Punkte]\r\n2;2;27;0;0;0;0;0;1;0;0;\r\n[Jump]\r\n"
                                    "[Elemente]\r\n27;0;X2Y2:;X2Y2:;0;1;2;\r\n[IC]\r\n[Timer]\r\n0\r\n0;\r\n"
                                    "500;500;-1;1;\r\n";
    const QString path = circuitDir + QStringLiteral("sensor2.gtr");
    WriteBytes(path, onlyChannel2);
    w.analyserMenuEnabled = false;
    ASSERT_EQ(LoadFile(s, dialogs, path), LoadResult::Loaded);
    EXPECT_EQ(s.ProbeCount, 1);
    EXPECT_TRUE(w.analyserMenuEnabled);

    ASSERT_EQ(LoadFile(s, dialogs, CopyData(QStringLiteral("empty.gtr"), circuitDir)), LoadResult::Loaded);
    EXPECT_EQ(s.ProbeCount, 0);
    EXPECT_FALSE(w.analyserMenuEnabled);
}

namespace {

// The status bar as the user sees it: the text beside the bar at each step.
struct WatchedStatus : StatusPort {
    void SetStatusPanel(int panel, const QString& text) override { shown[panel] = text; }
    void SetProgress(int value) override { steps.emplace_back(value, shown[0]); }
    void EnableMainWindow(bool) override {}
    std::vector<std::pair<int, QString>> steps;
    std::map<int, QString> shown;
};

} // namespace

TEST_F(FileFixture, ALongLoadShowsHowFarItHasGotBesideTheFileName)
{
    WatchedStatus status;
    s.ports.status = &status;
    // The same conductor run over and over, some MiB of it.
    QByteArray bytes = CrLfLines({"[Feld]", "100;100;", "[Jump]"});
    while (bytes.size() < (3 << 20))
        bytes += " 0; 5; 99; 0;\r\n";
    const QString big = circuitDir + QStringLiteral("big.gtr");
    WriteBytes(big, bytes);
    ASSERT_EQ(LoadFile(s, dialogs, big), LoadResult::Loaded);
    ASSERT_GE(status.steps.size(), 20u);
    // At once, before the file is first read through.
    EXPECT_EQ(status.steps.front(), std::make_pair(1, QStringLiteral("Verifying ICs..")));
    const auto last = status.steps.back();
    status.steps.pop_back();
    EXPECT_EQ(last.first, 0) << "the bar is emptied after the load";
    int before = 1;
    status.steps.erase(status.steps.begin());
    for (const auto& [percent, text] : status.steps) {
        EXPECT_GT(percent, before);
        EXPECT_EQ(text, QStringLiteral("Loading 'big.gtr'.."));
        before = percent;
    }
    EXPECT_EQ(before, 100);
    EXPECT_TRUE(s.circuit.P(50, 5).ConLeft && s.circuit.P(50, 5).ConRight);

    // A small file loads at once, without a progress bar.
    status.steps.clear();
    InstallICs();
    ASSERT_EQ(LoadFile(s, dialogs, CopyData(QStringLiteral("components.gtr"), circuitDir)), LoadResult::Loaded);
    EXPECT_TRUE(status.steps.empty());
}
