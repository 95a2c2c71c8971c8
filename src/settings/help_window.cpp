#include "settings/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    resize(640, 560);
    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    // Addresses outside the help go to the desktop's browser.
    txtHelp_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtHelp_);
    connect(txtHelp_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(txtHelp_->documentTitle()); });
}

void HelpWindow::ShowPage(const QString& path)
{
    txtHelp_->setSource(QUrl::fromLocalFile(path));
    setWindowTitle(txtHelp_->documentTitle());
}
