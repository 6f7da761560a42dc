#include "sound/SoundFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using ferlo::findCellSound;
using ferlo::findSoundFile;
using ferlo::soundFilePath;

namespace {
void touch(const QString& path) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("RIFF");
}
} // namespace

class TestSoundFile : public QObject {
    Q_OBJECT

private slots:
    void pathOfPicture_data();
    void pathOfPicture();
    void picturesOfOneWordShareTheirSound();
    void lookup_data();
    void lookup();
    void severalCaseVariantsGiveTheSameChoice();
    void cellSound_data();
    void cellSound();
};

void TestSoundFile::pathOfPicture_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("sound");
    QTest::newRow("trailing digit") << "/pics/cat1.jpg"
                                    << "/pics/cat.WAV";
    QTest::newRow("several digits") << "/pics/cat2024.jpg"
                                    << "/pics/cat.WAV";
    QTest::newRow("root directory") << "/cat1.jpg"
                                    << "/cat.WAV";
    QTest::newRow("file name's own case") << "/pics/Dog.JPG"
                                          << "/pics/Dog.WAV";
    QTest::newRow("upper-case name") << "/pics/HORSE3.bmp"
                                     << "/pics/HORSE.WAV";
    QTest::newRow("blank before digits kept") << "/pics/dog 2.jpg"
                                              << "/pics/dog .WAV";
    QTest::newRow("only the last extension") << "/pics/a.b1.jpg"
                                             << "/pics/a.b.WAV";
    QTest::newRow("digits inside stay") << "/pics/r2d2x.jpg"
                                        << "/pics/r2d2x.WAV";
    QTest::newRow("non-Latin letters") << "/bilder/Ärger7.jpg"
                                       << "/bilder/Ärger.WAV";
    QTest::newRow("no directory") << "cat1.jpg"
                                  << "cat.WAV";
}

void TestSoundFile::pathOfPicture() {
    QFETCH(QString, picture);
    QFETCH(QString, sound);
    QCOMPARE(soundFilePath(picture), sound);
}

void TestSoundFile::picturesOfOneWordShareTheirSound() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath("cat.WAV"));
    const QString expected = dir.filePath("cat.WAV");
    QCOMPARE(findSoundFile(soundFilePath(dir.filePath("cat1.jpg"))), expected);
    QCOMPARE(findSoundFile(soundFilePath(dir.filePath("cat2.jpg"))), expected);
    QCOMPARE(findSoundFile(soundFilePath(dir.filePath("dog1.jpg"))), QString());
}

void TestSoundFile::lookup_data() {
    QTest::addColumn<QStringList>("files");   // files made in the directory
    QTest::addColumn<QStringList>("folders"); // folders made in the directory
    QTest::addColumn<QString>("wanted");      // the sound path asked for, in the directory
    QTest::addColumn<QString>("found");       // file name found, empty for none

    QTest::newRow("exact") << QStringList{"cat.WAV"} << QStringList{} << "cat.WAV"
                           << "cat.WAV";
    QTest::newRow("lower-case extension") << QStringList{"cat.wav"} << QStringList{} << "cat.WAV"
                                          << "cat.wav";
    QTest::newRow("mixed case") << QStringList{"Cat.Wav"} << QStringList{} << "cat.WAV"
                                << "Cat.Wav";
    QTest::newRow("exact wins over a case variant")
        << QStringList{"cat.wav", "cat.WAV"} << QStringList{} << "cat.WAV"
        << "cat.WAV";
    QTest::newRow("non-Latin letters ignoring case")
        << QStringList{"ärger.wav"} << QStringList{} << "Ärger.WAV"
        << "ärger.wav";
    QTest::newRow("no file") << QStringList{} << QStringList{} << "cat.WAV" << QString();
    QTest::newRow("other words only")
        << QStringList{"dog.WAV", "cats.WAV", "ca.WAV"} << QStringList{} << "cat.WAV" << QString();
    QTest::newRow("a folder is no sound")
        << QStringList{} << QStringList{"cat.WAV"} << "cat.WAV" << QString();
    QTest::newRow("a folder in another case is no sound")
        << QStringList{} << QStringList{"cat.wav"} << "cat.WAV" << QString();
}

void TestSoundFile::lookup() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QString, wanted);
    QFETCH(QString, found);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& name : files)
        touch(dir.filePath(name));
    for (const QString& name : folders)
        QVERIFY(QDir(dir.path()).mkdir(name));

    const QString expected = found.isEmpty() ? QString() : dir.filePath(found);
    QCOMPARE(findSoundFile(dir.filePath(wanted)), expected);
}

void TestSoundFile::severalCaseVariantsGiveTheSameChoice() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath("cat.wav"));
    touch(dir.filePath("Cat.wav"));
    const QString first = findSoundFile(dir.filePath("CAT.WAV"));
    QVERIFY(first == dir.filePath("cat.wav") || first == dir.filePath("Cat.wav"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(findSoundFile(dir.filePath("CAT.WAV")), first);
    // Missing directory, and the root where no such file lies: nothing, and no error.
    QCOMPARE(findSoundFile(dir.filePath("gone/cat.WAV")), QString());
    QCOMPARE(findSoundFile(soundFilePath("/ferlo-no-such-word1.jpg")), QString());
    QCOMPARE(findSoundFile(QString()), QString());
}

void TestSoundFile::cellSound_data() {
    QTest::addColumn<QStringList>("files"); // files beside the picture cat2.jpg
    QTest::addColumn<QString>("shown");     // the word typed over the file name's
    QTest::addColumn<QString>("own");       // the cell's own sound, empty for none
    QTest::addColumn<QString>("found");     // the file found, empty for none

    const QStringList all{"cat.WAV", "cat.flac", "Kitty.mp3", "kitty.ogg", "own.opus"};
    QTest::newRow("the cell's own sound first") << all << "Kitty"
                                                << "own.opus"
                                                << "own.opus";
    QTest::newRow("own sound gone: WORD.WAV") << all << "Kitty"
                                              << "gone.wav"
                                              << "cat.WAV";
    QTest::newRow("WORD.WAV before the edited word")
        << QStringList{"cat.wav", "kitty.wav"} << "kitty" << QString() << "cat.wav";
    QTest::newRow("edited word before the file-name word")
        << QStringList{"cat.flac", "kitty.mp3"} << "Kitty" << QString() << "kitty.mp3";
    QTest::newRow("extension order within a word")
        << QStringList{"kitty.mp3", "KITTY.OGG", "kitty.opus"} << "Kitty" << QString()
        << "KITTY.OGG";
    QTest::newRow("file-name word in another format")
        << QStringList{"Cat.Opus", "dog.wav"} << QString() << QString() << "Cat.Opus";
    QTest::newRow("edited word with no file: file-name word")
        << QStringList{"cat.ogg"} << "Kitty" << QString() << "cat.ogg";
    QTest::newRow("a word that names a folder path is not looked for")
        << QStringList{"cat.mp3"} << "../x" << QString() << "cat.mp3";
    QTest::newRow("other extensions are no sound")
        << QStringList{"cat.txt", "cat.wav.bak", "cat.aiff"} << QString() << QString() << QString();
    QTest::newRow("nothing") << QStringList{} << "Kitty" << QString() << QString();
}

void TestSoundFile::cellSound() {
    QFETCH(QStringList, files);
    QFETCH(QString, shown);
    QFETCH(QString, own);
    QFETCH(QString, found);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& name : files)
        touch(dir.filePath(name));
    touch(dir.filePath("cat2.jpg"));
    const QString ownPath = own.isEmpty() ? QString() : dir.filePath(own);
    const QString expected = found.isEmpty() ? QString() : dir.filePath(found);
    QCOMPARE(findCellSound(dir.filePath("cat2.jpg"), shown, ownPath), expected);
}

QTEST_GUILESS_MAIN(TestSoundFile)
#include "tst_soundfile.moc"
