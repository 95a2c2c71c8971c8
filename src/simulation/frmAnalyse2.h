#pragma once
// The logic analyzer's graph window: one trace row per channel, each with the
// channel number beside it. The rows show what the analyzer holds; the window
// keeps no trace of its own.
#include <QWidget>
#include <functional>
#include <vector>

class LogicAnalyzer;
class QLabel;
class UserDialogs;

// One trace row (picGraph): dark blue, its trace in white.
class GraphRowPicture : public QWidget {
public:
    GraphRowPicture(const LogicAnalyzer& model, int row, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LogicAnalyzer& model_;
    int row_;
};

class frmAnalyse2 : public QWidget {
public:
    // dialogs reports what a handler throws (may be null).
    frmAnalyse2(const LogicAnalyzer& model, UserDialogs* dialogs, QWidget* parent = nullptr);

    // Rows, labels and the window's height as the analyzer has its rows.
    void SyncRows();
    // The traces drawn again (coalesced with other repaints).
    void RedrawTraces();

    int GraphCount() const { return static_cast<int>(picGraph_.size()); }
    QWidget* picGraph(int i) const { return picGraph_.at(static_cast<size_t>(i)); }
    QLabel* lblGraph(int i) const { return lblGraph_.at(static_cast<size_t>(i)); }

    // The close box only hid the window.
    std::function<void()> Hidden;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_QueryUnload(QCloseEvent* event);

    const LogicAnalyzer& model_;
    UserDialogs* dialogs_;
    std::vector<GraphRowPicture*> picGraph_;
    std::vector<QLabel*> lblGraph_;
};

// Twips to pixels, as the windows lay out their controls.
int TwipsToPixels(int twips);
