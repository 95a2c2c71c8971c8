#pragma once
// The logic analyzer as the program runs it: the analyzer itself, its graph
// window and its value list. It hears the engine's sensor events and answers
// the placing, loading and undo routines' calls about channels.
#include <QPointer>
#include <functional>

#include "model/ports/probe_port.h"
#include "simulation/frmAnalyse.h"
#include "simulation/frmAnalyse2.h"
#include "simulation/logic_analyzer.h"

class QWidget;
class UserDialogs;
struct CircuitTables;

class AnalyzerWindows : public ProbePort {
public:
    // The windows are windows of their own over owner; dialogs reports what
    // their handlers throw (may be null).
    AnalyzerWindows(const CircuitTables& s, UserDialogs* dialogs, QWidget* owner);
    ~AnalyzerWindows() override;
    AnalyzerWindows(const AnalyzerWindows&) = delete;
    AnalyzerWindows& operator=(const AnalyzerWindows&) = delete;

    // What the core asks of the analyzer.
    void ResetAnalyser();
    void AddAnalyserChannel(int channel);
    void PrepareListView();
    void ResizeListView();
    void AddGraph(int n);
    void RemoveGraph(int n);
    void AnalyserProbeEvent(const ProbeSample& sample) override;
    void ClearAnalyserTraces() override;

    // The View menu's analyzer item: both windows shown, or both hidden.
    void Show(bool show);
    // Closing a window left neither of them visible: the menu item loses its check mark.
    std::function<void()> ClearMenuCheck;

    const LogicAnalyzer& model() const { return model_; }
    frmAnalyse2& graph() const { return *graph_; }
    // Null while the value list is not loaded.
    frmAnalyse* valueList() const { return valueList_.data(); }

private:
    // The value list, loaded on first use.
    frmAnalyse& LoadValueList();
    void GraphHidden();
    void ValueListUnloaded();

    const CircuitTables& s_;
    UserDialogs* dialogs_;
    QWidget* owner_;
    LogicAnalyzer model_;
    QPointer<frmAnalyse2> graph_;
    QPointer<frmAnalyse> valueList_;
};
