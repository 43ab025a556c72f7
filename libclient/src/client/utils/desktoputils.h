#pragma once

#include "common/core/utils/utils.h"

namespace Client {

// The utilities that pages reach as DESKTOP_UTILS; its clock is the server-synchronised one.
class DesktopUtils : public Utils
{
    Q_OBJECT

public:
    explicit DesktopUtils(QObject *parent = nullptr);
    ~DesktopUtils() override;

    // The server's present time at the signed-in user's offset from UTC.
    QDateTime currentDateTime() override;
};

} // namespace Client
