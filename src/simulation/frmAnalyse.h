#pragma once
// The logic analyzer's value list: one column per channel in use, one line
// per sample, and a button that clears list and traces.
#include <QWidget>
#include <functional>

class LogicAnalyzer;
class QPushButton;
class QTreeWidget;
class UserDialogs;
struct CircuitTables;

class frmAnalyse : public QWidget {
public:
    // dialogs reports what a handler throws (may be null).
    frmAnalyse(LogicAnalyzer& model, const CircuitTables& s, UserDialogs* dialogs, QWidget* parent = nullptr);

    // Columns rebuilt from the main circuit's sensors, the list emptied.
    void PrepareListView();
    // The list fills the window below the button.
    void ResizeListView();
    // The analyzer's newest sample as the list's last line.
    void AppendSample();

    QTreeWidget* lvwAnalyse() const { return lvwAnalyse_; }
    QPushButton* cmdLoeschen() const { return cmdLoeschen_; }

    // After the clear button emptied the analyzer.
    std::function<void()> Cleared;
    // The window closed and is about to go.
    std::function<void()> Unloaded;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload();
    void Form_Resize();
    void cmdLoeschen_Click();

    LogicAnalyzer& model_;
    const CircuitTables& s_;
    UserDialogs* dialogs_;
    QTreeWidget* lvwAnalyse_ = nullptr;
    QPushButton* cmdLoeschen_ = nullptr;
};

// The width of a value column in pixels: 90 twips, but never narrower than
// the widest of its texts ("0", "1" or the channel number) needs.
int ValueColumnWidth(int textWidth);
