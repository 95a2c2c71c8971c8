#include "simulation/analyzer_windows.h"

AnalyzerWindows::AnalyzerWindows(const CircuitTables& s, UserDialogs* dialogs, QWidget* owner)
    : s_(s), dialogs_(dialogs), owner_(owner), graph_(new frmAnalyse2(model_, dialogs, owner))
{
    graph_->Hidden = [this] { GraphHidden(); };
}

AnalyzerWindows::~AnalyzerWindows()
{
    // The windows go before the analyzer they show.
    delete valueList_.data();
    delete graph_.data();
}

frmAnalyse& AnalyzerWindows::LoadValueList()
{
    if (!valueList_) {
        valueList_ = new frmAnalyse(model_, s_, dialogs_, owner_);
        valueList_->Cleared = [this] { graph_->RedrawTraces(); };
        valueList_->Unloaded = [this] { ValueListUnloaded(); };
    }
    return *valueList_;
}

void AnalyzerWindows::ResetAnalyser()
{
    model_.Reset(s_);
    if (valueList_)
        valueList_->PrepareListView();
    graph_->SyncRows();
}

void AnalyzerWindows::AddAnalyserChannel(int channel)
{
    PrepareListView();
    ResizeListView();
    AddGraph(channel);
}

void AnalyzerWindows::PrepareListView()
{
    LoadValueList().PrepareListView();
}

void AnalyzerWindows::ResizeListView()
{
    LoadValueList().ResizeListView();
}

void AnalyzerWindows::AddGraph(int n)
{
    model_.AddGraph(n);
    graph_->SyncRows();
}

void AnalyzerWindows::RemoveGraph(int n)
{
    model_.RemoveGraph(n);
    graph_->SyncRows();
}

void AnalyzerWindows::AnalyserProbeEvent(const ProbeSample& sample)
{
    // The sample is taken now; the rows repaint when the window next paints.
    if (!model_.AnalyserProbeEvent(sample))
        return;
    if (valueList_)
        valueList_->AppendSample();
    graph_->RedrawTraces();
}

void AnalyzerWindows::ClearAnalyserTraces()
{
    model_.ClearTraces();
    graph_->RedrawTraces();
}

void AnalyzerWindows::Show(bool show)
{
    if (show) {
        graph_->show();
        graph_->raise();
        frmAnalyse& list = LoadValueList();
        list.show();
        list.raise();
    } else {
        graph_->hide();
        if (valueList_)
            valueList_->hide();
    }
}

void AnalyzerWindows::GraphHidden()
{
    if ((!valueList_ || !valueList_->isVisible()) && ClearMenuCheck)
        ClearMenuCheck();
}

void AnalyzerWindows::ValueListUnloaded()
{
    // The window deletes itself; the next use loads a fresh one.
    valueList_ = nullptr;
    if (!graph_->isVisible() && ClearMenuCheck)
        ClearMenuCheck();
}
