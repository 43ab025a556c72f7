// Times drawn relative to the operator's day ("23:58" today, "yesterday, 23:52") are drawn anew
// when the day ends while the page stays open: the User Sessions table's cells and an editor's
// creation time. The day ends inside the run (KORIV_TEST_DAY_END_AFTER, set here when the run
// does not set it).
#include "dayend.h"
#include "drawncells.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "timelimit.h"

#include <QDateTime>
#include <QJSValue>
#include <QPointer>
#include <QQuickItem>
#include <QtTest>

#include <algorithm>

namespace {

const QString SessionsUrl = QStringLiteral("qrc:/qml/user/user-session/UserSessionTable.qml");
const QString SessionUrl = QStringLiteral("qrc:/qml/user/user-session/UserSessionEditor.qml");
constexpr qint64 MinuteMs = 60 * 1000;
constexpr qint64 DayMs = 24 * 60 * MinuteMs;

void collectTexts(QQuickItem *item, QQuickItem *to, QList<QPair<qreal, QString>> *texts)
{
    if (!item->isVisible())
        return;
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty())
        texts->append({item->mapToItem(to, QPointF()).x(), item->property("text").toString()});
    for (QQuickItem *child : item->childItems())
        collectTexts(child, to, texts);
}

// The role of the column whose cell the item is, as its styleData says; empty for no cell.
QString cellRole(const QQuickItem *item)
{
    const QVariant style = item->property("styleData");
    if (style.canConvert<QJSValue>() && style.value<QJSValue>().isObject())
        return style.value<QJSValue>().property("role").toString();
    const QObject *object = style.value<QObject *>();
    return object ? object->property("role").toString() : QString();
}

// The cell of the role below a row.
QQuickItem *cellOf(QQuickItem *item, const QString &role)
{
    if (cellRole(item) == role)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *cell = cellOf(child, role))
            return cell;
    }
    return nullptr;
}

// The text drawn in the cell of the role in the row showing the record; empty when none is drawn.
QString drawnCell(QObject *page, const QString &id, const QString &role)
{
    QObject *view = PageControls::tableViewOf(page);
    auto *list = view ? view->property("__listView").value<QQuickItem *>() : nullptr;
    const int row = PageControls::shownRow(page, id);
    QQuickItem *rowItem = nullptr;
    if (list && row >= 0)
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, rowItem), Q_ARG(int, row));
    if (!rowItem)
        return QString();
    QQuickItem *cell = cellOf(rowItem, role);
    if (!cell)
        return QString();
    QList<QPair<qreal, QString>> texts;
    collectTexts(cell, cell, &texts);
    std::sort(texts.begin(), texts.end());
    QStringList drawn;
    for (const auto &text : texts)
        drawn.append(text.second);
    return drawn.join(' ');
}

QString drawnText(QObject *page, const QString &name)
{
    QQuickItem *control = pageControl(page, name);
    return control ? control->property("text").toString() : QString();
}

} // namespace

class TestRelativeTimes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void timesAreDrawnAnewWhenTheDayEnds();

private:
    QString insertSession(qint64 start, qint64 stored);

    PageProgram m_program;
};

void TestRelativeTimes::initTestCase()
{
    // Time for the sign-in, the rows and the first drawing before the day ends.
    if (qEnvironmentVariableIsEmpty("KORIV_TEST_DAY_END_AFTER"))
        qputenv("KORIV_TEST_DAY_END_AFTER", QByteArray::number(timeLimit(25000) / 1000));
    const QString failure = m_program.start("relativetimes");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(DayEnd::planned().endMs > 0);
}

void TestRelativeTimes::cleanupTestCase()
{
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// A closed session of the operator that began at start and lasted a minute, stored at stored.
QString TestRelativeTimes::insertSession(qint64 start, qint64 stored)
{
    const QString at = QString::number(start);
    const QString storedAt = QString::number(stored);
    return m_program
        .query("INSERT INTO user_sessions (sign, rst_id_owner, dt_start, dt_end, dt_utc_insert, dt_utc_last_update)"
               " SELECT 'admin', id, " + at + ", " + at + " + 60000, " + storedAt + ", " + storedAt
               + " FROM users WHERE sign = 'admin' RETURNING id")
        .toString();
}

void TestRelativeTimes::timesAreDrawnAnewWhenTheDayEnds()
{
    const DayEnd::Plan plan = DayEnd::planned();
    // Both stored on the day that ends, inside the period the page shows.
    const qint64 stored = plan.endMs - 2 * MinuteMs;
    const QString lateToday = insertSession(plan.endMs - 2 * MinuteMs, stored);
    const QString lateYesterday = insertSession(plan.endMs - DayMs - 8 * MinuteMs, stored);
    QVERIFY(!lateToday.isEmpty() && !lateYesterday.isEmpty());
    DayEnd::noteSeed();

    QPointer<QObject> sessions = m_program.openPage(SessionsUrl);
    QVERIFY(sessions);
    QPointer<QObject> editor = m_program.openPage(SessionUrl, {{"state", "EDIT"}, {"id", lateToday}});
    QVERIFY(editor);
    QTRY_COMPARE(drawnCell(sessions, lateToday, "dt_start"), QString("23:58"));
    QCOMPARE(drawnCell(sessions, lateToday, "dt_end"), QString("23:59"));
    QCOMPARE(drawnCell(sessions, lateYesterday, "dt_start"), QString("yesterday, 23:52"));
    QTRY_COMPARE(drawnText(editor, "createTime"), QString("23:58"));
    QVERIFY2(QDateTime::currentMSecsSinceEpoch() < plan.endMs,
             "the day ended before the page was drawn: the run needs a later KORIV_TEST_DAY_END_AFTER");

    // Drawn on the new day as a page opened then draws them.
    const int untilEnd = int(qMax<qint64>(0, plan.endMs - QDateTime::currentMSecsSinceEpoch()));
    QTRY_COMPARE_WITH_TIMEOUT(drawnCell(sessions, lateToday, "dt_start"), QString("yesterday, 23:58"),
                              untilEnd + timeLimit(5000));
    QCOMPARE(drawnCell(sessions, lateToday, "dt_end"), QString("yesterday, 23:59"));
    const QDateTime older = QDateTime::fromMSecsSinceEpoch(plan.endMs - DayMs - 8 * MinuteMs, Qt::OffsetFromUTC,
                                                           plan.offsetMinutes * 60);
    const bool thisYear = older.date().year() == DayEnd::dateAt(plan.endMs, plan.offsetMinutes).year();
    QCOMPARE(drawnCell(sessions, lateYesterday, "dt_start"),
             older.toString(thisYear ? "dd MMM hh:mm" : "dd MMM yyyy, hh:mm"));
    QCOMPARE(drawnText(editor, "createTime"), QString("yesterday, 23:58"));
    auto *view = qobject_cast<QQuickItem *>(PageControls::tableViewOf(sessions));
    QCOMPARE(DrawnCells::settled(view).faults, QStringList());
    DayEnd::noteCheck();
    QVERIFY(m_program.closePage(editor));
    QVERIFY(PageControls::saveDrawnWindow(sessions, "relativetimes-sessions-after-day-end.png"));
    QVERIFY(m_program.closePage(sessions));
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

KORIV_PAGE_TEST_MAIN(TestRelativeTimes)
#include "tst_relativetimes.moc"
