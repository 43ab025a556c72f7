#pragma once

#include "standindialog.h"

// Stands in for the question that opens unasked (a record changed by another user): its text,
// which a page may change while it is open, until a test answers it. Like the real one it
// deletes itself once answered or closed.
class StandinQuestion : public StandinDialog
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "answer")
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    StandinQuestion(const QString &text, QObject *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // Test control: the user answers Yes (true) or No.
    Q_INVOKABLE void answer(bool yes);

public slots:
    bool close();

signals:
    void yes();
    void finished(int result);

private:
    QString m_text;
};
