#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "model/state.h"
#include "placement/clsUndo.h"
#include "platform/string_table.h"
#include "settings/frmInfo.h"
#include "settings/help_access.h"
#include "settings/help_window.h"
#include "settings/settings_windows.h"
#include "support/scripted_user_dialogs.h"
#include "support/record_files.h"

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
    for (const char* name : {"page.htm", "page.HTML", "page.chm", "page.txt"})
        WriteBytes(dir.filePath(QLatin1String(name)), QByteArray());
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

// The links of a shown page, or the anchor names it offers, each with where it starts.
struct Anchor {
    QString name;
    int position;
    int length;
};
std::vector<Anchor> Anchors(const QTextDocument& doc, bool targets)
{
    std::vector<Anchor> found;
    for (QTextBlock b = doc.begin(); b != doc.end(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat format = f.charFormat();
            if (targets) {
                for (const QString& name : format.anchorNames())
                    found.push_back({name, f.position(), f.length()});
            } else if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                found.push_back({format.anchorHref(), f.position(), f.length()});
            }
        }
    }
    return found;
}

// A click on a link as the user makes it, in the middle of its text.
void ClickLink(QTextBrowser* browser, const QString& href)
{
    for (const Anchor& link : Anchors(*browser->document(), false)) {
        if (link.name != href)
            continue;
        QTextCursor at(browser->document());
        at.setPosition(link.position + link.length / 2);
        browser->setTextCursor(at);
        browser->ensureCursorVisible();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(at).center());
        return;
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
}

// A text as the page and the window show it: access keys and line breaks
// do not count.
QString Plain(QString text)
{
    text.remove(u'&').replace(QStringLiteral("\\n"), QStringLiteral(" "));
    return text.simplified();
}

// Each window's page, with the texts of the program (string-table ids) that
// it names the commands and messages by.
struct HelpPage {
    const char* file;
    const char* title;
    std::vector<int> quotes;
};
const HelpPage kPages[] = {
    {"gatrel.html", "Gatrel Help", {2459, 2824, 2457, 2456, 2821}},
    {"main_window.html", "The main window", {2401, 2404, 2405, 2433, 2474, 2800, 2812, 2820}},
    {"worksheet.html", "The worksheet", {2510, 2822, 2823, 2824, 2840, 2550, 2544, 2413}},
    {"components.html", "Components and tools", {2451, 2452, 2453, 2454, 2462, 2469, 2837, 2839}},
    {"control_panel.html", "Control panel and simulation", {2472, 2572, 2573, 2576, 2577, 2842, 2843, 4513}},
    {"side_panels.html", "Side panels", {2510, 2547, 2544, 2545, 2548, 2541, 2542, 2543}},
    {"command_line.html", "Command line", {2820, 2404, 2402}},
    {"new_file.html", "New circuit", {2401, 2800}},
    {"undo_list.html", "Undo list", {2412, 4305, 4301, 4302, 4306}},
    {"print.html", "Printing", {2406, 1807, 1800, 1801, 1802, 1803, 1804, 1814}},
    {"ic.html", "ICs: definition and manager", {2477, 1900, 2001, 2002, 1908, 1909, 1910, 2110}},
    {"boolean.html", "Boolean algebra and synthesis", {2474, 1503, 1515, 1522, 6204, 6205, 6209, 6211}},
    {"analyzer.html", "Logic analyzer", {2455, 2433}},
    {"number_conversion.html", "Number conversion tool", {2481, 3500, 3501, 3502, 3503, 3504, 3505}},
    {"settings.html", "Settings", {2482, 3605, 3606, 3608, 3609, 3613, 3616, 3638}},
    {"password.html", "Password lock", {3900, 3901, 3902, 3903, 3907, 3908, 4001, 4006}},
    {"directory.html", "Selecting a directory", {4400, 4402, 4403, 3638}},
    {"about.html", "About Gatrel", {2494, 2492, 2307}},
};

TEST_F(HelpAccess, EachPageOpensFromTheContentsNamesItsCommandsAndEveryLinkResolves)
{
    const QDir shipped(kShipped + "/help");
    QStringList listed;
    for (const HelpPage& row : kPages)
        listed << QLatin1String(row.file);
    listed.sort();
    EXPECT_EQ(shipped.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name), listed)
        << "every shipped page has its row";

    // A search folder without the help is passed over.
    SettingsWindows windows(s, dialogs, u, &owner, {}, {QStringLiteral("/nonexistent"), kShipped});
    HelpWindow* first = nullptr;
    for (const HelpPage& row : kPages) {
        const QString file = QLatin1String(row.file);
        // The help as the ? menu opens it: the same window each time, back on
        // the contents page; then the page's link in the contents.
        windows.Help();
        ASSERT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
        HelpWindow* help = windows.HelpWindowShown();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help, first ? first : (first = help));
        EXPECT_EQ(help->Browser()->source().toLocalFile(), QDir::cleanPath(kShipped + "/help/gatrel.html"));
        QTextBrowser* browser = help->Browser();
        if (file != QLatin1String("gatrel.html"))
            ClickLink(browser, file);
        const QUrl shown = browser->source();
        ASSERT_EQ(QFileInfo(shown.toLocalFile()).fileName(), file) << "the contents has no working link to it";
        EXPECT_EQ(help->windowTitle(), QLatin1String(row.title)) << row.file;

        const QString text = Plain(browser->toPlainText());
        for (const int id : row.quotes)
            EXPECT_TRUE(text.contains(Plain(LoadResString(id))))
                << row.file << " does not name \"" << LoadResString(id).toStdString() << "\" (" << id << ")";

        bool home = false;
        for (const Anchor& link : Anchors(*browser->document(), false)) {
            const QUrl target = shown.resolved(QUrl(link.name));
            QFile page(target.toLocalFile());
            ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << row.file << " -> " << link.name.toStdString();
            home = home || target.fileName() == QLatin1String("gatrel.html");
            if (!target.hasFragment())
                continue;
            QTextDocument targetPage;
            targetPage.setHtml(QString::fromUtf8(page.readAll()));
            const std::vector<Anchor> names = Anchors(targetPage, true);
            EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                                    [&](const Anchor& a) { return a.name == target.fragment(); }))
                << row.file << " -> " << link.name.toStdString() << ": no such anchor";
        }
        EXPECT_TRUE(home || file == QLatin1String("gatrel.html")) << row.file << " does not lead back to the contents";
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
