#pragma once

#include <QObject>
#include <QPoint>

// Stands in for a toast window: 300 by 200, placed through pos like a widget, finished() when
// a test calls finish(). Pages reach only what the real window offers too (TestControls aside).
class StandinToast : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "message mode finish")
    Q_PROPERTY(QPoint pos READ pos WRITE setPos)
    Q_PROPERTY(int x READ x)
    Q_PROPERTY(int y READ y)
    Q_PROPERTY(int width READ width)
    Q_PROPERTY(int height READ height)
    Q_PROPERTY(QString message READ message CONSTANT)
    Q_PROPERTY(int mode READ mode CONSTANT)

public:
    StandinToast(const QString &message, int mode, QObject *parent);

    QPoint pos() const { return m_pos; }
    void setPos(const QPoint &pos) { m_pos = pos; }
    int x() const { return m_pos.x(); }
    int y() const { return m_pos.y(); }
    int width() const { return 300; }
    int height() const { return 200; }
    QString message() const { return m_message; }
    int mode() const { return m_mode; }

    Q_INVOKABLE void finish() { emit finished(); }

signals:
    void finished();

private:
    QPoint m_pos;
    QString m_message;
    int m_mode;
};
