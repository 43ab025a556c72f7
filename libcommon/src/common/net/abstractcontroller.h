#pragma once

#include <QJsonObject>
#include <QString>
#include <QVariantMap>

namespace Common {

class ApiNetwork;

// Mix-in base of every controller: a process-wide number, a protocol name and the two ways
// of sending a request (JSON request or text message) through the one network object.
class AbstractController
{
public:
    AbstractController();
    virtual ~AbstractController();

    virtual void sendRequest(const QString &action, const QJsonObject &params, const QJsonObject &meta);
    virtual QString name() const = 0;
    // Handles one received text message addressed to this controller's name; true when handled.
    virtual bool handleMessage(const QString &action, const QVariantMap &params);

    static void setNetwork(ApiNetwork *network);
    static ApiNetwork *network();

    qint64 number() const { return m_number; }
    QString objectNumber() const;

    bool useJson() const { return m_useJson; }
    void setUseJson(bool useJson) { m_useJson = useJson; }

    // Sends params as a text message with "FN" = name + "_" + action and "RECEIVER" = number.
    void sendNetDto(const QString &action, const QVariantMap &params);

private:
    qint64 m_number;
    bool m_useJson = false;
};

} // namespace Common
