#include "interactiveownerkeepertable.h"

#include "gui/core/context.h"
#include "gui/widget/minusbutton.h"
#include "gui/widget/plusbutton.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QJSValue>
#include <QPushButton>
#include <QTableWidget>

namespace Gui {

InteractiveOwnerKeeperTable::InteractiveOwnerKeeperTable(const QString &sourceUrl, QWidget *messageParent,
                                                         QWidget *parent)
    : OwnerKeeperTable(parent)
    , m_sourceUrl(sourceUrl)
    , m_messageParent(messageParent)
{
    auto *buttons = new QHBoxLayout;
    if (!m_sourceUrl.isEmpty()) {
        auto *plus = new PlusButton;
        plus->setObjectName(QStringLiteral("plusButton"));
        buttons->addWidget(plus);
        connect(plus, &QPushButton::clicked, this, &InteractiveOwnerKeeperTable::onPlusButtonClicked);
    }
    auto *minus = new MinusButton;
    minus->setObjectName(QStringLiteral("minusButton"));
    auto *removeAll = new QPushButton(tr("Remove All"));
    removeAll->setObjectName(QStringLiteral("removeAllButton"));
    buttons->addWidget(minus);
    buttons->addWidget(removeAll);
    buttons->addStretch();
    qobject_cast<QBoxLayout *>(layout())->addLayout(buttons);
    connect(minus, &QPushButton::clicked, this, &InteractiveOwnerKeeperTable::onMinusButtonClicked);
    connect(removeAll, &QPushButton::clicked, this, &InteractiveOwnerKeeperTable::onRemoveAllButtonClicked);
}

InteractiveOwnerKeeperTable::InteractiveOwnerKeeperTable(QWidget *parent)
    : OwnerKeeperTable(parent)
{
}

InteractiveOwnerKeeperTable::~InteractiveOwnerKeeperTable() = default;

QString InteractiveOwnerKeeperTable::absentOwnersText()
{
    return tr("Absent owners for creating report");
}

bool InteractiveOwnerKeeperTable::isValid()
{
    if (ownerCount() > 0)
        return true;
    Context::critical(absentOwnersText(), m_messageParent);
    return false;
}

void InteractiveOwnerKeeperTable::addSelection(const QVariant &result)
{
    // A page hands over a script array.
    const QVariant rows = result.userType() == qMetaTypeId<QJSValue>() ? result.value<QJSValue>().toVariant() : result;
    QVector<QPair<qint64, QString>> owners;
    for (const QVariant &element : rows.toList()) {
        const QVariantMap row = element.toMap();
        bool numeric = false;
        const qint64 id = row.value(QStringLiteral("id")).toString().toLongLong(&numeric);
        if (!numeric) {
            qWarning().noquote() << "Owner without a numeric id skipped:" << row.value(QStringLiteral("id")).toString()
                                 << row.value(QStringLiteral("sign")).toString();
            continue;
        }
        owners.append({id, row.value(QStringLiteral("sign")).toString()});
    }
    addOwners(owners);
}

void InteractiveOwnerKeeperTable::onPlusButtonClicked()
{
    const QVariantMap options{{QStringLiteral("isWindow"), true},
                              {QStringLiteral("state"), QStringLiteral("REPORT")},
                              {QStringLiteral("isNewInstance"), true},
                              {QStringLiteral("parentWidget"), QVariant::fromValue<QObject *>(m_messageParent.data())}};
    QObject *page = Context::createQmlFrame(m_sourceUrl, options);
    if (page)
        connect(page, SIGNAL(select(QVariant)), this, SLOT(onSourceTableSelect(QVariant)));
}

void InteractiveOwnerKeeperTable::onMinusButtonClicked()
{
    const int row = table()->currentRow();
    if (row < 0)
        return;
    table()->removeRow(row);
    table()->setCurrentCell(-1, -1);
}

void InteractiveOwnerKeeperTable::onRemoveAllButtonClicked()
{
    table()->clearContents();
    table()->setRowCount(0);
}

void InteractiveOwnerKeeperTable::onSourceTableSelect(QVariant result)
{
    addSelection(result);
}

} // namespace Gui
