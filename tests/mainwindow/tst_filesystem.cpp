// Every file on a user's disk is input: odd names, hostile contents and files that change under
// the program's feet all end in a clear message or in working pictures, never in a crash.

#include "mainwindow/FerloMainForm.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/PictureControl.h"
#include "printing/PdfExport.h"
#include "sound/SoundPlayer.h"
#include "sound/support_waveplayer.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTextLayout>
#include <QtMath>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ferlo;
using namespace ferlo::test;

namespace {

QByteArray jpegBytes(int width, int height, QRgb colour) {
    QTemporaryDir dir;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath("x.jpg");
    writeJpeg(path, image, 90);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeNative(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    QVERIFY2(fd >= 0, path.constData());
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
}

qint64 residentKiB() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

int rowOf(const FormView& ui, const QString& name) {
    for (int i = 0; i < ui.FileListBox1->count(); ++i) {
        if (ui.FileListBox1->itemName(i) == name)
            return i;
    }
    return -1;
}

void clickRow(const FormView& ui, int row, Qt::MouseButton button = Qt::LeftButton) {
    QListWidget* list = ui.FileListBox1;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), button, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestFileSystem : public QObject {
    Q_OBJECT

    QTemporaryDir m_out;

    QString pdf(const QString& name) const { return m_out.filePath(name); }

    // Each picture of the folder clicked in the list ends in a message naming it and leaves the
    // card as promised (the cell keeps the path, shows nothing, the item stays selected), or,
    // where the decoder can show part of it, in a picture. A left press finds no sound, and
    // printing passes over what failed.
    void driveEveryPicture(const QString& d) {
        MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ui.TB1PerPage->trigger();
        const qint64 before = residentKiB();
        QVERIFY(form.browseTo(d));

        for (int row = 0; row < ui.FileListBox1->count(); ++row) {
            const QString name = ui.FileListBox1->itemName(row);
            messages.clear();
            clickRow(ui, row);
            QCOMPARE(ui.Cells[0].FileName, encodePath(QDir(d).filePath(name)).toStdString());
            if (!messages.texts().isEmpty()) {
                QCOMPARE(messages.texts().size(), 1);
                QVERIFY2(messages.texts().first().contains(QDir(d).filePath(name)),
                         qPrintable(messages.texts().first()));
                QVERIFY(!ui.CellImages[0]->hasPicture());
                QVERIFY(ui.CellLabels[0]->isHidden());
            } else {
                QVERIFY2(ui.CellImages[0]->hasPicture(), qPrintable(name));
            }
            QVERIFY(ui.FileListBox1->item(row)->isSelected());
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
            // A left press looks for a sound and finds none; printing passes over a failed cell.
            QTest::mouseClick(ui.CellImages[0], Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
            writeCardPdf(pdf("hostile.pdf"), {form.currentPage()}, QPageSize(QPageSize::A5), 72);
            QVERIFY(QFile::exists(pdf("hostile.pdf")));
            clickRow(ui, row); // unselect: the cell is free again
            QCOMPARE(ui.pictureCount(), 0);
        }
        QVERIFY2(residentKiB() - before < 300 * 1024,
                 qPrintable(QStringLiteral("memory grew by %1 KiB").arg(residentKiB() - before)));
    }

    int rowOfIn(const QString& d, const QString& name) {
        TFerloMainForm form;
        const FormView ui(form);
        form.browseTo(d);
        return rowOf(ui, name);
    }

private slots:
    void initTestCase() { QVERIFY(m_out.isValid()); }

    // Names with blanks, quotes, shell characters, newlines, bytes that are not UTF-8, and the
    // longest name a file system allows: each picture loads, prints and finds its sound.
    void oddNamesWorkLikeAnyOther_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("255 bytes") << QByteArray(251, 'w') + ".jpg" << QString(251, 'W');
        QTest::newRow("blanks") << QByteArray("two words 3.jpg") << "TWO WORDS ";
        QTest::newRow("quotes") << QByteArray("it's \"x\".jpg") << "IT'S \"X\"";
        QTest::newRow("semicolon") << QByteArray("a;rm -rf b.jpg") << "A;RM -RF B";
        QTest::newRow("command") << QByteArray("$(touch pwned).jpg") << "$(TOUCH PWNED)";
        QTest::newRow("newline") << QByteArray("new\nline.jpg") << "NEW\nLINE";
        QTest::newRow("latin-1 byte") << QByteArray("caf\xe9.jpg")
                                      << QStringLiteral("CAF") + QChar(QChar::ReplacementCharacter);
    }
    void oddNamesWorkLikeAnyOther() {
        QFETCH(QByteArray, name);
        QFETCH(QString, label);
        MessageRecorder messages;
        QTemporaryDir dir;
        const QByteArray folder = encodePath(dir.path());
        writeNative(folder + '/' + name, jpegBytes(64, 48, 0xff2080c0));
        const QByteArray word = encodePath(MakeLabelText(decodePath(name)));
        std::vector<float> tone = sine(0.1, 8000, 1, 440.0, 0.5);
        writeWave(dir.filePath("tone.wav"), tone, 1, 8000);
        QCOMPARE(::rename(encodePath(dir.filePath("tone.wav")).constData(),
                          (folder + '/' + word + ".WAV").constData()),
                 0);

        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(dir.path()));
        const int row = rowOf(ui, decodePath(name));
        QVERIFY2(row >= 0, "the picture is not in the file list");
        clickRow(ui, row);
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QVERIFY(ui.CellImages[0]->hasPicture());
        QCOMPARE(ui.Cells[0].FileName, (folder + '/' + name).toStdString());
        QCOMPARE(ui.CellLabels[0]->text(), label);

        QTest::mouseClick(ui.CellImages[0], Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QVERIFY(ui.MediaPlayer1->isOpen());
        QCOMPARE(encodePath(ui.MediaPlayer1->fileName()), folder + '/' + word + ".WAV");

        writeCardPdf(pdf("odd.pdf"), {form.currentPage()}, QPageSize(QPageSize::A4), 72);
        QVERIFY(QFileInfo(pdf("odd.pdf")).size() > 1000);
        // Nothing ran the shell: no file appeared from the name's command.
        QVERIFY(!QFile::exists(dir.filePath("pwned")) && !QFile::exists("pwned"));

        // Right press: the item is unselected and the cell freed.
        QTest::mouseClick(ui.CellImages[0], Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
        QVERIFY(!ui.FileListBox1->item(row)->isSelected());
        QCOMPARE(ui.pictureCount(), 0);
    }

    // Names in other scripts are drawn in fallback fonts that may be higher than the list's own:
    // the rows of both lists take the height of the fonts the names are drawn in, so no name
    // reaches into its neighbour's row; names in Latin letters keep the lists' own rows. The file
    // list still shows whole rows only.
    void rowsTakeTheHeightOfTheirScripts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ownRows");
        QTest::newRow("Latin") << QStringLiteral("Zebra Ärger") << true;
        QTest::newRow("Devanagari") << QStringLiteral("बिल्ली") << false;
        QTest::newRow("Thai") << QStringLiteral("ผู้ใหญ่") << false;
        QTest::newRow("Arabic") << QStringLiteral("عصفور") << false;
        QTest::newRow("CJK") << QStringLiteral("猫と犬") << false;
        QTest::newRow("Latin beside Thai") << QStringLiteral("Zebra ผู้ใหญ่") << false;
    }
    void rowsTakeTheHeightOfTheirScripts() {
        QFETCH(QString, name);
        QFETCH(bool, ownRows);
        QTemporaryDir dir;
        for (int i = 1; i <= 3; ++i) {
            const QString file = QStringLiteral("%1 %2").arg(name).arg(i);
            writeFile(dir.filePath(file + QStringLiteral(".jpg")), jpegBytes(8, 8, 0xff000000));
            QVERIFY(QDir(dir.path()).mkdir(file));
        }
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(dir.path()));
        for (QListWidget* list : {static_cast<QListWidget*>(ui.FileListBox1),
                                  static_cast<QListWidget*>(ui.DirectoryListBox1)}) {
            const int own =
                list == ui.FileListBox1 ? FileListBox::kItemHeight : DirectoryListBox::kItemHeight;
            // The line Qt lays a text out in, with the ascent and descent of every font it
            // takes glyphs from: the list's own rows are designed for its font's Latin lines.
            const auto lineOf = [list](const QString& text) {
                QTextLayout layout(text, list->font());
                layout.beginLayout();
                const QTextLine line = layout.createLine();
                layout.endLayout();
                return qCeil(line.height());
            };
            const int latin = lineOf(QStringLiteral("Zebra 1.jpg"));
            int previousBottom = -1;
            for (int row = 0; row < list->count(); ++row) {
                const QString text = list->item(row)->text();
                const QRect rect = list->visualItemRect(list->item(row));
                QVERIFY2(rect.height() - own >= lineOf(text) - latin,
                         qPrintable(QStringLiteral("\"%1\": a row of %2 px for a line of %3 px")
                                        .arg(text)
                                        .arg(rect.height())
                                        .arg(lineOf(text))));
                QVERIFY(rect.top() > previousBottom);
                previousBottom = rect.bottom();
                if (ownRows)
                    QCOMPARE(rect.height(), own);
            }
        }
        const int row = ui.FileListBox1->visualItemRect(ui.FileListBox1->item(0)).height();
        QVERIFY(ui.Panel5->height() - ui.FileListBox1->height() < row);
        QCOMPARE((ui.FileListBox1->viewport()->height()) % row, 0);
    }

    // Hostile contents: each file clicked in the list ends in a message naming it and leaves the
    // card as promised (the cell keeps the path, shows nothing, the item stays selected), or,
    // where the decoder can show part of it, in a picture. Printing passes over what failed.
    void hostileFilesThroughTheWindow() {
        QTemporaryDir dir;
        const QString d = dir.path();
        const QByteArray good = jpegBytes(320, 240, 0xffc04040);
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            writeFile(dir.filePath(name), bytes);
        };
        write("truncated.jpg", good.left(good.size() / 3));
        QByteArray flipped = good;
        for (int i = 200; i < flipped.size() - 2; i += 97)
            flipped[i] = char(flipped[i] ^ 0x5a);
        write("bitflipped.jpg", flipped);
        write("huge.jpg", jpegHeaderOnly(65535, 65535, false));
        write("hugeprogressive.jpg", jpegHeaderOnly(65535, 65535, true));
        write("empty.jpg", QByteArray());
        write("png.jpg", QByteArray::fromHex(
                             "89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c489"));
        write("text.bmp", "BM but not a bitmap at all");
        write("zero.bmp", bmpFile(0, 0, 24, 0, {}, {}));
        write("shortpalette.bmp",
              bmpFile(4, 4, 8, 0, {0xff000000, 0xffffffff}, QByteArray(16, char(200))));
        // RLE8 runs that overrun the row and the picture.
        write("rleoverrun.bmp", bmpFile(4, 2, 8, 1, {0xff000000, 0xffff0000},
                                        QByteArray::fromHex("ff01ff01ff0100000001")));
        QByteArray bmpFlipped = bmpFile(16, 16, 24, 0, {}, QByteArray(16 * 16 * 3, char(90)));
        for (int i = 0; i < 54; i += 5)
            bmpFlipped[i] = char(bmpFlipped[i] ^ 0xff);
        write("bitflipped.bmp", bmpFlipped);
        QDir(d).mkdir("folder.jpg");
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.bmp")).constData(), 0644) == 0);

        QCOMPARE(rowOfIn(d, "folder.jpg"), -1);
        QCOMPARE(rowOfIn(d, "pipe.bmp"), -1);
        driveEveryPicture(d);
    }

    // The same with the hostile files kept under tests/data/hostile.
    void keptHostileCorpusThroughTheWindow() {
        QTemporaryDir dir;
        const QDir corpus(QStringLiteral(FERLO_TEST_DATA_DIR "/hostile"));
        const QStringList pictures = corpus.entryList(
            {"*.jpg", "*.bmp", "*.png", "*.gif", "*.webp", "*.tif", "*.heic"}, QDir::Files);
        QVERIFY(pictures.size() >= 10);
        for (const QString& name : pictures)
            QVERIFY(QFile::copy(corpus.filePath(name), dir.filePath(name)));
        driveEveryPicture(dir.path());
    }

    void keptHostileSoundsGiveTheirMessage() {
        const QDir corpus(QStringLiteral(FERLO_TEST_DATA_DIR "/hostile"));
        const QStringList sounds = corpus.entryList({"bird-*.wav"}, QDir::Files);
        QVERIFY(sounds.size() >= 3);
        for (const QString& sound : sounds) {
            MessageRecorder messages;
            PictureFolder folder;
            folder.addJpeg("bird.jpg");
            QVERIFY(QFile::copy(corpus.filePath(sound), folder.file("bird.WAV")));
            TFerloMainForm form;
            const FormView ui(form);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QVERIFY(form.browseTo(folder.path()));
            clickFile(form, "bird.jpg");
            QTest::mouseClick(ui.CellImages[0], Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
            // The player opens it after the click has returned: its message follows.
            QTRY_VERIFY2(messages.texts().size() == 1, qPrintable(sound));
            QVERIFY(messages.texts().first().contains(folder.file("bird.WAV")));
            QVERIFY(!ui.MediaPlayer1->isOpen());
        }
    }

    void filesChangingUnderfoot() {
        MessageRecorder messages;
        PictureFolder folder;
        folder.addJpeg("a.jpg");
        folder.addJpeg("b.jpg");
        folder.addJpeg("c.jpg", 100, 400);
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder.path()));

        // Deleted between listing and click: the message names it, the cell keeps the path.
        QVERIFY(QFile::remove(folder.file("a.jpg")));
        clickFile(form, "a.jpg");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().contains(folder.file("a.jpg")));
        clickFile(form, "a.jpg");
        QCOMPARE(ui.pictureCount(), 0);

        // Replaced between listing and click: the new picture is what shows.
        QVERIFY(QFile::remove(folder.file("b.jpg")));
        QVERIFY(QFile::copy(folder.file("c.jpg"), folder.file("b.jpg")));
        clickFile(form, "b.jpg");
        const QSize shown = ui.CellImages[0]->size(); // four times as tall as wide
        QVERIFY(qAbs(shown.height() - 4 * shown.width()) <= 4);

        // Deleted between placement and print: the export fails naming it, and leaves no PDF.
        QVERIFY(QFile::remove(folder.file("b.jpg")));
        const QString out = pdf("gone.pdf");
        try {
            writeCardPdf(out, {form.currentPage()}, QPageSize(QPageSize::A4), 72);
            QFAIL("the export of a vanished picture succeeded");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(folder.file("b.jpg")), qPrintable(error.message()));
        }
        QVERIFY(!QFile::exists(out));
        QCOMPARE(QDir(m_out.path()).entryList({"*gone*"}, QDir::Files | QDir::Hidden).size(), 0);
    }

    // Files and folders the user may not read. Root reads everything, so as root the test runs
    // itself once more as an unprivileged user.
    void unreadableFilesAndFolders() {
        if (::geteuid() == 0) {
            // A copy of this program where the unprivileged user may run it, wherever the
            // build lies.
            QTemporaryDir place;
            QVERIFY(QFile::setPermissions(place.path(),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther));
            const QString copy = place.filePath(QStringLiteral("tst_filesystem"));
            QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.setWorkingDirectory(place.path());
            child.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                         QStringLiteral("--clear-groups"), copy,
                         QStringLiteral("unreadableFilesAndFolders")});
            QVERIFY(child.waitForFinished(120000));
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                     child.readAll().constData());
            return;
        }
        MessageRecorder messages;
        QTemporaryDir parent;
        const QString folder = parent.filePath("pics");
        QDir().mkpath(folder);
        writeFile(folder + "/a.jpg", jpegBytes(40, 30, 0xff00ff00));
        writeFile(folder + "/secret.jpg", jpegBytes(40, 30, 0xff0000ff));
        QVERIFY(QFile::setPermissions(folder + "/secret.jpg", QFileDevice::WriteOwner));
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder));
        clickFile(form, "secret.jpg");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY2(messages.texts().first().contains(folder + "/secret.jpg"),
                 qPrintable(messages.texts().first()));
        QVERIFY(!ui.CellImages[0]->hasPicture());
        clickFile(form, "a.jpg");
        QVERIFY(ui.CellImages[1]->hasPicture());

        // The shown folder made unreadable: the browser can't come back to it and says why;
        // a picture already on the card stays.
        messages.clear();
        QVERIFY(form.browseTo(parent.path()));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::WriteOwner));
        QVERIFY(!form.browseTo(folder));
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().contains(folder));
        QCOMPARE(form.shownDirectory(), parent.path());
        QVERIFY(ui.CellImages[1]->hasPicture());
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner));
    }

    void shownFolderRemoved() {
        MessageRecorder messages;
        QTemporaryDir parent;
        const QString folder = parent.filePath("pics");
        QDir().mkpath(folder);
        writeFile(folder + "/a.jpg", jpegBytes(40, 30, 0xff00ff00));
        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder));
        QVERIFY(QDir(folder).removeRecursively());
        clickFile(form, "a.jpg");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().contains(folder + "/a.jpg"));
        messages.clear();
        QVERIFY(!form.browseTo(folder));
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().contains(folder));
        QCOMPARE(form.shownDirectory(), folder); // the browser stays where it was
        QVERIFY(form.browseTo(parent.path()));
    }
};

QTEST_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
