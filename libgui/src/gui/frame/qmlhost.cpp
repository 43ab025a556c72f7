#include "qmlhost.h"

#include "frame.h"
#include "frames.h"
#include "frameutils.h"
#include "maintabwidget.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/core/utils.h"
#include "gui/settings/settings.h"

#include <QDebug>
#include <QFile>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QWidget>

namespace Gui::QmlHost {

namespace {

const QString IsWindowKey = QStringLiteral("isWindow");
const QString ParentItemKey = QStringLiteral("parentItem");

Frames *openFrames()
{
    Hub *hub = Context::hub();
    return hub ? hub->frameList() : nullptr;
}

bool sameFrame(const QObject *frame, const QString &url, const QString &id)
{
    return frame && frame->property("objectsSettingName").toString() == url
        && (id.isEmpty() || frame->property("id").toString() == id);
}

// The open frame of the same page and record, brought forward; null when none.
QObject *reactivate(const QString &url, const QString &id)
{
    if (MainTabWidget *tabs = Context::mainTabWidget()) {
        for (int i = 0; i < tabs->count(); ++i) {
            QObject *item = tabs->qmlItem(i);
            if (sameFrame(item, url, id)) {
                tabs->setCurrentIndex(i);
                return item;
            }
        }
    }
    if (Frames *frames = openFrames()) {
        for (QObject *frame : frames->list()) {
            if (sameFrame(frame, url, id)) {
                Utils::activateFrame(frame);
                return frame;
            }
        }
    }
    return nullptr;
}

QObject *openTab(const QString &url, const QVariantMap &options)
{
    MainTabWidget *tabs = Context::mainTabWidget();
    QQmlEngine *engine = Context::qmlEngine();
    if (!tabs || !engine)
        return nullptr;
    auto *view = new QQuickView(engine, nullptr);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->setInitialProperties(options);
    view->setSource(QUrl(url));
    QQuickItem *root = view->rootObject();
    if (!root) {
        qCritical().noquote() << "Failed to create QML object from URL" << url
                              << "(" + Utils::qmlErrorsText(view->errors()) + ")";
        delete view;
        return nullptr;
    }
    QWidget *container = QWidget::createWindowContainer(view);
    container->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(root, SIGNAL(closeWidget()), container, SLOT(close()));
    container->setProperty("qmlItem", QVariant::fromValue<QObject *>(root));
    container->setProperty("qmlView", QVariant::fromValue<QObject *>(view));
    tabs->addTab(container, root->property("title").toString());
    tabs->setCurrentWidget(container);
    root->forceActiveFocus();
    if (Frames *frames = openFrames())
        frames->append(root);
    return root;
}

QObject *openWindow(const QString &url, QVariantMap options)
{
    QObject *parent = nullptr;
    const QVariant parentValue = options.value(ParentItemKey);
    if (Utils::holdsObject(parentValue))
        parent = parentValue.value<QObject *>();
    if (Settings::groupTaskBarWindows()) {
        QWidget *mainWindow = Context::mainWidget();
        QObject *transientParent = mainWindow ? mainWindow->window()->windowHandle() : nullptr;
        QObject *parentWindow = Utils::objectProperty(parent, "window");
        if (parentWindow && parentWindow->property("visible").toBool())
            transientParent = parentWindow;
        if (transientParent)
            options.insert(QStringLiteral("transientParent"), QVariant::fromValue(transientParent));
    }
    QObject *object = Context::createQmlObject(url, options);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item) {
        delete object;
        return nullptr;
    }
    QObject::connect(item, SIGNAL(closeWidget()), item, SLOT(deleteLater()));
    Utils::raiseWindow(Utils::objectProperty(item, "window"));
    if (Frames *frames = openFrames())
        frames->append(item);
    return item;
}

} // namespace

QObject *openFrame(const QString &url, const QVariantMap &options)
{
    if (url.isEmpty()) {
        qCritical() << "QML URL is empty";
        return nullptr;
    }
    if (!QFile::exists(QString(url).remove(QStringLiteral("qrc")))) {
        qCritical().noquote() << "QML URL" << url << "is not exists in qrc file";
        return nullptr;
    }
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    QVariantMap work = options;
    work.insert(QStringLiteral("url"), url);
    work.insert(QStringLiteral("objectsSettingName"), url);
    if (!work.contains(IsWindowKey)) {
        const bool tab = modifiers.testFlag(Qt::AltModifier) || work.value(QStringLiteral("ignoreAlt")).toBool();
        work.insert(IsWindowKey, !tab);
    }
    work.remove(QStringLiteral("ignoreAlt"));
    // An item property must not take a widget (the main window as opener).
    const QVariant parentItem = work.value(ParentItemKey);
    if (work.contains(ParentItemKey) && !qobject_cast<QQuickItem *>(parentItem.value<QObject *>()))
        work.remove(ParentItemKey);
    // What a GUI session keeps to open the frame again.
    work.insert(QStringLiteral("initProperties"), Utils::withoutObjects(work));
    const bool newInstance = work.take(QStringLiteral("isNewInstance")).toBool();
    if (!newInstance && !modifiers.testFlag(Qt::ShiftModifier)) {
        if (QObject *open = reactivate(url, work.value(QStringLiteral("id")).toString()))
            return open;
    }
    return work.value(IsWindowKey).toBool() ? openWindow(url, work) : openTab(url, work);
}

void showFrame(Frame *frame, const QVariantMap &settings)
{
    if (!frame)
        return;
    bool inTab;
    if (!settings.isEmpty()) {
        frame->loadSettings(settings);
        inTab = settings.contains(IsWindowKey) && !settings.value(IsWindowKey).toBool();
    } else {
        Hub *hub = Context::hub();
        frame->loadSettings(hub ? hub->storedSettings(frame->settingsName()) : QVariantMap());
        inTab = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
    }
    frame->beforeShow();
    MainTabWidget *tabs = Context::mainTabWidget();
    if (inTab && tabs) {
        frame->setPlacement(Frame::Tab);
        tabs->addTab(frame, frame->title());
        tabs->setCurrentWidget(frame);
    } else {
        frame->setPlacement(Frame::Window);
        Utils::attachToOwnerWindow(Context::mainWidget(), frame);
        frame->show();
        frame->raise();
        frame->activateWindow();
    }
    frame->afterShow();
}

} // namespace Gui::QmlHost
