#include "shownperiod.h"

#include "pagecontrols.h"
#include "pageprogram.h"

#include "common/net/abstractcontroller.h"
#include "dayend.h"
#include "timelimit.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QtTest>

namespace {

// The stand-in's tables by controller name.
QJsonObject controllerTables()
{
    static const QJsonObject tables = [] {
        QFile file(qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/tools/standin-server/controllers.json"));
        if (!file.open(QIODevice::ReadOnly))
            qWarning().noquote() << "no map of controllers:" << file.fileName();
        return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("controllers")).toObject();
    }();
    return tables;
}

qint64 bound(QObject *control, const char *method)
{
    QVariant msec;
    QMetaObject::invokeMethod(control, method, Q_RETURN_ARG(QVariant, msec));
    return msec.toString().toLongLong();
}

// The page's file as the test names it: the URL of the page or of the item it lies in.
QString pageName(QObject *page)
{
    for (QObject *at = page; at; at = at->parent()) {
        const QString url = at->property("url").toString();
        if (!url.isEmpty())
            return url;
    }
    for (auto *item = qobject_cast<QQuickItem *>(page); item; item = item->parentItem()) {
        const QString url = item->property("url").toString();
        if (!url.isEmpty())
            return url;
    }
    return page ? QString::fromLatin1(page->metaObject()->className()) : QStringLiteral("a page");
}

} // namespace

ShownPeriod::ShownPeriod(QObject *page, qint64 openedMs)
    : m_page(page)
    , m_control(pageControl(page, QStringLiteral("period")))
    , m_view(page ? PageControls::tableViewOf(page) : nullptr)
    , m_openedMs(openedMs >= 0 ? openedMs : QDateTime::currentMSecsSinceEpoch() - timeLimit(60 * 1000))
{
    if (!m_control || !m_view)
        return;
    m_start = bound(m_control, "startUtcMsec");
    m_end = bound(m_control, "endUtcMsec");
    m_controller = m_view->property("controller").value<QObject *>();
    auto *controller = dynamic_cast<Common::AbstractController *>(m_controller.data());
    if (controller)
        m_table = controllerTables().value(controller->name()).toString();
}

QString ShownPeriod::dayFault(const PageProgram &program) const
{
    if (!isValid())
        return QStringLiteral("no period control with a list under ") + pageName(m_page);
    const QString fault = DayEnd::periodFault(pageName(m_page) + QStringLiteral(" (") + m_table + QLatin1Char(')'),
                                              m_start, m_end, m_openedMs, QDateTime::currentMSecsSinceEpoch(),
                                              program.utcOffset());
    DayEnd::noteCheck();
    return fault;
}

int ShownPeriod::holdRows(PageProgram &program, const QString &condition) const
{
    if (!isValid() || m_end <= m_start)
        return -1;
    const QString fault = dayFault(program);
    if (!fault.isEmpty()) {
        qWarning().noquote() << "no rows dated into the period:" << fault;
        return -1;
    }
    const QVariant moved = program.query(
        QStringLiteral("WITH moved AS (UPDATE %1 SET dt_utc_insert = LEAST(GREATEST(dt_utc_insert, ?), ?)"
                       " WHERE (%2) AND (dt_utc_insert < ? OR dt_utc_insert >= ?) RETURNING id)"
                       " SELECT count(*) FROM moved")
            .arg(m_table, condition),
        {m_start, m_end - 1, m_start, m_end});
    return moved.isValid() ? moved.toInt() : -1;
}

bool ShownPeriod::keepRows(PageProgram &program, const QString &condition) const
{
    const int moved = holdRows(program, condition);
    if (moved <= 0)
        return moved == 0;
    // A list on its way is awaited; one not asked yet reads the rows moved.
    const auto idle = [this] { return m_view && !m_view->property("isListPending").toBool(); };
    if (!QTest::qWaitFor(idle, timeLimit(10000)))
        return false;
    // The list asked again (a page not started yet asks none) heard by the stand-in and answered,
    // so that what the test counts next follows it.
    const QString receiver = m_controller ? m_controller->property("objectNumber").toString() : QString();
    const auto isList = [receiver](const QJsonObject &event) {
        const QJsonObject message = event.value(QStringLiteral("message")).toObject();
        return event.value(QStringLiteral("event")).toString() == QLatin1String("message")
            && message.value(QStringLiteral("FN")).toString().endsWith(QLatin1String("_trGetList"))
            && message.value(QStringLiteral("RECEIVER")).toString() == receiver;
    };
    const int lists = program.server().count(isList);
    QMetaObject::invokeMethod(m_control, "changeFinished");
    if (m_view->property("isListPending").toBool() && !program.server().waitForCount(isList, lists + 1))
        return false;
    return QTest::qWaitFor(idle, timeLimit(10000));
}
