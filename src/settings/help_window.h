#pragma once
// The help window: the shipped help pages in a browser pane, links between
// them followed inside the window.
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    void ShowPage(const QString& path);
    QTextBrowser* Browser() const { return txtHelp_; }

private:
    QTextBrowser* txtHelp_ = nullptr;
};
