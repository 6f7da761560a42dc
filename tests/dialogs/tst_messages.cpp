#include "storage/Errors.h"
#include "dialogs/Messages.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
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

    // Messages name files, and a file name is no markup: the box reads as the text is written.
    void boxShowsTheTextAsWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("line break") << "Cannot load the picture /p/x<br>y1.jpg: broken";
        QTest::newRow("bold") << "<b>bold.jpg: not a picture";
        QTest::newRow("entity") << "Cannot play /p/&lt;i&gt;.WAV: <b>x</b>";
    }
    void boxShowsTheTextAsWritten() {
        QFETCH(QString, text);
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const bool rich =
                label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            QTextDocument document;
            if (rich)
                document.setHtml(label->text());
            else
                document.setPlainText(label->text());
            shown = document.toPlainText();
            box->accept();
        });
        poll.start(10);
        showError(nullptr, text);
        QCOMPARE(shown, text);
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
