#pragma once

#include <QObject>
#include <QVariantMap>

namespace Gui {

// The client side of a saved GUI session. For now it keeps what frames, dialogs and tool windows
// leave when they close, by settings name, so that they reopen as they were.
class GuiSession : public QObject
{
    Q_OBJECT

public:
    explicit GuiSession(QObject *parent = nullptr);
    ~GuiSession() override;

    // The settings stored under name, or an empty map.
    Q_INVOKABLE QVariantMap frameSettings(const QString &name) const;
    // Stores settings under name; an empty map leaves an earlier entry as it is.
    Q_INVOKABLE void setFrameSettings(const QString &name, const QVariantMap &settings);

private:
    QVariantMap m_frameSettings;
};

} // namespace Gui
