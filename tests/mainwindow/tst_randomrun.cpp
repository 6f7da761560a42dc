// A long run of random mouse and toolbar actions against the real main window and two folders of
// real pictures. After every action the card, its controls and the file list are checked against
// each other and against what the action must have done. The seed is printed first; run again
// with FERLO_RANDOM_SEED (and FERLO_RANDOM_ACTIONS for the count) to replay a failure.

#include "layout/CardGeometry.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "printing/PdfExport.h"
#include "sound/SoundPlayer.h"
#include "sound/support_waveplayer.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <deque>
#include <map>
#include <optional>

using namespace ferlo;
using namespace ferlo::test;

namespace {

constexpr quint32 kDefaultSeed = 20240917;
constexpr int kDefaultActions = 10000;
constexpr int kPrintEvery = 200;

struct PictureSpec {
    const char* name;
    int width;
    int height;
    bool bitmap;
    const char* word; // the label word, before the case is applied
};

// Folder A: pictures sharing a word (cat1/cat2, dog/dog2), a name with a blank before its digit,
// and shared.jpg, which folder B holds too with another size.
const PictureSpec kFolderA[] = {
    {"cat1.jpg", 200, 150, false, "cat"},      {"cat2.jpg", 120, 160, false, "cat"},
    {"dog.jpg", 300, 100, false, "dog"},       {"dog2.bmp", 90, 90, true, "dog"},
    {"owl.jpg", 40, 300, false, "owl"},        {"fish.bmp", 250, 60, true, "fish"},
    {"shared.jpg", 160, 120, false, "shared"}, {"tree10.jpg", 64, 48, false, "tree"},
    {"frog 3.bmp", 41, 77, true, "frog "},     {"sun.jpg", 300, 299, false, "sun"},
    {"Pear.JPG", 133, 211, false, "Pear"},
};
const PictureSpec kFolderB[] = {
    {"shared.jpg", 100, 200, false, "shared"}, {"cat3.jpg", 280, 210, false, "cat"},
    {"bird.bmp", 57, 43, true, "bird"},        {"bird7.jpg", 150, 150, false, "bird"},
    {"moon.jpg", 299, 40, false, "moon"},      {"star.bmp", 101, 203, true, "star"},
    {"leaf.jpeg", 77, 55, false, "leaf"},      {"rock.jpg", 240, 180, false, "rock"},
    {"rain.bmp", 45, 260, true, "rain"},       {"a1b2.jpg", 180, 120, false, "a1b"},
    {"Zebra.BMP", 220, 140, true, "Zebra"},    {"x9.jpg", 60, 61, false, "x"},
};
const char kBrokenName[] = "broken.jpg";

struct KnownPicture {
    int width = 0;
    int height = 0;
    QRgb colour = 0;
    QString word;
};

int envInt(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

quint32 envSeed() {
    bool ok = false;
    const quint32 value = qEnvironmentVariable("FERLO_RANDOM_SEED").toUInt(&ok, 0);
    return ok ? value : kDefaultSeed;
}

int expectedCutLines(int count) {
    switch (count) {
    case 2:
        return 1;
    case 4:
        return 2;
    case 6:
        return 3;
    case 8:
        return 4;
    default:
        return 0;
    }
}

bool sameColour(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// What the window showed before an action.
struct Snapshot {
    QStringList cells;
    std::array<QRect, 8> geometry;
    int count = 0;
    bool portrait = false;
    bool labelsOn = true;
    bool upper = true;
    bool cutLines = true;
};

// What an action must have done, beyond the invariants.
struct Expectation {
    QStringList cells;
    int brokenMessages = 0;   // messages naming the broken picture
    bool redisplay = false;   // every picture was fitted anew (orientation, labels on/off)
    QList<qsizetype> touched; // cells emptied or filled on the way, perhaps with the same file
};

} // namespace

class TestRandomRun : public MainWindowTest {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_dirA;
    QString m_dirB;
    QString m_brokenPath;
    std::map<QString, KnownPicture> m_pictures; // by full path as the window forms it
    QHash<QString, QString> m_sounds;           // folder/word -> the sound file beside it

    QRandomGenerator m_random;

    // Cells left at their place by a redisplay that ended at the broken picture.
    std::array<std::optional<QRect>, 8> m_stale;
    // How often the run met the cases that matter, to show that it reached them.
    struct Tally {
        int picks = 0;
        int unpicks = 0;
        int fullCardUndos = 0;
        int brokenPicks = 0;
        int doubleClicks = 0;
        int cutShortRedisplays = 0;
        int soundsOpened = 0;
    } m_tally;
    qint64 m_checks = 0;
    qint64 m_checkPasses = 0;
    QString m_failure;
    std::deque<QString> m_recent;
    int m_pdfs = 0;

    bool check(bool ok, const QString& what) {
        ++m_checks;
        if (!ok && m_failure.isEmpty())
            m_failure = what;
        return ok;
    }

    QStringList cells() const {
        QStringList files;
        for (const TCell& cell : view().Cells)
            files << QString::fromStdString(cell.FileName);
        return files;
    }

    Snapshot snapshot() const {
        Snapshot s;
        s.cells = cells();
        for (int i = 0; i < 8; ++i)
            s.geometry[i] = view().CellImages[i]->geometry();
        s.count = view().Card.PicturesPerPage;
        s.portrait = view().Card.Portrait;
        s.labelsOn = view().Card.LabelsOn;
        s.upper = view().TBUpperLabels->isChecked();
        s.cutLines = view().TBCutLines->isChecked();
        return s;
    }

    QString pathOfItem(int row) const {
        return QDir(form().shownDirectory()).filePath(view().FileListBox1->item(row)->text());
    }

    void writeFolder(const QString& dir, const PictureSpec* specs, size_t n, int& colourIndex) {
        static const int levels[] = {0x20, 0x90, 0xf0};
        for (size_t k = 0; k < n; ++k, ++colourIndex) {
            const PictureSpec& spec = specs[k];
            const QRgb colour = qRgb(levels[colourIndex % 3], levels[(colourIndex / 3) % 3],
                                     levels[(colourIndex / 9) % 3]);
            QImage image(spec.width, spec.height, QImage::Format_RGB32);
            image.fill(colour);
            const QString path = QDir(dir).filePath(QString::fromLatin1(spec.name));
            if (spec.bitmap)
                writeBmp(path, image);
            else
                writeJpeg(path, image, 92);
            m_pictures[path] = {spec.width, spec.height, colour, QString::fromLatin1(spec.word)};
        }
    }

    // ------------------------------------------------------------------------------------------
    // Actions. Each returns what it did, for the log, and what it must have done.

    // One left click on a file as the file list's table of outcomes has it: a selected file
    // leaves its cell, another file goes into the lowest free cell, and on a full card the
    // click is undone. Returns whether the item is selected afterwards.
    bool expectLeftClick(QStringList& cells, const QString& path, bool selected,
                         Expectation& expect) {
        if (selected) {
            const qsizetype at = cells.indexOf(path);
            if (at >= 0) {
                cells[at] = QString();
                expect.touched << at;
            }
            ++m_tally.unpicks;
            return false;
        }
        const qsizetype at = cells.indexOf(QString());
        if (at < 0) {
            ++m_tally.fullCardUndos;
            return false;
        }
        cells[at] = path;
        expect.touched << at;
        ++m_tally.picks;
        if (path == m_brokenPath) {
            ++expect.brokenMessages;
            ++m_tally.brokenPicks;
        }
        return true;
    }

    QString clickFileItem(const Snapshot& before, Expectation& expect) {
        QListWidget* list = view().FileListBox1;
        if (list->count() == 0)
            return {};
        const int row = int(m_random.bounded(list->count()));
        const QString path = pathOfItem(row);
        const bool wasSelected = list->item(row)->isSelected();
        // Now and then a double click, sent through the window as the system sends it: two
        // presses, each a click of its own.
        const bool twice = m_random.bounded(12) == 0;
        expect.cells = before.cells;
        const bool selected = expectLeftClick(expect.cells, path, wasSelected, expect);
        if (twice)
            expectLeftClick(expect.cells, path, selected, expect);
        list->scrollToItem(list->item(row));
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        if (twice) {
            ++m_tally.doubleClicks;
            QTest::mouseDClick(form().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                               list->viewport()->mapTo(&form(), centre));
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        }
        return QStringLiteral("left %1 on file %2 (%3)")
            .arg(twice ? "double click" : "click", list->item(row)->text(),
                 wasSelected ? "was selected" : "was not selected");
    }

    QString otherClickOnFileItem(const Snapshot& before, Expectation& expect) {
        QListWidget* list = view().FileListBox1;
        if (list->count() == 0)
            return {};
        const int row = int(m_random.bounded(list->count()));
        const Qt::MouseButton button = m_random.bounded(2) ? Qt::RightButton : Qt::MiddleButton;
        expect.cells = before.cells;
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), button, Qt::NoModifier, rect.center());
        return QStringLiteral("%1 click on file %2")
            .arg(button == Qt::RightButton ? "right" : "middle", list->item(row)->text());
    }

    QString clickBesideItems(const Snapshot& before, Expectation& expect) {
        QListWidget* list = view().FileListBox1;
        const QPoint spot(list->viewport()->width() / 2, list->viewport()->height() - 3);
        if (list->itemAt(spot))
            return {};
        expect.cells = before.cells;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, spot);
        return QStringLiteral("left click beside the items of the file list");
    }

    QString chooseCount(const Snapshot& before, Expectation& expect) {
        static const int counts[] = {1, 2, 4, 6, 8};
        const int count = counts[m_random.bounded(5)];
        QAction* buttons[] = {view().TB1PerPage, view().TB2PerPage, view().TB4PerPage,
                              view().TB6PerPage, view().TB8PerPage};
        expect.cells = count == before.count ? before.cells : QStringList(count, QString());
        buttons[count == 1 ? 0 : count / 2]->trigger();
        check(view().Card.PicturesPerPage == count,
              QStringLiteral("count button %1 left PicturesPerPage %2")
                  .arg(count)
                  .arg(view().Card.PicturesPerPage));
        return QStringLiteral("%1 per page").arg(count);
    }

    QString chooseOrientation(const Snapshot& before, Expectation& expect) {
        const bool portrait = m_random.bounded(2) == 1;
        expect.cells = before.cells;
        expect.redisplay = portrait != before.portrait;
        if (expect.redisplay && before.cells.contains(m_brokenPath))
            expect.brokenMessages = 1;
        (portrait ? view().TBPortrait : view().TBLandScape)->trigger();
        check(view().Card.Portrait == portrait,
              QStringLiteral("orientation button left Portrait %1").arg(view().Card.Portrait));
        return portrait ? QStringLiteral("portrait") : QStringLiteral("landscape");
    }

    QString toggleLabels(const Snapshot& before, Expectation& expect) {
        expect.cells = before.cells;
        expect.redisplay = true;
        if (before.cells.contains(m_brokenPath))
            expect.brokenMessages = 1;
        view().PBToggleLabels->click();
        const bool on = view().Card.LabelsOn;
        check(on != before.labelsOn, QStringLiteral("the labels button did not switch labels"));
        check(view().PBToggleLabels->text() ==
                  (on ? QStringLiteral("&Labels Off") : QStringLiteral("&Labels On")),
              QStringLiteral("labels button caption %1").arg(view().PBToggleLabels->text()));
        check(view().TBUpperLabels->isVisible() == on && view().TBLowerLabels->isVisible() == on,
              QStringLiteral("case buttons visible while labels are %1").arg(on ? "on" : "off"));
        return on ? QStringLiteral("labels on") : QStringLiteral("labels off");
    }

    QString chooseCase(const Snapshot& before, Expectation& expect) {
        // The case buttons are hidden while labels are off: a user can't press them.
        if (!view().TBUpperLabels->isVisible())
            return {};
        const bool upper = m_random.bounded(2) == 1;
        expect.cells = before.cells;
        (upper ? view().TBUpperLabels : view().TBLowerLabels)->trigger();
        return upper ? QStringLiteral("upper case") : QStringLiteral("lower case");
    }

    QString toggleCutLines(const Snapshot& before, Expectation& expect) {
        expect.cells = before.cells;
        view().TBCutLines->trigger();
        check(view().TBCutLines->isChecked() != before.cutLines,
              QStringLiteral("the cut-lines button did not toggle"));
        return QStringLiteral("cut lines %1").arg(before.cutLines ? "off" : "on");
    }

    QString clear(const Snapshot& before, Expectation& expect) {
        expect.cells = QStringList(before.count, QString());
        view().PBClear->click();
        return QStringLiteral("Clear");
    }

    QString pressPicture(const Snapshot& before, Expectation& expect) {
        const int index = int(m_random.bounded(8));
        const quint32 roll = m_random.bounded(10);
        const Qt::MouseButton button =
            roll < 5 ? Qt::LeftButton : (roll < 9 ? Qt::RightButton : Qt::MiddleButton);
        PictureControl* control = view().CellImages[index];
        if (!control->isVisible())
            return {};
        expect.cells = before.cells;
        if (button == Qt::RightButton && index < before.count)
            expect.cells[index] = QString();
        // A left press opens the sound named after the picture's word, when one lies beside it.
        QString sound;
        if (button == Qt::LeftButton && index < before.count && !before.cells[index].isEmpty()) {
            const QFileInfo picture(before.cells[index]);
            const auto known = m_pictures.find(before.cells[index]);
            if (known != m_pictures.end())
                sound = m_sounds.value(picture.path() + QLatin1Char('/') + known->second.word);
        }
        const QString playerFile = view().MediaPlayer1->fileName();
        const bool playerOpen = view().MediaPlayer1->isOpen();
        QTest::mouseClick(control, button, Qt::NoModifier,
                          QPoint(control->width() / 2, control->height() / 2));
        if (!sound.isEmpty()) {
            ++m_tally.soundsOpened;
            check(view().MediaPlayer1->isOpen() && view().MediaPlayer1->fileName() == sound,
                  QStringLiteral("a left press on Cell%1 did not open %2").arg(index).arg(sound));
        } else {
            check(view().MediaPlayer1->fileName() == playerFile &&
                      view().MediaPlayer1->isOpen() == playerOpen,
                  QStringLiteral("a press on Cell%1 changed the player").arg(index));
        }
        return QStringLiteral("%1 press on Cell%2")
            .arg(button == Qt::LeftButton    ? "left"
                 : button == Qt::RightButton ? "right"
                                             : "middle")
            .arg(index);
    }

    QString browse(const Snapshot& before, Expectation& expect) {
        const quint32 roll = m_random.bounded(20);
        const QString target = roll < 9 ? m_dirA : (roll < 18 ? m_dirB : m_root.path());
        expect.cells = before.cells;
        check(form().browseTo(target), QStringLiteral("could not browse to %1").arg(target));
        return QStringLiteral("browse to %1").arg(target);
    }

    QString printPdf(const Snapshot& before, Expectation& expect) {
        expect.cells = before.cells;
        const int resolution = 72 + int(m_random.bounded(29));
        const bool dib = m_random.bounded(2) == 1;
        const QString path = m_root.filePath(QStringLiteral("card-%1.pdf").arg(m_pdfs++));
        PaintOptions options;
        options.printAsDib = [dib] {
            return dib;
        };
        try {
            writeCardPdf(path, {form().currentPage()}, QPageSize(QPageSize::A4), resolution,
                         options);
        } catch (const std::exception& error) {
            check(false, QStringLiteral("writing the PDF failed: %1").arg(error.what()));
        }
        QFile pdf(path);
        const bool opened = pdf.open(QIODevice::ReadOnly);
        check(opened, QStringLiteral("no PDF at %1").arg(path));
        if (opened)
            check(pdf.read(5) == "%PDF-", QStringLiteral("%1 is not a PDF").arg(path));
        pdf.close();
        QFile::remove(path);
        return QStringLiteral("PDF at %1 dpi (%2)").arg(resolution).arg(dib ? "DIB" : "pixmap");
    }

    QString randomAction(int number, const Snapshot& before, Expectation& expect) {
        if (number % kPrintEvery == kPrintEvery / 2)
            return printPdf(before, expect);
        for (;;) {
            const quint32 roll = m_random.bounded(100);
            QString done;
            if (roll < 34)
                done = clickFileItem(before, expect);
            else if (roll < 38)
                done = otherClickOnFileItem(before, expect);
            else if (roll < 44)
                done = chooseCount(before, expect);
            else if (roll < 50)
                done = chooseOrientation(before, expect);
            else if (roll < 55)
                done = toggleLabels(before, expect);
            else if (roll < 60)
                done = chooseCase(before, expect);
            else if (roll < 63)
                done = toggleCutLines(before, expect);
            else if (roll < 65)
                done = clear(before, expect);
            else if (roll < 88)
                done = pressPicture(before, expect);
            else if (roll < 99)
                done = browse(before, expect);
            else
                done = clickBesideItems(before, expect);
            if (!done.isEmpty())
                return done;
        }
    }

    // ------------------------------------------------------------------------------------------
    // Checks after every action.

    void checkOutcome(const Snapshot& before, const Expectation& expect, qsizetype messagesBefore) {
        const QStringList now = cells();
        check(now == expect.cells, QStringLiteral("cells are [%1], expected [%2]")
                                       .arg(now.join(", "), expect.cells.join(", ")));

        const auto& shown = messages().messages();
        const qsizetype fresh = shown.size() - messagesBefore;
        check(fresh == expect.brokenMessages,
              QStringLiteral("%1 messages shown, expected %2: %3")
                  .arg(fresh)
                  .arg(expect.brokenMessages)
                  .arg(messages().texts().mid(messagesBefore).join(" | ")));
        for (qsizetype i = messagesBefore; i < shown.size(); ++i)
            check(shown[i].text.contains(m_brokenPath),
                  QStringLiteral("unexpected message: %1").arg(shown[i].text));

        // A redisplay that meets the broken picture ends there: later pictures keep their place.
        for (int i = 0; i < 8; ++i) {
            const bool changed = i >= before.cells.size() || i >= now.size() ||
                                 before.cells[i] != now[i] || now[i].isEmpty() ||
                                 expect.touched.contains(i);
            if (changed)
                m_stale[i].reset();
        }
        if (expect.redisplay) {
            const qsizetype broken = now.indexOf(m_brokenPath);
            if (broken >= 0)
                ++m_tally.cutShortRedisplays;
            for (int i = 0; i < now.size(); ++i) {
                if (broken >= 0 && i > broken && !now[i].isEmpty()) {
                    if (!m_stale[i])
                        m_stale[i] = before.geometry[i];
                } else {
                    m_stale[i].reset();
                }
            }
        }
    }

    void checkInvariants() {
        ++m_checkPasses;
        const FormView& f = view();
        const TCard& card = f.Card;
        const QStringList files = cells();

        check(int(f.Cells.size()) == card.PicturesPerPage,
              QStringLiteral("%1 cells for %2 per page")
                  .arg(f.Cells.size())
                  .arg(card.PicturesPerPage));
        for (int i = 0; i < files.size(); ++i) {
            for (int j = i + 1; j < files.size(); ++j)
                check(files[i].isEmpty() || files[i] != files[j],
                      QStringLiteral("cells %1 and %2 both hold %3").arg(i).arg(j).arg(files[i]));
        }
        check(QGuiApplication::overrideCursor() == nullptr,
              QStringLiteral("the hourglass was left on"));

        // Pictures: fitted and centred in the picture area, the right picture, or none.
        for (int i = 0; i < 8; ++i) {
            const PictureControl* control = f.CellImages[i];
            const QString file = i < files.size() ? files[i] : QString();
            const bool loaded = !file.isEmpty() && file != m_brokenPath;
            check(control->hasPicture() == loaded,
                  QStringLiteral("Cell%1 (%2) %3 a picture")
                      .arg(i)
                      .arg(file.isEmpty() ? "free" : file)
                      .arg(control->hasPicture() ? "shows" : "lacks"));
            if (!loaded || !control->hasPicture())
                continue;
            const auto known = m_pictures.find(file);
            if (!check(known != m_pictures.end(), QStringLiteral("unknown picture %1").arg(file)))
                continue;
            const KnownPicture& own = known->second;
            QRect expected;
            if (m_stale[i]) {
                expected = *m_stale[i];
            } else {
                const FittedSize fitted = FitPictureToArea(own.width, own.height, card.PictureWidth,
                                                           card.PictureHeight, card.PictureAspect);
                const CardPoint at =
                    PicturePosition(card, card.CellOrigin(i).X, card.CellOrigin(i).Y, fitted);
                expected = QRect(at.X, at.Y, fitted.Width, fitted.Height);
                // The fitted size touches two opposite sides of the area and keeps the shape.
                check(fitted.Width == card.PictureWidth || fitted.Height == card.PictureHeight,
                      QStringLiteral("%1 fitted %2x%3 touches no side of %4x%5")
                          .arg(file)
                          .arg(fitted.Width)
                          .arg(fitted.Height)
                          .arg(card.PictureWidth)
                          .arg(card.PictureHeight));
                check(fitted.Width <= card.PictureWidth && fitted.Height <= card.PictureHeight,
                      QStringLiteral("%1 fitted beyond its area").arg(file));
                check(qAbs(qint64(fitted.Width) * own.height - qint64(fitted.Height) * own.width) <=
                          qMax(own.width, own.height),
                      QStringLiteral("%1 lost its shape").arg(file));
            }
            check(control->geometry() == expected,
                  QStringLiteral("Cell%1 (%2) at %3,%4 %5x%6, expected %7,%8 %9x%10%11")
                      .arg(i)
                      .arg(file)
                      .arg(control->x())
                      .arg(control->y())
                      .arg(control->width())
                      .arg(control->height())
                      .arg(expected.x())
                      .arg(expected.y())
                      .arg(expected.width())
                      .arg(expected.height())
                      .arg(m_stale[i] ? " (left in place by a redisplay)" : ""));
            check(control->isVisible(), QStringLiteral("Cell%1 is hidden").arg(i));
            check(control->toolTip() == file,
                  QStringLiteral("Cell%1's hint is %2").arg(i).arg(control->toolTip()));
            const QImage& picture = control->picture();
            if (!picture.isNull()) {
                const QRgb centre = picture.pixel(picture.width() / 2, picture.height() / 2);
                check(sameColour(centre, own.colour, 40),
                      QStringLiteral("Cell%1 shows colour %2, not that of %3")
                          .arg(i)
                          .arg(centre, 8, 16)
                          .arg(file));
            }
        }

        // The file list mirrors the card.
        const QString shown = form().shownDirectory();
        QStringList onCard;
        for (const QString& file : files) {
            if (!file.isEmpty() && QFileInfo(file).path() == shown)
                onCard << QFileInfo(file).fileName();
        }
        QStringList selected;
        for (int j = 0; j < f.FileListBox1->count(); ++j) {
            if (f.FileListBox1->item(j)->isSelected())
                selected << f.FileListBox1->item(j)->text();
        }
        onCard.sort();
        selected.sort();
        check(selected == onCard, QStringLiteral("selected [%1] but on the card from %2: [%3]")
                                      .arg(selected.join(", "), shown, onCard.join(", ")));

        // Labels: the word of the cell's file in the chosen case, in the band, fitted to it.
        const bool upper = f.TBUpperLabels->isChecked();
        for (int i = 0; i < 8; ++i) {
            const QLabel* label = f.CellLabels[i];
            const QString file = i < files.size() ? files[i] : QString();
            const QString text = label->text();
            const bool blank = text.trimmed().isEmpty();
            if (file.isEmpty()) {
                check(text.isEmpty(), QStringLiteral("free cell %1 has label %2").arg(i).arg(text));
            } else {
                const auto known = m_pictures.find(file);
                const QString word =
                    known == m_pictures.end() ? QStringLiteral("broken") : known->second.word;
                const QString wanted = upper ? word.toUpper() : word.toLower();
                // A broken picture gets its label only from a change of case.
                const bool ok = text == wanted || (file == m_brokenPath && text.isEmpty());
                check(ok, QStringLiteral("cell %1 (%2) has label '%3', expected '%4'")
                              .arg(i)
                              .arg(file, text, wanted));
            }
            // Labels follow the switch even when a picture fails while they are switched.
            if (!card.LabelsOn) {
                check(!label->isVisible(),
                      QStringLiteral("label %1 shown while labels are off").arg(i));
            } else if (!blank) {
                check(label->isVisible(),
                      QStringLiteral("label %1 '%2' is hidden").arg(i).arg(text));
            }
            if (label->isVisible()) {
                // A shown label says something; an empty one shows nothing at all.
                check(!blank || text.isEmpty(),
                      QStringLiteral("label %1 shows only blanks '%2'").arg(i).arg(text));
            }
            if (!blank && i < int(f.Cells.size())) {
                const CardPoint origin = card.CellOrigin(i);
                const QRect band(origin.X + 8,
                                 origin.Y + card.CellHeight - 2 * card.LabelFontSize - 1,
                                 card.CellWidth - 16, 2 * card.LabelFontSize);
                check(label->geometry() == band,
                      QStringLiteral("label %1 is not in its band").arg(i));
                const QFont font = label->font();
                check(font.pointSize() >= 1 && font.pointSize() <= card.LabelFontSize,
                      QStringLiteral("label %1 at %2 points").arg(i).arg(font.pointSize()));
                check(font.pointSize() == 1 ||
                          QFontMetrics(font, label).horizontalAdvance(text) <= band.width(),
                      QStringLiteral("label %1 '%2' is wider than its band").arg(i).arg(text));
            }
        }

        // Cut lines: as many as the layout has, when they are on.
        int shownLines = 0;
        for (const TLine* line : f.CutLines)
            shownLines += line->isVisible() ? 1 : 0;
        check(shownLines ==
                  (f.TBCutLines->isChecked() ? expectedCutLines(card.PicturesPerPage) : 0),
              QStringLiteral("%1 cut lines shown").arg(shownLines));
    }

    void reportFailure(int number, quint32 seed, int actions) {
        QString log;
        for (const QString& line : m_recent)
            log += QStringLiteral("\n    ") + line;
        qWarning().noquote() << QStringLiteral(
                                    "random run failed after action %1 (seed %2, replay with "
                                    "FERLO_RANDOM_SEED=%2 FERLO_RANDOM_ACTIONS=%3); last "
                                    "actions:%4")
                                    .arg(number)
                                    .arg(seed)
                                    .arg(actions)
                                    .arg(log);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        QDir root(m_root.path());
        QVERIFY(root.mkpath(QStringLiteral("A")));
        QVERIFY(root.mkpath(QStringLiteral("B")));
        int colourIndex = 0;
        writeFolder(root.filePath("A"), kFolderA, std::size(kFolderA), colourIndex);
        writeFolder(root.filePath("B"), kFolderB, std::size(kFolderB), colourIndex);
        writeFile(root.filePath(QStringLiteral("A/%1").arg(kBrokenName)),
                  "this is no picture at all\n");
        for (const char* sound : {"A/cat.WAV", "A/dog.wav", "B/bird.WAV"})
            writeWave(root.filePath(sound), sine(0.05, 8000, 1, 200, 0.2), 1, 8000);
    }

    void init() {
        m_window.emplace();
        QVERIFY(m_window->open(QDir(m_root.path()).filePath("B")));
        m_dirB = form().shownDirectory();
        QVERIFY(form().browseTo(QDir(m_root.path()).filePath("A")));
        m_dirA = form().shownDirectory();
        m_brokenPath = QDir(m_dirA).filePath(QString::fromLatin1(kBrokenName));
        // The window forms paths from the shown folder; key the known pictures the same way.
        std::map<QString, KnownPicture> byShownPath;
        for (const auto& [path, picture] : m_pictures) {
            const QFileInfo info(path);
            const QString folder = info.dir().dirName() == QLatin1String("A") ? m_dirA : m_dirB;
            byShownPath[QDir(folder).filePath(info.fileName())] = picture;
        }
        m_pictures = byShownPath;
        // The sound files, one of them in lower case: found all the same.
        m_sounds = {{m_dirA + "/cat", QDir(m_dirA).filePath("cat.WAV")},
                    {m_dirA + "/dog", QDir(m_dirA).filePath("dog.wav")},
                    {m_dirB + "/bird", QDir(m_dirB).filePath("bird.WAV")}};
        m_stale = {};
        QVERIFY(messages().texts().isEmpty());
    }

    void cleanup() { m_window.reset(); }

    void longRandomRun() {
        const quint32 seed = envSeed();
        const int actions = envInt("FERLO_RANDOM_ACTIONS", kDefaultActions);
        qInfo().noquote()
            << QStringLiteral("random run: seed %1, %2 actions").arg(seed).arg(actions);
        m_random.seed(seed);
        m_checks = 0;
        m_checkPasses = 0;
        m_failure.clear();
        m_recent.clear();
        m_tally = {};

        QElapsedTimer timer;
        timer.start();
        checkInvariants();
        QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
        for (int number = 1; number <= actions; ++number) {
            const Snapshot before = snapshot();
            const qsizetype messagesBefore = messages().messages().size();
            Expectation expect;
            const QString done = randomAction(number, before, expect);
            m_recent.push_back(QStringLiteral("%1: %2").arg(number).arg(done));
            if (m_recent.size() > 40)
                m_recent.pop_front();
            checkOutcome(before, expect, messagesBefore);
            checkInvariants();
            if (!m_failure.isEmpty()) {
                reportFailure(number, seed, actions);
                QFAIL(qPrintable(m_failure));
            }
            if (number % 64 == 0)
                QCoreApplication::processEvents();
        }
        qInfo().noquote() << QStringLiteral(
                                 "random run: seed %1, %2 actions, %3 invariant passes, %4 checks, "
                                 "%5 PDFs, %6 messages, %7 s")
                                 .arg(seed)
                                 .arg(actions)
                                 .arg(m_checkPasses)
                                 .arg(m_checks)
                                 .arg(m_pdfs)
                                 .arg(messages().messages().size())
                                 .arg(timer.elapsed() / 1000.0, 0, 'f', 1);
        qInfo().noquote() << QStringLiteral(
                                 "random run reached: %1 picks, %2 unpicks, %3 picks undone on a "
                                 "full card, %4 picks of the broken picture, %5 double clicks, "
                                 "%6 redisplays ended at the broken picture, %7 sounds opened")
                                 .arg(m_tally.picks)
                                 .arg(m_tally.unpicks)
                                 .arg(m_tally.fullCardUndos)
                                 .arg(m_tally.brokenPicks)
                                 .arg(m_tally.doubleClicks)
                                 .arg(m_tally.cutShortRedisplays)
                                 .arg(m_tally.soundsOpened);
    }
};

int main(int argc, char** argv) {
    // Left presses open the sounds but must play nothing: no sound server is reachable.
    qputenv("PULSE_SERVER", "unix:/nonexistent/ferlo-random-run/native");
    QApplication app(argc, argv);
    TestRandomRun test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_randomrun.moc"
