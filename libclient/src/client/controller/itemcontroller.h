#pragma once

#include "classwidemodel.h"
#include "common/net/abstractcontroller.h"
#include "originalmodel.h"
#include "proxymodel.h"

#include <QHash>
#include <QJsonObject>
#include <QPointer>
#include <QQuickItem>
#include <QVariantMap>

namespace Client {
class ApiNetwork;
}

namespace Client::Controller {

// Base of the controllers that QML pages declare: a Quick item with a process-wide number and a
// protocol name, registered with the client network to receive the messages of its name. It
// asks for lists ("trGetList") and single records ("trInfo"), remembers the list parameters for
// reloads and points to the list's OriginalModel and ProxyModel, which a subclass attaches.
class ItemController : public QQuickItem, public Common::AbstractController
{
    Q_OBJECT
    Q_PROPERTY(Client::Controller::OriginalModel *originalModel READ originalModel CONSTANT)
    Q_PROPERTY(Client::Controller::ProxyModel *proxyModel READ proxyModel CONSTANT)
    Q_PROPERTY(QString objectNumber READ objectNumber CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(bool isStaticModel READ isStaticModel CONSTANT)
    Q_PROPERTY(bool ignoreSrUpdated READ ignoreSrUpdated WRITE setIgnoreSrUpdated)
    Q_PROPERTY(bool ignoreSrInserted READ ignoreSrInserted WRITE setIgnoreSrInserted)
    Q_PROPERTY(bool useTrGetList READ useTrGetList WRITE setUseTrGetList)
    Q_PROPERTY(int rowLimit READ rowLimit WRITE setRowLimit NOTIFY rowLimitChanged)
    // The one record an editor's page shows; empty for a page of many.
    Q_PROPERTY(QString recordId READ recordId WRITE setRecordId NOTIFY recordIdChanged)

public:
    explicit ItemController(QQuickItem *parent = nullptr);
    ~ItemController() override;

    OriginalModel *originalModel() const { return m_originalModel; }
    ProxyModel *proxyModel() const { return m_proxyModel; }
    bool ignoreSrUpdated() const { return m_ignoreSrUpdated; }
    void setIgnoreSrUpdated(bool ignore) { m_ignoreSrUpdated = ignore; }
    bool ignoreSrInserted() const { return m_ignoreSrInserted; }
    void setIgnoreSrInserted(bool ignore) { m_ignoreSrInserted = ignore; }
    bool useTrGetList() const { return m_useTrGetList; }
    void setUseTrGetList(bool use) { m_useTrGetList = use; }
    int rowLimit() const;
    void setRowLimit(int rowLimit);
    QString recordId() const { return m_recordId; }
    void setRecordId(const QString &recordId);

    // True in controllers whose rows live in one class-wide OriginalModel (useClassWideModel).
    virtual bool isStaticModel() const;
    // Sends the list request; false when nothing was sent.
    Q_INVOKABLE virtual bool trGetList(const QVariantMap &params, bool check_so);
    Q_INVOKABLE bool trGetList(const QVariantMap &params);
    Q_INVOKABLE bool trGetList();
    Q_INVOKABLE void trInfo(const QVariantMap &params);
    // The whole list again with the remembered parameters; false when nothing was sent.
    Q_INVOKABLE bool reGetList();
    Q_INVOKABLE void clearParam4trGetList();
    Q_INVOKABLE void setTrGetListParams(const QVariantMap &params);
    Q_INVOKABLE QVariantMap getMapParamsFromTrGetList() const;
    Q_INVOKABLE void pushTrGetListParams();
    Q_INVOKABLE void popTrGetListParams();
    // The catalogue default of a column; invalid without a model or for a column it lacks.
    Q_INVOKABLE QVariant defaultFieldValue(const QString &field_name) const;
    Q_INVOKABLE void disableProxyModel();

    // Gets JSON replies whose "method" is neither "getList" nor "info".
    virtual void handleJsonMessage(const QJsonObject &message);
    virtual void onSaInfo(const QVariantMap &mapParams);
    virtual void onSaGetList(const QVariantMap &mapParams);
    virtual void onSaListInfo(const QVariantMap &mapParams);
    // Rewrites fields of every received message before anybody sees it.
    virtual void prepareRow(QVariantMap &row);
    virtual void initFieldNames(QHash<QString, QString> &fieldNames);
    virtual QString fieldName(const QString &name);

    bool handleMessage(const QString &action, const QVariantMap &params) override;

    // A received message, handed over by the network: the row hook runs on it first, then
    // messageReceived is emitted, whose own handling then leaves the hook out. A message owned
    // alone is changed in place; one shared with the signal's copy would be copied whole (a list
    // row holds some 80 keys).
    void deliverMessage(const QString &actionName, QVariantMap mapParams);

signals:
    void info(QJsonObject message);
    void list(QJsonObject message);
    void saInfo(QVariantMap mapParams);
    void saListInfo(QVariantMap mapParams);
    void saGetList(QVariantMap mapParams);
    void dataAtLeastLoadedChanged(bool dataAtLeastLoaded);
    void rowLimitChanged(qlonglong rowLimit);
    void recordIdChanged();
    void messageReceived(QString actionName, QVariantMap mapParams);
    void messageReceived(QJsonObject message);

protected:
    // For subclass constructors: the rows and the view of this controller.
    void setOriginalModel(OriginalModel *model);
    void setProxyModel(ProxyModel *proxy);
    // The usual set-ups: rows of this instance over a new Catalogue, or the rows that every
    // instance of the class Owner shares; either way with a proxy model of this instance.
    template<typename Catalogue>
    void useOwnModel()
    {
        auto *model = new OriginalModel(this);
        model->setBaseModel(QSharedPointer<Catalogue>::create());
        attachModels(model);
    }
    template<typename Owner, typename Catalogue>
    void useClassWideModel()
    {
        attachModels(ClassWideModel<Owner, Catalogue>::get());
        m_classWideModel = true;
    }
    void attachModels(OriginalModel *model);
    // Whether an answer is this controller's own: its "RECEIVER" is this controller's number.
    bool isOwnAnswer(const QVariantMap &params) const;
    // Another page's answer or a push about a record other than recordId's: the model takes it,
    // the page is not told. Every editor of a name would otherwise hear of every other's record.
    bool isOtherRecord(const QVariantMap &params) const;
    // The answers to this controller reach no other controller of its name.
    void keepAnswersPrivate();
    // Removes the row of a record that the server says no longer exists.
    void removeRecordRow(const QVariant &id);
    // The list request itself, without any right check.
    bool sendListRequest(const QVariantMap &params);

private:
    // The start of a full list of this controller's own: own rows are emptied; either way the
    // rows' views wait for the list's end.
    void startFullList();

private slots:
    void onMessageReceived(QString actionName, QVariantMap mapParams);
    void onMessageReceived(QJsonObject message);

private:
    QPointer<Client::ApiNetwork> m_registry;
    QString m_recordId;
    OriginalModel *m_originalModel = nullptr;
    ProxyModel *m_proxyModel = nullptr;
    bool m_classWideModel = false;
    bool m_useTrGetList = false;
    bool m_ignoreSrUpdated = true;
    bool m_ignoreSrInserted = true;
    QVariantMap m_listParams;
    QVariantMap m_savedListParams;
    QHash<QString, QString> m_fieldNames;
    bool m_fieldNamesFilled = false;
    // The message deliverMessage prepared, while it is being emitted.
    const QVariantMap *m_preparedMessage = nullptr;
};

} // namespace Client::Controller
