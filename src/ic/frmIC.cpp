#include "ic/frmIC.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "ic/ic_connectors.h"
#include "ic/ic_drawing.h"
#include "ic/ic_names.h"
#include "ic/ic_outline.h"
#include "ic/name_validator.h"
#include "model/circuit.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

constexpr int kMinScale = 4;
constexpr int kMaxScale = 24;
constexpr int kFrameWidth = 420;
constexpr int kFrameHeight = 270;
const QString kNoName = QStringLiteral("<IC>");

QString SizeText(int16_t v)
{
    return u' ' + QString::number(v);
}

} // namespace

frmIC::frmIC(Circuit& circuit, int16_t& connectorIndex, SaveFn save, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), circuit_(circuit), connectorIndex_(connectorIndex), save_(std::move(save)),
      dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmIC"));
    setWindowTitle(LoadResString(1900));
    BuildControls();
    ICViewScale = kDefaultICViewScale;
    CheckInOut();
}

// The IC's drawing in its frame, panned by dragging.
void frmIC::BuildDrawing()
{
    picICFrame = new QFrame(this);
    picICFrame->setObjectName(QStringLiteral("picICFrame"));
    picICFrame->setFrameShape(QFrame::StyledPanel);
    picICFrame->setFixedSize(kFrameWidth, kFrameHeight);
    picIC = new ICDrawing(circuit_, picICFrame);
    picIC->PinLine = [this](int k) { return linInOut(k); };
    picIC->DragOver = [this](int index, QPointF at) {
        RunGuarded(&dialogs_, QStringLiteral("picIC_DragOver"), [&] { picIC_DragOver(index, at); });
    };
    picIC->MousePressed = [this](QMouseEvent* e) { panStart_ = e->position().toPoint(); };
    picIC->MouseMoved = [this](QMouseEvent* e) {
        for (const auto& label : lblInOut_)
            if (label)
                label->setFrameShape(QFrame::NoFrame);
        if (PointAway)
            PointAway();
        if (!(e->buttons() & Qt::LeftButton))
            return;
        // The drawing pans only as far as it still covers the frame.
        const QPoint at = e->position().toPoint();
        const int left = at.x() - panStart_.x() + picIC->x();
        const int top = at.y() - panStart_.y() + picIC->y();
        const int x = left <= 0 && left + picIC->width() > picICFrame->width() ? left : picIC->x();
        const int y = top < 1 && top + picIC->height() > picICFrame->height() ? top : picIC->y();
        picIC->move(x, y);
    };
    lblName = new QLabel(QStringLiteral("IC"), picIC);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->installEventFilter(this);
}

void frmIC::BuildControls()
{
    BuildDrawing();
    scrScale = new QScrollBar(Qt::Horizontal, this);
    scrScale->setObjectName(QStringLiteral("scrScale"));
    scrScale->setRange(kMinScale, kMaxScale);
    scrScale->setValue(static_cast<int>(kDefaultICViewScale));
    scrScale->setFocusPolicy(Qt::NoFocus);

    Label1 = new QLabel(QStringLiteral("Name:"), this);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setValidator(NewICNameFilter(txtName));
    Label2 = new QLabel(LoadResString(1901) + u':', this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtX = new QLineEdit(this);
    txtX->setObjectName(QStringLiteral("txtX"));
    Label3 = new QLabel(LoadResString(1902) + u':', this);
    Label3->setObjectName(QStringLiteral("Label3"));
    txtY = new QLineEdit(this);
    txtY->setObjectName(QStringLiteral("txtY"));
    const auto arrow = [this](const char* name, Qt::ArrowType type) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(type);
        b->setAutoRepeat(true);
        return b;
    };
    cmdX.up = arrow("cmdXUp", Qt::UpArrow);
    cmdX.down = arrow("cmdXDown", Qt::DownArrow);
    cmdY.up = arrow("cmdYUp", Qt::UpArrow);
    cmdY.down = arrow("cmdYDown", Qt::DownArrow);
    Label5 = new QLabel(LoadResString(1903) + u':', this);
    txtNotizen = new QLineEdit(this);
    txtNotizen->setObjectName(QStringLiteral("txtNotizen"));
    cmdSpeichern = new QPushButton(LoadResString(1904), this);
    cmdSpeichern->setObjectName(QStringLiteral("cmdSpeichern"));
    cmdSchliessen = new QPushButton(LoadResString(1905), this);
    cmdSchliessen->setObjectName(QStringLiteral("cmdSchließen"));

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(txtName, 0, 1, 1, 4);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(txtX, 1, 1);
    fields->addWidget(cmdX.down, 1, 2);
    fields->addWidget(cmdX.up, 1, 3);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(txtY, 2, 1);
    fields->addWidget(cmdY.down, 2, 2);
    fields->addWidget(cmdY.up, 2, 3);
    fields->addWidget(Label5, 3, 0);
    fields->addWidget(txtNotizen, 3, 1, 1, 4);
    fields->addWidget(cmdSpeichern, 4, 1);
    fields->addWidget(cmdSchliessen, 4, 3, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picICFrame);
    layout->addWidget(scrScale);
    layout->addLayout(fields);
    ConnectControls();
}

void frmIC::ConnectControls()
{
    // Every handler runs guarded: an error is reported and the IC being defined stays.
    const auto guarded = [this](const char* where, auto f) { return GuardedSlot(dialogs_, QString::fromLatin1(where), f); };
    connect(scrScale, &QScrollBar::valueChanged, this, guarded("scrScale_Change", [this](int v) { scrScale_Change(v); }));
    connect(cmdX.up, &QToolButton::clicked, this, guarded("cmdX_UpClick", [this] { cmdX_UpClick(); }));
    connect(cmdX.down, &QToolButton::clicked, this, guarded("cmdX_DownClick", [this] { cmdX_DownClick(); }));
    connect(cmdY.up, &QToolButton::clicked, this, guarded("cmdY_UpClick", [this] { cmdY_UpClick(); }));
    connect(cmdY.down, &QToolButton::clicked, this, guarded("cmdY_DownClick", [this] { cmdY_DownClick(); }));
    connect(txtX, &QLineEdit::textEdited, this, guarded("txtX_Change", [this](const QString& t) { txtX_Change(t); }));
    connect(txtY, &QLineEdit::textEdited, this, guarded("txtY_Change", [this](const QString& t) { txtY_Change(t); }));
    connect(txtX, &QLineEdit::editingFinished, this, guarded("txtX_LostFocus", [this] { txtX_LostFocus(); }));
    connect(txtY, &QLineEdit::editingFinished, this, guarded("txtY_LostFocus", [this] { txtY_LostFocus(); }));
    connect(txtName, &QLineEdit::textChanged, this,
            guarded("txtName_Change", [this](const QString& t) { txtName_Change(t); }));
    connect(txtNotizen, &QLineEdit::textChanged, this, guarded("txtNotizen_LostFocus", [this] { txtNotizen_LostFocus(); }));
    connect(txtNotizen, &QLineEdit::editingFinished, this,
            guarded("txtNotizen_LostFocus", [this] { txtNotizen_LostFocus(); }));
    connect(cmdSpeichern, &QPushButton::clicked, this, guarded("cmdSpeichern_Click", [this] { cmdSpeichern_Click(); }));
    connect(cmdSchliessen, &QPushButton::clicked, this, guarded("cmdSchließen_Click", [this] { cmdSchliessen_Click(); }));
}

frmIC::~frmIC()
{
    // The box with the focus loses it while the children are destroyed, after
    // this window's own part is gone: its handlers must not reach it then.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void frmIC::Form_Activate()
{
    if (circuit_.ICWidth == 0)
        circuit_.ICWidth = 7;
    if (circuit_.ICHeight == 0)
        circuit_.ICHeight = 4;
    if (circuit_.ICName.isEmpty())
        circuit_.ICName = kNoName;
    txtX->setText(SizeText(circuit_.ICWidth));
    txtY->setText(SizeText(circuit_.ICHeight));
    txtNotizen->setText(circuit_.ICNotes);
    scrScale_Change(scrScale->value());
}

void frmIC::SetFields(const QString& name, const QString& width, const QString& height)
{
    txtName->setText(name);
    txtX->setText(width);
    txtY->setText(height);
}

void frmIC::ResetFields()
{
    {
        const QSignalBlocker block(txtName);
        txtName->clear();
    }
    txtX->clear();
    txtY->clear();
    {
        const QSignalBlocker block(txtNotizen);
        txtNotizen->clear();
    }
    for (auto& label : lblInOut_)
        delete label;
    lblInOut_.clear();
    for (QWidget* w : std::initializer_list<QWidget*>{txtX, txtY, cmdX.up, cmdX.down, cmdY.up, cmdY.down, Label2, Label3})
        w->setEnabled(true);
    picIC->update();
}

QLabel* frmIC::MakeLabel(int k)
{
    if (lblInOut_.size() <= static_cast<size_t>(k))
        lblInOut_.resize(static_cast<size_t>(k) + 1);
    QPointer<QLabel>& slot = lblInOut_[static_cast<size_t>(k)];
    if (!slot) {
        slot = new QLabel(picIC);
        slot->setObjectName(QStringLiteral("lblInOut%1").arg(k));
        slot->setMouseTracking(true);
        slot->installEventFilter(this);
    }
    return slot;
}

QLabel* frmIC::lblInOut(int k) const
{
    return k >= 0 && static_cast<size_t>(k) < lblInOut_.size() ? lblInOut_[static_cast<size_t>(k)].data() : nullptr;
}

void frmIC::DrawAnschluesse()
{
    ShowInOut();
}

void frmIC::DrawRaster(bool withRaster)
{
    picIC->showRaster = withRaster;
    picIC->update();
}

std::optional<QLineF> frmIC::linInOut(int k) const
{
    if (k < 1 || k > circuit_.ICPinCount)
        return std::nullopt;
    const auto pin = PinFromEntry(circuit_, ICViewScale, circuit_.ICGraphicPins.value(k));
    if (!pin)
        return std::nullopt;
    return QLineF(pin->from, pin->to);
}

void frmIC::ShowInOut()
{
    // Labels beyond the connectors are gone; an unplaced connector shows nothing.
    // Later: a right click on a label may be what removed its connector.
    while (lblInOut_.size() > static_cast<size_t>(circuit_.ICPinCount) + 1) {
        if (QLabel* gone = lblInOut_.back()) {
            gone->hide();
            gone->deleteLater();
        }
        lblInOut_.pop_back();
    }
    const OutlineBox box = OutlineAt(circuit_.ICWidth, circuit_.ICHeight, ICViewScale);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(ICViewScale))));
    for (int k = 1; k <= circuit_.ICPinCount; ++k) {
        QLabel* label = MakeLabel(k);
        const QString name = ConnectorName(circuit_, k);
        label->setFont(font);
        label->setText(name);
        label->setToolTip(LoadResString(2001) + QStringLiteral(": '") + name + QStringLiteral("' "));
        label->adjustSize();
        const auto pin = PinFromEntry(circuit_, ICViewScale, circuit_.ICGraphicPins.value(k));
        if (!pin) {
            label->hide();
            continue;
        }
        const QPointF at = LabelPlace(box, *pin, ICViewScale, label->width());
        label->move(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y())));
        label->show();
        label->raise();
    }
    picIC->update();
    CheckInOut();
}

void frmIC::CheckInOut()
{
    const bool free = !AnyConnectorPlaced(circuit_);
    for (QWidget* w : std::initializer_list<QWidget*>{txtX, txtY, cmdX.up, cmdX.down, cmdY.up, cmdY.down, Label2, Label3})
        if (w->isEnabled() != free)
            w->setEnabled(free);
}

void frmIC::ShowICName()
{
    lblName->setText(circuit_.ICName);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(std::max(1.0, ICViewScale * 0.75));
    lblName->setFont(font);
    lblName->adjustSize();
    lblName->show();
    const OutlineBox b = OutlineAt(circuit_.ICWidth, circuit_.ICHeight, ICViewScale);
    lblName->move(static_cast<int>(b.L + (b.W - lblName->width()) / 2),
                  static_cast<int>(b.T + (b.H - lblName->height()) / 2));
}

void frmIC::DrawIC()
{
    ShowICName();
    picIC->update();
}

void frmIC::ResizePicIC()
{
    picIC->resize(static_cast<int>(std::lround(ICViewScale * kRasterColumns)),
                  static_cast<int>(std::lround(ICViewScale * kRasterRows)));
}

void frmIC::CentreDrawing()
{
    const QPoint centre = lblName->geometry().center();
    picIC->move(picICFrame->width() / 2 - centre.x(), picICFrame->height() / 2 - centre.y());
}

void frmIC::scrScale_Change(int value)
{
    ICViewScale = value;
    picIC->scale = value;
    ResizePicIC();
    DrawRaster(true);
    DrawIC();
    DrawAnschluesse();
    CentreDrawing();
    picIC->show();
}

void frmIC::SizeChanged()
{
    DrawIC();
    ShowInOut();
}

void frmIC::cmdX_UpClick()
{
    if (StepICWidth(circuit_, 1)) {
        txtX->setText(SizeText(circuit_.ICWidth));
        SizeChanged();
    }
}

void frmIC::cmdX_DownClick()
{
    if (StepICWidth(circuit_, -1)) {
        txtX->setText(SizeText(circuit_.ICWidth));
        SizeChanged();
    }
}

void frmIC::cmdY_UpClick()
{
    if (StepICHeight(circuit_, 1)) {
        txtY->setText(SizeText(circuit_.ICHeight));
        SizeChanged();
    }
}

void frmIC::cmdY_DownClick()
{
    if (StepICHeight(circuit_, -1)) {
        txtY->setText(SizeText(circuit_.ICHeight));
        SizeChanged();
    }
}

void frmIC::txtX_Change(const QString& text)
{
    if (AnyConnectorPlaced(circuit_))
        return;
    if (TypeICWidth(circuit_, text))
        SizeChanged();
}

void frmIC::txtY_Change(const QString& text)
{
    if (AnyConnectorPlaced(circuit_))
        return;
    if (TypeICHeight(circuit_, text))
        SizeChanged();
}

void frmIC::txtX_LostFocus()
{
    if (Val(txtX->text()) < kMinICWidth)
        txtX->setText(SizeText(circuit_.ICWidth));
}

void frmIC::txtY_LostFocus()
{
    if (Val(txtY->text()) < kMinICHeight)
        txtY->setText(SizeText(circuit_.ICHeight));
}

void frmIC::txtName_Change(const QString& text)
{
    if (text.isEmpty()) {
        circuit_.ICName = kNoName;
    } else {
        const OutlineBox b = OutlineAt(circuit_.ICWidth, circuit_.ICHeight, ICViewScale);
        // A longer name is taken while it still fits in the outline.
        const bool fits = lblName->width() <= b.W - 10;
        if (!fits && text.size() > lblName->text().size())
            return;
        circuit_.ICName = text;
        if (NameTaken)
            NameTaken();
    }
    ShowICName();
}

void frmIC::txtNotizen_LostFocus()
{
    circuit_.ICNotes = OneLineNotes(txtNotizen->text());
}

void frmIC::picIC_DragOver(int index, QPointF at)
{
    if (index < 1 || index > circuit_.ICPinCount)
        return;
    connectorIndex_ = static_cast<int16_t>(index);
    const PlaceOutcome outcome = PlaceConnector(circuit_, index, ICViewScale, at.x(), at.y());
    if (outcome == PlaceOutcome::Refused) {
        if (QLabel* label = lblInOut(index))
            label->hide();
        picIC->update();
        return;
    }
    ShowInOut();
}

void frmIC::lblInOut_MouseDown(int index, Qt::MouseButton button)
{
    if (button != Qt::RightButton || index < 1 || index > circuit_.ICPinCount)
        return;
    if (RemoveConnector)
        RemoveConnector(index);
    ShowInOut();
}

void frmIC::lblInOut_MouseMove(int index)
{
    for (size_t j = 0; j < lblInOut_.size(); ++j)
        if (lblInOut_[j])
            lblInOut_[j]->setFrameShape(static_cast<int>(j) == index ? QFrame::Box : QFrame::NoFrame);
    if (PointAt)
        PointAt(index);
}

SaveICOutcome frmIC::cmdSpeichern_Click()
{
    txtNotizen_LostFocus();
    const QString name = txtName->text().isEmpty() ? QString() : lblName->text();
    const SaveICOutcome outcome = save_(name);
    if (outcome == SaveICOutcome::NoName)
        txtName->setFocus();
    if (outcome != SaveICOutcome::Saved)
        return outcome;
    {
        const QSignalBlocker block(txtName);
        txtName->setText(name);
    }
    if (Saved)
        Saved();
    cmdSchliessen_Click();
    return outcome;
}

void frmIC::cmdSchliessen_Click()
{
    if (closing_)
        return;
    closing_ = true;
    if (Closing)
        Closing();
    hide();
    closing_ = false;
}

void frmIC::closeEvent(QCloseEvent* event)
{
    // Closing by the title bar ends the view as Close does.
    cmdSchliessen_Click();
    event->accept();
}

bool frmIC::eventFilter(QObject* watched, QEvent* event)
{
    // A label being destroyed still sends events, but is no label any more.
    if (!qobject_cast<QLabel*>(watched))
        return QWidget::eventFilter(watched, event);
    if (watched == lblName && event->type() == QEvent::MouseButtonPress) {
        if (txtName->text().isEmpty())
            txtName->setText(QStringLiteral("ICName"));
        txtName->selectAll();
        txtName->setFocus();
        return true;
    }
    for (size_t k = 1; k < lblInOut_.size(); ++k) {
        if (watched != lblInOut_[k])
            continue;
        if (event->type() == QEvent::MouseButtonPress) {
            const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
            RunGuarded(&dialogs_, QStringLiteral("lblInOut_MouseDown"),
                       [&] { lblInOut_MouseDown(static_cast<int>(k), button); });
        }
        else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            lblInOut_MouseMove(static_cast<int>(k));
        break;
    }
    return QWidget::eventFilter(watched, event);
}
