#include "mainwindow/FerloMainForm.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/PictureControl.h"
#include "platform/WavePlayer.h"
#include "printing/PdfExport.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

class TestSelection : public QObject {
    Q_OBJECT

    MessageRecorder* m_messages = nullptr;
    PictureFolder* m_folder = nullptr;
    TFerloMainForm* m_form = nullptr;

    TFerloMainForm& form() { return *m_form; }
    void click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
        clickFile(*m_form, name, button);
    }
    QString path(const QString& name) const { return m_folder->file(name); }
    void press(int cell, Qt::MouseButton button) {
        QTest::mouseClick(m_form->CellImages[cell], button, Qt::NoModifier, QPoint(2, 2));
    }

private slots:
    void init() {
        m_messages = new MessageRecorder;
        m_folder = new PictureFolder;
        for (const QString name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
            m_folder->addJpeg(name, 320, 240);
        m_form = new TFerloMainForm;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        QVERIFY(m_form->browseTo(m_folder->path()));
    }
    void cleanup() {
        delete m_form;
        delete m_folder;
        delete m_messages;
    }

    void fileListShowsPicturesOnly() {
        m_folder->addJpeg("Photo.JPG");
        m_folder->addJpeg("scan.jpeg");
        m_folder->addBmp("Zebra.BMP");
        m_folder->addJpeg(".hidden.jpg");
        writeFile(path("notes.txt"), "x");
        // Listed by name; what they hold is the decoder's business.
        for (const char* name : {"Leaf.PNG", "sun.webp", "flag.gif", "map.TIF", "page.tiff",
                                 "phone.HEIC", "phone2.heif", "drawing.svg"})
            writeFile(path(name), "x");
        m_folder->addSubfolder("folder.jpg");
        QVERIFY(form().browseTo(m_folder->path()));
        QStringList items;
        for (int i = 0; i < form().FileListBox1->count(); ++i)
            items << form().FileListBox1->item(i)->text();
        QCOMPARE(items,
                 (QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "flag.gif", "Leaf.PNG",
                              "map.TIF", "page.tiff", "phone.HEIC", "phone2.heif", "Photo.JPG",
                              "scan.jpeg", "sun.webp", "Zebra.BMP"}));
        QVERIFY(selectedFiles(form()).isEmpty());
    }

    // Phone photos through the window. Eight JPEGs of one upright picture (red, green / blue,
    // yellow), stored in the eight EXIF orientations, show upright at its landscape shape on the
    // card and in a PDF. A PNG with a transparent quarter, a WebP, a GIF, a TIFF and a HEIC are
    // listed, placed, labelled and written to a PDF, the transparent quarter white.
    void phonePicturesThroughTheWindow() {
        const QList<QRgb> upright{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                  qRgb(255, 255, 0)};
        const auto [r, g, b, y] = std::tuple(upright[0], upright[1], upright[2], upright[3]);
        const QList<QList<QRgb>> stored{{r, g, b, y}, {g, r, y, b}, {y, b, g, r}, {b, y, r, g},
                                        {r, b, g, y}, {g, y, r, b}, {y, g, b, r}, {b, r, y, g}};
        const auto quadrants = [](QSize size, const QList<QRgb>& corners) {
            QImage image(size, QImage::Format_ARGB32);
            for (int py = 0; py < size.height(); ++py)
                for (int px = 0; px < size.width(); ++px)
                    image.setPixel(px, py,
                                   corners[(py >= size.height() / 2 ? 2 : 0) +
                                           (px >= size.width() / 2 ? 1 : 0)]);
            return image;
        };
        const auto close = [](QRgb a, QRgb e) {
            return qAbs(qRed(a) - qRed(e)) < 70 && qAbs(qGreen(a) - qGreen(e)) < 70 &&
                   qAbs(qBlue(a) - qBlue(e)) < 70;
        };
        // The quarter centres of a picture's rectangle within an image.
        const auto checkUpright = [&](const QImage& image, QRect box, const QString& what) {
            QVERIFY2(
                qAbs(box.width() * 3 - box.height() * 4) <= 12,
                qPrintable(what +
                           QStringLiteral(": shown %1 x %2").arg(box.width()).arg(box.height())));
            for (int i = 0; i < 4; ++i) {
                const QPoint at(box.left() + box.width() * (1 + 2 * (i % 2)) / 4,
                                box.top() + box.height() * (1 + 2 * (i / 2)) / 4);
                QVERIFY2(close(image.pixel(at), upright[i]),
                         qPrintable(what + QStringLiteral(": quarter %1").arg(i)));
            }
        };
        for (int o = 1; o <= 8; ++o) {
            const QString plain = path(QStringLiteral("plain.jpg"));
            const QImage picture =
                quadrants(o >= 5 ? QSize(96, 128) : QSize(128, 96), stored[o - 1]);
            writeJpeg(plain, picture, 95);
            QFile in(plain);
            QVERIFY(in.open(QIODevice::ReadOnly));
            writeFile(path(QStringLiteral("turned%1.jpg").arg(o)),
                      withSegments(in.readAll(), exifOrientationSegment(o)));
        }
        form().TB8PerPage->trigger();
        QVERIFY(form().browseTo(m_folder->path()));
        for (int o = 1; o <= 8; ++o)
            click(QStringLiteral("turned%1.jpg").arg(o));
        QVERIFY2(m_messages->texts().isEmpty(), qPrintable(m_messages->texts().join('\n')));
        for (int i = 0; i < 8; ++i) {
            QWidget* control = form().CellImages[i];
            const QImage shot = control->parentWidget()->grab(control->geometry()).toImage();
            checkUpright(shot.convertToFormat(QImage::Format_RGB32), shot.rect(),
                         QStringLiteral("screen, orientation %1").arg(i + 1));
        }
        // On paper: the card with the eight pictures, rendered from the PDF; each picture's
        // rectangle is where its colours are.
        const QString pdf = path(QStringLiteral("card.pdf"));
        writeCardPdf(pdf, {form().currentPage()}, QPageSize(QPageSize::A4), 150);
        QVERIFY(QProcess::execute("pdftoppm", {"-r", "60", "-png", "-singlefile", pdf,
                                               path(QStringLiteral("card"))}) == 0);
        const QImage page =
            QImage(path(QStringLiteral("card.png"))).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!page.isNull());
        const auto saturated = [&](int px, int py) {
            const QRgb c = page.pixel(px, py);
            return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) -
                       qMin(qRed(c), qMin(qGreen(c), qBlue(c))) >
                   120;
        };
        QList<QRect> boxes;
        QList<bool> seen(page.width() * page.height(), false);
        for (int py = 0; py < page.height(); ++py) {
            for (int px = 0; px < page.width(); ++px) {
                if (seen[py * page.width() + px] || !saturated(px, py))
                    continue;
                QRect box(px, py, 1, 1);
                QList<QPoint> todo{{px, py}};
                seen[py * page.width() + px] = true;
                while (!todo.isEmpty()) {
                    const QPoint p = todo.takeLast();
                    box |= QRect(p, QSize(1, 1));
                    for (const QPoint d :
                         {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                        const QPoint n = p + d;
                        if (page.rect().contains(n) && !seen[n.y() * page.width() + n.x()] &&
                            saturated(n.x(), n.y())) {
                            seen[n.y() * page.width() + n.x()] = true;
                            todo << n;
                        }
                    }
                }
                if (box.width() > 10 && box.height() > 10)
                    boxes << box;
            }
        }
        QCOMPARE(boxes.size(), 8);
        for (const QRect& box : boxes)
            checkUpright(page, box,
                         QStringLiteral("PDF, picture at %1, %2").arg(box.x()).arg(box.y()));

        // The further formats.
        const QSize size(128, 96);
        QImage transparent = quadrants(size, upright);
        for (int py = 0; py < 48; ++py)
            for (int px = 0; px < 64; ++px)
                transparent.setPixel(px, py, qRgba(0, 0, 0, 0));
        QVERIFY(transparent.save(path("leaf.png")));
        QVERIFY(quadrants(size, upright).save(path("sun.webp"), "webp", 100));
        QVERIFY(quadrants(size, upright).save(path("map.tif"), "tiff"));
        QVERIFY(quadrants(size, upright).save(path("flag-source.png")));
        QCOMPARE(QProcess::execute("convert", {path("flag-source.png"), path("flag.gif")}), 0);
        writeHeic(path("phone.heic"), quadrants(size, upright));
        form().TB6PerPage->trigger(); // a new layout empties the card
        QVERIFY(form().browseTo(m_folder->path()));
        const QStringList names{"leaf.png", "sun.webp", "map.tif", "flag.gif", "phone.heic"};
        for (const QString& name : names)
            click(name);
        QVERIFY2(m_messages->texts().isEmpty(), qPrintable(m_messages->texts().join('\n')));
        const QStringList labels{"LEAF", "SUN", "MAP", "FLAG", "PHONE"};
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(form().CellLabels[i]->text(), labels[i]);
            QWidget* control = form().CellImages[i];
            const QImage shot = control->parentWidget()
                                    ->grab(control->geometry())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            QList<QRgb> expected = upright;
            if (i == 0)
                expected[0] = qRgb(255, 255, 255);
            for (int q = 0; q < 4; ++q) {
                const QPoint at(shot.width() * (1 + 2 * (q % 2)) / 4,
                                shot.height() * (1 + 2 * (q / 2)) / 4);
                QVERIFY2(close(shot.pixel(at), expected[q]),
                         qPrintable(names[i] + QStringLiteral(": quarter %1").arg(q)));
            }
        }
        writeCardPdf(pdf, {form().currentPage()}, QPageSize(QPageSize::A4), 150);
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

    void selectionOutcomes_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("free cell: lowest index")
            << 4 << QStringList{"b.jpg", "a.jpg"} << QStringList{"b.jpg", "a.jpg", "", ""}
            << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("unselect empties its cell only")
            << 4 << QStringList{"a.jpg", "b.jpg", "c.jpg", "b.jpg"}
            << QStringList{"a.jpg", "", "c.jpg", ""} << QStringList{"a.jpg", "c.jpg"};
        QTest::newRow("freed cell is filled first")
            << 4 << QStringList{"a.jpg", "b.jpg", "c.jpg", "b.jpg", "d.jpg"}
            << QStringList{"a.jpg", "d.jpg", "c.jpg", ""} << QStringList{"a.jpg", "c.jpg", "d.jpg"};
        QTest::newRow("full card undoes the click")
            << 2 << QStringList{"a.jpg", "b.jpg", "c.jpg"} << QStringList{"a.jpg", "b.jpg"}
            << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("one per page") << 1 << QStringList{"a.jpg", "b.jpg", "a.jpg", "c.jpg"}
                                      << QStringList{"c.jpg"} << QStringList{"c.jpg"};
        // The click's own change notification must not select again the item it unselected.
        QTest::newRow("unselect the last selected after another item")
            << 4 << QStringList{"a.jpg", "b.jpg", "b.jpg", "a.jpg"} << QStringList{"", "", "", ""}
            << QStringList{};
        QTest::newRow("double toggle") << 4 << QStringList{"a.jpg", "a.jpg", "a.jpg"}
                                       << QStringList{"a.jpg", "", "", ""} << QStringList{"a.jpg"};
    }
    void selectionOutcomes() {
        QFETCH(int, count);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, selected);
        QAction* button = count == 1   ? form().TB1PerPage
                          : count == 2 ? form().TB2PerPage
                                       : form().TB4PerPage;
        button->trigger();
        for (const QString& name : clicks)
            click(name);
        QStringList expected;
        for (const QString& name : cells)
            expected << (name.isEmpty() ? QString() : path(name));
        QCOMPARE(cellFiles(form()), expected);
        QCOMPARE(selectedFiles(form()), selected);
        QCOMPARE(form().Card.PictureCount, int(selected.size()));
        for (int i = 0; i < cells.size(); ++i) {
            QCOMPARE(form().CellImages[i]->hasPicture(), !cells[i].isEmpty());
            QCOMPARE(form().CellLabels[i]->isVisible(), !cells[i].isEmpty());
        }
        QVERIFY(m_messages->texts().isEmpty());
    }

    void otherButtonsAndKeyboardPlaceNothing() {
        click("a.jpg", Qt::RightButton);
        click("b.jpg", Qt::MiddleButton);
        QVERIFY(selectedFiles(form()).isEmpty());
        QCOMPARE(form().Card.PictureCount, 0);

        form().FileListBox1->setFocus();
        QTest::keyClick(form().FileListBox1, Qt::Key_Down);
        QTest::keyClick(form().FileListBox1, Qt::Key_Space);
        QTest::keyClick(form().FileListBox1, Qt::Key_Down);
        QCOMPARE(form().Card.PictureCount, 0);
        QCOMPARE(cellFiles(form()), QStringList(4, QString()));
    }

    void changeNotificationReselectsThePicturesOfTheShownFolder() {
        click("a.jpg");
        click("c.jpg");
        // Unselecting everything without the mouse: the next change notification selects the
        // pictures on the card again.
        form().ClearFileSelections();
        form().FileListBox1Change();
        QCOMPARE(selectedFiles(form()), (QStringList{"a.jpg", "c.jpg"}));
    }

    void browsingAwayAndBackReselects() {
        PictureFolder other;
        other.addJpeg("a.jpg", 100, 100, 0xff00ff00); // same name, another folder
        other.addJpeg("z.jpg");
        click("a.jpg");
        click("b.jpg");
        click("c.jpg");
        QVERIFY(form().browseTo(other.path()));
        QVERIFY(selectedFiles(form()).isEmpty());
        click("a.jpg"); // a different picture with the same name
        QCOMPARE(form().Card.PictureCount, 4);
        QCOMPARE(form().Cells[3].FileName, other.file("a.jpg").toStdString());
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"});

        // A picture taken off meanwhile is not selected on coming back.
        press(1, Qt::RightButton);
        QCOMPARE(form().Card.PictureCount, 3);
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"}); // the list shows the other folder
        QVERIFY(form().browseTo(m_folder->path()));
        QCOMPARE(selectedFiles(form()), (QStringList{"a.jpg", "c.jpg"}));
        // Back in the other folder its picture is selected again.
        QVERIFY(form().browseTo(other.path()));
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"});
    }

    void rightPressTakesThePictureOff() {
        click("a.jpg");
        click("b.jpg");
        click("c.jpg");
        press(1, Qt::RightButton);
        QCOMPARE(cellFiles(form()), (QStringList{path("a.jpg"), "", path("c.jpg"), ""}));
        QCOMPARE(selectedFiles(form()), (QStringList{"a.jpg", "c.jpg"}));
        QCOMPARE(form().Card.PictureCount, 2);
        QVERIFY(form().CellLabels[1]->isHidden());
        QVERIFY(!form().CellImages[1]->hasPicture());
        click("e.jpg"); // the freed cell is the next one filled
        QCOMPARE(form().Cells[1].FileName, path("e.jpg").toStdString());

        // A right press on a free cell changes nothing; the count stays.
        press(3, Qt::RightButton);
        QCOMPARE(form().Card.PictureCount, 3);
        // The middle button does nothing.
        press(0, Qt::MiddleButton);
        QCOMPARE(form().Card.PictureCount, 3);
        QCOMPARE(selectedFiles(form()), (QStringList{"a.jpg", "c.jpg", "e.jpg"}));
    }

    void pressOnAControlBeyondTheCellsChangesNothing() {
        click("a.jpg");
        press(7, Qt::RightButton);
        press(7, Qt::LeftButton);
        press(5, Qt::RightButton);
        QCOMPARE(int(form().Cells.size()), 4);
        QCOMPARE(form().Card.PictureCount, 1);
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"});
    }

    void leftPressOpensTheSoundOfTheLabelWord() {
        m_folder->addJpeg("cat1.jpg");
        m_folder->addJpeg("cat2.jpg");
        m_folder->addJpeg("owl.jpg");
        QVERIFY(form().browseTo(m_folder->path()));
        click("cat2.jpg");
        click("owl.jpg");
        // No sound file: nothing happens, nothing is shown.
        press(0, Qt::LeftButton);
        QVERIFY(!form().MediaPlayer1->isOpen());
        QVERIFY(m_messages->texts().isEmpty());

        // A sound file that is no sound: the player's message, and the player is closed.
        writeFile(path("owl.WAV"), "this is not a sound");
        press(1, Qt::LeftButton);
        QCOMPARE(m_messages->texts().size(), 1);
        QVERIFY(m_messages->texts().first().contains(path("owl.WAV")));
        QVERIFY(!form().MediaPlayer1->isOpen());
    }

    void brokenPicturesGiveAMessageAndKeepTheCell_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text named .jpg") << "text.jpg" << QByteArray("just some words\n");
        QTest::newRow("truncated header") << "cut.jpg" << QByteArray::fromHex("ffd8ffe000104a46");
        QTest::newRow("empty bitmap") << "empty.bmp" << QByteArray();
        QTest::newRow("zero-pixel bitmap")
            << "zero.bmp"
            << QByteArray::fromHex("424d3a000000000000003600000028000000000000000000000001001800"
                                   "000000000400000000000000000000000000000000000000");
    }
    void brokenPicturesGiveAMessageAndKeepTheCell() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        writeFile(path(name), bytes);
        QVERIFY(form().browseTo(m_folder->path()));
        click("a.jpg");
        click(name);
        QCOMPARE(m_messages->texts().size(), 1);
        QVERIFY2(m_messages->texts().first().contains(path(name)),
                 qPrintable(m_messages->texts().first()));
        // The cell keeps the path and counts, shows no picture and no label; the item stays
        // selected, and unselecting it empties the cell as usual.
        QCOMPARE(form().Cells[1].FileName, path(name).toStdString());
        QCOMPARE(form().Card.PictureCount, 2);
        QVERIFY(!form().CellImages[1]->hasPicture());
        QVERIFY(form().CellLabels[1]->isHidden());
        QCOMPARE(selectedFiles(form()).size(), 2);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        click(name);
        QCOMPARE(form().Card.PictureCount, 1);
        QCOMPARE(form().Cells[1].FileName, std::string());
    }

    void aVanishedPictureEndsTheRedisplayAtItsCell() {
        click("a.jpg");
        click("b.jpg");
        click("c.jpg");
        const QRect thirdBefore = form().CellImages[2]->geometry();
        QVERIFY(QFile::remove(path("b.jpg")));
        form().TBPortrait->trigger();
        QCOMPARE(m_messages->texts().size(), 1);
        QVERIFY(m_messages->texts().first().contains(path("b.jpg")));
        // Cell 0 was fitted anew, cell 2 after the failing cell kept its old place.
        QCOMPARE(form().CellImages[0]->width(), form().Card.PictureWidth);
        QCOMPARE(form().CellImages[2]->geometry(), thirdBefore);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // A picture that can no longer be read stops the refit, but the labels still follow the
    // switch: none stays shown while labels are off.
    void labelsFollowTheSwitchWhenAPictureFails() {
        click("a.jpg");
        click("b.jpg");
        QVERIFY(QFile::remove(path("a.jpg")));
        form().PBToggleLabels->click();
        QCOMPARE(m_messages->texts().size(), 1);
        QCOMPARE(form().Card.LabelsOn, false);
        QVERIFY(form().CellLabels[0]->isHidden());
        QVERIFY(form().CellLabels[1]->isHidden());
        form().PBToggleLabels->click();
        QCOMPARE(m_messages->texts().size(), 2);
        QVERIFY(form().CellLabels[0]->isVisible());
        QVERIFY(form().CellLabels[1]->isVisible());
    }

    void aChangedPictureIsReadAnew() {
        click("a.jpg");
        QCOMPARE(form().Cells[0].ImageAspect, 0.75);
        QTest::qWait(20);
        m_folder->addJpeg("a.jpg", 200, 400); // now a tall picture
        QFile file(path("a.jpg"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                         QFileDevice::FileModificationTime);
        file.close();
        form().TBPortrait->trigger();
        QCOMPARE(form().Cells[0].ImageAspect, 2.0);
        QCOMPARE(form().Cells[0].ImageHeight, form().Card.PictureHeight);
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
