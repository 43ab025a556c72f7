#include "standinglobal.h"

#include "standincontroller.h"
#include "standinframes.h"
#include "standinguisession.h"
#include "standinstyle.h"

#include <QStringList>

namespace {
const QStringList operations = {"create", "read", "update", "delete", "duplicate",
                                "update_locked_record", "open_editor", "table_mapping"};
}

StandinGlobal::StandinGlobal(QObject *parent)
    : StandinObject(parent)
    , m_style(new StandinStyle(this))
    , m_guiSession(new StandinGuiSession(this))
    , m_frames(new StandinFrames(this))
    , m_securityOptionType(new StandinController(this))
    , m_driver(new StandinController(this))
{
    m_securityOptionType->setName(QStringLiteral("securityOptionType"));
    m_driver->setName(QStringLiteral("driver"));
}

QObject *StandinGlobal::style() const { return m_style; }
QObject *StandinGlobal::guiSession() const { return m_guiSession; }
QObject *StandinGlobal::frames() const { return m_frames; }
QObject *StandinGlobal::securityOptionType() const { return m_securityOptionType; }
QObject *StandinGlobal::driver() const { return m_driver; }

QObject *StandinGlobal::createQmlFrame(const QString &url, const QVariantMap &properties)
{
    record(QStringLiteral("createQmlFrame"), {url, properties});
    return nullptr;
}

void StandinGlobal::removeTab(QObject *item, QObject *parentItem)
{
    record(QStringLiteral("removeTab"), {QVariant::fromValue(item), QVariant::fromValue(parentItem)});
}

void StandinGlobal::setTabTitle(QObject *item, const QString &title)
{
    record(QStringLiteral("setTabTitle"), {QVariant::fromValue(item), title});
}

QString StandinGlobal::optionCode(const QString &name, const QString &operation) const
{
    if (!operations.contains(operation)) {
        qWarning("Unknown operation %s", qPrintable(operation));
        return {};
    }
    return name + QStringLiteral(".crud.") + operation;
}

bool StandinGlobal::securityState(QObject *controller, const QString &operation)
{
    return controller && securityStateByName(controller->property("name").toString(), operation);
}

bool StandinGlobal::securityStateByName(const QString &name, const QString &operation)
{
    const QString code = optionCode(name, operation);
    return !code.isEmpty() && m_options.value(code, QStringLiteral("1")) == QLatin1String("1");
}

QString StandinGlobal::securityValue(QObject *controller, const QString &operation)
{
    if (!controller)
        return {};
    return m_options.value(optionCode(controller->property("name").toString(), operation));
}

void StandinGlobal::pushToast(QObject *toast)
{
    m_toasts.append(toast);
}

void StandinGlobal::popToast()
{
    if (!m_toasts.isEmpty())
        m_toasts.removeLast();
}

void StandinGlobal::setRight(const QString &name, const QString &operation, bool granted)
{
    m_options.insert(optionCode(name, operation), granted ? QStringLiteral("1") : QStringLiteral("0"));
}

void StandinGlobal::setOptionValue(const QString &name, const QString &operation, const QString &value)
{
    m_options.insert(optionCode(name, operation), value);
}

void StandinGlobal::setScaleFactor(double scaleFactor)
{
    if (qFuzzyCompare(m_scaleFactor, scaleFactor))
        return;
    m_scaleFactor = scaleFactor;
    emit scaleFactorChanged(scaleFactor);
}
