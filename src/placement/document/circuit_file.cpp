#include "placement/document/circuit_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "model/field_list.h"
#include "model/file_names.h"
#include "placement/document/circuit_reader.h"
#include "model/files/circuit_checks.h"
#include "model/files/circuit_writer.h"
#include "model/files/file_messages.h"
#include "placement/document/ic_check.h"
#include "model/files/ic_file.h"
#include "model/files/ic_lookup.h"
#include "model/files/record_writer.h"
#include "placement/document/settings_store.h"
#include "placement/document/new_file.h"
#include "model/ports/all_ports.h"
#include "model/state.h"
#include "model/status_texts.h"
#include "placement/document/tool_selection.h"
#include "platform/numeric.h"
#include "platform/user_dialogs.h"

namespace {

constexpr int kCrossPointer = 2;
// Files from this size on take long enough to read that the load shows its progress.
constexpr qint64 kShowProgressFrom = qint64(1) << 20;
constexpr int kHourglassPointer = 11;

QString FolderOf(const QString& fullPath)
{
    return JoinDir(QFileInfo(fullPath).absolutePath(), QString());
}

// The main window's caption for the file in use, the same after Open and
// Save: its name with the extension, which tells a circuit from an IC
// definition opened for editing.
QString FileCaption(const QString& fullPath)
{
    return GetFileName(fullPath) + QStringLiteral(" - Gatrel");
}

bool IsICDefinitionPath(const QString& path)
{
    return path.endsWith(QLatin1String(".icd"), Qt::CaseInsensitive);
}

bool HasSectionHeader(RecordFile& file)
{
    bool found = false;
    try {
        file.ForEachLine([&found](const QString& line) {
            found = SectionHeader(line).has_value();
            return !found;
        });
    } catch (const RecordFormatError&) {
        return false;
    }
    return found;
}

// The circuit tables of a fully read file replace those of s.
void TakeCircuit(ProgramState& s, ProgramState& t)
{
    s.circuit = std::move(t.circuit);
    s.CurrentLevel = t.CurrentLevel;
    s.SelectedClock = 0;
    s.ProbeCount = t.ProbeCount;
}

void SelectConductorTool(ProgramState& s)
{
    s.ToolMode = ToolCode::Conductor;
    s.PropertyWindowState.fill(false);
    if (ToolPort* w = s.ports.tools) {
        w->ChangeSelPicture(ToolCode::Conductor);
        w->ReleaseToolButton(QStringLiteral("cmdIC"));
        w->PressToolButton(kConductorToolKey, kConductorToolIndex);
        w->ChangePropertyWindow(s.PropertyWindowState);
    }
}

// What the window shows of a circuit just taken over.
void ShowLoadedCircuit(ProgramState& s, const QString& fullPath, bool showedProgress, double seconds)
{
    const Ports& p = s.ports;
    s.CmDialog1.FileName = fullPath;
    if (p.clockTimers)
        p.clockTimers->CreateClockTimers(std::max<int>(s.circuit.ClockCount, 1));
    if (p.analyzer) {
        for (int e = 1; e <= s.circuit.ElementCount(); ++e) {
            const ElementRecord& r = s.circuit.Elements[e];
            if (r.Type != ElementType::AnalysisSensor)
                continue;
            const int channel = static_cast<int>(Val(r.Label));
            p.analyzer->AddAnalyserChannel(channel);
        }
        // Enabled exactly while a sensor exists, whatever channels the file gives them.
        p.analyzer->SetAnalyserMenuEnabled(s.ProbeCount > 0);
    }
    SetStatusText(s.ports, QString());
    if (p.icView) {
        for (int i = 1; i <= s.circuit.ICPinCount; ++i) {
            const QString pins = i < s.circuit.ICPins.size() ? s.circuit.ICPins.at(i) : QString();
            const QString tag = i < s.circuit.ICTags.size() ? s.circuit.ICTags.at(i) : QString();
            p.icView->AddICConnectorLabel(i, GetField(pins, 3), tag);
        }
    }
    AddToRecentFiles(s, s.ports.files, fullPath);
    if (s.ToolMode == ToolCode::IC)
        SelectConductorTool(s);
    if (!s.circuit.ICName.isEmpty() && s.circuit.ICName != u"IC-Neu") {
        s.CropMinX = 0;
        s.CropMinY = 0;
        if (p.icView) {
            p.icView->SetICWindowFields(s.circuit.ICName, u' ' + QString::number(s.circuit.ICWidth),
                                        u' ' + QString::number(s.circuit.ICHeight));
            p.icView->ShowInOut();
            p.icView->ShowICView();
        }
    }
    SetWorksheetMousePointer(s, s.ports.tools, kCrossPointer);
    if (p.levels)
        p.levels->RebuildLevelTree();
    if (p.worksheet)
        p.worksheet->SetSizeBoxes(s.circuit.MaxX, s.circuit.MaxY);
    if (p.files)
        p.files->SetCaption(FileCaption(fullPath));
    if (p.power)
        p.power->SetTimeLabel(QString::number(seconds));
    if (showedProgress && p.status)
        p.status->SetProgress(0);
}

void FailLoad(ProgramState& s)
{
    RestoreToolSelection(s, s.ports.tools);
    SetStatusText(s.ports, QString());
}

// The faults that can be named are; every other one has the one format message.
void ShowRefusal(UserDialogs& dialogs, const QString& path, const std::exception& e)
{
    if (const auto* ic = dynamic_cast<const ICFileError*>(&e))
        ShowICErrors(dialogs, {}, {}, {}, {ic->Fault()});
    else if (dynamic_cast<const NamedFormatError*>(&e))
        ShowDamagedFile(dialogs, path, QString::fromStdString(e.what()));
    else
        ShowUnrecognizableFile(dialogs);
}

QString OpenDialogFolder(const ProgramState& s)
{
    if (!s.objFile.FilePath.isEmpty())
        return s.objFile.FilePath;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

// The file chosen in the open dialog; empty when it was cancelled.
QString AskFileToOpen(const ProgramState& s, UserDialogs& dialogs)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open file");
    request.filter = QStringLiteral("*.GTR (Gatrel file)|*.gtr|*.* (All files)|*.*");
    request.initialDir = OpenDialogFolder(s);
    return dialogs.ChooseOpenFile(request);
}

// A copy of each IC of the circuit in its folder, unless one is there already.
void CopyICsToFolder(const ProgramState& s, const QString& folder)
{
    for (int k = 1; k <= s.circuit.ICCount() && static_cast<size_t>(k) < s.circuit.ICInstances.size(); ++k) {
        const ICInstanceRecord& ic = s.circuit.ICInstances[k];
        if (ic.NestingLevel != 0 || !IsPlainICName(ic.Name) || !ResolveICFile(folder, ic.Name).isEmpty())
            continue;
        const QString source = ResolveICFile(s.Verzeichnisse[1], ic.Name);
        if (!source.isEmpty())
            QFile::copy(source, JoinDir(folder, ic.Name + QStringLiteral(".icd")));
    }
}

} // namespace

LoadResult LoadFile(ProgramState& s, UserDialogs& dialogs, const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    s.CurrentProc = QStringLiteral("LoadFile");
    StatusPort* progress = s.ports.status;

    const QString chosen = path.isEmpty() ? AskFileToOpen(s, dialogs) : path;
    if (chosen.isEmpty())
        return LoadResult::Cancelled;
    const QString fullPath = QFileInfo(chosen).absoluteFilePath();
    if (!s.objFile.ExistFile(chosen)) {
        ShowFileNotFound(dialogs, fullPath);
        return LoadResult::Failed;
    }
    const qint64 size = QFileInfo(fullPath).size();
    if (size > kMaxRecordFileSize) {
        ShowFileTooLarge(dialogs, fullPath, size);
        return LoadResult::Failed;
    }
    // An empty file has no header either.
    auto file = RecordFile::Open(fullPath);
    if (!file || !HasSectionHeader(*file)) {
        // An IC definition is told as the IC manager tells it.
        if (file && IsICDefinitionPath(fullPath))
            ShowDamagedFile(dialogs, fullPath, NoSectionReason(size));
        else
            ShowUnrecognizableFile(dialogs);
        return LoadResult::Failed;
    }

    SaveToolSelection(s, s.ports.tools);
    SetStatusText(s.ports, QStringLiteral("Verifying ICs.."));
    // A long load shows at once that it has begun; reading the sections moves the bar on.
    const bool longLoad = progress && size >= kShowProgressFrom;
    if (longLoad)
        progress->SetProgress(1);
    if (!CheckICFiles(s.Verzeichnisse[1], dialogs, fullPath)) {
        if (longLoad)
            progress->SetProgress(0);
        FailLoad(s);
        return LoadResult::Failed;
    }
    SetWorksheetMousePointer(s, s.ports.tools, kHourglassPointer);

    // Read into a state of its own, so that a refused file leaves the circuit as it was.
    ProgramState t;
    t.Verzeichnisse = s.Verzeichnisse;
    t.circuit.MaxX = s.circuit.MaxX;
    t.circuit.MaxY = s.circuit.MaxY;
    InitArbeitsfeld(t);
    t.circuit.LineMap.Redim(t.circuit.MaxX, t.circuit.MaxY);
    // For the progress texts and the pointer only.
    t.ports.status = progress;
    t.ports.tools = s.ports.tools;
    if (longLoad) {
        SetStatusText(s.ports, QStringLiteral("Loading '%1'..").arg(GetFileName(fullPath)));
        file->ReportProgress([progress](int percent) { progress->SetProgress(percent); });
    }
    try {
        ReadCircuitRecords(t, &dialogs, *file);
    } catch (const std::exception& e) {
        t.ports = Ports{};
        if (progress && (longLoad || t.ICLoadDepth != 0 || t.LongLoad != 0))
            progress->SetProgress(0);
        FailLoad(s);
        ShowRefusal(dialogs, fullPath, e);
        return LoadResult::Failed;
    }
    t.ports = Ports{};

    InitArbeitsfeld(s);
    TakeCircuit(s, t);
    s.objFile.FileName = fullPath;
    s.objFile.FilePath = FolderOf(fullPath);
    s.CircuitFilePath = fullPath;
    // A circuit just read from its file has nothing to save.
    s.FileSaved = kTrue;
    ShowLoadedCircuit(s, fullPath, longLoad || t.ICLoadDepth != 0 || t.LongLoad != 0, clock.elapsed() / 1000.0);
    return LoadResult::Loaded;
}

bool SaveFile(ProgramState& s, UserDialogs& dialogs, bool quiet)
{
    QString target = quiet ? s.objFile.FileName : QString();
    if (target.isEmpty()) {
        FileDialogRequest request;
        request.title = QStringLiteral("Save file as");
        request.filter = QStringLiteral("*.GTR (Gatrel file)|*.gtr");
        request.initialDir = s.Verzeichnisse[0];
        target = dialogs.ChooseSaveFile(request);
        if (target.isEmpty())
            return false;
        target = WithDefaultExtension(target, QStringLiteral("gtr"));
    }
    target = QFileInfo(target).absoluteFilePath();

    QByteArray bytes;
    QString reason;
    try {
        bytes = CircuitFileBytes(s.circuit);
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    if (bytes.isEmpty() || !WriteRecordFile(target, bytes, &reason)) {
        ShowSaveFailed(dialogs, target, reason);
        return false;
    }

    const QString folder = FolderOf(target);
    s.CircuitFilePath = target;
    s.objFile.FileName = target;
    s.objFile.FilePath = folder;
    if (s.SaveICsWithFile != 0)
        CopyICsToFolder(s, folder);
    s.CmDialog1.FileName = target;
    AddToRecentFiles(s, s.ports.files, target);
    s.FileSaved = kTrue;
    if (s.ports.files)
        s.ports.files->SetCaption(FileCaption(target));
    return true;
}
