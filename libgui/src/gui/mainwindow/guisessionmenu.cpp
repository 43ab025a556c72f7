#include "guisessionmenu.h"

#include "mainwindow.h"

#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"

#include "client/controller/user/userguisession.h"

#include <QActionGroup>

namespace Gui::Private {

using Client::Controller::UserGuiSession;

namespace {

const QString EditorUrl = QStringLiteral("qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml");

UserGuiSession *sessionList()
{
    Global *global = Context::global();
    return global ? global->userGuiSession() : nullptr;
}

bool isSuccess(const QVariantMap &params)
{
    return params.value(QStringLiteral("RES")).toString() == QLatin1String("10");
}

// A session's name as a menu shows it: an ampersand in it is no mnemonic mark.
QString itemText(QString name)
{
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

GuiSessionMenu::GuiSessionMenu(QWidget *parent)
    : QMenu(parent)
{
    setTitle(tr("&Gui Sessions"));
    UserGuiSession *list = sessionList();
    if (!list)
        return;
    connect(list, &UserGuiSession::saNew, this, &GuiSessionMenu::onSaNew);
    connect(list, &UserGuiSession::saRemove, this, &GuiSessionMenu::recreate);
    connect(list, &UserGuiSession::saUpdate, this, &GuiSessionMenu::reupdate);
}

GuiSessionMenu::~GuiSessionMenu() = default;

void GuiSessionMenu::onSaNew(const QVariantMap &params)
{
    // Only a stored session of the signed-in user joins the menu.
    if (!isSuccess(params)
        || params.value(QStringLiteral("rst_id_owner")).toLongLong() != Global::ownerId())
        return;
    UserGuiSession *list = sessionList();
    list->originalModel()->addRow(params);
    list->proxyModel()->sortRows();
    recreate();
}

void GuiSessionMenu::recreate()
{
    UserGuiSession *list = sessionList();
    clear();
    delete m_group;
    m_group = new QActionGroup(this);
    m_group->setExclusive(true);
    if (!list)
        return;
    auto *proxy = list->proxyModel();
    const int rows = proxy->rowCount();
    for (int row = 0; row < rows; ++row) {
        QAction *item = addAction(itemText(proxy->data(row, QStringLiteral("name")).toString()));
        item->setCheckable(true);
        item->setChecked(proxy->data(row, QStringLiteral("is_default")).toString() == QLatin1String("1"));
        const int id = proxy->data(row, QStringLiteral("id")).toInt();
        connect(item, &QAction::triggered, this, [id] {
            if (GuiSession *session = Global::currentGuiSession())
                session->switchCurrent(id);
        });
        m_group->addAction(item);
    }
    if (rows > 0)
        addSeparator();
    connect(addAction(tr("&New")), &QAction::triggered, this, [] {
        Context::createQmlFrame(EditorUrl, {{QStringLiteral("isNewInstance"), true},
                                            {QStringLiteral("rst_id_owner"), Global::ownerId()}});
    });
    if (rows > 0) {
        connect(addAction(tr("&Save")), &QAction::triggered, this, [] {
            if (GuiSession *session = Global::currentGuiSession())
                session->save(true);
        });
    }
}

void GuiSessionMenu::reupdate(QVariantMap params)
{
    // A refused update changed nothing on the server; a session outside the user's list (another
    // user's, changed on a page of this client) stays out of it.
    UserGuiSession *list = sessionList();
    const QString id = params.value(QStringLiteral("id")).toString();
    if (!list || !isSuccess(params) || list->originalModel()->findId(id) < 0)
        return;
    list->originalModel()->addRow(params);
    const QList<QAction *> items = m_group ? m_group->actions() : QList<QAction *>();
    auto *proxy = list->proxyModel();
    for (int row = 0; row < proxy->rowCount(); ++row) {
        if (proxy->data(row, QStringLiteral("id")).toString() == id && row < items.size())
            items.at(row)->setText(itemText(params.value(QStringLiteral("name")).toString()));
    }
    GuiSession *session = Global::currentGuiSession();
    MainWindow *window = Context::mainWindow();
    if (session && window && id.toInt() == session->currentId())
        window->updateTitle();
}

void GuiSessionMenu::setSessionChecked(int row, bool checked)
{
    const QList<QAction *> items = m_group ? m_group->actions() : QList<QAction *>();
    if (row >= 0 && row < items.size())
        items.at(row)->setChecked(checked);
}

} // namespace Gui::Private
