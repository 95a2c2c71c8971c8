#pragma once
// The logic analyzer: its menu item, value list and one trace per sensor channel.
class AnalyzerPort {
public:
    virtual ~AnalyzerPort() = default;
    virtual void SetAnalyserMenuEnabled(bool enabled) = 0; // mAnsichtItem(2)
    virtual void ResetAnalyser() = 0;                      // value list and trace rows
    virtual void AddAnalyserChannel(int channel) = 0;      // the trace row of a loaded sensor
    virtual void PrepareListView() = 0;
    virtual void ResizeListView() = 0;
    virtual void AddGraph(int channel) = 0;
    virtual void RemoveGraph(int channel) = 0;
};
