// The peak resident memory read of this process and of another one, as the benchmarks report it.
#include "peakmemory.h"
#include "timelimit.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

class TestPeakMemory : public QObject
{
    Q_OBJECT

private slots:
    void otherProcess();
    void thisProcess();
};

void TestPeakMemory::otherProcess()
{
    // A child that touches 64 MiB, says so and waits for its input to close.
    const qint64 held = 64LL << 20;
    QProcess child;
    child.start("/usr/bin/python3", {"-c", "import sys\nb = bytearray(64 << 20)\nprint('ready', flush=True)\n"
                                           "sys.stdin.read()"});
    QVERIFY(child.waitForStarted(timeLimit(30000)));
    QTRY_VERIFY(child.canReadLine());
    QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
    const qint64 peak = PeakMemory::peakOf(child.processId());
    QVERIFY2(peak >= held && peak < 4 * held, qPrintable(QString::number(peak)));

    const qint64 pid = child.processId();
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(timeLimit(30000)));
    QCOMPARE(PeakMemory::peakOf(pid), 0);
    QCOMPARE(PeakMemory::peakOf(0), 0);
    QCOMPARE(PeakMemory::peakOf(-1), 0);
}

void TestPeakMemory::thisProcess()
{
    QVERIFY(PeakMemory::reset());
    const qint64 before = PeakMemory::peak();
    QVERIFY(before > 0);
    {
        QByteArray block(32 << 20, 'x');
        QVERIFY(PeakMemory::current() >= before + (24 << 20));
    }
    QVERIFY(PeakMemory::peak() >= before + (24 << 20));
    // The same figure read through the process's id, where it is the resident size.
    if (PeakMemory::isResident())
        QVERIFY(qAbs(PeakMemory::peakOf(QCoreApplication::applicationPid()) - PeakMemory::peak()) < (1 << 20));
}

QTEST_GUILESS_MAIN(TestPeakMemory)
#include "tst_peakmemory.moc"
