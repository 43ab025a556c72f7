#pragma once

#include "standinobject.h"

#include <QHash>

class StandinController;
class StandinFrames;
class StandinGuiSession;

namespace Gui {
class Style;
}

// Stands in for GLOBAL: the scale factor, the style object, the GUI session, the open frames,
// the rights lookup (all granted unless a test withholds one), tabs and the toast stack.
class StandinGlobal : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(double scaleFactor READ scaleFactor WRITE setScaleFactor NOTIFY scaleFactorChanged)
    Q_PROPERTY(QObject *style READ style CONSTANT)
    Q_PROPERTY(QObject *guiSession READ guiSession CONSTANT)
    Q_PROPERTY(QObject *frames READ frames CONSTANT)
    Q_PROPERTY(QObject *securityOptionType READ securityOptionType CONSTANT)
    Q_PROPERTY(QObject *driver READ driver CONSTANT)

public:
    explicit StandinGlobal(QObject *parent = nullptr);

    double scaleFactor() const { return m_scaleFactor; }
    QObject *style() const;
    QObject *guiSession() const;
    QObject *frames() const;
    QObject *securityOptionType() const;
    QObject *driver() const;
    StandinGuiSession *session() const { return m_guiSession; }

    Q_INVOKABLE QObject *createQmlFrame(const QString &url, const QVariantMap &properties = {});
    Q_INVOKABLE void removeTab(QObject *item, QObject *parentItem);
    Q_INVOKABLE void setTabTitle(QObject *item, const QString &title);
    Q_INVOKABLE bool securityState(QObject *controller, const QString &operation);
    Q_INVOKABLE bool securityStateByName(const QString &name, const QString &operation);
    Q_INVOKABLE QString securityValue(QObject *controller, const QString &operation);
    Q_INVOKABLE void pushToast(QObject *toast);
    Q_INVOKABLE void popToast();
    Q_INVOKABLE int toastCount() const { return m_toasts.size(); }

    // Test controls.
    Q_INVOKABLE void setRight(const QString &name, const QString &operation, bool granted);
    Q_INVOKABLE void setOptionValue(const QString &name, const QString &operation, const QString &value);

public slots:
    void setScaleFactor(double scaleFactor);

signals:
    void closing();
    void soReceived(const QString &sog, const QString &operation);
    void switchGuiSession(int id);
    void scaleFactorChanged(double scaleFactor);

private:
    // The option code of a right; warns like the real lookup for an unknown operation.
    QString optionCode(const QString &name, const QString &operation) const;

    double m_scaleFactor = 1.0;
    Gui::Style *m_style;
    StandinGuiSession *m_guiSession;
    StandinFrames *m_frames;
    StandinController *m_securityOptionType;
    StandinController *m_driver;
    QHash<QString, QString> m_options;
    QList<QObject *> m_toasts;
};
