// File > Print.. and the toolbar's print button open the print dialog. One
// printer object serves the whole run, so that the choices made in the
// dialog stay for the next time it opens.
#include <QApplication>

#include "platform/qt_printer.h"
#include "render/clsGrafik.h"
#include "render/frmDrucken.h"
#include "shell/frmGatrel.h"

void frmGatrel::mPrint_Click()
{
    if (!printer_)
        printer_ = std::make_unique<QtPrinter>();
    auto* dialog = new frmDrucken(s_, *objGrafik_, *printer_, dialogs_, QApplication::applicationDirPath(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
