#include "intervalwidget.h"

#include "gui/widget/doubleedit.h"
#include "gui/widget/minusbutton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace Gui::Dialog {

namespace {

enum IntervalType {
    IntervalHrnPerKm,
    IntervalHrnPerMin,
    IntervalHrnPerOrder,
    IntervalCommissionPerOrderAbs,
    IntervalCommissionPerOrderRel,
    IntervalCashback,
    IntervalHrnPerHour,
};

QString per(const QString &unit)
{
    return IntervalWidget::tr("hrn") + QLatin1Char('/') + unit;
}

} // namespace

IntervalWidget::IntervalWidget(const QString &entry, int type, QWidget *parent)
    : QWidget(parent)
    , m_threshold(new DoubleEdit)
    , m_value(new DoubleEdit)
    , m_remove(new MinusButton)
{
    const QStringList parts = entry.split(QLatin1Char('='));
    m_threshold->setText(parts.first());
    m_value->setText(parts.last());
    m_threshold->setMaximumWidth(70);
    m_value->setMaximumWidth(70);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Before")));
    layout->addWidget(m_threshold);
    layout->addWidget(new QLabel(thresholdUnit(type)));
    layout->addWidget(m_value);
    layout->addWidget(new QLabel(valueUnit(type)));
    layout->addWidget(m_remove);
    layout->addStretch();
    connect(m_remove, &QPushButton::clicked, this, &IntervalWidget::removed);
}

IntervalWidget::~IntervalWidget() = default;

QString IntervalWidget::threshold() const
{
    return m_threshold->text();
}

QString IntervalWidget::value() const
{
    return m_value->text();
}

QLineEdit *IntervalWidget::thresholdEdit() const
{
    return m_threshold;
}

QLineEdit *IntervalWidget::valueEdit() const
{
    return m_value;
}

MinusButton *IntervalWidget::removeButton() const
{
    return m_remove;
}

QString IntervalWidget::thresholdUnit(int type)
{
    switch (type) {
    case IntervalHrnPerKm:
        return tr("km");
    case IntervalHrnPerMin:
        return tr("min");
    case IntervalHrnPerOrder:
    case IntervalCashback:
        return tr("orders");
    case IntervalCommissionPerOrderAbs:
    case IntervalCommissionPerOrderRel:
        return tr("hrn");
    default:
        return QString();
    }
}

QString IntervalWidget::valueUnit(int type)
{
    switch (type) {
    case IntervalHrnPerKm:
        return per(tr("km"));
    case IntervalHrnPerMin:
        return per(tr("min"));
    case IntervalHrnPerOrder:
    case IntervalCommissionPerOrderAbs:
        return per(tr("order"));
    case IntervalCommissionPerOrderRel:
        return QStringLiteral("%/") + tr("order");
    case IntervalCashback:
        return tr("hrn");
    case IntervalHrnPerHour:
        return per(tr("hour"));
    default:
        return QString();
    }
}

} // namespace Gui::Dialog
