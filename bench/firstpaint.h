#pragma once

#include <QObject>

#include <functional>

// Waits for a widget's first paint, for the start-up benchmark's child processes and its anchor
// program: when told, reports the moment on stdout as "<steady clock ns> <peak resident MiB>"
// (the parent reads the same clock), then runs what comes next.
class FirstPaint : public QObject
{
public:
    FirstPaint(bool report, std::function<void()> then);

    // The steady clock in nanoseconds, alike in every process of the machine.
    static qint64 clockNs();
    // The process's peak resident memory so far.
    static double peakMiB();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_report;
    std::function<void()> m_then;
    bool m_seen = false;
};
