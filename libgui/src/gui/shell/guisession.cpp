#include "guisession.h"

#include "global.h"

#include "gui/core/context.h"
#include "gui/core/shellwindow.h"
#include "gui/core/utils.h"
#include "gui/frame/frame.h"
#include "gui/frame/frames.h"
#include "gui/frame/frameutils.h"
#include "gui/frame/maintabwidget.h"
#include "gui/helper/guisettings.h"

#include "client/controller/user/userguisession.h"

#include "common/core/utils/jsontext.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace Gui {

using Client::Controller::UserGuiSession;

namespace {

const QString OpenFramesKey = QStringLiteral("openFrames");
const QString TmpFramesSettingsKey = QStringLiteral("tmpFramesSettings");

UserGuiSession *sessionList()
{
    Global *global = Context::global();
    return global ? global->userGuiSession() : nullptr;
}

// Editors of unsaved records, copies in the making and choosers are not kept.
bool isTransientState(const QString &state)
{
    return state == QLatin1String("ADD") || state == QLatin1String("DUPLICATE") || state == QLatin1String("SELECT")
        || state == QLatin1String("MULTI_SELECT");
}

Helper::GuiSettings *mainWindowSettings()
{
    ShellWindow *window = Context::shellWindow();
    return window ? window->windowSettings() : nullptr;
}

} // namespace

GuiSession::GuiSession(QObject *parent)
    : QObject(parent)
{
}

GuiSession::~GuiSession() = default;

QVariantMap GuiSession::frameSettings(const QString &name) const
{
    return m_frameSettings.value(name).toMap();
}

void GuiSession::setFrameSettings(const QString &name, const QVariantMap &settings)
{
    if (!settings.isEmpty())
        m_frameSettings.insert(name, settings);
}

void GuiSession::setCurrentId(int id)
{
    changeCurrent(id);
}

void GuiSession::changeCurrent(qint64 id)
{
    if (id == m_currentId)
        return;
    m_currentId = id;
    if (ShellWindow *window = Context::shellWindow())
        window->refreshTitle();
    emit currentIdChanged(int(id));
}

int GuiSession::sessionRow(qint64 id) const
{
    UserGuiSession *list = sessionList();
    return list ? list->proxyModel()->checkValueByRole(QStringLiteral("id"), QString::number(id)) : -1;
}

void GuiSession::setSessionChecked(int row, bool checked)
{
    if (ShellWindow *window = Context::shellWindow())
        window->checkGuiSession(row, checked);
}

void GuiSession::switchCurrent(int id)
{
    if (m_currentId != NoSession)
        reset();
    const int row = sessionRow(id);
    if (row >= 0) {
        setSessionChecked(row, true);
        const QString value = sessionList()->proxyModel()->data(row, QStringLiteral("value")).toString();
        if (!value.isEmpty()) {
            QString repeated;
            restore(Common::readJson(value.toUtf8(), nullptr, &repeated).object().toVariantMap());
            if (!repeated.isEmpty())
                qWarning().noquote() << QStringLiteral("GUI session %1: %2").arg(id).arg(repeated);
        }
    }
    changeCurrent(id);
}

QVariantMap GuiSession::collect()
{
    return collect(QStringList());
}

QVariantMap GuiSession::collect(const QStringList &excludes)
{
    QVariantMap result;
    if (Helper::GuiSettings *window = mainWindowSettings())
        result.insert(window->settingsName(), window->saveSettings());
    QVariantList openFrames;
    const QList<QObject *> frames = Global::currentFrames() ? Global::currentFrames()->list() : QList<QObject *>();
    for (QObject *frame : frames) {
        if (!excludes.isEmpty() && excludes.contains(Utils::frameSettingsName(frame)))
            continue;
        if (isTransientState(Utils::frameState(frame)))
            continue;
        openFrames.append(collectFrame(frame));
    }
    result.insert(OpenFramesKey, openFrames);
    result.insert(TmpFramesSettingsKey, m_frameSettings);
    return result;
}

QVariantMap GuiSession::collectFrame(QObject *frame) const
{
    QVariantMap element = Utils::withoutObjects(Utils::frameInitProperties(frame));
    element.insert(QStringLiteral("isNewInstance"), true);
    // In GUI-session mode pages add what only sessions keep (filter texts, date ranges); the
    // frame's own mode comes back afterwards, so its later settings saves stay its own.
    const bool mode = Utils::frameGuiSessionMode(frame);
    Utils::setFrameGuiSessionMode(frame, true);
    element.insert(QStringLiteral("objectSettings"), Utils::frameSettings(frame));
    Utils::setFrameGuiSessionMode(frame, mode);
    if (auto *widgetFrame = qobject_cast<Frame *>(frame))
        element.insert(QStringLiteral("name"), widgetFrame->settingsName());
    return element;
}

void GuiSession::restore(const QVariantMap &map)
{
    if (map.isEmpty())
        return;
    Helper::GuiSettings *window = mainWindowSettings();
    const QVariantMap mainSettings = window ? map.value(window->settingsName()).toMap() : QVariantMap();
    if (window)
        window->loadSettings(mainSettings);
    m_frameSettings = map.value(TmpFramesSettingsKey).toMap();
    const QVariantList openFrames = map.value(OpenFramesKey).toList();
    for (const QVariant &element : openFrames) {
        QVariantMap properties = element.toMap();
        properties.insert(QStringLiteral("isGuiSessionMode"), true);
        if (QObject *frame = Utils::restoreFrame(properties))
            Utils::setFrameGuiSessionMode(frame, false);
    }
    if (MainTabWidget *tabs = Context::mainTabWidget())
        tabs->setCurrentIndex(mainSettings.value(QStringLiteral("currentTabIndex")).toInt());
}

bool GuiSession::reset()
{
    const int row = sessionRow(m_currentId);
    if (row >= 0)
        setSessionChecked(row, false);
    const bool saved = save(false);
    // Pages and widget frames alike: nothing of the old session stays open.
    QList<QPointer<QObject>> frames;
    if (Frames *registry = Global::currentFrames()) {
        for (QObject *frame : registry->list())
            frames.append(frame);
    }
    for (const QPointer<QObject> &frame : qAsConst(frames)) {
        if (frame)
            Utils::closeFrame(frame);
    }
    changeCurrent(NoSession);
    return saved;
}

bool GuiSession::save(bool force)
{
    UserGuiSession *list = sessionList();
    if (m_currentId == NoSession || !list)
        return false;
    const QString id = QString::number(m_currentId);
    const auto rowValue = [list, &id](const char *column) {
        return list->proxyModel()->data(QStringLiteral("id"), id, QString::fromLatin1(column));
    };
    const int autoSave = rowValue("auto_save").toInt();
    if (!force && autoSave != 1)
        return false;
    const QVariantMap record{
        {QStringLiteral("id"), m_currentId},
        {QStringLiteral("name"), rowValue("name")},
        {QStringLiteral("note"), rowValue("note")},
        {QStringLiteral("auto_save"), rowValue("auto_save")},
        {QStringLiteral("is_default"), rowValue("is_default")},
        {QStringLiteral("value"),
         QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(collect())).toJson(QJsonDocument::Compact))},
        {QStringLiteral("rst_id_owner"), Global::ownerId()},
    };
    const QVariantMap key{{QStringLiteral("id"), m_currentId}};
    list->trLock(key);
    list->trUpdate(record);
    list->trUnlock(key);
    return true;
}

} // namespace Gui
