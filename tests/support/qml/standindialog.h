#pragma once

#include "standinobject.h"

#include <QDate>
#include <QPoint>
#include <QPointer>
#include <QVariant>

// Stands in for a small widget dialog that pages open through QWIDGET_CREATOR (calendar, row
// limit, extended search): its position, what the page set on it, and the user's answers,
// which a test gives. Like the real ones it deletes itself once it is done.
class StandinDialog : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(QString kind READ kind CONSTANT)
    Q_PROPERTY(QPoint pos READ pos WRITE setPos NOTIFY posChanged)
    Q_PROPERTY(QDate selectedDate READ selectedDate NOTIFY selectedDateChanged)

public:
    StandinDialog(const QString &kind, QObject *parent);

    QString kind() const { return m_kind; }
    QPoint pos() const { return m_pos; }
    void setPos(const QPoint &pos);
    QDate selectedDate() const { return m_selectedDate; }

    Q_INVOKABLE void setSelectedDate(const QDate &date);
    Q_INVOKABLE int limit() const { return m_limit; }
    Q_INVOKABLE QVariant rules() const { return m_rules; }

    // Test controls: what the user does.
    Q_INVOKABLE void pick(const QDate &date);
    Q_INVOKABLE void setLimit(int limit) { m_limit = limit; }
    Q_INVOKABLE void setRules(const QVariant &rules) { m_rules = rules; }
    Q_INVOKABLE void accept();
    Q_INVOKABLE void reject();
    Q_INVOKABLE void close();

signals:
    void posChanged();
    void selectedDateChanged();
    void selectionChanged(QDate date);
    void accepted();
    void rejected();
    void closed();

private:
    QString m_kind;
    QPoint m_pos;
    QDate m_selectedDate;
    int m_limit = 0;
    QVariant m_rules;
};
