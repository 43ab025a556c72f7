#include "startenddatetimeedit.h"

#include "gui/core/context.h"
#include "gui/widget/datetimeedit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace Gui {

namespace {

const QString editFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

QDateTime startOf(const QDate &date)
{
    return QDateTime(date, QTime(0, 0));
}

QDateTime endOf(const QDate &date)
{
    return QDateTime(date, QTime(23, 59, 59, 999));
}

} // namespace

StartEndDateTimeEdit::StartEndDateTimeEdit(int preset, QWidget *parent)
    : QWidget(parent)
    , m_start(new DateTimeEdit)
    , m_end(new DateTimeEdit)
    , m_apply(new QPushButton(tr("Apply")))
{
    m_start->setDisplayFormat(editFormat);
    m_end->setDisplayFormat(editFormat);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Start date:")));
    layout->addWidget(m_start);
    layout->addWidget(new QLabel(tr("End date:")));
    layout->addWidget(m_end);
    layout->addWidget(m_apply);
    layout->addStretch();
    m_apply->hide();
    connect(m_apply, &QPushButton::clicked, this, &StartEndDateTimeEdit::applyClicked);
    setPeriod(preset);
}

StartEndDateTimeEdit::~StartEndDateTimeEdit() = default;

QDateTime StartEndDateTimeEdit::startDateTime() const
{
    return m_start->dateTime();
}

QDateTime StartEndDateTimeEdit::endDateTime() const
{
    return m_end->dateTime();
}

void StartEndDateTimeEdit::setStartDateTime(const QDateTime &dateTime)
{
    m_start->setDateTime(dateTime);
}

void StartEndDateTimeEdit::setEndDateTime(const QDateTime &dateTime)
{
    m_end->setDateTime(dateTime);
}

void StartEndDateTimeEdit::setApplyButtonVisible(bool visible)
{
    m_apply->setVisible(visible);
}

bool StartEndDateTimeEdit::isValid(QWidget *messageParent)
{
    if (startDateTime() <= endDateTime())
        return true;
    Context::critical(reversedText(), messageParent);
    return false;
}

QString StartEndDateTimeEdit::reversedText()
{
    return tr("The start of the period is later than its end");
}

void StartEndDateTimeEdit::setPeriod(int preset)
{
    const QDate today = QDate::currentDate();
    QDateTime start;
    QDateTime end = endOf(today.addDays(-1));
    switch (preset) {
    case 0:
        start = startOf(today);
        end = endOf(today);
        break;
    case 1:
        start = startOf(today.addDays(-1));
        break;
    case 2:
        start = startOf(today.addDays(-7));
        break;
    case 3:
        start = startOf(today.addMonths(-1));
        break;
    case 4:
        start = startOf(today.addYears(-1));
        break;
    default:
        break;
    }
    if (start.isValid())
        m_start->setDateTime(start);
    m_end->setDateTime(end);
}

} // namespace Gui
