#include "mainwindow/FerloMainForm.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/PictureControl.h"
#include "pictures/PictureCache.h"
#include "printing/PdfExport.h"
#include "sound/SoundPlayer.h"
#include "storage/DeckFile.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QtTest>
#include <optional>

using namespace ferlo;
using namespace ferlo::test;

class TestSelection : public MainWindowTest {
    Q_OBJECT

    void click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
        clickFile(form(), name, button);
    }
    QString path(const QString& name) { return folder().file(name); }
    void press(int cell, Qt::MouseButton button) {
        QTest::mouseClick(view().CellImages[cell], button, Qt::NoModifier, QPoint(2, 2));
    }

private slots:
    void init() {
        m_window.emplace();
        for (const QString name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
            folder().addJpeg(name, 320, 240);
        QVERIFY(m_window->open(folder().path()));
    }
    void cleanup() { m_window.reset(); }

    void fileListShowsPicturesOnly() {
        folder().addJpeg("Photo.JPG");
        folder().addJpeg("scan.jpeg");
        folder().addBmp("Zebra.BMP");
        folder().addJpeg(".hidden.jpg");
        writeFile(path("notes.txt"), "x");
        // Listed by name; what they hold is the decoder's business.
        for (const char* name : {"Leaf.PNG", "sun.webp", "flag.gif", "map.TIF", "page.tiff",
                                 "phone.HEIC", "phone2.heif", "drawing.svg"})
            writeFile(path(name), "x");
        folder().addSubfolder("folder.jpg");
        QVERIFY(form().browseTo(folder().path()));
        QStringList items;
        for (int i = 0; i < view().FileListBox1->count(); ++i)
            items << view().FileListBox1->item(i)->text();
        QCOMPARE(items,
                 (QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "flag.gif", "Leaf.PNG",
                              "map.TIF", "page.tiff", "phone.HEIC", "phone2.heif", "Photo.JPG",
                              "scan.jpeg", "sun.webp", "Zebra.BMP"}));
        QVERIFY(selectedFiles(form()).isEmpty());
    }

    // Both lists sort as the desktop's file manager does: letter case ignored, by the rules of
    // the user's language, numbers by value. The test run's own C locale takes Unicode's order.
    void listsSortAsTheFileManagerDoes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        const QStringList files{"a.jpg", "Apple.jpg", "Ärger.jpg", "b.jpg", "c.jpg",
                                "d.jpg", "dog2.jpg",  "dog10.jpg", "e.jpg", "zebra.jpg"};
        const QStringList folders{"Ärmel", "box2", "box10", "Zoo"};
        QTest::newRow("C") << QString() << files << folders;
        QTest::newRow("German") << "de_DE" << files << folders;
        QStringList swedishFiles = files;
        swedishFiles.move(2, files.size() - 1);
        QTest::newRow("Swedish: Ä after Z")
            << "sv_SE" << swedishFiles << QStringList{"box2", "box10", "Zoo", "Ärmel"};
    }
    void listsSortAsTheFileManagerDoes() {
        QFETCH(QString, locale);
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        const QLocale before;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        if (!locale.isEmpty())
            QLocale::setDefault(QLocale(locale));
        for (const QString name : {"Apple.jpg", "Ärger.jpg", "dog10.jpg", "dog2.jpg", "zebra.jpg"})
            writeFile(path(name), "");
        for (const QString name : {"Zoo", "box10", "Ärmel", "box2"})
            folder().addSubfolder(name);
        QVERIFY(form().browseTo(folder().path()));
        QStringList items;
        for (int i = 0; i < view().FileListBox1->count(); ++i)
            items << view().FileListBox1->item(i)->text();
        QCOMPARE(items, files);
        // The folder list: the path down to the shown folder, then its subfolders.
        QListWidget* tree = view().DirectoryListBox1;
        QStringList children;
        for (int i = tree->currentRow() + 1; i < tree->count(); ++i)
            children << tree->item(i)->text().trimmed();
        QCOMPARE(children, folders);
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
        view().TB8PerPage->trigger();
        QVERIFY(form().browseTo(folder().path()));
        for (int o = 1; o <= 8; ++o)
            click(QStringLiteral("turned%1.jpg").arg(o));
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        for (int i = 0; i < 8; ++i) {
            QWidget* control = view().CellImages[i];
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
        view().TB6PerPage->trigger(); // a new layout empties the card
        QVERIFY(form().browseTo(folder().path()));
        const QStringList names{"leaf.png", "sun.webp", "map.tif", "flag.gif", "phone.heic"};
        for (const QString& name : names)
            click(name);
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        const QStringList labels{"LEAF", "SUN", "MAP", "FLAG", "PHONE"};
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(view().CellLabels[i]->text(), labels[i]);
            QWidget* control = view().CellImages[i];
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
        QAction* button = count == 1   ? view().TB1PerPage
                          : count == 2 ? view().TB2PerPage
                                       : view().TB4PerPage;
        button->trigger();
        for (const QString& name : clicks)
            click(name);
        QStringList expected;
        for (const QString& name : cells)
            expected << (name.isEmpty() ? QString() : path(name));
        QCOMPARE(cellFiles(form()), expected);
        QCOMPARE(selectedFiles(form()), selected);
        QCOMPARE(view().pictureCount(), int(selected.size()));
        for (int i = 0; i < cells.size(); ++i) {
            QCOMPARE(view().CellImages[i]->hasPicture(), !cells[i].isEmpty());
            QCOMPARE(view().CellLabels[i]->isVisible(), !cells[i].isEmpty());
        }
        QVERIFY(messages().texts().isEmpty());
    }

    void otherButtonsAndKeyboardPlaceNothing() {
        click("a.jpg", Qt::RightButton);
        click("b.jpg", Qt::MiddleButton);
        QVERIFY(selectedFiles(form()).isEmpty());
        QCOMPARE(view().pictureCount(), 0);

        view().FileListBox1->setFocus();
        QTest::keyClick(view().FileListBox1, Qt::Key_Down);
        QTest::keyClick(view().FileListBox1, Qt::Key_Space);
        QTest::keyClick(view().FileListBox1, Qt::Key_Down);
        QCOMPARE(view().pictureCount(), 0);
        QCOMPARE(cellFiles(form()), QStringList(4, QString()));
    }

    void changeNotificationReselectsThePicturesOfTheShownFolder() {
        click("a.jpg");
        click("c.jpg");
        // Unselecting everything without the mouse: the next change notification selects the
        // pictures on the card again.
        view().FileListBox1->clearSelection();
        emit view().FileListBox1->change();
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
        QCOMPARE(view().pictureCount(), 4);
        QCOMPARE(view().Cells[3].FileName, other.file("a.jpg").toStdString());
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"});

        // A picture taken off meanwhile is not selected on coming back.
        press(1, Qt::RightButton);
        QCOMPARE(view().pictureCount(), 3);
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"}); // the list shows the other folder
        QVERIFY(form().browseTo(folder().path()));
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
        QCOMPARE(view().pictureCount(), 2);
        QVERIFY(view().CellLabels[1]->isHidden());
        QVERIFY(!view().CellImages[1]->hasPicture());
        click("e.jpg"); // the freed cell is the next one filled
        QCOMPARE(view().Cells[1].FileName, path("e.jpg").toStdString());

        // A right press on a free cell changes nothing; the count stays.
        press(3, Qt::RightButton);
        QCOMPARE(view().pictureCount(), 3);
        // The middle button does nothing.
        press(0, Qt::MiddleButton);
        QCOMPARE(view().pictureCount(), 3);
        QCOMPARE(selectedFiles(form()), (QStringList{"a.jpg", "c.jpg", "e.jpg"}));
    }

    // Free picture controls lie on the card where the start or an earlier layout put them, over
    // the pictures; they take no press and show no hint, so every point of a picture reaches it.
    void pressesAndHintsReachThePictureUnderFreeControls_data() {
        QTest::addColumn<bool>("afterEightPerPage");
        QTest::newRow("4 per page") << false;
        QTest::newRow("8 per page, then 1") << true;
    }
    void pressesAndHintsReachThePictureUnderFreeControls() {
        QFETCH(bool, afterEightPerPage);
        folder().addJpeg("cat1.jpg");
        for (const QString name : {"f.jpg", "g.jpg", "h.jpg"})
            folder().addJpeg(name, 320, 240);
        QVERIFY(form().browseTo(folder().path()));
        if (afterEightPerPage) {
            view().TB8PerPage->trigger();
            for (const QString name :
                 {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "g.jpg", "h.jpg"})
                click(name);
            QCOMPARE(view().pictureCount(), 8);
            view().TB1PerPage->trigger();
        }
        click("cat1.jpg");
        PictureControl* picture = view().CellImages[0];
        QVERIFY(picture->hasPicture());
        // What a press or the mouse resting at a point of the window reaches.
        const auto under = [this, picture](QPoint at) {
            return form().childAt(picture->mapTo(&form(), at));
        };
        for (int y = 0; y < picture->height(); y += 5) {
            for (int x = 0; x < picture->width(); x += 5) {
                QWidget* reached = under(QPoint(x, y));
                QVERIFY2(reached == picture,
                         qPrintable(QStringLiteral("%1,%2 of the picture reaches %3 (hint %4)")
                                        .arg(x)
                                        .arg(y)
                                        .arg(reached ? reached->objectName() : "nothing")
                                        .arg(reached ? reached->toolTip() : QString())));
            }
        }
        QCOMPARE(picture->toolTip(), path("cat1.jpg"));
        // A right press near its top-left corner, through the window, takes the picture off.
        QTest::mouseClick(form().windowHandle(), Qt::RightButton, Qt::NoModifier,
                          picture->mapTo(&form(), QPoint(3, 3)));
        QCOMPARE(view().pictureCount(), 0);
        QVERIFY(selectedFiles(form()).isEmpty());
        QVERIFY(!picture->hasPicture());
        QVERIFY(picture->toolTip().isEmpty());
    }

    void pressOnAControlBeyondTheCellsChangesNothing() {
        click("a.jpg");
        press(7, Qt::RightButton);
        press(7, Qt::LeftButton);
        press(5, Qt::RightButton);
        QCOMPARE(int(view().Cells.size()), 4);
        QCOMPARE(view().pictureCount(), 1);
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"});
    }

    void leftPressOpensTheSoundOfTheLabelWord() {
        folder().addJpeg("cat1.jpg");
        folder().addJpeg("cat2.jpg");
        folder().addJpeg("owl.jpg");
        QVERIFY(form().browseTo(folder().path()));
        click("cat2.jpg");
        click("owl.jpg");
        // No sound file: nothing happens, nothing is shown.
        press(0, Qt::LeftButton);
        QVERIFY(!view().MediaPlayer1->isOpen());
        QVERIFY(messages().texts().isEmpty());

        // A sound file that is no sound: the player's message, and the player is closed.
        writeFile(path("owl.WAV"), "this is not a sound");
        press(1, Qt::LeftButton);
        QTRY_COMPARE(messages().texts().size(), 1);
        QVERIFY(messages().texts().first().contains(path("owl.WAV")));
        QVERIFY(!view().MediaPlayer1->isOpen());
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
        QVERIFY(form().browseTo(folder().path()));
        click("a.jpg");
        click(name);
        QCOMPARE(messages().texts().size(), 1);
        QVERIFY2(messages().texts().first().contains(path(name)),
                 qPrintable(messages().texts().first()));
        // The cell keeps the path and counts, shows no picture and no label; the item stays
        // selected, and unselecting it empties the cell as usual.
        QCOMPARE(view().Cells[1].FileName, path(name).toStdString());
        QCOMPARE(view().pictureCount(), 2);
        QVERIFY(!view().CellImages[1]->hasPicture());
        QVERIFY(view().CellLabels[1]->isHidden());
        QCOMPARE(selectedFiles(form()).size(), 2);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        click(name);
        QCOMPARE(view().pictureCount(), 1);
        QCOMPARE(view().Cells[1].FileName, std::string());
    }

    // A JPEG cut off after its first rows goes on the card as it decodes, and the status bar
    // names it; no error box stops the user.
    void aDamagedPictureShowsInPartWithANote() {
        QFile in(path("a.jpg"));
        QVERIFY(in.open(QIODevice::ReadOnly));
        writeFile(path("cut.jpg"), in.readAll().left(int(in.size() / 2)));
        QVERIFY(form().browseTo(folder().path()));
        auto* status = form().findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        QVERIFY(status);
        click("b.jpg");
        QVERIFY(status->currentMessage().isEmpty());
        click("cut.jpg");
        QVERIFY(view().CellImages[1]->hasPicture());
        QCOMPARE(status->currentMessage(),
                 path("cut.jpg") + ": the picture is damaged and shows only in part");
        QVERIFY(messages().texts().isEmpty());
    }

    // A picture that fails to load leaves its place outlined with a thin dotted line and names
    // its file in the hint, so the user sees what to take off; a right press there takes it off
    // and unselects its item. Its label stays empty.
    void anUnreadablePictureIsOutlinedAndTakenOffByARightPress() {
        writeFile(path("text.jpg"), "just some words\n");
        QVERIFY(form().browseTo(folder().path()));
        click("a.jpg");
        click("text.jpg");
        QCOMPARE(messages().texts().size(), 1);
        PictureControl* control = view().CellImages[1];
        QVERIFY(control->isVisible());
        QCOMPARE(control->size(), QSize(view().Card.PictureWidth, view().Card.PictureHeight));
        QCOMPARE(control->toolTip(), path("text.jpg"));
        QVERIFY(view().CellLabels[1]->isHidden());
        const QImage shown = control->grab().toImage();
        const QRgb inside = shown.pixel(shown.width() / 2, shown.height() / 2);
        int outline = 0;
        for (int x = 0; x < shown.width(); ++x) {
            outline += shown.pixel(x, 0) != inside;
            if (x > 0 && x < shown.width() - 1)
                QCOMPARE(shown.pixel(x, 1), inside); // one pixel thin
        }
        QVERIFY2(outline > shown.width() / 4 && outline < shown.width() * 3 / 4,
                 qPrintable(QStringLiteral("%1 of %2 dots").arg(outline).arg(shown.width())));

        const QPoint centre = control->mapTo(&form(), control->rect().center());
        QTest::mouseClick(form().windowHandle(), Qt::RightButton, Qt::NoModifier, centre);
        QCOMPARE(view().pictureCount(), 1);
        QCOMPARE(view().Cells[1].FileName, std::string());
        QCOMPARE(selectedFiles(form()), QStringList{"a.jpg"});
        QVERIFY(!control->isUnreadable());
        QCOMPARE(messages().texts().size(), 1);
    }

    void aVanishedPictureEndsTheRedisplayAtItsCell() {
        click("a.jpg");
        click("b.jpg");
        click("c.jpg");
        const QRect thirdBefore = view().CellImages[2]->geometry();
        QVERIFY(QFile::remove(path("b.jpg")));
        view().TBPortrait->trigger();
        QCOMPARE(messages().texts().size(), 1);
        QVERIFY(messages().texts().first().contains(path("b.jpg")));
        // Cell 0 was fitted anew, cell 2 after the failing cell kept its old place.
        QCOMPARE(view().CellImages[0]->width(), view().Card.PictureWidth);
        QCOMPARE(view().CellImages[2]->geometry(), thirdBefore);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // A pass that ends at a picture that can no longer be read leaves no cell after it with the
    // first look of its file: the HEIC behind it shows its own picture (red), not its thumbnail
    // (blue).
    void noFirstLookOutlastsAFailedPass() {
        QImage red(800, 600, QImage::Format_RGB32);
        red.fill(qRgb(200, 30, 30));
        QImage blue = red.copy();
        blue.fill(qRgb(30, 30, 200));
        HeicOptions options;
        options.thumbnail = 48; // 48 x 36: smaller than the cell, so only a first look
        options.thumbnailImage = blue;
        writeHeic(path("phone.heic"), red, options);
        QVERIFY(form().browseTo(folder().path()));
        click("a.jpg");
        click("b.jpg");
        click("phone.heic");
        QVERIFY(QFile::remove(path("b.jpg")));
        PictureCache::shared().clear();
        view().TBPortrait->trigger();
        QCOMPARE(messages().texts().size(), 1);
        const QImage shown = view().CellImages[2]->picture();
        const QRgb centre = shown.pixel(shown.width() / 2, shown.height() / 2);
        QVERIFY2(qRed(centre) > 150 && qBlue(centre) < 100,
                 qPrintable(QStringLiteral("the cell shows %1").arg(centre, 8, 16)));
    }

    // A picture that can no longer be read stops the refit, but the labels still follow the
    // switch: none stays shown while labels are off.
    void labelsFollowTheSwitchWhenAPictureFails() {
        click("a.jpg");
        click("b.jpg");
        QVERIFY(QFile::remove(path("a.jpg")));
        view().PBToggleLabels->click();
        QCOMPARE(messages().texts().size(), 1);
        QCOMPARE(view().Card.LabelsOn, false);
        QVERIFY(view().CellLabels[0]->isHidden());
        QVERIFY(view().CellLabels[1]->isHidden());
        view().PBToggleLabels->click();
        QCOMPARE(messages().texts().size(), 2);
        QVERIFY(view().CellLabels[0]->isVisible());
        QVERIFY(view().CellLabels[1]->isVisible());
    }

    void aChangedPictureIsReadAnew() {
        click("a.jpg");
        const QSize wide = view().CellImages[0]->size();
        QVERIFY(qAbs(4 * wide.height() - 3 * wide.width()) <= 4);
        folder().addJpeg("a.jpg", 200, 400); // now a tall picture, dated later below
        QFile file(path("a.jpg"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                         QFileDevice::FileModificationTime);
        file.close();
        view().TBPortrait->trigger();
        const QSize tall = view().CellImages[0]->size();
        QCOMPARE(tall.height(), view().Card.PictureHeight);
        QVERIFY(qAbs(tall.height() - 2 * tall.width()) <= 2);
    }

    // Files dropped from a file manager are placed in their order as if picked: the browser
    // shows the first picture's folder with the placed items selected, a picture of another
    // folder goes on the card and is selected when the user browses there, a picture already on
    // the card stays, those beyond the card's count go on a new card of its layout, and the
    // files that are not pictures are named in one message.
    void droppedFilesArePlacedAsIfPicked() {
        folder().addSubfolder("other");
        folder().addJpeg("other/zebra.jpg");
        writeFile(path("notes.txt"), "words");
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        QVERIFY(form().browseTo(folder().path()));
        click("c.jpg");
        QVERIFY(form().browseTo(path("other")));

        QMimeData mime;
        QList<QUrl> urls;
        for (const QString name :
             {"b.jpg", "notes.txt", "other/zebra.jpg", "c.jpg", "a.jpg", "d.jpg", "e.jpg"})
            urls << QUrl::fromLocalFile(path(name));
        urls << QUrl(QStringLiteral("https://example.org/f.jpg"));
        mime.setUrls(urls);
        QWidget* base = form().findChild<QWidget*>(QStringLiteral("PACardBase"));
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(base, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(base, &drop);

        // The window shows the card that took the first picture, not the last one filled.
        QTRY_COMPARE(cellFiles(form()), (QStringList{path("c.jpg"), path("b.jpg"),
                                                     path("other/zebra.jpg"), path("a.jpg")}));
        QCOMPARE(form().findChild<QLabel*>("LABCardNumber")->text(), QStringLiteral("Card 1 of 2"));
        QCOMPARE(form().shownDirectory(), folder().path());
        QCOMPARE(selectedFiles(form()), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(form().pictureCount(), 4);
        QCOMPARE(messages().texts(),
                 QStringList{"These files are not pictures: " + path("notes.txt") +
                             ", https://example.org/f.jpg"});
        QVERIFY(form().browseTo(path("other")));
        QCOMPARE(selectedFiles(form()), QStringList{"zebra.jpg"});
        QVERIFY(form().browseTo(folder().path()));
        form().findChild<QAction*>("TBNextCard")->trigger();
        QCOMPARE(cellFiles(form()), (QStringList{path("d.jpg"), path("e.jpg"), "", ""}));
        QCOMPARE(selectedFiles(form()), (QStringList{"d.jpg", "e.jpg"}));
    }

    // Files given from outside that cannot be placed are told in one message: those not found,
    // those that are no pictures, and pictures that fail to load with their cause. The window
    // then shows the card that took the first picture.
    void outsideFilesAreToldInOneMessage() {
        writeFile(path("notes.txt"), "words");
        writeFile(path("bad.jpg"), "not a picture at all");
        folder().addJpeg("f.jpg", 320, 240);
        form().openFiles({path("gone.jpg"), path("a.jpg"), path("notes.txt"), path("bad.jpg"),
                          path("b.jpg"), path("c.jpg"), path("d.jpg"), path("e.jpg"), path("f.jpg"),
                          path("lost.bmp")});
        QCOMPARE(messages().texts().size(), 1);
        const QStringList lines = messages().texts().first().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0],
                 "These files were not found: " + path("gone.jpg") + ", " + path("lost.bmp"));
        QCOMPARE(lines[1], "This file is not a picture: " + path("notes.txt"));
        QVERIFY2(lines[2].startsWith("Cannot load the picture " + path("bad.jpg") + ": "),
                 qPrintable(lines[2]));
        QCOMPARE(form().findChild<QLabel*>("LABCardNumber")->text(), QStringLiteral("Card 1 of 2"));
        QCOMPARE(cellFiles(form()),
                 (QStringList{path("a.jpg"), path("bad.jpg"), path("b.jpg"), path("c.jpg")}));
    }

    // The file list selects exactly the pictures of the card on screen that lie in the shown
    // folder, whichever way they came and went: the command line or a drop (openFiles), a
    // deck, a picture that failed to load, a right press, Delete, another card.
    void theListMirrorsTheCard_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("given, failed load, right press")
            << QStringList{"open a.jpg bad.jpg c.jpg", "right 1"};
        QTest::newRow("given, failed load, Delete")
            << QStringList{"open bad.jpg a.jpg", "delete 0", "delete 1"};
        QTest::newRow("failed load on a second card, back and forth")
            << QStringList{"open a.jpg b.jpg c.jpg d.jpg bad.jpg e.jpg",
                           "previous",
                           "next",
                           "right 0",
                           "previous",
                           "right 3"};
        QTest::newRow("failed load picked, then given again")
            << QStringList{"click bad.jpg", "open bad.jpg a.jpg", "right 0"};
        QTest::newRow("deck with a failed load")
            << QStringList{"deck bad.jpg a.jpg", "right 0", "delete 1"};
        QTest::newRow("vanished between picks")
            << QStringList{"click a.jpg", "remove a.jpg", "open b.jpg", "right 0"};
    }
    void theListMirrorsTheCard() {
        QFETCH(QStringList, steps);
        writeFile(path("bad.jpg"), "not a picture at all");
        QVERIFY(form().browseTo(folder().path()));
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            const QString verb = words.first();
            QStringList files;
            for (const QString& name : words.mid(1))
                files << path(name);
            if (verb == "open") {
                form().openFiles(files);
            } else if (verb == "click") {
                click(words[1]);
            } else if (verb == "deck") {
                DeckCard card;
                for (const QString& file : files)
                    card.cells.push_back(DeckCell{file.toStdString(), {}, {}});
                Deck deck;
                deck.cards = {card};
                writeDeck(path("cards.ferlo"), deck);
                form().openFiles({path("cards.ferlo")});
            } else if (verb == "right") {
                press(words[1].toInt(), Qt::RightButton);
            } else if (verb == "delete") {
                QTest::keyClick(view().CellImages[words[1].toInt()], Qt::Key_Delete);
            } else if (verb == "previous" || verb == "next") {
                form()
                    .findChild<QAction*>(verb == "next" ? "TBNextCard" : "TBPreviousCard")
                    ->trigger();
            } else if (verb == "remove") { // the list shows it until it is read again
                QVERIFY(QFile::remove(files.first()));
                continue;
            }
            // A picture that has vanished from the folder has no item to select.
            QStringList onCard;
            int placed = 0;
            for (const QString& file : cellFiles(form())) {
                placed += !file.isEmpty();
                if (!file.isEmpty() && QFileInfo(file).absolutePath() == form().shownDirectory() &&
                    QFileInfo::exists(file))
                    onCard << QFileInfo(file).fileName();
            }
            onCard.sort();
            QStringList selected = selectedFiles(form());
            selected.sort();
            QVERIFY2(selected == onCard, qPrintable(step + ": list " + selected.join(',') +
                                                    ", card " + onCard.join(',')));
            QCOMPARE(view().pictureCount(), placed);
        }
    }

    // While a refit decodes its pictures the event loop keeps turning, so the window paints;
    // yet nothing the loop would start runs in the middle of the pass: a drop arriving then is
    // placed once the pass has placed every picture in its cell.
    void theWindowKeepsPaintingWhilePicturesLoad() {
        QStringList names;
        for (int i = 0; i < 8; ++i) {
            names << QStringLiteral("big%1.jpg").arg(i);
            folder().addJpeg(names.last(), 2400, 1800, qRgb(30 * i, 90, 200));
        }
        QVERIFY(form().browseTo(folder().path()));
        view().TB8PerPage->trigger();
        for (int i = 0; i < 7; ++i)
            click(names[i]);
        PictureCache::shared().clear();

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path(names[7]))});
        QWidget* base = form().findChild<QWidget*>(QStringLiteral("PACardBase"));
        int ticks = 0;
        QStringList placedAtDrop;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] {
            if (ticks++ > 0)
                return;
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(base, &enter);
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(base, &drop);
        });
        timer.start(0);
        view().TBPortrait->trigger();
        timer.stop();

        QVERIFY(ticks > 0);
        QCOMPARE(cellFiles(form()).last(), QString());
        for (size_t i = 0; i < 7; ++i) {
            const QSize shown = view().CellImages[i]->size();
            QVERIFY(shown.width() == view().Card.PictureWidth ||
                    shown.height() == view().Card.PictureHeight);
        }
        QTRY_COMPARE(cellFiles(form()).last(), path(names[7]));
        QVERIFY(messages().texts().isEmpty());
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
