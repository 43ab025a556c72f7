#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// Base of the controllers of option values (of user groups and of users): unless told to take
// all rows, each takes only the answers about the signed-in user's own rows, so the
// process-wide instances hold exactly the values that the right checks read.
class OptionValueController : public DesktopController
{
    Q_OBJECT
    Q_PROPERTY(bool isModelReceiveAll READ isModelReceiveAll WRITE setIsModelReceiveAll)

public:
    explicit OptionValueController(QQuickItem *parent = nullptr);
    ~OptionValueController() override;

    bool isModelReceiveAll() const { return m_isModelReceiveAll; }
    void setIsModelReceiveAll(bool receiveAll) { m_isModelReceiveAll = receiveAll; }

    void onSaInfo(const QVariantMap &mapParams) override;
    void onSaGetList(const QVariantMap &mapParams) override;
    void onSaListInfo(const QVariantMap &mapParams) override;
    void onSaUpdate(const QVariantMap &mapParams) override;

protected:
    // The column that names the owner of a row, and the signed-in user's value of it.
    virtual QString ownerColumn() const = 0;
    virtual QString ownValue() const = 0;

private:
    bool takes(const QVariantMap &mapParams) const;

    bool m_isModelReceiveAll = false;
};

} // namespace Client::Controller
