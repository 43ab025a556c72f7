#pragma once

#include "standinclient.h"

#include "client/controller/desktopcontroller.h"

#include <QObject>
#include <QVariantMap>

#include <memory>

// Another operator's client of the stand-in, over a connection of its own, holding one list as
// an open table does: its own rows, reloaded from the newest time it holds on every push of the
// other clients' changes, and removals applied as the server announces them. Its requests go out
// through its own connection whichever network the process's controllers use. Made before the
// program and gone after it: the newest network object is the one the process's controllers join.
class SecondClient : public QObject
{
    Q_OBJECT

public:
    SecondClient();
    ~SecondClient() override;

    // Connects to 127.0.0.1:port and signs in; false when the server did not accept.
    bool signIn(int port, const QString &sign, const QString &password);
    // The list of the named controller over the catalogue of its table, empty until load().
    template<typename Catalogue>
    void watch(const QString &controller);

    // Asks for the whole list and waits for its end.
    bool load();
    // Sends a request of the list's controller and waits for its answer; the answer's map.
    QVariantMap request(const QString &action, const QVariantMap &params);
    // The value of a column of the row with that id; invalid when the row is not there.
    QVariant value(const QString &id, const QString &column) const;
    bool hasRow(const QString &id) const;

private:
    class List;
    void adopt(List *list);
    void send(const QString &action, const QVariantMap &params);

    StandinClient m_client;
    std::unique_ptr<List> m_list;
};

class SecondClient::List : public Client::Controller::DesktopController
{
public:
    explicit List(const QString &name) : m_name(name) {}
    QString name() const override { return m_name; }
    template<typename Catalogue>
    void useCatalogue() { useOwnModel<Catalogue>(); }

private:
    QString m_name;
};

template<typename Catalogue>
void SecondClient::watch(const QString &controller)
{
    Common::ApiNetwork *active = Common::AbstractController::network();
    m_client.activate();
    // The list joins this client's network: made while it is the active one.
    auto *list = new List(controller);
    list->useCatalogue<Catalogue>();
    Common::AbstractController::setNetwork(active);
    adopt(list);
}
