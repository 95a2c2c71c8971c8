#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRegularExpression>

#include "editing/worksheet_editor.h"
#include "platform/string_table.h"
#include "render/clsGrafik.h"
#include "render/frmDrucken.h"
#include "render/print_options.h"
#include "shell/window_rig.h"
#include "support/record_files.h"

namespace {

// The pages of a PDF, counted from its page objects.
int PdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

class PrintFromTheWindow : public WindowRig {
protected:
    frmDrucken* Dialog() const { return window.findChild<frmDrucken*>(QStringLiteral("frmDrucken")); }

    // Prints into path on the PDF entry, with or without the IC pages.
    void PrintPdf(const QString& path, bool withICs)
    {
        frmDrucken* dialog = Dialog();
        ASSERT_NE(dialog, nullptr);
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("cmbDrucker"));
        const int pdf = printers->findText(LoadResString(1814));
        ASSERT_EQ(pdf, printers->count() - 1); // the last entry
        printers->setCurrentIndex(pdf);
        auto* ic = dialog->findChild<QCheckBox*>(QStringLiteral("chkIC"));
        if (ic->isChecked() != withICs)
            QTest::mouseClick(ic, Qt::LeftButton, {}, QPoint(6, ic->height() / 2));
        ASSERT_EQ(ic->isChecked(), withICs);
        dialogs.QueueSaveFile(path);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdDrucken")), Qt::LeftButton);
    }

    QTemporaryDir out;
};

TEST_F(PrintFromTheWindow, TheCircuitPrintsIntoAPdfWithAPagePerIC)
{
    OpenNestedICs();
    s.GridMode = 1.4f;
    window.Menu(QStringLiteral("mPrint"))->trigger();
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->isVisible());
    const int distinctICs = static_cast<int>(BuildICPageNames(s.circuit).size()) - 1;
    ASSERT_EQ(distinctICs, 2);
    // An area the user copied before.
    auto& copied = window.editor().area.Puffer;
    copied.assign(3, std::vector<GridCell>(2));
    copied[1][1].Type = ElementType::Conductor;
    copied[2][0].ElementNr = 4;
    const auto copiedBefore = copied;

    for (const bool withICs : {true, false}) {
        SCOPED_TRACE(withICs ? "with IC pages" : "the circuit alone");
        const QString path = out.filePath(withICs ? QStringLiteral("with_ics.pdf") : QStringLiteral("alone.pdf"));
        PrintPdf(path, withICs);
        const QByteArray pdf = ReadBytes(path);
        EXPECT_TRUE(pdf.startsWith("%PDF"));
        EXPECT_EQ(PdfPageCount(pdf), withICs ? 1 + distinctICs : 1);
    }
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
    EXPECT_EQ(copied, copiedBefore);
    // The window's worksheet as before.
    EXPECT_EQ(s.circuit.MaxX, 30);
    EXPECT_EQ(s.circuit.MaxY, 20);
    EXPECT_EQ(s.GridMode, 1.4f);
    EXPECT_EQ(window.objGrafik().Device, &window.picGrid()->surface());

    QTest::mouseClick(Dialog()->findChild<QPushButton*>(QStringLiteral("cmdAbbrechen")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Dialog(), nullptr);
}

// Opened by the toolbar's print button this time.
TEST_F(PrintFromTheWindow, AFileThatCannotBeWrittenIsReported)
{
    ClickAction("Toolbar", "cmdPrint");
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->isModal() || Dialog()->windowModality() == Qt::ApplicationModal);
    PrintPdf(out.filePath(QStringLiteral("missing/folder/x.pdf")), false);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("The circuit could not be printed.")});
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("missing/folder/x.pdf"))));
}

} // namespace
