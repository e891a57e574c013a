#include "app/ledger/case_table_models.h"

#include "app/widgets/rejected_input_hint.h"
#include "interest/execution_case_file.h"
#include "interest/execution_ledger_text.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace pellumo {
namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QString AmountText = QStringLiteral("\\d{1,12}(\\.\\d{0,2})?|\\.\\d{1,2}");
const QRegularExpression AmountPattern(AmountText);
const QRegularExpression WholeAmount(QRegularExpression::anchoredPattern(AmountText));
// The earliest and latest days a date cell offers.
const QDate FirstOffered(1900, 1, 1);
const QDate LastOffered(9999, 12, 31);

constexpr DebtKind KindsInOrder[] = {DebtKind::Principal,      DebtKind::Damages,       DebtKind::LawyerFee,
                                     DebtKind::LitigationCost, DebtKind::AppraisalCost, DebtKind::Other};

QVariant DayCell(const QDate &day, int role)
{
    if (role == Qt::DisplayRole)
        return day.toString(DayFormat);
    if (role == Qt::EditRole)
        return day;
    return {};
}

QVariant AmountCell(const Money &amount, int role)
{
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return MoneyToFigures(amount);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

std::optional<QDate> DayGiven(const QVariant &value)
{
    const QDate day = value.toDate();
    if (!day.isValid() || day < FirstOffered || day > LastOffered)
        return std::nullopt;
    return day;
}

class DateDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QDateEdit(parent);
        editor->setDisplayFormat(DayFormat);
        editor->setCalendarPopup(true);
        editor->setDateRange(FirstOffered, LastOffered);
        ExplainRejectedInput(editor, FieldTakes::Day);
        return editor;
    }
};

class KindDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QComboBox(parent);
        for (DebtKind kind : KindsInOrder)
            editor->addItem(DebtKindName(kind), int(kind));
        // The choice takes effect at once: no second click or Enter needed.
        connect(editor, &QComboBox::activated, this, [this, editor] {
            auto *self = const_cast<KindDelegate *>(this);
            Q_EMIT self->commitData(editor);
        });
        return editor;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *combo = static_cast<QComboBox *>(editor);
        combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentData(), Qt::EditRole);
    }
};

class AmountDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setValidator(new QRegularExpressionValidator(AmountPattern, editor));
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ExplainRejectedInput(editor, FieldTakes::Amount);
        return editor;
    }
};

} // namespace

std::optional<Money> AmountTyped(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!WholeAmount.match(trimmed).hasMatch())
        return std::nullopt;
    const std::optional<Money> amount = ParseMoney(trimmed);
    if (!amount || !IsCaseAmount(*amount))
        return std::nullopt;
    return amount;
}

void RemoveChosenRows(QTableView *view)
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && view->currentIndex().isValid())
        rows.append(view->currentIndex().row());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : rows)
        view->model()->removeRows(row, 1);
}

DebtItemsModel::DebtItemsModel(QObject *parent)
    : CaseRowsModel({QStringLiteral("名称"), QStringLiteral("金额（元）"), QStringLiteral("种类"),
                     QStringLiteral("履行期限届满日"), QStringLiteral("计入加倍基数")},
                    parent)
{
}

QVariant DebtItemsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const DebtItem &item = m_rows[index.row()];
    switch (index.column()) {
    case Name:
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(item.name) : QVariant();
    case Amount:
        return AmountCell(item.amount, role);
    case Kind:
        if (role == Qt::DisplayRole)
            return DebtKindName(item.kind);
        return role == Qt::EditRole ? QVariant(int(item.kind)) : QVariant();
    case LastPerformanceDay:
        return DayCell(item.lastPerformanceDay, role);
    case InDoubledBase:
        return role == Qt::CheckStateRole ? QVariant(item.inDoubledBase ? Qt::Checked : Qt::Unchecked) : QVariant();
    default:
        return {};
    }
}

bool DebtItemsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return false;
    DebtItem &item = m_rows[index.row()];
    int lastChanged = index.column();
    switch (index.column()) {
    case Name:
        if (role != Qt::EditRole || value.toString().size() > MaxCaseTextLength)
            return false;
        item.name = value.toString();
        break;
    case Amount: {
        const std::optional<Money> amount = role == Qt::EditRole ? AmountTyped(value.toString()) : std::nullopt;
        if (!amount)
            return false;
        item.amount = *amount;
        break;
    }
    case Kind: {
        const int kind = value.toInt();
        if (role != Qt::EditRole || kind < int(DebtKind::Principal) || kind > int(DebtKind::Other))
            return false;
        // A new kind brings its own default for the doubled base.
        item.kind = DebtKind(kind);
        item.inDoubledBase = InDoubledBaseByDefault(item.kind);
        lastChanged = InDoubledBase;
        break;
    }
    case LastPerformanceDay: {
        const std::optional<QDate> day = role == Qt::EditRole ? DayGiven(value) : std::nullopt;
        if (!day)
            return false;
        item.lastPerformanceDay = *day;
        break;
    }
    case InDoubledBase:
        if (role != Qt::CheckStateRole)
            return false;
        item.inDoubledBase = value.toInt() == Qt::Checked;
        break;
    default:
        return false;
    }
    Q_EMIT dataChanged(index, index.siblingAtColumn(lastChanged));
    return true;
}

Qt::ItemFlags DebtItemsModel::flags(const QModelIndex &index) const
{
    if (index.column() == InDoubledBase)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    return CaseRowsModel::flags(index);
}

CreditsModel::CreditsModel(QObject *parent)
    : CaseRowsModel({QStringLiteral("到位日期"), QStringLiteral("金额（元）")}, parent)
{
}

QVariant CreditsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Credit &credit = m_rows[index.row()];
    return index.column() == Day ? DayCell(credit.day, role) : AmountCell(credit.amount, role);
}

bool CreditsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::EditRole)
        return false;
    Credit &credit = m_rows[index.row()];
    if (index.column() == Day) {
        const std::optional<QDate> day = DayGiven(value);
        if (!day)
            return false;
        credit.day = *day;
    } else {
        const std::optional<Money> amount = AmountTyped(value.toString());
        if (!amount)
            return false;
        credit.amount = *amount;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

ExcludedPeriodsModel::ExcludedPeriodsModel(QObject *parent)
    : CaseRowsModel({QStringLiteral("起日"), QStringLiteral("止日")}, parent)
{
}

QVariant ExcludedPeriodsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ExcludedPeriod &period = m_rows[index.row()];
    return DayCell(index.column() == First ? period.first : period.last, role);
}

bool ExcludedPeriodsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::EditRole)
        return false;
    const std::optional<QDate> day = DayGiven(value);
    if (!day)
        return false;
    ExcludedPeriod &period = m_rows[index.row()];
    (index.column() == First ? period.first : period.last) = *day;
    Q_EMIT dataChanged(index, index);
    return true;
}

TextRowsModel::TextRowsModel(QStringList header, QList<int> figureColumns, QObject *parent)
    : QAbstractTableModel(parent), m_header(std::move(header)), m_figureColumns(std::move(figureColumns))
{
}

int TextRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_header.size());
}

QVariant TextRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QString text = m_rows[index.row()].value(index.column());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((m_figureColumns.contains(index.column()) ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    return {};
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? QVariant(m_header.value(section)) : QVariant(section + 1);
}

void TextRowsModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QStyledItemDelegate *NewDateDelegate(QObject *parent)
{
    return new DateDelegate(parent);
}

QStyledItemDelegate *NewKindDelegate(QObject *parent)
{
    return new KindDelegate(parent);
}

QStyledItemDelegate *NewAmountDelegate(QObject *parent)
{
    return new AmountDelegate(parent);
}

} // namespace pellumo
