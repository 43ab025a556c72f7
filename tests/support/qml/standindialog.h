#pragma once

#include "standinobject.h"

// Stands in for a dialog that a page opens through QWIDGET_CREATOR and waits on (the calendar,
// the row limit): the user's answer, which a test gives. Like the real ones it deletes itself
// once it is done. Pages reach only what the real dialog offers too (TestControls aside).
class StandinDialog : public StandinObject
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "kind")
    Q_PROPERTY(QString kind READ kind CONSTANT)

public:
    StandinDialog(const QString &kind, QObject *parent);

    QString kind() const { return m_kind; }

public slots:
    void accept();
    void reject();

signals:
    void accepted();
    void rejected();

private:
    QString m_kind;
};
