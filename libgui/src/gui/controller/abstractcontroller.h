#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace Model {
class AbstractModel;
}

namespace Gui {
class Network;
class OriginalModel;
class ProxyModel;
}

namespace Gui::Controller {

// Base of the widget-side controllers (the company table frame, report frames, widget dialogs):
// a widget table model pair over the table's catalogue, requests sent under "G" and a
// process-wide number, and the answers addressed to it run through per-action handlers.
class AbstractController : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QVariantMap &)>;

    // Takes ownership of the catalogue; registers with the network set by setNetwork().
    explicit AbstractController(Model::AbstractModel *model, QObject *parent = nullptr);
    ~AbstractController() override;

    // The protocol name.
    virtual QString name() const = 0;

    static void setNetwork(Network *network);
    static Network *network();

    int id() const { return m_id; }
    // "G" followed by the number: the "RECEIVER" of this controller's requests.
    QString receiver() const;
    OriginalModel *originalModel() const { return m_originalModel; }
    ProxyModel *proxyModel() const { return m_proxyModel; }

    void send(const QString &action, const QVariantMap &params);
    // Without a right test. A list once asked for is asked for again when a record of the name
    // is added or changed.
    void trGetList(const QVariantMap &params);

signals:
    void messageReceived(QString actionName, QVariantMap mapParams);
    void saListInfo(QVariantMap params);
    void saGetList(QVariantMap params);

protected:
    // Installs (or replaces) the handler of an answer name.
    void setHandler(const QString &action, const Handler &handler);

private slots:
    void onMessageReceived(QString action, QVariantMap params);

private:
    bool isAddressedHere(const QString &action, const QVariantMap &params) const;

    OriginalModel *m_originalModel;
    ProxyModel *m_proxyModel;
    int m_id;
    QHash<QString, Handler> m_actions;
    Network *m_network;
    bool m_listRequested = false;
    QVariantMap m_listParams;
};

} // namespace Gui::Controller
