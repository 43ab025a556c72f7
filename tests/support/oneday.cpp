#include "oneday.h"

#include <QDebug>
#include <QtTest>

QDate onOneDay(const std::function<QDate()> &today, const std::function<void()> &step)
{
    return onOneDay(today, [&step] { step(); return QString(); }, nullptr);
}

QDate onOneDay(const std::function<QDate()> &today, const std::function<QString()> &step, QString *failure)
{
    for (int run = 1;; ++run) {
        const QDate day = today();
        const bool failedBefore = QTest::currentTestFailed();
        const QString failed = step();
        if (failure)
            *failure = failed;
        if (today() == day || run == 3)
            return day;
        QStringList said;
        if (!failedBefore && QTest::currentTestFailed())
            said.append(QStringLiteral("a check failed in it (its FAIL stands)"));
        if (!failed.isEmpty())
            said.append(QStringLiteral("it failed: ") + failed);
        qInfo().noquote() << QStringLiteral("The day ended while a step ran on %1 (%2): it runs again")
                                 .arg(day.toString(Qt::ISODate),
                                      said.isEmpty() ? QStringLiteral("it had not failed") : said.join(QStringLiteral("; ")));
    }
}
