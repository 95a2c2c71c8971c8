#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include "model/state.h"
#include "placement/clsUndo.h"
#include "settings/frmInfo.h"
#include "settings/help_access.h"
#include "settings/help_window.h"
#include "settings/settings_windows.h"
#include "support/scripted_user_dialogs.h"

namespace {

const QString kShipped = QStringLiteral(GATREL_DATA_SOURCE);

class HelpAccess : public ::testing::Test {
protected:
    HelpAccess() : u(s) {}
    ProgramState s;
    clsUndo u;
    ScriptedUserDialogs dialogs;
    QWidget owner;
};

TEST_F(HelpAccess, TheHelpWindowOpensOnTheShippedContentsPage)
{
    SettingsWindows windows(s, dialogs, u, &owner, {}, {QStringLiteral("/nonexistent"), kShipped});
    windows.Help();
    ASSERT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
    HelpWindow* help = windows.HelpWindowShown();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Browser()->source().toLocalFile(), QDir::cleanPath(kShipped + "/help/gatrel.html"));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Gatrel Help"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Number conversion tool")));

    // Again: the same window, back on the contents page.
    help->Browser()->setSource(QUrl::fromLocalFile(kShipped + "/help/settings.html"));
    windows.Help();
    EXPECT_EQ(windows.HelpWindowShown(), help);
    EXPECT_TRUE(help->Browser()->source().toLocalFile().endsWith(QStringLiteral("/gatrel.html")));
}

TEST_F(HelpAccess, AMissingHelpFileIsNamedWithItsFullPath)
{
    QTemporaryDir empty;
    SettingsWindows windows(s, dialogs, u, &owner, {}, {empty.path()});
    windows.Help();
    EXPECT_EQ(windows.HelpWindowShown(), nullptr);
    const QString path = QDir::cleanPath(empty.path() + "/help/gatrel.html");
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, QStringLiteral("The file ") + path +
                                           QStringLiteral(" does not exist.\nPlease make sure the correct path "
                                                          "and file name have been specified."));
    EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("HTML Help Class"));
    EXPECT_EQ(dialogs.Asked()[0].icon, MessageIcon::Exclamation);
}

TEST_F(HelpAccess, OnlyHtmlPagesPassTheNameCheck)
{
    QTemporaryDir dir;
    for (const char* name : {"page.htm", "page.HTML", "page.chm", "page.txt"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    struct Case {
        const char* file;
        bool shown;
        const char* message;
    };
    const Case cases[] = {
        {"page.htm", true, nullptr},
        {"page.HTML", true, nullptr},
        {"page.chm", false, "page.chm is not a valid HTML Help file."},
        {"page.txt", false, "page.txt is not a valid HTML Help file."},
        {"missing.html", false, "does not exist."},
    };
    for (const Case& c : cases) {
        ScriptedUserDialogs d;
        const QString shown = CheckHelpFile(QLatin1String(c.file), dir.path(), d);
        EXPECT_EQ(!shown.isEmpty(), c.shown) << c.file;
        if (c.shown) {
            EXPECT_EQ(shown, dir.filePath(QLatin1String(c.file)));
        } else {
            EXPECT_TRUE(d.MessageTexts().value(0).contains(QLatin1String(c.message))) << c.file;
        }
    }
}

TEST(HelpPages, EveryLinkLeadsToAShippedPageAndEveryPageLinksHome)
{
    const QDir help(kShipped + "/help");
    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 10);
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    QStringList linkedFromContents;
    for (const QString& page : pages) {
        QFile f(help.filePath(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (auto m = link.globalMatch(text); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(help.exists(target)) << page.toStdString() << " -> " << target.toStdString();
            if (page == QLatin1String("gatrel.html"))
                linkedFromContents << target;
        }
        if (page != QLatin1String("gatrel.html")) {
            EXPECT_TRUE(text.contains(QStringLiteral("href=\"gatrel.html\""))) << page.toStdString();
        }
    }
    for (const QString& page : pages) {
        if (page != QLatin1String("gatrel.html")) {
            EXPECT_TRUE(linkedFromContents.contains(page)) << page.toStdString() << " is not in the contents";
        }
    }
}

TEST(AboutBox, ShowsItsTextsWithOrWithoutThePicture)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("start.jpg"));
    QImage image(64, 40, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    ASSERT_TRUE(image.save(picture, "JPG"));
    for (const QString& path : {QString(), dir.filePath(QStringLiteral("missing.jpg")), picture}) {
        frmInfo about(QStringLiteral("Test OS 1"), path);
        EXPECT_EQ(about.HasPicture(), path == picture);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("Gatrel"));
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblText0"))->text(),
                  QStringLiteral("Gatrel - Simulation of Logic Circuits"));
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblOSVersion"))->text(), QStringLiteral("Test OS 1"));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version: \\d+\\.\\d+\\.\\d+$"))
                        .match(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text())
                        .hasMatch());
        auto* close = about.findChild<QPushButton*>(QStringLiteral("cmdSchliessen"));
        EXPECT_EQ(close->text(), QStringLiteral("Close"));
        about.show();
        close->click();
        EXPECT_FALSE(about.isVisible());
    }
}

} // namespace
