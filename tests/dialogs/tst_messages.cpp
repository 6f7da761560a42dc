#include "storage/Errors.h"
#include "dialogs/Messages.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTextLayout>
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
        // Word joiners (kept paths whole) have no width: the text reads as written.
        QCOMPARE(shown.remove(QChar(0x2060)), text);
    }

    // A long path in a message box breaks inside the path or before it, never after the slash
    // it begins with: at every width the box may take, no line ends in a path's first "/".
    void boxNeverEndsALineWithAPathsFirstSlash() {
        const QString text = QStringLiteral(
            "The deck file /home/teacher/Decks/farm animals.ferlo names 2 missing pictures: "
            "/home/teacher/Pictures/farm/cow.jpg, /home/teacher/Pictures/farm/horse.jpg");
        QString label;
        QFont font;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            const auto* shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(shown->wordWrap());
            label = shown->text();
            font = shown->font();
            box->accept();
        });
        poll.start(10);
        showError(nullptr, text);
        QVERIFY(!label.isEmpty());
        for (int width = 60; width <= 700; ++width) {
            QTextLayout layout(label, font);
            QTextOption option;
            option.setWrapMode(QTextOption::WordWrap); // as a word-wrapping label
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                const QString shownLine =
                    label.mid(line.textStart(), line.textLength()).remove(QChar(0x2060));
                QVERIFY2(!shownLine.endsWith(QLatin1String(" /")),
                         qPrintable(QStringLiteral("width %1: \"%2\"").arg(width).arg(shownLine)));
            }
            layout.endLayout();
        }
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
