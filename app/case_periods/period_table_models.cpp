#include "app/case_periods/period_table_models.h"

#include "app/widgets/rejected_input_hint.h"
#include "dates/case_periods_file.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace pellumo {
namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QDate FirstOffered(1900, 1, 1);
const QDate LastOffered(9999, 12, 31);

constexpr CustodyKind KindsInOrder[] = {CustodyKind::Detained, CustodyKind::DesignatedResidence,
                                        CustodyKind::AdministrativeDetention};

QVariant DayCell(const QDate &day, int role)
{
    if (role == Qt::DisplayRole)
        return day.toString(DayFormat);
    if (role == Qt::EditRole)
        return day;
    return {};
}

QVariant NumberCell(int number, int role)
{
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::number(number);
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

// An emptied cell holds 0.
std::optional<int> NumberGiven(const QVariant &value, int most)
{
    const QString text = value.toString().trimmed();
    bool ok = text.isEmpty();
    const int number = ok ? 0 : text.toInt(&ok);
    if (!ok || number < 0 || number > most)
        return std::nullopt;
    return number;
}

class WholeNumberDelegate : public QStyledItemDelegate
{
public:
    WholeNumberDelegate(int digits, QString explanation, QObject *parent)
        : QStyledItemDelegate(parent), m_digits(digits), m_explanation(std::move(explanation))
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QLineEdit(parent);
        const QRegularExpression digits(QStringLiteral("\\d{0,%1}").arg(m_digits));
        editor->setValidator(new QRegularExpressionValidator(digits, editor));
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ExplainRejectedInput(editor, m_explanation);
        return editor;
    }

private:
    int m_digits;
    QString m_explanation;
};

class ReasonDelegate : public QStyledItemDelegate
{
public:
    ReasonDelegate(std::function<QStringList()> offered, QObject *parent)
        : QStyledItemDelegate(parent), m_offered(std::move(offered))
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QComboBox(parent);
        editor->setEditable(true);
        editor->setInsertPolicy(QComboBox::NoInsert);
        editor->addItems(m_offered());
        editor->lineEdit()->setMaxLength(MaxCasePeriodsTextLength);
        // A reason picked from the list takes effect at once.
        connect(editor, &QComboBox::activated, this, [this, editor] {
            Q_EMIT const_cast<ReasonDelegate *>(this)->commitData(editor);
        });
        return editor;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QComboBox *>(editor)->setEditText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
    }

private:
    std::function<QStringList()> m_offered;
};

class CustodyKindDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QComboBox(parent);
        for (CustodyKind kind : KindsInOrder)
            editor->addItem(CustodyKindName(kind), int(kind));
        connect(editor, &QComboBox::activated, this, [this, editor] {
            Q_EMIT const_cast<CustodyKindDelegate *>(this)->commitData(editor);
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

} // namespace

NotCountedModel::NotCountedModel(QObject *parent)
    : CaseRowsModel({QStringLiteral("起日"), QStringLiteral("止日"), QStringLiteral("事由")}, parent)
{
}

QVariant NotCountedModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const NotCounted &interval = m_rows[index.row()];
    if (index.column() == Reason)
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(interval.reason) : QVariant();
    return DayCell(index.column() == First ? interval.first : interval.last, role);
}

bool NotCountedModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::EditRole)
        return false;
    NotCounted &interval = m_rows[index.row()];
    if (index.column() == Reason) {
        if (value.toString().size() > MaxCasePeriodsTextLength)
            return false;
        interval.reason = value.toString();
    } else {
        const std::optional<QDate> day = DayGiven(value);
        if (!day)
            return false;
        (index.column() == First ? interval.first : interval.last) = *day;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

ExtensionsModel::ExtensionsModel(QObject *parent)
    : CaseRowsModel({QStringLiteral("月"), QStringLiteral("日")}, parent)
{
}

QVariant ExtensionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Extension &extension = m_rows[index.row()];
    return NumberCell(index.column() == Months ? extension.months : extension.days, role);
}

bool ExtensionsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::EditRole)
        return false;
    const std::optional<int> number = NumberGiven(value, index.column() == Months ? MaxTermMonths : MaxTermDays);
    if (!number)
        return false;
    Extension &extension = m_rows[index.row()];
    (index.column() == Months ? extension.months : extension.days) = *number;
    Q_EMIT dataChanged(index, index);
    return true;
}

CustodyModel::CustodyModel(QObject *parent)
    : CaseRowsModel({QStringLiteral("起日"), QStringLiteral("止日"), QStringLiteral("种类")}, parent)
{
}

QVariant CustodyModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const CustodySpell &spell = m_rows[index.row()];
    if (index.column() != Kind)
        return DayCell(index.column() == First ? spell.first : spell.last, role);
    if (role == Qt::DisplayRole)
        return CustodyKindName(spell.kind);
    return role == Qt::EditRole ? QVariant(int(spell.kind)) : QVariant();
}

bool CustodyModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::EditRole)
        return false;
    CustodySpell &spell = m_rows[index.row()];
    if (index.column() == Kind) {
        const int kind = value.toInt();
        if (kind < int(CustodyKind::Detained) || kind > int(CustodyKind::AdministrativeDetention))
            return false;
        spell.kind = CustodyKind(kind);
    } else {
        const std::optional<QDate> day = DayGiven(value);
        if (!day)
            return false;
        (index.column() == First ? spell.first : spell.last) = *day;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

QStyledItemDelegate *NewWholeNumberDelegate(int digits, const QString &whatTheCellTakes, QObject *parent)
{
    return new WholeNumberDelegate(digits, whatTheCellTakes, parent);
}

QStyledItemDelegate *NewReasonDelegate(std::function<QStringList()> offered, QObject *parent)
{
    return new ReasonDelegate(std::move(offered), parent);
}

QStyledItemDelegate *NewCustodyKindDelegate(QObject *parent)
{
    return new CustodyKindDelegate(parent);
}

} // namespace pellumo
