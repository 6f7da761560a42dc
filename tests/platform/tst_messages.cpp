#include "platform/Errors.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <new>
#include <stdexcept>

using namespace ferlo;

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    // Whatever a handler throws ends in one error message, and the caller goes on.
    void guardTurnsEveryExceptionIntoAMessage_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("program error") << 0 << "Cannot load the picture /p/ü.jpg: broken";
        QTest::newRow("standard exception") << 1 << "disk on fire";
        QTest::newRow("out of memory") << 2 << "There is not enough memory to finish this command.";
        QTest::newRow("anything else") << 3 << "An unexpected error stopped this command.";
    }
    void guardTurnsEveryExceptionIntoAMessage() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        test::MessageRecorder recorder;
        bool after = false;
        runGuarded(nullptr, [&] {
            switch (kind) {
            case 0:
                throw Error(message);
            case 1:
                throw std::runtime_error(message.toStdString());
            case 2:
                throw std::bad_alloc();
            default:
                throw 42;
            }
        });
        after = true;
        QVERIFY(after);
        QCOMPARE(recorder.texts(), QStringList{message});
        QCOMPARE(recorder.messages().first().kind, MessageKind::Error);
    }

    void guardIsSilentWhenAllGoesWell() {
        test::MessageRecorder recorder;
        int runs = 0;
        runGuarded(nullptr, [&] { ++runs; });
        QCOMPARE(runs, 1);
        QVERIFY(recorder.texts().isEmpty());
    }

    void recorderRestoresThePreviousSink() {
        QStringList outer;
        const MessageSink previous =
            setMessageSink([&](MessageKind, const QString& text) { outer << text; });
        {
            test::MessageRecorder inner;
            showError(nullptr, "inner");
            QCOMPARE(inner.texts(), QStringList{"inner"});
        }
        showError(nullptr, "outer");
        QCOMPARE(outer, QStringList{"outer"});
        setMessageSink(previous);
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
