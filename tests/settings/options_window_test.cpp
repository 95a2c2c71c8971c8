#include "options_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "placement/document/permissions.h"
#include "render/toolbar_icons.h"
#include "settings/frmOptions.h"
#include "settings/frmVerzeichnis.h"
#include "support/modal_driver.h"
#include "support/record_files.h"

namespace {

class OptionsWindow : public OptionsFixture {
protected:
    OptionsWindow() : dlg(s, dialogs, u, [this] { ++switchesApplied; }, Path(QStringLiteral("docs"))) { dlg.show(); }

    template <class W>
    W* Find(const QString& name) const
    {
        W* w = dlg.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(QLatin1String(name)); }
    void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(QLatin1String(name)), Qt::LeftButton); }
    static void Leave(QWidget* w)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
    QByteArray StoredPermissions() const { return ReadBytes(s.settings.registryFiles.userFile); }

    frmOptions dlg;
};

TEST_F(OptionsWindow, OpensWithTheSettingsAndClampsBoxesOnLeaving)
{
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(Box("txtStop")->text(), QString::number(s.AutoStop));
    EXPECT_EQ(Box("txtUndos")->text(), QString::number(u.Undos()));
    // The boxes show the directories without their separator; the program keeps it.
    const char* boxes[] = {"txtDirSchaltungen", "txtDirICs", "txtDirBitmaps"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Box(boxes[i])->text() + u'/', s.Verzeichnisse[i]);
        EXPECT_EQ(s.Verzeichnisse[i], Path(QStringLiteral("dir%1/").arg(i)));
    }
    for (int i = 0; i < 14; ++i)
        EXPECT_TRUE(Find<QCheckBox>(QStringLiteral("chkBauteil%1").arg(i))->isChecked());
    EXPECT_EQ(Find<QCheckBox>(QStringLiteral("chkFunktionen6"))->text(), QStringLiteral("Number conversion"));

    // Leaving a box clamps it; the rules themselves are tested with the form.
    Box("txtStop")->setText(QStringLiteral("100"));
    Leave(Box("txtStop"));
    EXPECT_EQ(Box("txtStop")->text(), QStringLiteral("250"));
    Box("txtUndos")->setText(QStringLiteral("150"));
    Leave(Box("txtUndos"));
    EXPECT_EQ(Box("txtUndos")->text(), QStringLiteral("99"));
}

TEST_F(OptionsWindow, EverySwitchShowsItsOwnPictureBesideIt)
{
    struct Tab {
        int index;
        const char* boxes;
        const char* pictures;
        int count;
    };
    // Components the palette offers on buttons of their own show the same picture as there.
    const std::map<int, const char*> palette = {{0, "cmdInverter"}, {1, "cmdUND"},    {2, "cmdODER"},
                                                {3, "cmdXODER"},    {4, "cmdHA"},     {5, "cmdVA"},
                                                {8, "cmdDecoder"},  {12, "cmdAnalysepunkt"}, {13, "cmdIC"}};
    for (const Tab& tab : {Tab{2, "chkBauteil", "imgBauteil", 14}, Tab{3, "chkFunktionen", "imgSynthese", 7}}) {
        auto* tabs = Find<QTabWidget>(QStringLiteral("tabOptions"));
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab.index).center());
        ASSERT_EQ(tabs->currentIndex(), tab.index);
        std::vector<QImage> seen;
        for (int i = 0; i < tab.count; ++i) {
            SCOPED_TRACE(std::string(tab.pictures) + std::to_string(i));
            auto* box = Find<QCheckBox>(QLatin1String(tab.boxes) + QString::number(i));
            auto* picture = Find<QLabel>(QLatin1String(tab.pictures) + QString::number(i));
            ASSERT_TRUE(box && picture && box->isVisible() && picture->isVisible());
            const QRect b(box->mapTo(&dlg, QPoint()), box->size());
            const QRect p(picture->mapTo(&dlg, QPoint()), picture->size());
            EXPECT_LT(p.right(), b.left());
            EXPECT_NEAR(p.center().y(), b.center().y(), 3);
            const QImage image = picture->pixmap().toImage();
            ASSERT_EQ(image.size(), QSize(24, 24));
            for (const QImage& other : seen)
                EXPECT_NE(image, other) << "two switches of a tab look alike";
            seen.push_back(image);
            if (tab.index == 2 && palette.count(i)) {
                const QIcon shown = ToolbarIcon(QStringLiteral("Toolbar2"), QLatin1String(palette.at(i)));
                EXPECT_EQ(image, shown.pixmap(QSize(24, 24)).toImage());
            }
        }
    }
}

TEST_F(OptionsWindow, OkWithAStillTypedNumberStoresItsClampedValue)
{
    Box("txtStop")->setText(QStringLiteral("100"));
    Box("txtUndos")->setText(QStringLiteral("abc"));
    Box("txtDirICs")->setText(Path(QStringLiteral("ICs")));
    Find<QCheckBox>(QStringLiteral("chkBauteil4"))->setChecked(false);
    Click("cmdExit");
    EXPECT_EQ(s.AutoStop, 250);
    EXPECT_EQ(u.Undos(), 1);
    EXPECT_EQ(s.Verzeichnisse[1], Path(QStringLiteral("ICs/")));
    EXPECT_EQ(s.settings.ElementEnable[4], 0);
    EXPECT_EQ(switchesApplied, 1);
    EXPECT_EQ(icManager.refreshed, 1);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(OptionsWindow, CancelEscapeAndTheTitleBarCloseKeepEverything)
{
    const auto dirs = s.Verzeichnisse;
    const int16_t stop = s.AutoStop;
    const auto elements = s.settings.ElementEnable;
    const QByteArray stored = StoredPermissions();
    const std::function<void()> closers[] = {
        [this] { Click("cmdCancel"); },
        [this] { QTest::keyClick(&dlg, Qt::Key_Escape); },
        [this] { dlg.close(); },
    };
    for (const auto& closeIt : closers) {
        dlg.show();
        Box("txtDirSchaltungen")->setText(Path(QStringLiteral("elsewhere")));
        Box("txtStop")->setText(QStringLiteral("4000"));
        Find<QCheckBox>(QStringLiteral("chkBauteil0"))->setChecked(false);
        Click("cmdResetDir");
        EXPECT_EQ(Box("txtDirBitmaps")->text(), Path(QStringLiteral("docs/Gatrel")));
        closeIt();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(s.Verzeichnisse, dirs) << "the directories keep their separators";
        EXPECT_EQ(s.AutoStop, stop);
        EXPECT_EQ(s.settings.ElementEnable, elements);
    }
    EXPECT_EQ(StoredPermissions(), stored);
    EXPECT_EQ(switchesApplied, 0);
    EXPECT_FALSE(QDir(Path(QStringLiteral("elsewhere"))).exists());
    EXPECT_FALSE(QDir(Path(QStringLiteral("docs/Gatrel"))).exists()) << "reset creates nothing";
}

TEST_F(OptionsWindow, BrowsingFillsTheBoxAndCancelledBrowsingLeavesIt)
{
    const QString before = Box("txtDirBitmaps")->text();
    WhenModal<frmVerzeichnis>([](frmVerzeichnis* c) {
        QTest::mouseClick(c->findChild<QPushButton*>(QStringLiteral("cmdAbbruch")), Qt::LeftButton);
    });
    Click("cmdBrowseBitmaps");
    EXPECT_EQ(Box("txtDirBitmaps")->text(), before);

    dialogs.QueueText(QStringLiteral("pictures"));
    WhenModal<frmVerzeichnis>([](frmVerzeichnis* c) {
        QTest::mouseClick(c->findChild<QPushButton*>(QStringLiteral("cmdCreateDir")), Qt::LeftButton);
        QTest::mouseClick(c->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    Click("cmdBrowseBitmaps");
    EXPECT_EQ(Box("txtDirBitmaps")->text(), before + QStringLiteral("/pictures"));
    const auto dirs = s.Verzeichnisse;
    Click("cmdCancel");
    EXPECT_EQ(s.Verzeichnisse, dirs);
}

} // namespace
