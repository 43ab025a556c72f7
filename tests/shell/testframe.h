#pragma once

#include "gui/frame/frame.h"

class QLabel;

// A widget frame as the application's frames are: a title, a note kept in its settings.
class TestFrame : public Gui::Frame
{
    Q_OBJECT

public:
    explicit TestFrame(const QString &note = QString());

    QString note() const;
    void setNote(const QString &note);

    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;

private:
    QLabel *m_note;
};
