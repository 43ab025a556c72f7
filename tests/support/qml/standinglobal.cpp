#include "standinglobal.h"

#include "standincontroller.h"
#include "standinframes.h"
#include "standinguisession.h"
#include "standinstyle.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QStringList>

namespace {
const QStringList operations = {"create", "read", "update", "delete", "duplicate",
                                "update_locked_record", "open_editor", "table_mapping"};

StandinController *controllerNamed(const QString &name, QObject *parent)
{
    auto *controller = new StandinController(parent);
    controller->setName(name);
    return controller;
}
} // namespace

StandinGlobal::StandinGlobal(QObject *parent)
    : StandinObject(parent)
    , m_style(new StandinStyle(this))
    , m_guiSession(new StandinGuiSession(this))
    , m_frames(new StandinFrames(this))
    , m_securityOptionType(controllerNamed(QStringLiteral("securityOptionType"), this))
    , m_driver(controllerNamed(QStringLiteral("driver"), this))
    , m_user(controllerNamed(QStringLiteral("user"), this))
    , m_userGroup(controllerNamed(QStringLiteral("ug"), this))
    , m_company(controllerNamed(QStringLiteral("company"), this))
    , m_city(controllerNamed(QStringLiteral("city"), this))
{
}

void StandinGlobal::replaceController(QPointer<QObject> &member, QObject *controller)
{
    member = controller;
    emit controllersChanged();
}

QObject *StandinGlobal::style() const { return m_style; }
QObject *StandinGlobal::guiSession() const { return m_guiSession; }
QObject *StandinGlobal::frames() const { return m_frames; }
QObject *StandinGlobal::securityOptionType() const { return m_securityOptionType; }
QObject *StandinGlobal::driver() const { return m_driver; }

QObject *StandinGlobal::createQmlFrame(const QString &url, const QVariantMap &properties)
{
    record(QStringLiteral("createQmlFrame"), {url, properties});
    return m_routes.contains(url) ? openPage(url, properties) : nullptr;
}

QObject *StandinGlobal::openPage(const QString &url, const QVariantMap &options)
{
    QVariantMap initial = options;
    initial.remove(QStringLiteral("isNewInstance"));
    initial.remove(QStringLiteral("ignoreAlt"));
    initial.insert(QStringLiteral("url"), url);
    initial.insert(QStringLiteral("objectsSettingName"), url);
    if (!initial.contains(QStringLiteral("isWindow")))
        initial.insert(QStringLiteral("isWindow"), true);
    QQmlComponent component(m_engine, m_routes.value(url));
    QObject *page = component.isReady() ? component.createWithInitialProperties(initial) : nullptr;
    if (!page) {
        qWarning("Cannot open %s: %s", qPrintable(url), qPrintable(component.errorString()));
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(page, QQmlEngine::CppOwnership);
    page->setParent(this);
    connect(page, SIGNAL(closeWidget()), page, SLOT(deleteLater()));
    m_opened.append(page);
    m_frames->append(page);
    return page;
}

void StandinGlobal::routeUrl(const QString &url, const QUrl &page)
{
    m_routes.insert(url, page);
}

// A tab of a page that this stand-in opened goes with its page.
void StandinGlobal::removeTab(QObject *item, QObject *parentItem)
{
    record(QStringLiteral("removeTab"), {QVariant::fromValue(item), QVariant::fromValue(parentItem)});
    if (item && m_opened.contains(item))
        item->deleteLater();
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

void StandinGlobal::updateModelOnSo(const QString &sog, const QString &operation, QObject *controller)
{
    record(QStringLiteral("updateModelOnSo"), {sog, operation, QVariant::fromValue(controller)});
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
