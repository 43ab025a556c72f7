#include "notification.h"

namespace Client::Controller {

Notification::Notification(QQuickItem *parent)
    : DesktopController(parent)
{
    connect(this, &ItemController::saGetList, this, &Notification::updateUnreadCounter);
    connect(this, &DesktopController::saRemove, this, &Notification::updateUnreadCounter);
}

Notification::~Notification() = default;

QString Notification::name() const
{
    return QString();
}

void Notification::trBatchRemove(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trBatchRemove"), mapParams);
}

bool Notification::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    if (action != QLatin1String("saBatchRemove"))
        return false;
    emit saBatchRemove(params);
    return true;
}

void Notification::updateUnreadCounter()
{
    int count = 0;
    if (OriginalModel *model = originalModel()) {
        const QString readColumn = QStringLiteral("is_readed");
        for (int row = 0; row < model->rowCount(); ++row) {
            const QVariantMap &values = model->rowValues(row);
            const auto read = values.constFind(readColumn);
            if (read != values.cend() && read.value().toString() == QLatin1String("0"))
                ++count;
        }
    }
    if (count == m_unreadCount)
        return;
    m_unreadCount = count;
    emit unreadCountChanged(count);
}

} // namespace Client::Controller
