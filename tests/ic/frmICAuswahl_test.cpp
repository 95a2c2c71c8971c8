// The IC manager and the IC panel of the real main window, over an IC
// directory of their own, driven by clicks and menu commands.
#include <QComboBox>
#include <QFocusEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTreeView>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QStyle>
#include <algorithm>
#include <functional>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "editing/worksheet_editor.h"
#include "ic/frmICAuswahl.h"
#include "ic/ic_chooser.h"
#include "ic/ic_list_view.h"
#include "ic/ic_manager_texts.h"
#include "platform/string_table.h"
#include "shell/window_rig.h"
#include "support/modal_driver.h"
#include "support/record_files.h"

namespace {

QByteArray TestIC(const char* file)
{
    return ReadBytes(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(file));
}

// Sets or clears the immutable flag, which keeps even root from deleting a file.
bool SetImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

class ICManager : public WindowRig {
protected:
    void SetUp() override
    {
        WindowRig::SetUp();
        ASSERT_TRUE(icDir.isValid());
        ASSERT_TRUE(elsewhere.isValid());
        WriteBytes(Ic("HALF"), TestIC("HALF.icd"));
        WriteBytes(Ic("FULL"), TestIC("FULL.icd"));
        WriteBytes(Ic("BAD"), CrLfLines({"[Name]", "BAD", "[Maße]", "X2", "Y2", "[IC]", "HALF;1;", "GONE;2;",
                                         "[Notizen]", "broken"}));
        s.Verzeichnisse[1] = icDir.path() + u'/';
        window.ShowICNames();
        manager = window.findChild<frmICAuswahl*>(QStringLiteral("frmICAuswahl"));
        chooser = window.findChild<ICChooser*>(QStringLiteral("icChooser"));
        ASSERT_NE(manager, nullptr);
        ASSERT_NE(chooser, nullptr);
        ASSERT_EQ(s.ports.icManager, manager);
    }
    void TearDown() override
    {
        if (!immutable.isEmpty())
            SetImmutable(immutable, false);
    }
    QString Ic(const QString& name) const { return icDir.filePath(name + QStringLiteral(".icd")); }
    void OpenManager()
    {
        window.Menu(QStringLiteral("mICAuswahl"))->trigger();
        ASSERT_TRUE(manager->isVisible());
    }
    QStringList Listed() const
    {
        QStringList names;
        for (int row = 0; row < manager->lvwICs->Count(); ++row)
            names << manager->lvwICs->Text(row);
        return names;
    }
    QStringList ChooserEntries() const
    {
        QStringList names;
        for (int i = 0; i < Find<QComboBox>("cmbIC")->count(); ++i)
            names << Find<QComboBox>("cmbIC")->itemText(i);
        return names;
    }
    // A click on the entry in the list's current view.
    void Choose(const QString& name)
    {
        const int row = manager->lvwICs->Find(name);
        ASSERT_GE(row, 0) << name.toStdString();
        auto* view = static_cast<QAbstractItemView*>(manager->lvwICs->currentView());
        const QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The tree as "text<parent text" lines, depth first.
    QStringList Tree() const
    {
        QStringList out;
        std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
            out << item->text(0) + u'<' + (item->parent() ? item->parent()->text(0) : QString());
            for (int i = 0; i < item->childCount(); ++i)
                walk(item->child(i));
        };
        for (int i = 0; i < manager->tvwSchachtelung->topLevelItemCount(); ++i)
            walk(manager->tvwSchachtelung->topLevelItem(i));
        return out;
    }
    // The lines of the nesting tree that do not show whole: wider than the
    // tree, or wrapped onto more rows than the line has.
    QStringList CutOffLines() const
    {
        QTreeWidget* tree = manager->tvwSchachtelung;
        const QFontMetrics metrics(tree->font());
        const int margin = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
        QStringList cut;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QString text = (*it)->text(0);
            const QRect shown = tree->visualItemRect(*it);
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, shown.width() - margin, 10000), Qt::TextWordWrap, text);
            if (shown.right() > tree->viewport()->width() || needed.width() > shown.width() - margin
                || needed.height() > shown.height())
                cut << text;
        }
        return cut;
    }
    QString Outside(const QString& file, const QByteArray& bytes)
    {
        WriteBytes(elsewhere.filePath(file), bytes);
        return elsewhere.filePath(file);
    }
    QString LastMessage() const
    {
        const QStringList texts = dialogs.MessageTexts();
        return texts.isEmpty() ? QString() : texts.back();
    }
    QLineEdit* MainNotes() const { return Find<QLineEdit>("txtNotizen"); }
    // The IC page's notes box loses the focus, which ends an edit.
    void LeaveMainNotes() const
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(MainNotes(), &out);
    }

    QTemporaryDir elsewhere;
    frmICAuswahl* manager = nullptr;
    ICChooser* chooser = nullptr;
    QString immutable;
};

TEST_F(ICManager, ListsTheICsInThreeViewsWithTheirNotes)
{
    OpenManager();
    EXPECT_EQ(manager->windowTitle(), "ICs");
    EXPECT_TRUE(window.Menu(QStringLiteral("mICAuswahl"))->isChecked());
    EXPECT_EQ(Listed(), (QStringList{"BAD", "FULL", "HALF"}));
    EXPECT_EQ(manager->lvwICs->Notes(0), "broken");
    EXPECT_EQ(manager->lvwICs->Notes(2), "C = A and B.");

    auto* icons = manager->lvwICs->iconView();
    struct Step {
        QAction* command;
        int view;
        QWidget* shown;
        QListView::ViewMode mode;
    } steps[] = {
        {manager->mAnsicht[1], 1, icons, QListView::ListMode},
        {manager->ToolbarButton("cmdDetails"), 2, manager->lvwICs->detailsView(), QListView::ListMode},
        {manager->ToolbarButton("cmdGross"), 0, icons, QListView::IconMode},
        {manager->mAnsicht[2], 2, manager->lvwICs->detailsView(), QListView::IconMode},
    };
    for (const Step& step : steps) {
        step.command->trigger();
        EXPECT_EQ(manager->lvwICs->View(), step.view);
        EXPECT_EQ(manager->lvwICs->currentView(), step.shown);
        EXPECT_EQ(icons->viewMode(), step.mode);
        EXPECT_EQ(s.settings.icManager.ICAnsicht, step.view);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(manager->mAnsicht[i]->isChecked(), i == step.view) << i;
            EXPECT_EQ(manager->ToolbarButton(QStringList{"cmdGross", "cmdListe", "cmdDetails"}[i])->isChecked(),
                      i == step.view);
        }
    }
    // Closed, it releases the main window's menu check and remembers its place.
    manager->move(120, 90);
    manager->mAnsicht[6]->trigger();
    EXPECT_FALSE(manager->isVisible());
    EXPECT_FALSE(window.Menu(QStringLiteral("mICAuswahl"))->isChecked());
    EXPECT_FALSE(window.ToolbarButton("Toolbar", "cmdICAuswahl")->isChecked());
    EXPECT_EQ(s.settings.icManager.WindowX, 120 * 15);
    EXPECT_EQ(s.settings.icManager.WindowY, 90 * 15);
    EXPECT_EQ(s.settings.frmICAuswahlVisible, 0);
    OpenManager();
    EXPECT_EQ(manager->pos(), QPoint(120, 90));
}

// Menu item, toolbar button and the IC page's button each open and close the
// manager, and all three show whether it is open; a simulation run puts an
// open manager away and brings it back, a closed one stays closed.
TEST_F(ICManager, MenuToolbarAndPageButtonShowOneState)
{
    auto* pageButton = Find<QToolButton>("cmdICVerwaltung");
    const auto menu = [&] { window.Menu(QStringLiteral("mICAuswahl"))->trigger(); };
    const auto toolbar = [&] { ClickAction("Toolbar", "cmdICAuswahl"); };
    const auto page = [&] { QTest::mouseClick(pageButton, Qt::LeftButton); };
    struct Step {
        const char* what;
        std::function<void()> act;
        bool shown, checked;
    };
    const Step steps[] = {
        {"power on while closed", [&] { PowerOn(); }, false, false},
        {"power off", [&] { PowerOff(); }, false, false},
        {"the menu opens it", menu, true, true},
        {"power on puts it away", [&] { PowerOn(); }, false, true},
        {"power off brings it back", [&] { PowerOff(); }, true, true},
        {"the toolbar closes it", toolbar, false, false},
        {"the page button opens it", page, true, true},
        {"the page button closes it", page, false, false},
        {"the toolbar opens it", toolbar, true, true},
        {"the menu closes it", menu, false, false},
    };
    WindowsShown shown;
    for (const Step& st : steps) {
        SCOPED_TRACE(st.what);
        st.act();
        EXPECT_EQ(manager->isVisible(), st.shown);
        EXPECT_EQ(window.Menu(QStringLiteral("mICAuswahl"))->isChecked(), st.checked);
        EXPECT_EQ(window.ToolbarButton("Toolbar", "cmdICAuswahl")->isChecked(), st.checked);
        EXPECT_EQ(pageButton->isChecked(), st.checked);
    }
    EXPECT_EQ(shown.Take().count(QStringLiteral("frmICAuswahl")), 4) << "shown exactly when it opened";
}

TEST_F(ICManager, ChoosingAnICMakesItTheToolWithPreviewNotesAndTree)
{
    OpenManager();
    Choose("HALF");
    EXPECT_EQ(s.circuit.ICName, "HALF");
    EXPECT_EQ(s.ToolMode, ToolCode::IC);
    EXPECT_TRUE(window.ToolbarButton("Toolbar2", "cmdIC")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cmbIC")->currentText(), "HALF");
    ASSERT_TRUE(chooser->previewed().has_value());
    EXPECT_EQ(chooser->previewed()->ICWidth, 4);
    EXPECT_EQ(chooser->previewed()->ICGraphicPins.size(), 4);
    EXPECT_FALSE(chooser->previewPicture().isNull());
    EXPECT_EQ(MainNotes()->text(), "C = A and B.");
    EXPECT_EQ(manager->txtNotizen->toPlainText(), "C = A and B.");
    EXPECT_EQ(manager->StatusText->text(), Ic("HALF"));
    EXPECT_EQ(manager->lblStatus->text(), "OK");
    EXPECT_EQ(Tree(), QStringList{"(" + LoadResString(2122) + ")<"});

    Choose("FULL");
    EXPECT_EQ(Tree(), (QStringList{"FULL<", "HALF<FULL", "HALF<FULL"}));
    EXPECT_TRUE(manager->ICNestingOK());
    EXPECT_TRUE(Find<QLabel>("lblICFehler")->isHidden());
    EXPECT_EQ(MainNotes()->text(), "Full adder");
    EXPECT_TRUE(manager->mIC[0]->isEnabled());

    // Placing works for a sound IC, and not for one whose nested IC is missing.
    ClickCell(10, 10);
    ASSERT_EQ(s.circuit.ElementCount(), 1);
    Choose("BAD");
    EXPECT_EQ(Tree(), (QStringList{"BAD<", "HALF<BAD", "(GONE)<BAD", LoadResString(2124) + "<",
                                   "GONE<" + LoadResString(2124)}));
    EXPECT_EQ(manager->lblStatus->text(), LoadResString(2121));
    EXPECT_FALSE(manager->ICNestingOK());
    EXPECT_FALSE(manager->mIC[0]->isEnabled());
    EXPECT_FALSE(manager->ToolbarButton("cmdBearbeiten")->isEnabled());
    EXPECT_FALSE(Find<QLabel>("lblICFehler")->isHidden());
    ClickCell(30, 20);
    EXPECT_EQ(s.circuit.ElementCount(), 1);

    // Chosen in the main window's chooser, the manager follows.
    QComboBox* box = Find<QComboBox>("cmbIC");
    box->setCurrentIndex(box->findText("HALF"));
    window.cmbIC_Click();
    EXPECT_EQ(manager->lvwICs->Text(manager->lvwICs->SelectedRow()), "HALF");
    EXPECT_EQ(manager->lblStatus->text(), "OK");
}

TEST_F(ICManager, ImportsUnderTheICNameAndRefusesWhatIsThere)
{
    OpenManager();
    dialogs.QueueOpenFile(Outside("alu.txt", TestIC("HALF.icd")));
    manager->mIC[3]->trigger();
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join('|').toStdString();
    EXPECT_EQ(Listed(), (QStringList{"BAD", "FULL", "HALF", "alu"}));
    EXPECT_EQ(ReadBytes(Ic("alu")), TestIC("HALF.icd"));
    EXPECT_TRUE(ChooserEntries().contains("alu"));
    EXPECT_EQ(dialogs.Asked().back().file.title, LoadResString(2112));

    struct Case {
        const char* file;
        QByteArray bytes;
        int textId;
    } cases[] = {
        {"half.ICD", "[Name]\r\nother\r\n", 2115},
        {"empty.icd", QByteArray(), 2114},
    };
    for (const Case& c : cases) {
        dialogs.QueueOpenFile(Outside(QString::fromUtf8(c.file), c.bytes));
        manager->ToolbarButton("cmdImportieren")->trigger();
        EXPECT_EQ(LastMessage(), LoadResString(c.textId)) << c.file;
    }
    EXPECT_EQ(Listed(), (QStringList{"BAD", "FULL", "HALF", "alu"}));
    EXPECT_EQ(ReadBytes(Ic("HALF")), TestIC("HALF.icd"));
    EXPECT_EQ(QDir(icDir.path()).entryList(QDir::Files).size(), 4);
}

// Every damaged shape of an IC definition is found by the one check: the
// manager shows it faulty with its file and reason, the preview stays empty,
// placing it and opening a circuit that uses it are refused naming both.
// A well-formed one, whatever its outline, is OK, is placed and its circuit opens.
TEST_F(ICManager, OnlyDamagedDefinitionsAreRefusedNamingTheFileAndTheReason)
{
    const QByteArray half = TestIC("HALF.icd");
    QByteArray binary;
    for (int i = 0; i < 1024; ++i)
        binary.append(static_cast<char>(i % 256));
    QByteArray manyConnectors = half;
    QByteArray connectors;
    QByteArray places;
    for (int k = 0; k < 400; ++k) {
        connectors += "1;2;K" + QByteArray::number(k) + ";\r\n";
        places += "0;1;K" + QByteArray::number(k) + ";\r\n";
    }
    manyConnectors.replace("[Ma\xDF" "e]", connectors + "[Ma\xDF" "e]");
    manyConnectors.replace("[IC]", places + "[IC]");
    // HALF with the outline w x h, its inputs on the left and outputs on the right side.
    auto outline = [&half](int w, int h) {
        const QByteArray top = h >= 2 ? "1;" : "0;";
        const QByteArray bottom = h >= 2 ? "2;" : "1;";
        const QByteArray right = QByteArray::number(w) + ";";
        return QByteArray(half)
            .replace("X4\r\nY3", "X" + QByteArray::number(w) + "\r\nY" + QByteArray::number(h))
            .replace("0;1;A;", "0;" + top + "A;")
            .replace("0;2;B;", "0;" + bottom + "B;")
            .replace("4;1;S;", right + top + "S;")
            .replace("4;2;C;", right + bottom + "C;");
    };
    const struct {
        const char* what;
        const char* name;
        QByteArray bytes;
        QString reason; // empty: the definition is accepted
    } definitions[] = {
        {"empty", "EMPTY", QByteArray(), "the file is empty"},
        {"binary", "BINARY", binary, "it is no IC definition: it has no section"},
        {"absurd outline", "HUGE", QByteArray(half).replace("X4\r\nY3", "X30000\r\nY20000"),
         "its outline of 30000 x 20000 cells is outside 1 x 1 to 998 x 998"},
        {"no width", "FLAT", outline(0, 3), "its outline of 0 x 3 cells is outside 1 x 1 to 998 x 998"},
        {"taller than a worksheet holds", "TALL", outline(4, 999),
         "its outline of 4 x 999 cells is outside 1 x 1 to 998 x 998"},
        {"absurd grid", "VAST", QByteArray(half).replace("10;6;", "30000;30000;"),
         "its grid of 30000 x 30000 cells is outside 1 x 1 to 1000 x 1000"},
        {"400 connectors", "MANY", manyConnectors, "it has 404 connectors; an IC has at most 255"},
        {"cut inside [Punkte]", "CUT", half.left(half.indexOf("3;3;11;") + 4),
         "a cell names an element the file does not hold"},
        {"short pin list", "SHORT", QByteArray(half).replace("X3Y2:X3Y4:X3Y3:;", "X3Y2:X3Y4:;"),
         "element 1 (Half-adder) has 2 input pins where it needs 3"},
        {"';' in its name", "a;b", half, "its name holds \";\", which a circuit file cannot keep"},
        // Accepted ones last: each stays on the worksheet.
        {"2 x 2 outline", "SMALL", outline(2, 2), {}},
        {"1 x 1 outline", "TINY", outline(1, 1), {}},
        {"40 x 5 outline", "WIDE", outline(40, 5), {}},
    };
    // Where the accepted ones are placed, in turn.
    const QPoint cells[] = {{45, 3}, {45, 8}, {2, 20}};
    const QPoint* place = cells;
    OpenManager();
    const QString circuit = elsewhere.filePath("uses.gtr");
    for (const auto& d : definitions) {
        SCOPED_TRACE(d.what);
        const QString name = QString::fromLatin1(d.name);
        WriteBytes(Ic(name), d.bytes);
        if (d.reason.isEmpty()) {
            manager->ShowICNames();
            Choose(name);
            EXPECT_EQ(manager->lblStatus->text(), QStringLiteral("OK"));
            EXPECT_TRUE(chooser->previewed().has_value());
            ASSERT_EQ(s.circuit.ICName, name);
            const int before = s.circuit.ElementCount();
            const qsizetype told = dialogs.MessageTexts().size();
            ClickCell(place->x(), place->y());
            ++place;
            EXPECT_EQ(s.circuit.ElementCount(), before + 1) << dialogs.MessageTexts().join(u'|').toStdString();
            dialogs.QueueSaveFile(circuit);
            window.Menu(QStringLiteral("mSaveAs"))->trigger();
            dialogs.QueueOpenFile(circuit);
            window.Menu(QStringLiteral("mOpen"))->trigger();
            EXPECT_EQ(s.objFile.FileName, circuit);
            EXPECT_EQ(s.circuit.ElementCount(), before + 1);
            EXPECT_TRUE(dialogs.AllAnswersUsed());
            EXPECT_EQ(dialogs.MessageTexts().size(), told) << dialogs.MessageTexts().join(u'|').toStdString();
            continue;
        }
        auto namesFileAndReason = [&](const QString& text) {
            return text.contains(Ic(name)) && text.contains(d.reason);
        };

        manager->ShowICNames();
        Choose(name);
        EXPECT_EQ(manager->lblStatus->text(), LoadResString(2121));
        EXPECT_TRUE(namesFileAndReason(manager->lblStatus->toolTip()));
        // Its dependencies are unknown, and the reason reads whole at the opening size.
        EXPECT_EQ(Tree(), (QStringList{name + u'<', DamagedGroupText() + u'<',
                                       Ic(name).section(u'/', -1) + ": " + d.reason + u'<' + DamagedGroupText()}));
        EXPECT_EQ(CutOffLines().join(u'|').toStdString(), "");
        EXPECT_FALSE(chooser->previewed().has_value());
        EXPECT_FALSE(Find<QLabel>("lblICFehler")->isHidden());

        ASSERT_EQ(s.ToolMode, ToolCode::IC);
        ASSERT_EQ(s.circuit.ICName, name);
        qsizetype shown = dialogs.MessageTexts().size();
        ClickCell(10, 10);
        EXPECT_EQ(s.circuit.ElementCount(), 0);
        ASSERT_EQ(dialogs.MessageTexts().size(), shown + 1);
        EXPECT_TRUE(namesFileAndReason(LastMessage())) << LastMessage().toStdString();
        QFile::remove(Ic(name));

        // No circuit could name an IC whose name holds ";" in its [IC] line: it is not imported either.
        if (name.contains(u';')) {
            const QString source = Outside(name + ".icd", half);
            dialogs.QueueOpenFile(source);
            manager->ToolbarButton("cmdImportieren")->trigger();
            EXPECT_TRUE(LastMessage().contains(source) && LastMessage().contains(d.reason.mid(1)))
                << LastMessage().toStdString();
            EXPECT_FALSE(QFile::exists(Ic(name)));
            continue;
        }
        WriteBytes(Ic(name), d.bytes);
        WriteBytes(circuit, CrLfLines({"[Feld]", "20;12;", "[Elemente]", "20;2;X2Y3:;X2Y3:;0;1;;", "[IC]", name + ";1;"}));
        // The refused click counts as a change: the work is not saved.
        dialogs.QueueMessageAnswer(MessageResult::No);
        dialogs.QueueOpenFile(circuit);
        shown = dialogs.MessageTexts().size();
        window.Menu(QStringLiteral("mOpen"))->trigger();
        EXPECT_TRUE(dialogs.AllAnswersUsed());
        ASSERT_EQ(dialogs.MessageTexts().size(), shown + 2);
        EXPECT_EQ(LastMessage(), "The following IC definition files are damaged:\n - " + Ic(name) + ": " + d.reason + "\n");
        EXPECT_NE(s.objFile.FileName, circuit);
        QFile::remove(Ic(name));
    }
}

TEST_F(ICManager, DeleteNamesTheUsersAndTheWorksheetCircuit)
{
    OpenManager();
    Choose("HALF");
    dialogs.QueueMessageAnswer(MessageResult::No);
    manager->mIC[1]->trigger();
    const QString asked = LastMessage();
    EXPECT_TRUE(asked.startsWith(LoadResString(2117).replace("%1", "HALF"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains("  - BAD\r\n  - FULL\r\n")) << asked.toStdString();
    EXPECT_FALSE(asked.contains("worksheet"));
    EXPECT_TRUE(QFile::exists(Ic("HALF")));
    EXPECT_EQ(manager->StatusText->text(), Ic("HALF"));

    // Placed on the worksheet, the IC's use by the circuit is named too.
    ClickCell(10, 10);
    ASSERT_EQ(s.circuit.ElementCount(), 1);
    dialogs.QueueMessageAnswer(MessageResult::Yes);
    manager->ToolbarButton("cmdLöschen")->trigger();
    EXPECT_TRUE(LastMessage().contains("worksheet"));
    EXPECT_TRUE(LastMessage().contains("  - BAD\r\n  - FULL\r\n")) << "the users are still named";
    EXPECT_FALSE(QFile::exists(Ic("HALF")));
    EXPECT_EQ(Listed(), (QStringList{"BAD", "FULL"}));
    EXPECT_EQ(ChooserEntries(), (QStringList{"BAD", "FULL"}));
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(ICManager, AFileThatStaysIsReportedAndStaysListed)
{
    OpenManager();
    Choose("BAD");
    if (::geteuid() == 0) {
        if (!SetImmutable(Ic("BAD"), true))
            GTEST_SKIP() << "no way to keep root from deleting a file here";
        immutable = Ic("BAD");
    } else {
        QFile::setPermissions(icDir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    dialogs.QueueMessageAnswer(MessageResult::Yes);
    manager->mIC[1]->trigger();
    QFile::setPermissions(icDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(LastMessage().contains("could not be deleted"))
        << dialogs.MessageTexts().join('|').toStdString();
    EXPECT_TRUE(QFile::exists(Ic("BAD")));
    EXPECT_EQ(Listed(), (QStringList{"BAD", "FULL", "HALF"}));
    EXPECT_EQ(s.circuit.ICName, "BAD");
}

TEST_F(ICManager, DeletingTheLastICClearsChooserPreviewAndTool)
{
    QFile::remove(Ic("FULL"));
    QFile::remove(Ic("BAD"));
    OpenManager();
    Choose("HALF");
    ASSERT_TRUE(chooser->previewed().has_value());
    dialogs.QueueMessageAnswer(MessageResult::Yes);
    manager->mIC[1]->trigger();
    EXPECT_EQ(manager->lvwICs->Count(), 0);
    EXPECT_EQ(Find<QComboBox>("cmbIC")->count(), 0);
    EXPECT_FALSE(chooser->previewed().has_value());
    EXPECT_EQ(MainNotes()->text(), "");
    EXPECT_EQ(manager->tvwSchachtelung->topLevelItemCount(), 0);
    EXPECT_EQ(manager->lblStatus->text(), "");
    EXPECT_EQ(s.circuit.ICName, "");
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_FALSE(window.ToolbarButton("Toolbar2", "cmdIC")->isEnabled());
    EXPECT_FALSE(manager->mIC[1]->isEnabled());
}

TEST_F(ICManager, EditAsksItsQuestionThenTheSaveQuestion)
{
    OpenManager();
    Choose("FULL");
    s.FileSaved = kFalse;
    const QString before = s.CircuitFilePath;
    struct Round {
        std::vector<MessageResult> answers;
        int questions;
        bool opened;
    } rounds[] = {
        {{MessageResult::No}, 1, false},
        {{MessageResult::Yes, MessageResult::Cancel}, 2, false},
        {{MessageResult::Yes, MessageResult::No}, 2, true},
    };
    for (const Round& r : rounds) {
        const size_t asked = dialogs.Asked().size();
        for (MessageResult a : r.answers)
            dialogs.QueueMessageAnswer(a);
        manager->mIC[0]->trigger();
        ASSERT_EQ(dialogs.Asked().size() - asked, static_cast<size_t>(r.questions));
        EXPECT_EQ(dialogs.Asked()[asked].text, LoadResString(2110));
        EXPECT_EQ(dialogs.Asked()[asked].title, LoadResString(2111));
        EXPECT_EQ(s.CircuitFilePath, r.opened ? Ic("FULL") : before);
    }
    EXPECT_EQ(s.circuit.ICName, "FULL");
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(ICManager, EditedNotesAreSavedOnceIntoTheFileAndTheList)
{
    OpenManager();
    Choose("HALF");
    // Leaving the box unedited writes nothing.
    const QByteArray original = ReadBytes(Ic("HALF"));
    LeaveMainNotes();
    EXPECT_EQ(ReadBytes(Ic("HALF")), original);
    Choose("FULL");
    LeaveMainNotes();
    EXPECT_EQ(ReadBytes(Ic("FULL")), TestIC("FULL.icd"));

    Choose("HALF");
    MainNotes()->setText("adds two bits");
    LeaveMainNotes();
    const QByteArray saved = ReadBytes(Ic("HALF"));
    EXPECT_TRUE(saved.endsWith("[Notizen]\r\nadds two bits\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.startsWith(original.left(original.indexOf("[Notizen]"))));
    EXPECT_EQ(manager->lvwICs->Notes(manager->lvwICs->Find("HALF")), "adds two bits");
    EXPECT_EQ(manager->txtNotizen->toPlainText(), "adds two bits");
    EXPECT_EQ(QDir(icDir.path()).entryList(QDir::Files).size(), 3);

    // Written once: a second focus loss leaves a change made since alone.
    WriteBytes(Ic("HALF"), original);
    LeaveMainNotes();
    EXPECT_EQ(ReadBytes(Ic("HALF")), original);
}

TEST_F(ICManager, DirectoryChangeRefreshesTheVisibleManager)
{
    OpenManager();
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    WriteBytes(other.filePath("ONLY.icd"), CrLfLines({"[Name]", "ONLY", "[Maße]", "X2", "Y2"}));
    s.Verzeichnisse[1] = other.path() + u'/';
    s.ports.icManager->ICDirectoryChanged();
    EXPECT_EQ(Listed(), QStringList{"ONLY"});
    EXPECT_EQ(manager->StatusText->text(), other.filePath("ONLY.icd"));
    // The chooser follows the manager's list.
    EXPECT_EQ(ChooserEntries(), QStringList{"ONLY"});
    EXPECT_EQ(Find<QComboBox>("cmbIC")->currentText(), "ONLY");
    // No notes: the placeholder, which is no edit.
    const QString placeholder = "[" + LoadResString(2120) + "]";
    EXPECT_EQ(manager->txtNotizen->toPlainText(), placeholder);
    EXPECT_EQ(MainNotes()->text(), placeholder);
    LeaveMainNotes();
    EXPECT_EQ(ReadBytes(other.filePath("ONLY.icd")), CrLfLines({"[Name]", "ONLY", "[Maße]", "X2", "Y2"}));
}

// Keys typed as the X server delivers them: to the active window. The
// manager is a tool window of the main window, whose window-wide F5, Ctrl+B,
// Ctrl+I and Del stay live while the manager is active.
TEST_F(ICManager, EachWindowsKeysRunItsOwnCommands)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { warnings << m; });
    const auto restoreHandler = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    OpenManager();
    Choose("FULL");
    int16_t elements = 0;

    // Each command leaves a trace: the question it asks or what it changes.
    size_t asked = 0;
    int added = 0;
    const auto askedFor = [&](int titleId) {
        const QString title = LoadResString(titleId);
        return std::any_of(dialogs.Asked().begin() + static_cast<std::ptrdiff_t>(asked), dialogs.Asked().end(),
                           [&](const auto& q) { return q.title == title || q.file.title == title; });
    };
    const auto none = [] {};
    const auto no = [&] { dialogs.QueueMessageAnswer(MessageResult::No); };
    struct Key {
        QKeyCombination key;
        std::function<void()> prepare, answerManager, answerMain;
        std::function<bool()> managerRan, mainRan;
    };
    const Key keys[] = {
        {Qt::Key_F5,
         [&] {
             WriteBytes(Ic(QStringLiteral("NEW%1").arg(++added)), TestIC("HALF.icd"));
             window.Menu(QStringLiteral("mZoomOut"))->trigger();
         },
         none, none, [&] { return Listed().contains(QStringLiteral("NEW%1").arg(added)); },
         [&] { return s.GridMode == 1.0f; }},
        {Qt::CTRL | Qt::Key_B, none, no, [&] { dialogs.QueueSaveFile(QString()); }, [&] { return askedFor(2111); },
         [&] { return askedFor(2853); }},
        {Qt::CTRL | Qt::Key_I, none, [&] { dialogs.QueueOpenFile(QString()); }, none,
         [&] { return askedFor(2112); }, [&] { return !manager->isVisible(); }},
        // Edit > Delete is enabled once the power has been off; it deletes the selected component.
        {Qt::Key_Delete,
         [&] {
             dialogs.QueueOpenFile(QStringLiteral(GATREL_TEST_DATA "/components.gtr"));
             window.Menu(QStringLiteral("mOpen"))->trigger();
             PowerOn();
             PowerOff();
             ASSERT_TRUE(window.Menu(QStringLiteral("mDelete"))->isEnabled());
             window.editor().SelectObject(1);
             elements = s.circuit.ElementCount();
         },
         no, none, [&] { return askedFor(2118); }, [&] { return s.circuit.ElementCount() < elements; }},
    };
    for (QWidget* active : {static_cast<QWidget*>(manager), static_cast<QWidget*>(&window)}) {
        const bool managerActive = active == manager;
        for (const Key& k : keys) {
            SCOPED_TRACE(QKeySequence(k.key).toString().toStdString()
                         + (managerActive ? " in the manager" : " in the main window"));
            if (!manager->isVisible())
                OpenManager();
            k.prepare();
            (managerActive ? k.answerManager : k.answerMain)();
            active->activateWindow();
            QApplication::setActiveWindow(active);
            ASSERT_EQ(QApplication::activeWindow(), active);
            asked = dialogs.Asked().size();
            QTest::keyClick(active->windowHandle(), k.key.key(), k.key.keyboardModifiers());
            EXPECT_EQ(k.managerRan(), managerActive);
            EXPECT_EQ(k.mainRan(), !managerActive);
        }
    }
    EXPECT_TRUE(dialogs.AllAnswersUsed());
    EXPECT_FALSE(warnings.join(u'\n').contains(QStringLiteral("Ambiguous"))) << warnings.join(u'\n').toStdString();
}

} // namespace
