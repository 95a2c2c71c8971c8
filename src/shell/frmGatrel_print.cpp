// File > Print.. and the toolbar's print button open the print dialog. One
// printer object serves the whole run, so that the choices made in the
// dialog stay for the next time it opens.
#include <QApplication>
#include <memory>

#include "platform/qt_printer.h"
#include "render/clsGrafik.h"
#include "render/frmDrucken.h"
#include "shell/frmGatrel.h"

void frmGatrel::WirePrinting()
{
    auto printer = std::make_shared<QtPrinter>();
    seams_.printDialog = [this, printer] {
        auto* dialog = new frmDrucken(s_, *objGrafik_, *printer, dialogs_, QApplication::applicationDirPath(), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
    };
}
