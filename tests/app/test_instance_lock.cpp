#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "instance_lock.h"

using conteggo::InstanceLock;

class TestInstanceLock : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        runtime_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", runtime_->path().toLocal8Bit());
    }

    void oneHolderAtATime() {
        InstanceLock first;
        QVERIFY(first.tryAcquire());
        InstanceLock second;
        QVERIFY(!second.tryAcquire());
    }

    // A lock file with no process id in it: a copy killed while creating it, or one creating
    // it right now.
    void unfinishedLockFile_data() {
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("left an hour ago") << 3600 << true;
        QTest::newRow("being written now") << 0 << false;
    }

    void unfinishedLockFile() {
        QFETCH(int, ageSeconds);
        QFile file(runtime_->filePath(QStringLiteral("conteggo.lock")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
        file.close();
        InstanceLock lock;
        QTEST(lock.tryAcquire(), "takenOver");
    }

  private:
    std::unique_ptr<QTemporaryDir> runtime_;
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instance_lock.moc"
