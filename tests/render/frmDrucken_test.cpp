#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <tuple>

#include "model/state.h"
#include "platform/recording_surface.h"
#include "render/frmDrucken.h"
#include "render/print_fixture.h"

namespace {

class PrintDialog : public PrintFixture {
protected:
    void Open()
    {
        dialog = std::make_unique<frmDrucken>(s, grafik, printer, dialogs, QStringLiteral("/opt/gatrel"));
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <class W>
    W* Find(const char* name) const
    {
        W* w = dialog->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* Copies() const { return Find<QLineEdit>("txtKopien"); }
    void Type(const QString& text)
    {
        Copies()->setFocus();
        Copies()->selectAll();
        QTest::keyClicks(Copies(), text);
    }
    // The focus moves on to the printer list.
    void LeaveCopies() { Find<QComboBox>("cmbDrucker")->setFocus(); }
    void ClickPrint() { QTest::mouseClick(Find<QPushButton>("cmdDrucken"), Qt::LeftButton); }
    // On the check box's indicator.
    void ClickIC()
    {
        auto* box = Find<QCheckBox>("chkIC");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    std::unique_ptr<frmDrucken> dialog;
};

TEST_F(PrintDialog, OpensWithItsTextsAndTheCurrentPrinter)
{
    printer.device = QStringLiteral("PDF file");
    Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print circuit"));
    const std::pair<const char*, const char*> labels[] = {
        {"lblInfo0", "Printer:"}, {"lblInfo1", "Quality:"}, {"lblInfo2", "# of copies:"},
        {"Label1", "# of pages:"}, {"lblSeiten", "1"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(Find<QLabel>(name)->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(Find<QPushButton>("cmdDrucken")->text(), QStringLiteral("&Print"));
    EXPECT_EQ(Find<QPushButton>("cmdAbbrechen")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(Find<QCheckBox>("chkIC")->text(), QStringLiteral("Print IC circuits"));
    EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), QStringLiteral("Bereich"));
    EXPECT_EQ(Find<QRadioButton>("optBereich0")->text(), QStringLiteral("&Benutzten Bereich (autom. Zoom)"));
    EXPECT_EQ(Find<QRadioButton>("optBereich1")->text(), QStringLiteral("&Alles drucken"));
    EXPECT_EQ(Copies()->text(), QStringLiteral("1"));

    auto items = [](QComboBox* box) {
        QStringList all;
        for (int i = 0; i < box->count(); ++i)
            all.append(box->itemText(i));
        return all;
    };
    EXPECT_EQ(items(Find<QComboBox>("cmbDrucker")), printer.devices);
    EXPECT_EQ(Find<QComboBox>("cmbDrucker")->currentText(), QStringLiteral("PDF file"));
    EXPECT_EQ(printer.device, QStringLiteral("PDF file"));
    EXPECT_EQ(items(Find<QComboBox>("cmbQualität")),
              (QStringList{QStringLiteral("Draft"), QStringLiteral("Low"), QStringLiteral("Medium"), QStringLiteral("High")}));
    EXPECT_EQ(items(Find<QComboBox>("cmbFarbe")), (QStringList{QStringLiteral("Farbe"), QStringLiteral("s/w")}));
    // High quality, black and white.
    EXPECT_EQ(Find<QComboBox>("cmbQualität")->currentIndex(), 3);
    EXPECT_EQ(printer.quality, -4);
    EXPECT_EQ(printer.colorMode, 1);
    for (const auto& [position, value] : {std::pair{0, -1}, {1, -2}, {2, -3}, {3, -4}}) {
        Find<QComboBox>("cmbQualität")->setCurrentIndex(position);
        EXPECT_EQ(printer.quality, value);
    }
    Find<QComboBox>("cmbFarbe")->setCurrentIndex(0);
    EXPECT_EQ(printer.colorMode, 2);
    Find<QComboBox>("cmbDrucker")->setCurrentIndex(0);
    EXPECT_EQ(printer.device, QStringLiteral("Office laser"));
    // No ICs in the circuit: no IC pages to ask for.
    EXPECT_FALSE(Find<QCheckBox>("chkIC")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkIC")->isEnabled());
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(PrintDialog, CopiesFollowTheBoxAreCorrectedWhenItLosesTheFocusAndPrintSendsAtMost999)
{
    Open();
    struct Step {
        const char* typed; // null: the box loses the focus
        int copies;
        const char* shown;
    } const steps[] = {
        {"1500", 1500, "1500"}, {nullptr, 999, "999"}, {"0", 999, "0"}, {nullptr, 1, "1"},
        {"12", 12, "12"},       {nullptr, 12, "12"},
    };
    for (const Step& st : steps) {
        if (st.typed)
            Type(QString::fromUtf8(st.typed));
        else
            LeaveCopies();
        EXPECT_EQ(printer.copies, st.copies) << (st.typed ? st.typed : "focus out");
        EXPECT_EQ(Copies()->text(), QString::fromUtf8(st.shown));
    }
    // The up-down control steps within 1..999.
    for (const auto& [from, button, to] : {std::tuple{"12", "UpDown1Down", "11"}, {"999", "UpDown1Up", "999"},
                                           {"1", "UpDown1Down", "1"}}) {
        Copies()->setText(QString::fromLatin1(from));
        QTest::mouseClick(Find<QToolButton>(button), Qt::LeftButton);
        EXPECT_EQ(Copies()->text(), QString::fromLatin1(to)) << from << " " << button;
    }
    EXPECT_EQ(printer.copies, 1);

    // Print by the keyboard sends at most 999 copies.
    Type(QStringLiteral("1500"));
    QTest::keyClick(Copies(), Qt::Key_Return); // the default button, the focus stays in the box
    EXPECT_EQ(printer.sent, 1);
    EXPECT_EQ(printer.copiesSent, 999);
    EXPECT_EQ(Copies()->text(), QStringLiteral("999"));
    EXPECT_TRUE(dialog->isVisible()); // the dialog stays open
}

TEST_F(PrintDialog, ThePageCountAndThePagesFollowTheICBox)
{
    LoadNestedICs();
    Open();
    ASSERT_TRUE(Find<QCheckBox>("chkIC")->isEnabled());
    ClickIC();
    EXPECT_EQ(Find<QLabel>("lblSeiten")->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog->ICPageNames(), (QStringList{QString(), QStringLiteral("FULL"), QStringLiteral("HALF")}));
    ClickPrint();
    EXPECT_EQ(printer.pages.size(), 3u);
    ClickIC();
    EXPECT_EQ(Find<QLabel>("lblSeiten")->text(), QStringLiteral("1"));
    ClickPrint();
    EXPECT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.sent, 2);
}

TEST_F(PrintDialog, APdfFileIsAskedForAtPrint)
{
    s.CmDialog1.FileName = QStringLiteral("/home/u/adder.gtr");
    printer.device = QStringLiteral("PDF file");
    Open();
    struct Case {
        const char* chosen;
        const char* printedInto; // null: nothing printed
    } const cases[] = {
        {"/tmp/out/adder.pdf", "/tmp/out/adder.pdf"},
        {"/tmp/out/plain", "/tmp/out/plain.pdf"},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        printer.outputFile.clear();
        const int sent = printer.sent;
        dialogs.QueueSaveFile(QString::fromUtf8(c.chosen));
        ClickPrint();
        EXPECT_EQ(printer.sent, sent + (c.printedInto ? 1 : 0)) << c.chosen;
        EXPECT_EQ(printer.outputFile, c.printedInto ? QString::fromUtf8(c.printedInto) : QString());
    }
    ASSERT_EQ(dialogs.Asked().size(), 3u);
    EXPECT_EQ(dialogs.Asked()[0].file.fileName, QStringLiteral("adder.pdf"));
    EXPECT_EQ(dialogs.Asked()[0].file.filter, QStringLiteral("PDF file|*.pdf"));
    // A printer of its own asks for nothing.
    Find<QComboBox>("cmbDrucker")->setCurrentIndex(0);
    ClickPrint();
    EXPECT_EQ(dialogs.Asked().size(), 3u);
}

TEST_F(PrintDialog, AFailedPrintIsReported)
{
    Open();
    printer.failure = RecordingPrinter::Failure::EndDoc;
    ClickPrint();
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("The circuit could not be printed.")});
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("Gatrel Message"));
    printer.failure = RecordingPrinter::Failure::None;
    ClickPrint();
    EXPECT_EQ(dialogs.Asked().size(), 1u);
}

TEST_F(PrintDialog, WithoutAnyPrinterOnlyCloseIsLeft)
{
    printer.devices.clear();
    printer.device.clear();
    printer.fileDevice = false;
    Open();
    EXPECT_EQ(dialogs.MessageTexts(),
              QStringList{QStringLiteral("No printer was found. Please install a printer driver first.")});
    for (const char* name : {"cmbDrucker", "cmbQualität", "cmbFarbe", "txtKopien", "UpDown1", "Frame1",
                             "optBereich0", "optBereich1", "cmdDrucken", "lblInfo0", "lblInfo1", "lblInfo2"})
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(Find<QPushButton>("cmdAbbrechen")->isEnabled());
    QTest::mouseClick(Find<QPushButton>("cmdAbbrechen"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
