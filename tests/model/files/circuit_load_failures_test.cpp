#include "file_fixture.h"

#include "placement/document/circuit_file.h"
#include "model/files/record_reader.h"

namespace {

// Every refused file leaves the circuit loaded before it, its names and the
// window as they were, and shows exactly one message.
class RefusedFile : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        InstallICs();
        previous = CopyData(QStringLiteral("components.gtr"), circuitDir);
        ASSERT_EQ(LoadFile(s, dialogs, previous), LoadResult::Loaded);
        s.ToolMode = ToolCode::AND;
        w.worksheetMousePointer = 5;
        s.WorksheetMousePointer = 5;
        before = Snapshot();
    }

    struct State {
        Grid P;
        std::vector<ElementRecord> Elements;
        int16_t MaxX, ElementCount, ICCount, LevelUBound;
        uint8_t ClockCount;
        ToolCode ToolMode;
        QString FileName, FilePath, CircuitFilePath, Caption, DialogFileName;
        std::array<QString, 4> LastFiles;
        int deleteUndo, unloadTimers, pointer;
        bool operator==(const State&) const = default;
    };
    State Snapshot() const
    {
        return State{s.circuit.P, s.circuit.Elements, s.circuit.MaxX, s.circuit.ElementCount(), s.circuit.ICCount(), s.circuit.LevelUBound(), s.circuit.ClockCount, s.ToolMode,
                     s.objFile.FileName, s.objFile.FilePath, s.CircuitFilePath, w.caption, s.CmDialog1.FileName,
                     s.LastFiles, w.deleteUndoDataCount, w.unloadClockTimersCount, w.worksheetMousePointer};
    }

    // Loads a file holding lines; expects it refused with the one message given.
    void ExpectRefused(const QString& path, const QString& message)
    {
        const size_t asked = dialogs.Asked().size();
        EXPECT_EQ(LoadFile(s, dialogs, path), LoadResult::Failed);
        ASSERT_EQ(dialogs.Asked().size(), asked + 1);
        EXPECT_EQ(dialogs.Asked().back().text, message);
        EXPECT_TRUE(Snapshot() == before);
        EXPECT_EQ(s.circuit.ElementCount(), 17);
        EXPECT_EQ(w.caption, QStringLiteral("components.gtr - Gatrel"));
    }
    void ExpectRefused(std::initializer_list<QString> lines, const QString& message)
    {
        const QString path = circuitDir + QStringLiteral("bad.gtr");
        WriteBytes(path, CrLfLines(lines));
        ExpectRefused(path, message);
    }

    const QString kFormat = QStringLiteral("Unrecognizable file format or file not found!");
    QString previous;
    State before;
};

TEST_F(RefusedFile, MissingEmptyOrWithoutHeader)
{
    ExpectRefused(circuitDir + QStringLiteral("none.gtr"), QStringLiteral("File not found.\n") + circuitDir + "none.gtr");
    EXPECT_EQ(dialogs.Asked().back().title, QStringLiteral("I/O error"));
    EXPECT_EQ(dialogs.Asked().back().icon, MessageIcon::Information);
    WriteBytes(circuitDir + QStringLiteral("empty.gtr"), QByteArray());
    ExpectRefused(circuitDir + QStringLiteral("empty.gtr"), kFormat);
    ExpectRefused({"just text", "and more"}, kFormat);
    ExpectRefused({"[feld]", "10;10;"}, kFormat);
}

TEST_F(RefusedFile, LargerThanAnyFileTheProgramWrites)
{
    // A circuit that would load but for its size: the notes run on to one byte over the limit.
    const QString path = circuitDir + QStringLiteral("huge.gtr");
    WriteBytes(path, CrLfLines({"[Feld]", "12;8;", "[Notizen]"}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.resize(kMaxRecordFileSize + 1));
    f.close();
    ExpectRefused(path, QStringLiteral("The file '%1' is too large to open (128.1 MiB).\n"
                                       "Gatrel opens circuit and IC files of up to 128 MiB.")
                            .arg(path));
}

// Lines that are each a plain misreading of the format: a number beyond its
// field, a size or cell outside the grid, a reference outside its table.
TEST_F(RefusedFile, ContentsOutsideTheirBoundsAreUnrecognizable)
{
    const std::initializer_list<QString> files[] = {
        {"[Feld]", "12;8;", "[Punkte]", "3;6;300;0;0;0;0;0;0;0;0;"}, // Type is a byte
        {"[Feld]", "40000;8;"},
        {"[Elemente]", "4;2;X1Y1:;;99999999999;1;;"}, // Color beyond 32 bits
        {"[Timer]", "256", "0;"},
        {"[Feld]", "0;8;"},
        {"[Feld]", "10;1001;"},
        {"[Feld]", "12;8;", "[Punkte]", "14;2;1;0;0;0;0;-1;0;0;0;"},
        {"[Feld]", "12;8;", "[Punkte]", "-1;2;1;0;0;0;0;-1;0;0;0;"},
        {"[Feld]", "12;8;", "[Jump]", " 13; 1; 0; 0;"},
        {"[Feld]", "12;8;", "[Jump]", " 1; 1; 20; 0;"},
        {"[Feld]", "12;8;", "[Elemente]", "4;2;X20Y1:;;0;1;;"}, // a pin outside
        // An element number without element, an IC link without IC.
        {"[Feld]", "12;8;", "[Punkte]", "2;2;4;0;0;0;0;0;1;0;0;"},
        {"[Feld]", "12;8;", "[Punkte]", "2;2;1;0;0;0;0;0;0;1;3;"},
        // A clock generator without slot, a slot without generator, a slot naming another element.
        {"[Feld]", "12;8;", "[Elemente]", "10;2;X4Y4:;X5Y3:;0;1;;"},
        {"[Feld]", "12;8;", "[Timer]", "1", "1;", "500;500;-1;1;"},
        {"[Feld]", "12;8;", "[Elemente]", "4;2;X2Y2:;;0;1;;", "[Timer]", "1", "1;", "500;500;-1;1;"},
        // An IC whose element number is beyond the element table.
        {"[Feld]", "12;8;", "[IC]", "HALF;4;"},
    };
    for (const auto& lines : files) {
        SCOPED_TRACE(QStringList(lines).join(u'|').toStdString());
        ExpectRefused(lines, kFormat);
    }
}

// A component cell names an element of its own type, and every element's
// footprint lies in its grid: else drawing or removing the element would reach
// beyond the grid and end the program.
TEST_F(RefusedFile, ComponentsThatDisagreeWithTheirCellsOrLeaveTheGrid)
{
    const std::initializer_list<QString> timer{"[Timer]", "1", "1;", "500;500;-1;1;"};
    auto withTimer = [&](std::initializer_list<QString> lines) {
        return CrLfLines(lines) + CrLfLines(timer);
    };
    const std::pair<const char*, QByteArray> files[] = {
        {"the clock whose symbol starts left of the grid", DataBytes(QStringLiteral("refused/clock_outside_grid.gtr"))},
        {"a shift-register cell on a conductor's record",
         DataBytes(QStringLiteral("refused/shift_register_cell_on_conductor_record.gtr"))},
        {"element number past the table",
         CrLfLines({"[Feld]", "12;8;", "[Punkte]", "2;2;9;0;0;0;0;0;2;0;0;", "[Elemente]", "9;2;X2Y2:;X3Y2:;0;1;;"})},
        {"record of another type",
         CrLfLines({"[Feld]", "12;8;", "[Punkte]", "2;2;6;0;0;0;0;0;1;0;0;", "[Elemente]", "9;2;X2Y2:;X3Y2:;0;1;;"})},
        {"component cell without element", CrLfLines({"[Feld]", "12;8;", "[Punkte]", "2;2;4;0;0;0;0;0;0;0;0;"})},
        {"clock off the left edge", withTimer({"[Feld]", "12;8;", "[Elemente]", "10;2;X0Y5:;X1Y4:;0;1;;"})},
        {"decoder off the top edge",
         CrLfLines({"[Feld]", "12;8;", "[Elemente]", "16;2;X3Y2:X3Y3:X3Y4:;X5Y0:X5Y1:X5Y2:X5Y3:X5Y4:X5Y5:X5Y6:X5Y7:;0;1;;"})},
        {"shift register off the right edge",
         CrLfLines({"[Feld]", "12;8;", "[Elemente]", "18;1;X12Y3:X12Y5:X12Y4:;X8Y3:X8Y5:;0;1;;"})},
        {"tri-state gate off the bottom edge",
         CrLfLines({"[Feld]", "12;8;", "[Elemente]", "13;3;X4Y9:X6Y9:;X5Y8:;0;1;;"})},
    };
    const QString path = circuitDir + QStringLiteral("bad.gtr");
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        WriteBytes(path, bytes);
        ExpectRefused(path, kFormat);
    }

    // A conductor cell keeps the number of the element it was part of.
    WriteBytes(path, CrLfLines({"[Feld]", "12;8;", "[Punkte]", "2;2;1;0;0;0;0;0;1;0;0;", "[Elemente]",
                                "4;2;X5Y5:;;0;1;;"}));
    EXPECT_EQ(LoadFile(s, dialogs, path), LoadResult::Loaded);
    EXPECT_EQ(s.circuit.P(2, 2).ElementNr, 1);
}

// A fault the user can act on is named with the file: an element with fewer
// pins than its type is placed with (it would be drawn around cell (0,0)),
// more elements than a circuit holds, an IC definition opened to edit that
// is empty or holds no section.
TEST_F(RefusedFile, FaultsThatCanBeActedOnAreNamed)
{
    auto withElement = [](const char* element) {
        return CrLfLines({"[Feld]", "12;8;", "[Elemente]", QLatin1String(element), "[IC]", "HALF;1;"});
    };
    QByteArray tooMany = CrLfLines({"[Feld]", "12;8;", "[Elemente]"});
    for (int e = 0; e <= INT16_MAX; ++e)
        tooMany += "22;2;X1Y1:;;0;1;;\r\n";
    const QByteArray binary("\x01\x02\xff\xfe\x00\x7f garbage\x00", 16);
    const struct {
        const char* file;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"bad.gtr", withElement("11;2;X3Y2:X3Y4:;X6Y2:X6Y4:;0;1;;"),
         "element 1 (Half-adder) has 2 input pins where it needs 3"},
        {"bad.gtr", withElement("16;2;X3Y2:X3Y3:X3Y4:;X5Y1:X5Y2:;0;1;;"),
         "element 1 (Decoder) has 2 output pins where it needs 8"},
        {"bad.gtr", withElement("6;2;X3Y2:;X5Y3:;0;1;;"),
         "element 1 (AND element) has 1 input pin where it needs 2 to 20"},
        {"bad.gtr", withElement("20;2;;;0;1;;"), "element 1 (IC) has 0 input pins where it needs 1 to 21"},
        {"bad.gtr", withElement("20;2;X2Y3:;X2Y4:;0;1;;"), "element 1 (IC) has output pins other than its input pins"},
        {"many.gtr", tooMany, "it has more than 32767 elements; a circuit has at most 32767"},
        {"EMPTY.icd", QByteArray(), "the file is empty"},
        {"GARB.ICD", binary, "it is no IC definition: it has no section"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const QString path = circuitDir + QLatin1String(c.file);
        WriteBytes(path, c.bytes);
        ExpectRefused(path, QStringLiteral("The file '%1' cannot be loaded: %2.").arg(path, QLatin1String(c.reason)));
        EXPECT_EQ(dialogs.Asked().back().title, QStringLiteral("I/O error"));
    }
}

TEST_F(RefusedFile, MissingICs)
{
    const QString missing = QStringLiteral("The following ICs are missing:\n - NOPE\n");
    ExpectRefused({"[Feld]", "12;8;", "[IC]", "NOPE;1;", "NOPE;2;"}, missing);
    EXPECT_EQ(dialogs.Asked().back().title, QStringLiteral("IC error"));
    EXPECT_EQ(dialogs.Asked().back().icon, MessageIcon::Critical);
    // The tool selection is restored.
    EXPECT_EQ(s.ToolMode, ToolCode::AND);

    QFile::remove(icDir + QStringLiteral("HALF.icd"));
    ExpectRefused({"[Feld]", "12;8;", "[IC]", "FULL;1;"}, QStringLiteral("The following ICs are missing:\n - HALF\n"));
}

TEST_F(RefusedFile, ICNamesThatAreNoPlainFileNames)
{
    // The file exists, but only a plain name is looked up.
    ExpectRefused({"[Feld]", "12;8;", "[IC]", "../ics/HALF;1;"},
                  QStringLiteral("The following ICs are missing:\n - ../ics/HALF\n"));
    ExpectRefused({"[Feld]", "12;8;", "[IC]", QStringLiteral("%1HALF;1;").arg(icDir)},
                  QStringLiteral("The following ICs are missing:\n - %1HALF\n").arg(icDir));
    ExpectRefused({"[Feld]", "12;8;", "[IC]", "..;1;"}, QStringLiteral("The following ICs are missing:\n - ..\n"));
}

TEST_F(RefusedFile, ICsThatContainThemselves)
{
    WriteBytes(icDir + QStringLiteral("LOOP.icd"), CrLfLines({"[Feld]", "4;4;", "[IC]", "LOOP;1;"}));
    ExpectRefused({"[Feld]", "12;8;", "[IC]", "LOOP;1;"},
                  QStringLiteral("The following ICs contain themselves:\n - LOOP > LOOP\n"));
    WriteBytes(icDir + QStringLiteral("A.icd"), CrLfLines({"[Feld]", "4;4;", "[IC]", "HALF;1;", "B;1;"}));
    WriteBytes(icDir + QStringLiteral("B.icd"), CrLfLines({"[Feld]", "4;4;", "[IC]", "A;1;"}));
    ExpectRefused({"[Feld]", "12;8;", "[IC]", "A;1;"},
                  QStringLiteral("The following ICs contain themselves:\n - A > B > A\n"));
}

TEST_F(RefusedFile, ICsNestedBeyondTheICTable)
{
    // A chain of 300 ICs, each holding the next: more than 255 slots.
    for (int i = 0; i < 300; ++i)
        WriteBytes(icDir + QStringLiteral("C%1.icd").arg(i),
                   CrLfLines({"[Feld]", "4;4;", "[Elemente]", "20;2;;;0;1;;", "[IC]", QStringLiteral("C%1;1;").arg(i + 1)}));
    WriteBytes(icDir + QStringLiteral("C300.icd"), CrLfLines({"[Feld]", "4;4;"}));
    ExpectRefused({"[Feld]", "12;8;", "[Elemente]", "20;2;;;0;1;;", "[IC]", "C0;1;"},
                  QStringLiteral("The following ICs contain more ICs than can be loaded:\n - C0\n"));
}

// The message names the IC definition file at fault and why, nested or not.
TEST_F(RefusedFile, ABrokenICDefinitionIsNamedWithItsFault)
{
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } broken[] = {
        {"BAD", CrLfLines({"[Feld]", "4;4;", "[Punkte]", "9;9;1;0;0;0;0;0;0;0;0;"}), "a cell lies outside the IC's grid"},
        {"NOGRID", CrLfLines({"[Name]", "NOGRID"}), "it holds no circuit: [Feld] is missing"},
        {"MIXED", CrLfLines({"[Feld]", "4;4;", "[Punkte]", "2;2;6;0;0;0;0;0;1;0;0;", "[Elemente]", "9;2;X2Y2:;X3Y2:;0;1;;"}),
         "a component's cell names no element of its type"},
        {"WIDE", CrLfLines({"[Feld]", "4;4;", "[Elemente]", "11;2;X4Y1:X4Y3:X4Y2:;X1Y1:X1Y3:;0;1;;"}),
         "a component reaches outside the grid"},
    };
    for (const auto& ic : broken) {
        SCOPED_TRACE(ic.name);
        const QString file = icDir + QLatin1String(ic.name) + QStringLiteral(".icd");
        WriteBytes(file, ic.bytes);
        const QString message = QStringLiteral("The following IC definition files are damaged:\n - %1: %2\n");
        ExpectRefused({"[Feld]", "12;8;", "[Elemente]", "20;2;X2Y3:;X2Y3:;0;1;;", "[IC]", QLatin1String(ic.name) + QStringLiteral(";1;")},
                      message.arg(file, QLatin1String(ic.reason)));
        // Inside another IC it is named all the same.
        WriteBytes(icDir + QStringLiteral("OUTER.icd"), DataBytes(QStringLiteral("ic/FULL.icd")).replace("HALF;2;", QByteArray(ic.name) + ";2;"));
        ExpectRefused({"[Feld]", "12;8;", "[Elemente]", "20;2;X2Y3:;X2Y3:;0;1;;", "[IC]", "OUTER;1;"},
                      message.arg(file, QLatin1String(ic.reason)));
        QFile::remove(file);
    }
}

TEST_F(RefusedFile, CancelledOpenDialogChangesNothing)
{
    dialogs.QueueOpenFile(QString());
    EXPECT_EQ(LoadFile(s, dialogs, QString()), LoadResult::Cancelled);
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    const auto& q = dialogs.Asked().back();
    EXPECT_EQ(q.kind, ScriptedUserDialogs::Kind::OpenFile);
    EXPECT_EQ(q.file.title, QStringLiteral("Open file"));
    EXPECT_EQ(q.file.filter, QStringLiteral("*.GTR (Gatrel file)|*.gtr|*.* (All files)|*.*"));
    EXPECT_EQ(q.file.initialDir, s.objFile.FilePath);
    EXPECT_EQ(s.objFile.FilePath, circuitDir);
    EXPECT_TRUE(Snapshot() == before);
}

} // namespace
