#include "ic/frmICAnschluss.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ic/name_validator.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

QString WorksheetLabelCaption(const QString& typed)
{
    return typed.isEmpty() ? QString() : u'[' + Trim(typed) + u']';
}

frmICAnschluss::frmICAnschluss(Circuit& circuit, Settings& settings, const ConnectorEdit& edit, QWidget* parent)
    : QDialog(parent), circuit_(circuit), settings_(settings), edit_(edit)
{
    setObjectName(QStringLiteral("frmICAnschluß"));
    setWindowTitle(LoadResString(2000));
    setModal(true);
    Label1 = new QLabel(LoadResString(2001), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setValidator(NewFieldTextFilter(txtName));
    chkAnschluss = new QCheckBox(LoadResString(2002), this);
    chkAnschluss->setObjectName(QStringLiteral("chkAnschluss"));
    chkAnschluss->setChecked(settings_.SucheNaechstenAnschluss != 0);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdAbbruch = new QPushButton(LoadResString(3612), this);
    cmdAbbruch->setObjectName(QStringLiteral("cmdAbbruch"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdAbbruch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtName);
    layout->addWidget(chkAnschluss);
    layout->addLayout(buttons);

    if (!edit_.isNew)
        txtName->setText(edit_.oldName);
    txtName->selectAll();
    connect(txtName, &QLineEdit::textChanged, this, &frmICAnschluss::txtName_Change);
    connect(chkAnschluss, &QCheckBox::clicked, this, &frmICAnschluss::chkAnschluss_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmICAnschluss::cmdOK_Click);
    connect(cmdAbbruch, &QPushButton::clicked, this, &frmICAnschluss::cmdAbbruch_Click);
}

void frmICAnschluss::txtName_Change(const QString& text)
{
    if (LabelChanged)
        LabelChanged(WorksheetLabelCaption(text));
}

void frmICAnschluss::chkAnschluss_Click()
{
    settings_.SucheNaechstenAnschluss = VbBool(chkAnschluss->checkState() != Qt::Unchecked);
}

void frmICAnschluss::cmdOK_Click()
{
    switch (AcceptConnectorName(circuit_, edit_, txtName->text())) {
    case NameOutcome::Accepted:
        accept();
        break;
    case NameOutcome::Duplicate:
        txtName->setFocus();
        break;
    case NameOutcome::Empty:
        reject();
        break;
    }
}

void frmICAnschluss::cmdAbbruch_Click()
{
    reject();
}
