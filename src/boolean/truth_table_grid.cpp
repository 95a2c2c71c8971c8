#include "boolean/truth_table_grid.h"

#include "boolean/clsGroups.h"
#include "model/settings.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kUndefinedIndexId = 1526;
constexpr int kHistoryLimit = 25;
constexpr int kCheckedRows = 33; // rows 0 to 32

QString Letter(int column)
{
    return QString(QChar(u'A' + column));
}

int16_t WholePart(const QString& text)
{
    const double v = Int(Val(text));
    return static_cast<int16_t>(std::clamp(v, -32768.0, 32767.0));
}

int32_t Numeric(const QString& text)
{
    const double v = RoundHalfEven(Val(text));
    return static_cast<int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

} // namespace

TruthTableGrid::TruthTableGrid(int firstTop, int frameHeight)
{
    picLineBox.Height = frameHeight;
    picLineFrame.Height = frameHeight;
    for (int row = 0; row < 2; ++row) {
        TableCell result;
        result.Top = firstTop + row * (result.Height + kRowGap);
        lblResult.push_back(result);
        for (int c = 0; c < kColumns; ++c)
            lblLine.push_back(result);
    }
    UpdateScrollRange();
}

void TruthTableGrid::SetCell(TableCell& cell, int value)
{
    cell.ForeColor = value == 1 ? kRed : 0;
    cell.Tag = QString::number(value);
    cell.Caption = cell.Tag;
}

void TruthTableGrid::SetlblLine(int index, int value)
{
    if (index < 0 || index >= static_cast<int>(lblLine.size())) {
        if (Dialogs)
            Dialogs->ShowMessage(LoadResString(kUndefinedIndexId), MessageButtons::OK, MessageIcon::None, QString());
        return;
    }
    SetCell(lblLine[static_cast<std::size_t>(index)], value);
}

void TruthTableGrid::SetlblResult(int index, int value)
{
    if (index < 0 || index >= static_cast<int>(lblResult.size())) {
        if (Dialogs)
            Dialogs->ShowMessage(LoadResString(kUndefinedIndexId), MessageButtons::OK, MessageIcon::None, QString());
        return;
    }
    SetCell(lblResult[static_cast<std::size_t>(index)], value);
}

void TruthTableGrid::UpdateScrollRange()
{
    scrLines.Max = picLineBox.Height - picLineFrame.Height;
}

void TruthTableGrid::AddLine()
{
    for (int c = 0; c < kColumns; ++c) {
        const int k = static_cast<int>(lblLine.size());
        TableCell cell = lblLine[static_cast<std::size_t>(k - kColumns)];
        cell.Top += cell.Height + kRowGap;
        lblLine.push_back(cell);
        if (cell.Enabled) {
            SetlblLine(k, 0);
        } else {
            TableCell& added = lblLine.back();
            added.ForeColor = 0;
            added.Tag = QStringLiteral("0");
            added.Caption.clear();
        }
    }
    TableCell result = lblResult.back();
    result.Top += result.Height + kRowGap;
    result.Tag = QStringLiteral("1");
    lblResult.push_back(result);
    const int row = Rows() - 1;
    // The result cell's click turns its "1" into "0".
    SetlblResult(row, 0);
    if (ResultClicked)
        ResultClicked(row);
    if (Rows() >= 5) {
        const TableCell& last = lblLine.back();
        picLineBox.Height = last.Top + last.Height + kRowGap;
    }
    UpdateScrollRange();
}

void TruthTableGrid::RemoveLine()
{
    if (Rows() <= 1)
        return;
    lblLine.resize(lblLine.size() - kColumns);
    lblResult.pop_back();
    if (Rows() - 1 > 2) {
        const TableCell& last = lblLine.back();
        picLineBox.Height = last.Top + last.Height + kRowGap;
    }
    UpdateScrollRange();
}

void TruthTableGrid::SetColumnInUse(int c, bool inUse)
{
    if (c < 0 || c >= kColumns)
        return;
    if (c < kUsableColumns)
        lblSpalte[static_cast<std::size_t>(c)] = inUse;
    for (int row = 0; row < Rows(); ++row) {
        TableCell& cell = lblLine[static_cast<std::size_t>(row * kColumns + c)];
        cell.Enabled = inUse;
        if (inUse) {
            SetCell(cell, 0);
        } else {
            cell.ForeColor = 0;
            cell.Tag = QStringLiteral("0");
            cell.Caption.clear();
        }
    }
}

void TruthTableGrid::SortTabelle()
{
    int last = kUsableColumns - 1;
    while (last >= 0 && !lblSpalte[static_cast<std::size_t>(last)])
        --last;
    for (int c = last, k = 0; c >= 0; --c, ++k) {
        for (int row = 0; row <= LastRow(); ++row)
            SetlblLine(row * kColumns + c, (row >> k) & 1);
    }
}

bool TruthTableGrid::CheckForErrors()
{
    QStringList zeros(kCheckedRows);
    QStringList ones(kCheckedRows);
    for (int row = 0; row <= LastRow() && row < kCheckedRows; ++row) {
        QString inputs;
        for (int c = 0; c < kUsableColumns; ++c)
            inputs += Cell(row, c).Tag;
        if (lblResult[static_cast<std::size_t>(row)].Tag == QStringLiteral("0"))
            zeros[row] = inputs;
        else
            ones[row] = inputs;
    }
    for (const QString& zero : zeros) {
        for (const QString& one : ones) {
            if (!zero.isEmpty() && zero == one) {
                lblFehlerColor = kYellow;
                return true;
            }
        }
    }
    if (lblFehlerColor == kYellow)
        lblFehlerColor = kGrey;
    return false;
}

QString TruthTableGrid::CreateTerm(NormalForm form) const
{
    const bool conjunctive = form == NormalForm::Conjunctive;
    const QString skipped = conjunctive ? QStringLiteral("1") : QStringLiteral("0");
    const QString plain = conjunctive ? QStringLiteral("0") : QStringLiteral("1");
    const QString inner = conjunctive ? QStringLiteral("v") : QStringLiteral("&");
    const QString outer = conjunctive ? QStringLiteral("&") : QStringLiteral("v");
    QStringList terms;
    for (int row = 0; row <= LastRow(); ++row) {
        if (lblResult[static_cast<std::size_t>(row)].Tag == skipped)
            continue;
        QStringList literals;
        for (int c = 0; c < kUsableColumns && Cell(row, c).Enabled; ++c) {
            const bool asIs = Cell(row, c).Tag == plain;
            literals << (asIs ? Letter(c) : QStringLiteral("<") + Letter(c) + QStringLiteral(">"));
        }
        terms << QStringLiteral("(") + literals.join(inner) + QStringLiteral(")");
    }
    return terms.join(outer);
}

void AddTermToList(QStringList& history, const QString& text)
{
    if (text.isEmpty())
        return;
    const qsizetype at = history.indexOf(text);
    if (at >= 0) {
        history.move(at, 0);
        return;
    }
    if (history.size() >= kHistoryLimit)
        history.removeAt(kHistoryLimit - 1);
    history.prepend(text);
}

void SaveTermOptions(const TermOptions& options, Settings& settings)
{
    settings.BoolAbstandBauteileX = WholePart(options.txtOption[0]);
    settings.BoolAbstandBauteileY = WholePart(options.txtOption[1]);
    settings.BoolAbstandSchalter = WholePart(options.txtOption[2]);
    settings.BoolVereinfachen = static_cast<int16_t>(options.chkVereinfachen);
    settings.BoolSave = static_cast<int16_t>(options.chkSave);
    settings.BoolSorted = options.chkSorted ? -1 : 0;
    settings.BoolTerme = options.history.join(u'|');
}

TermOptions LoadTermOptions(const Settings& settings)
{
    TermOptions options;
    options.txtOption[0] = QString::number(settings.BoolAbstandBauteileX);
    options.txtOption[1] = QString::number(settings.BoolAbstandBauteileY);
    options.txtOption[2] = QString::number(settings.BoolAbstandSchalter);
    options.chkVereinfachen = settings.BoolVereinfachen;
    options.chkSave = settings.BoolSave;
    options.chkSorted = settings.BoolSorted != 0;
    // Every "|" ends an entry, even an empty one; a non-empty rest is the last.
    QString piece;
    for (QChar c : settings.BoolTerme) {
        if (c == u'|') {
            options.history << piece;
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.isEmpty())
        options.history << piece;
    return options;
}

void SetProperties(const std::array<QString, 3>& txtOption, clsGroups& groups)
{
    groups.AbstandBreite = Numeric(txtOption[0]);
    groups.AbstandHoehe = Numeric(txtOption[1]);
    groups.AbstandSchaltungX = 3;
    groups.AbstandSchaltungY = 3;
    groups.AbstandVariablen = Numeric(txtOption[2]);
    groups.StartX = 3;
    groups.StartY = 3;
}

std::optional<QString> TruthTableGrid::GenTerm(bool chkSchnell, NormalForm form) const
{
    if (!chkSchnell)
        return std::nullopt;
    return CreateTerm(form);
}
