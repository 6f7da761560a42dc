#include "pictures/Workers.h"

#include <QScopeGuard>
#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

#include <memory>

using namespace ferlo;

class TestWorkers : public QObject {
    Q_OBJECT

private slots:
    // Qt's painting runs parts of a large fill or scaling on its global pool and waits for them:
    // slots whose every worker is busy for long must leave that pool free, or the window's
    // paint sleeps until a decode ends.
    void busyWorkersLeaveQtsPoolFree() {
        const int globalThreads = QThreadPool::globalInstance()->maxThreadCount();
        const size_t count = size_t(qMax(globalThreads, QThread::idealThreadCount())) + 1;
        QSemaphore started;
        QSemaphore gate;
        WorkerSlots<int> workers(count);
        auto open = qScopeGuard([&] { gate.release(int(count)); });
        for (size_t i = 0; i < count; ++i)
            workers.start(i, [&started, &gate, i] {
                started.release();
                gate.acquire();
                return int(i);
            });
        QVERIFY(started.tryAcquire(qMin(int(count), QThread::idealThreadCount()), 10000));

        // Shared, since on a failure the work may run only after this test has returned.
        auto ran = std::make_shared<QSemaphore>();
        QThreadPool::globalInstance()->start([ran] { ran->release(); });
        QVERIFY2(ran->tryAcquire(1, 10000), "work on Qt's global pool waited for the slots");

        open.dismiss();
        gate.release(int(count));
        for (size_t i = 0; i < count; ++i)
            QCOMPARE(workers.take(i), int(i));
    }
};

QTEST_MAIN(TestWorkers)
#include "tst_workers.moc"
