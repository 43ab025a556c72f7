#include "searchrule.h"

#include "gui/widget/datetimeedit.h"
#include "gui/widget/lineedit.h"
#include "gui/widget/minusbutton.h"
#include "gui/widget/plusbutton.h"

#include "client/controller/list/search.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>

namespace Gui {

namespace {

const QString RoleKey = QStringLiteral("role");
const QString TitleKey = QStringLiteral("title");

} // namespace

SearchRule::SearchRule(Client::Controller::Search *roleController, const QString &role, const QString &operation,
                       const QString &value, const QString &condition, bool used, QWidget *parent)
    : QWidget(parent)
    , m_roleController(roleController)
    , m_used(new QCheckBox(this))
    , m_role(new QComboBox(this))
    , m_operation(new QComboBox(this))
    , m_textValue(new LineEdit(this))
    , m_dateTimeValue(new DateTimeEdit(this))
    , m_condition(new QComboBox(this))
    , m_remove(new MinusButton(this))
    , m_add(new PlusButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_used);
    layout->addWidget(m_role);
    layout->addWidget(m_operation);
    layout->addWidget(m_textValue, 1);
    layout->addWidget(m_dateTimeValue, 1);
    layout->addWidget(m_condition);
    layout->addWidget(m_remove);
    layout->addWidget(m_add);

    m_used->setChecked(used);
    m_role->setEditable(true);
    // A typed name chooses a field of the list; it never becomes a new one.
    m_role->setInsertPolicy(QComboBox::NoInsert);
    m_role->setModel(roleController->proxyModel());
    m_role->setModelColumn(0);
    m_role->setCurrentIndex(roleController->proxyModel()->checkValueByRole(RoleKey, role));
    addOperations();
    m_operation->setCurrentIndex(m_operation->findData(operation));
    addConditions();
    m_condition->setCurrentIndex(m_condition->findData(condition));
    setValue(value);
    showValueEditor();

    connect(m_role, qOverload<int>(&QComboBox::currentIndexChanged), this, &SearchRule::showValueEditor);
    connect(m_role, &QComboBox::editTextChanged, this, &SearchRule::showValueEditor);
    connect(m_remove, &QPushButton::clicked, this, &SearchRule::removed);
    connect(m_add, &QPushButton::clicked, this, &SearchRule::appended);
}

SearchRule::~SearchRule() = default;

void SearchRule::addOperations()
{
    for (const char *operation : {"=", "!=", ">", ">=", "<", "<="})
        m_operation->addItem(QLatin1String(operation), QLatin1String(operation));
    m_operation->addItem(tr("Contains"), QStringLiteral("contains"));
    m_operation->addItem(tr("Not contains"), QStringLiteral("not_contains"));
}

void SearchRule::addConditions()
{
    m_condition->addItem(tr("And"), QStringLiteral("and"));
    m_condition->addItem(tr("Or"), QStringLiteral("or"));
}

void SearchRule::setValue(const QString &value)
{
    if (!isDateTime()) {
        m_textValue->setText(value);
        return;
    }
    // Text that is no number reads as the epoch.
    m_dateTimeValue->setDateTime(value.isEmpty() ? QDateTime::currentDateTime()
                                                 : QDateTime::fromMSecsSinceEpoch(value.toLongLong()));
}

int SearchRule::roleRow() const
{
    const QString text = m_role->currentText();
    const int index = m_role->currentIndex();
    if (index >= 0 && m_role->itemText(index) == text)
        return index;
    const auto *roles = m_roleController->proxyModel();
    for (int row = 0; row < roles->rowCount(); ++row) {
        if (roles->data(row, TitleKey).toString().compare(text, Qt::CaseInsensitive) == 0
            || roles->data(row, RoleKey).toString().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

QString SearchRule::role() const
{
    const int row = roleRow();
    return row < 0 ? QString() : m_roleController->proxyModel()->data(row, RoleKey).toString();
}

QString SearchRule::operation() const
{
    return m_operation->currentData().toString();
}

QString SearchRule::value() const
{
    if (isDateTime())
        return QString::number(m_dateTimeValue->dateTime().toMSecsSinceEpoch());
    return m_textValue->text();
}

QString SearchRule::condition() const
{
    return m_condition->currentData().toString();
}

bool SearchRule::isUsed() const
{
    return m_used->isChecked();
}

bool SearchRule::isDateTime() const
{
    return isDateTimeRole(role());
}

void SearchRule::setRemoveEnabled(bool enabled)
{
    m_remove->setEnabled(enabled);
}

bool SearchRule::isDateTimeRole(const QString &role)
{
    return role.startsWith(QLatin1String("dt_"));
}

void SearchRule::showValueEditor()
{
    const bool dateTime = isDateTime();
    m_textValue->setHidden(dateTime);
    m_dateTimeValue->setHidden(!dateTime);
}

} // namespace Gui
