// Every file the program writes, written onto a full file system: the write fails with a message
// naming the file and the system's cause, the old file is kept byte for byte, no part of the new
// one is left, and with room again the same write succeeds. The file system is a small tmpfs
// mounted for the test, which needs root (as CI runs); elsewhere the test skips, saying so.

#include "app/CommandLine.h"
#include "layout/CardModel.h"
#include "mainwindow/FerloMainForm.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"
#include "printing/job/PrintJob.h"
#include "sound/Speech.h"
#include "sound/WaveWriter.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/FileReplacement.h"
#include "storage/PrintOption.h"
#include "support/CapturedRun.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace ferlo;
using namespace ferlo::test;

namespace {

enum class Writer { Pdf, PrintToFile, CommandLine, Deck, Settings, Wave, SpokenWords, Replacement };

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A deck of `cards` cards of four pictures each.
Deck deckOf(const QString& picture, int cards) {
    Deck deck;
    for (int i = 0; i < cards; ++i) {
        DeckCard card;
        for (int cell = 0; cell < 4; ++cell)
            card.cells.push_back(DeckCell{picture.toStdString(), "word " + std::to_string(i), {}});
        deck.cards.push_back(card);
    }
    return deck;
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT

    QTemporaryDir m_base;
    QString m_mount;
    bool m_mounted = false;
    QStringList m_pictures; // outside the small file system

    QString filler() const { return m_mount + QStringLiteral("/filler"); }

    // Fills the file system, then leaves `room` bytes of it free.
    void fill(qint64 room) {
        QFile file(filler());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size()) {
        }
        while (file.write(block.left(1)) == 1) {
        }
        file.close();
        QVERIFY(file.resize(std::max<qint64>(0, file.size() - room)));
    }
    void makeRoom() {
        if (QFile::exists(filler()))
            QVERIFY(QFile::remove(filler()));
    }
    QStringList entries() const {
        QStringList names =
            QDir(m_mount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    // Runs one writer onto `path`; returns the message it gave, empty when it wrote the file.
    QString write(Writer writer, const QString& path, int variant) {
        try {
            switch (writer) {
            case Writer::Pdf: {
                CardModel card((DeckCard()));
                card.setPicture(0, m_pictures.at(0).toStdString());
                card.setPicture(1, m_pictures.at(variant % 2).toStdString());
                writeCardPdf(path, {makeCardPage(card)}, QPageSize(QPageSize::A4), 300);
                return {};
            }
            case Writer::PrintToFile: {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                printer.setResolution(300);
                CardModel card((DeckCard()));
                card.setPicture(0, m_pictures.at(variant % 2).toStdString());
                card.setPicture(1, m_pictures.at(1).toStdString());
                runPrintJob(printer, {makeCardPage(card)}, PaintOptions());
                return {};
            }
            case Writer::CommandLine: {
                const CapturedRun run = captureOutput([&] {
                    return runCommandLineExport({"ferlo", "--print-to", path, "--per-page", "1",
                                                 m_pictures.at(0), m_pictures.at(1 - variant % 2)});
                });
                // One line and a failure status, or nothing and success.
                if (run.code == 0 && run.err.isEmpty())
                    return {};
                if (run.code != 1 || run.err.count(QLatin1Char('\n')) != 1)
                    return QStringLiteral("exit status %1: %2").arg(run.code).arg(run.err);
                return run.err;
            }
            case Writer::Deck:
                writeDeck(path, deckOf(m_pictures.first(), 4 + variant * 40));
                return {};
            case Writer::Settings:
                save_PrintAsDIB(variant % 2 == 1);
                return {};
            case Writer::Wave:
                writeWaveFile(path, std::vector<float>(size_t(20000 + variant * 30000), 0.25f),
                              22050);
                return {};
            case Writer::SpokenWords: {
                const CapturedRun run = captureOutput([&] {
                    return runCommandLineExport({"ferlo", "--speak-to", QFileInfo(path).path(),
                                                 "--rate", QString::number(100 + variant),
                                                 m_pictures.first()});
                });
                if (run.code == 0 && run.err.isEmpty())
                    return {};
                if (run.code != 1 || run.err.count(QLatin1Char('\n')) != 1)
                    return QStringLiteral("exit status %1: %2").arg(run.code).arg(run.err);
                return run.err;
            }
            case Writer::Replacement: {
                const QString cause =
                    replaceFileWith(path, QByteArray(1000 + variant * 50000, char('a' + variant)));
                return cause.isEmpty() ? cause : path + QStringLiteral(": ") + cause;
            }
            }
        } catch (const Error& error) {
            return error.message();
        }
        return QStringLiteral("no writer");
    }

private slots:
    void initTestCase() {
        for (int seed = 0; seed < 2; ++seed) {
            m_pictures << m_base.filePath(QStringLiteral("photo%1.jpg").arg(seed));
            writeJpeg(m_pictures.last(), photoLikeImage(640, 480, seed), 90);
        }
        m_mount = m_base.filePath(QStringLiteral("small"));
        QDir().mkpath(m_mount);
        FERLO_REQUIRE_SERVICE(
            ::geteuid() == 0 && QProcess::execute(QStringLiteral("mount"),
                                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                   QStringLiteral("-o"), QStringLiteral("size=2m"),
                                                   QStringLiteral("tmpfs"), m_mount}) == 0,
            QStringLiteral("a small file system can only be mounted as root; the writers' "
                           "handling of a full disk was not tried"));
        m_mounted = true;
    }
    void init() {
        // The settings are written where only the settings' own test fills the disk.
        qputenv("FERLO_REGISTRY_DIR",
                QFile::encodeName(m_base.filePath(QStringLiteral("settings"))));
    }
    void cleanupTestCase() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_mount});
    }
    void cleanup() {
        makeRoom();
        for (const QString& entry : entries())
            QFile::remove(m_mount + QLatin1Char('/') + entry);
    }

    void writersKeepTheOldFile_data() {
        QTest::addColumn<int>("writer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("room"); // bytes left free: 0, or less than the new file needs
        QTest::newRow("PDF, disk full") << int(Writer::Pdf) << "cards.pdf" << qint64(0);
        QTest::newRow("PDF, written in part") << int(Writer::Pdf) << "cards.pdf" << qint64(96000);
        QTest::newRow("print to a file, written in part")
            << int(Writer::PrintToFile) << "printed.pdf" << qint64(96000);
        QTest::newRow("command line, written in part")
            << int(Writer::CommandLine) << "out.pdf" << qint64(96000);
        QTest::newRow("deck, disk full") << int(Writer::Deck) << "farm.ferlo" << qint64(0);
        QTest::newRow("deck, written in part") << int(Writer::Deck) << "farm.ferlo" << qint64(8192);
        QTest::newRow("settings, disk full")
            << int(Writer::Settings) << "HKEY_LOCAL_MACHINE.reg" << qint64(0);
        QTest::newRow("recording, disk full") << int(Writer::Wave) << "DOG.wav" << qint64(0);
        QTest::newRow("recording, written in part")
            << int(Writer::Wave) << "DOG.wav" << qint64(16384);
        QTest::newRow("spoken words, disk full")
            << int(Writer::SpokenWords) << "photo.wav" << qint64(0);
        QTest::newRow("any file, written in part")
            << int(Writer::Replacement) << "data.bin" << qint64(20000);
    }
    void writersKeepTheOldFile() {
        QFETCH(int, writer);
        QFETCH(QString, name);
        QFETCH(qint64, room);
        if (Writer(writer) == Writer::SpokenWords && speechVoices().isEmpty())
            QSKIP("no speech engine or voices (espeak-ng-data)");
        const QString path = m_mount + QLatin1Char('/') + name;
        if (Writer(writer) == Writer::Settings)
            qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(m_mount));
        QCOMPARE(write(Writer(writer), path, 0), QString());
        const QByteArray before = contents(path);
        QVERIFY(!before.isEmpty());

        fill(room);
        const QString message = write(Writer(writer), path, 1);
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY2(message.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(message));
        QCOMPARE(contents(path), before);
        QStringList expected{name, QStringLiteral("filler")};
        expected.sort();
        QCOMPARE(entries(), expected);

        makeRoom();
        QCOMPARE(write(Writer(writer), path, 1), QString());
        QVERIFY(contents(path) != before);
        QCOMPARE(entries(), QStringList{name});
    }

    // In the window: Save onto a full disk says why, keeps the deck on disk as it was and the
    // window's changes unsaved, so closing the window still asks about them.
    void windowSaveKeepsTheChanges() {
        MessageRecorder messages;
        const QString deckPath = m_mount + QStringLiteral("/farm.ferlo");
        writeDeck(deckPath, deckOf(m_pictures.first(), 1));
        const QByteArray before = contents(deckPath);
        TFerloMainForm form;
        form.openFiles({deckPath});
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        form.findChild<QAction*>(QStringLiteral("TBNewCard"))->trigger();
        QVERIFY(form.isWindowModified());

        fill(0);
        form.findChild<QAction*>(QStringLiteral("mnSaveDeck"))->trigger();
        QCOMPARE(messages.texts().size(), 1);
        const QString message = messages.texts().first();
        QVERIFY2(message.contains(deckPath), qPrintable(message));
        QVERIFY2(message.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(message));
        QVERIFY(form.isWindowModified());
        QCOMPARE(contents(deckPath), before);

        QString asked;
        QTimer::singleShot(0, qApp, [&asked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            asked = box->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!form.close());
        QVERIFY2(asked.contains(QStringLiteral("farm.ferlo")), qPrintable(asked));

        makeRoom();
        form.findChild<QAction*>(QStringLiteral("mnSaveDeck"))->trigger();
        QVERIFY(!form.isWindowModified());
        QCOMPARE(readDeck(deckPath).cards.size(), size_t(2));
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
