#include "secondclient.h"

#include "client/controller/originalmodel.h"
#include "timelimit.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Client::Controller;

SecondClient::SecondClient() = default;

SecondClient::~SecondClient()
{
    m_list.reset();
}

bool SecondClient::signIn(int port, const QString &sign, const QString &password)
{
    Common::ApiNetwork *active = Common::AbstractController::network();
    const bool signedIn = m_client.signIn(port, sign, password);
    Common::AbstractController::setNetwork(active);
    return signedIn;
}

void SecondClient::adopt(List *list)
{
    m_list.reset(list);
    // The list itself never asks through the process's network; this client reloads it.
    list->setUseTrGetList(false);
    list->setIgnoreSrUpdated(false);
    list->setIgnoreSrInserted(false);
    connect(list, &ItemController::saListInfo, this, [list](const QVariantMap &row) {
        if (row.value(QStringLiteral("RECEIVER")).toString() == list->objectNumber())
            list->originalModel()->addRow(row);
    });
    const auto reload = [this, list](const QVariantMap &) {
        send(QStringLiteral("trGetList"),
             {{"dt_utc_last_update", QString::number(list->originalModel()->maxDtUtcLastUpdate() + 1)},
              {"_do_not_clear_model", "1"}});
    };
    connect(list, &DesktopController::srUpdated, this, reload);
    connect(list, &DesktopController::srInserted, this, reload);
}

void SecondClient::send(const QString &action, const QVariantMap &params)
{
    // A request sent while the connection is down, or before its sign-in, is never answered:
    // after a server restart the client signs in again first.
    QTest::qWaitFor([this] { return m_client.isSignedIn(); }, timeLimit(20000));
    NetDTO request(params);
    request.insert(QStringLiteral("FN"), m_list->name() + QLatin1Char('_') + action);
    request.insert(QStringLiteral("RECEIVER"), m_list->objectNumber());
    emit m_client.network()->sendMessage(request);
}

bool SecondClient::load()
{
    QSignalSpy answers(m_list.get(), &ItemController::saGetList);
    send(QStringLiteral("trGetList"), {});
    return QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &answer : answers) {
                if (answer.first().toMap().value("STATE") == "end")
                    return true;
            }
            return false;
        },
        timeLimit(10000));
}

QVariantMap SecondClient::request(const QString &action, const QVariantMap &params)
{
    const QByteArray signal = "2sa" + action.mid(2).toLatin1() + "(QVariantMap)";
    QSignalSpy answers(m_list.get(), signal.constData());
    send(action, params);
    QVariantMap answer;
    QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &arguments : answers) {
                if (arguments.first().toMap().value("RECEIVER").toString() == m_list->objectNumber())
                    answer = arguments.first().toMap();
            }
            return !answer.isEmpty();
        },
        timeLimit(10000));
    return answer;
}

QVariant SecondClient::value(const QString &id, const QString &column) const
{
    OriginalModel *rows = m_list->originalModel();
    const int row = rows->checkValueByRole(QStringLiteral("id"), id);
    return row < 0 ? QVariant() : rows->data(row).value(column);
}

bool SecondClient::hasRow(const QString &id) const
{
    return m_list->originalModel()->checkValueByRole(QStringLiteral("id"), id) >= 0;
}
