// The main window and the logic analyzer: the View menu's item shows and
// hides its windows, and the analyzer's part of AnalyzerPort goes to them.
#include <QAction>

#include "model/state.h"
#include "shell/frmGatrel.h"
#include "simulation/analyzer_windows.h"

void frmGatrel::WireLogicAnalyzer()
{
    analyzer_ = std::make_unique<AnalyzerWindows>(s_.circuit, &dialogs_, this);
    analyzer_->ClearMenuCheck = [this] { MenuItem(QStringLiteral("mAnsichtItem"), 2)->setChecked(false); };
    s_.ports.probes = analyzer_.get();
}

void frmGatrel::ResetAnalyser()
{
    analyzer_->ResetAnalyser();
}

void frmGatrel::AddAnalyserChannel(int channel)
{
    analyzer_->AddAnalyserChannel(channel);
}

void frmGatrel::PrepareListView()
{
    analyzer_->PrepareListView();
}

void frmGatrel::ResizeListView()
{
    analyzer_->ResizeListView();
}

void frmGatrel::AddGraph(int channel)
{
    analyzer_->AddGraph(channel);
}

void frmGatrel::RemoveGraph(int channel)
{
    analyzer_->RemoveGraph(channel);
}
