#pragma once

#include "standinobject.h"

#include <QHash>
#include <QPointer>
#include <QQmlEngine>
#include <QUrl>

class StandinController;
class StandinFrames;
class StandinGuiSession;

namespace Gui {
class Style;
}

// Stands in for GLOBAL: the scale factor, the style object, the GUI session, the open frames,
// the rights lookup (all granted unless a test withholds one), tabs, the toast stack and the
// shared catalogue controllers (stand-ins that a test may replace with real ones). It opens
// the pages a test routes to its own files, as the window host would; other pages it only
// records.
class StandinGlobal : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(double scaleFactor READ scaleFactor WRITE setScaleFactor NOTIFY scaleFactorChanged)
    Q_PROPERTY(QObject *style READ style CONSTANT)
    Q_PROPERTY(QObject *guiSession READ guiSession CONSTANT)
    Q_PROPERTY(QObject *frames READ frames CONSTANT)
    Q_PROPERTY(QObject *securityOptionType READ securityOptionType CONSTANT)
    Q_PROPERTY(QObject *driver READ driver CONSTANT)
    Q_PROPERTY(QObject *user READ user WRITE setUser NOTIFY controllersChanged)
    Q_PROPERTY(QObject *userGroup READ userGroup WRITE setUserGroup NOTIFY controllersChanged)
    Q_PROPERTY(QObject *company READ company WRITE setCompany NOTIFY controllersChanged)
    Q_PROPERTY(QObject *city READ city WRITE setCity NOTIFY controllersChanged)

public:
    explicit StandinGlobal(QObject *parent = nullptr);

    double scaleFactor() const { return m_scaleFactor; }
    QObject *style() const;
    QObject *guiSession() const;
    QObject *frames() const;
    QObject *securityOptionType() const;
    QObject *driver() const;
    StandinGuiSession *session() const { return m_guiSession; }
    QObject *user() const { return m_user; }
    void setUser(QObject *controller) { replaceController(m_user, controller); }
    QObject *userGroup() const { return m_userGroup; }
    void setUserGroup(QObject *controller) { replaceController(m_userGroup, controller); }
    QObject *company() const { return m_company; }
    void setCompany(QObject *controller) { replaceController(m_company, controller); }
    QObject *city() const { return m_city; }
    void setCity(QObject *controller) { replaceController(m_city, controller); }
    // The engine that creates the routed pages.
    void setEngine(QQmlEngine *engine) { m_engine = engine; }

    Q_INVOKABLE QObject *createQmlFrame(const QString &url, const QVariantMap &properties = {});
    Q_INVOKABLE void removeTab(QObject *item, QObject *parentItem);
    Q_INVOKABLE void setTabTitle(QObject *item, const QString &title);
    Q_INVOKABLE bool securityState(QObject *controller, const QString &operation);
    Q_INVOKABLE bool securityStateByName(const QString &name, const QString &operation);
    Q_INVOKABLE void updateModelOnSo(const QString &sog, const QString &operation, QObject *controller);
    Q_INVOKABLE QString securityValue(QObject *controller, const QString &operation);
    Q_INVOKABLE void pushToast(QObject *toast);
    Q_INVOKABLE void popToast();
    Q_INVOKABLE int toastCount() const { return m_toasts.size(); }

    // Test controls.
    Q_INVOKABLE void setRight(const QString &name, const QString &operation, bool granted);
    Q_INVOKABLE void setOptionValue(const QString &name, const QString &operation, const QString &value);
    // Pages opened at url are made from the file at page.
    Q_INVOKABLE void routeUrl(const QString &url, const QUrl &page);

public slots:
    void setScaleFactor(double scaleFactor);

signals:
    void closing();
    void soReceived(const QString &sog, const QString &operation);
    void switchGuiSession(int id);
    void scaleFactorChanged(double scaleFactor);
    void controllersChanged();

private:
    // The option code of a right; warns like the real lookup for an unknown operation.
    QString optionCode(const QString &name, const QString &operation) const;
    void replaceController(QPointer<QObject> &member, QObject *controller);
    // The page of a routed url, made from the options as the window host makes it.
    QObject *openPage(const QString &url, const QVariantMap &options);

    double m_scaleFactor = 1.0;
    Gui::Style *m_style;
    StandinGuiSession *m_guiSession;
    StandinFrames *m_frames;
    StandinController *m_securityOptionType;
    StandinController *m_driver;
    QPointer<QObject> m_user;
    QPointer<QObject> m_userGroup;
    QPointer<QObject> m_company;
    QPointer<QObject> m_city;
    QPointer<QQmlEngine> m_engine;
    QHash<QString, QUrl> m_routes;
    QList<QPointer<QObject>> m_opened;
    QHash<QString, QString> m_options;
    QList<QObject *> m_toasts;
};
