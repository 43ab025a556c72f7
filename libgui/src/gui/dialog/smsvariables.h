#pragma once

#include <QVariantMap>
#include <QWidget>

// A read-only list of the variables an SMS template may hold, each key in a field to copy from.
// Escape closes it.
class SmsVariables : public QWidget
{
    Q_OBJECT

public:
    // variables: key (such as "{SIGN}") -> description.
    explicit SmsVariables(const QVariantMap &variables);
    ~SmsVariables() override;
};
