#include "clockwidget.h"

#include "clocktimelabel.h"

#include "gui/core/context.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace Gui {

namespace {

constexpr int MaxOffsetMinutes = 840;

} // namespace

ClockWidget::ClockWidget(QWidget *parent)
    : QWidget(parent)
    , m_time(new ClockTimeLabel)
    , m_weekday(new QLabel)
    , m_offset(new QLabel)
    , m_date(new QLabel)
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    // Day and month names in the language of the program's texts, not the computer's.
    if (!Context::language().isEmpty())
        setLocale(QLocale(Context::language()));

    QFont timeFont = m_time->font();
    timeFont.setWeight(QFont::Bold);
    timeFont.setPointSize(25);
    m_time->setFont(timeFont);
    QFont weekdayFont = m_weekday->font();
    weekdayFont.setCapitalization(QFont::AllUppercase);
    m_weekday->setFont(weekdayFont);

    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(m_weekday);
    column->addWidget(m_offset);
    column->addWidget(m_date);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(10, 0, 10, 0);
    row->addWidget(m_time);
    row->addLayout(column);

    updateTime();
    m_timer.start(1000, Qt::CoarseTimer, this);
}

ClockWidget::~ClockWidget() = default;

QLabel *ClockWidget::timeLabel() const
{
    return m_time;
}

void ClockWidget::setClock(Clock clock)
{
    m_clock = std::move(clock);
    updateTime();
}

int ClockWidget::offsetMinutes(qint64 msecs)
{
    // An operator at UTC+0 has the offset 0: only a missing one falls back to the computer's.
    bool ok = false;
    const int offset = SpSingleton<Client::Controller::UserSession>::instance()->utcOffset().toInt(&ok);
    if (ok && qAbs(offset) <= MaxOffsetMinutes)
        return offset;
    return QDateTime::fromMSecsSinceEpoch(msecs).offsetFromUtc() / 60;
}

void ClockWidget::updateTime()
{
    const qint64 now = m_clock();
    const int offset = offsetMinutes(now);
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(now, Qt::OffsetFromUTC, offset * 60);
    const QLocale names = locale();
    m_time->setText(names.toString(moment, QStringLiteral("hh:mm")));
    m_weekday->setText(names.toString(moment, QStringLiteral("dddd")));
    m_offset->setText(QStringLiteral("UTC ") + m_utils.offset2Format(offset));
    m_date->setText(names.toString(moment, QStringLiteral("dd MMM yyyy")));
}

void ClockWidget::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        updateTime();
    else
        QWidget::timerEvent(event);
}

} // namespace Gui
