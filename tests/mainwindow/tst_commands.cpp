#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>
#include <optional>

using namespace ferlo;
using namespace ferlo::test;

namespace {

QList<QRect> visibleCutLines(const FormView& ui) {
    QList<QRect> lines;
    for (TLine* line : ui.CutLines) {
        if (line->isVisibleTo(ui.PACard))
            lines << line->geometry();
    }
    return lines;
}

QAction* countButton(const FormView& ui, int count) {
    switch (count) {
    case 1:
        return ui.TB1PerPage;
    case 2:
        return ui.TB2PerPage;
    case 6:
        return ui.TB6PerPage;
    case 8:
        return ui.TB8PerPage;
    default:
        return ui.TB4PerPage;
    }
}

} // namespace

class TestCommands : public MainWindowTest {
    Q_OBJECT

    void place(const QString& name) { clickFile(form(), name); }

private slots:
    void init() {
        m_window.emplace();
        folder().addJpeg("cat1.jpg", 640, 480, 0xffcc3333);
        folder().addJpeg("dog2.jpg", 480, 640, 0xff3333cc);
        folder().addBmp("owl.bmp", 64, 48);
        folder().addJpeg("Hippopotamus Wallowing.jpg", 300, 200);
        QVERIFY(m_window->open(folder().path()));
    }
    void cleanup() {
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        m_window.reset();
    }

    void pictureControlsAreNamedAfterTheirCells() {
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(view().CellImages[i]->objectName(), QStringLiteral("Cell%1").arg(i));
            QCOMPARE(view().CellImages[i]->parentWidget(), view().PACard);
            QVERIFY(view().CellLabels[i]->isHidden());
        }
        QCOMPARE(form().findChild<PictureControl*>("Cell5"), view().CellImages[5]);
    }

    void countButtonsSetTheCaption_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << 1 << "Select A Picture";
        QTest::newRow("2") << 2 << "Select up to 2 Pictures";
        QTest::newRow("6") << 6 << "Select up to 6 Pictures";
        QTest::newRow("8") << 8 << "Select up to 8 Pictures";
    }
    void countButtonsSetTheCaption() {
        QFETCH(int, count);
        QFETCH(QString, caption);
        countButton(view(), count)->trigger();
        QCOMPARE(view().LABSelect->text(), caption);
        QCOMPARE(view().Card.PicturesPerPage, count);
        QCOMPARE(int(view().Cells.size()), count);
        const int lines[] = {0, 0, 1, 0, 2, 0, 3, 0, 4};
        QCOMPARE(visibleCutLines(view()).size(), lines[count]);
    }

    void pressingTheCountThatIsDownChangesNothing() {
        place("cat1.jpg");
        place("dog2.jpg");
        view().TB4PerPage->trigger();
        QCOMPARE(view().pictureCount(), 2);
        QCOMPARE(selectedFiles(form()), (QStringList{"cat1.jpg", "dog2.jpg"}));
        QVERIFY(view().CellImages[0]->hasPicture());
    }

    void newCountEmptiesTheCard() {
        place("cat1.jpg");
        place("dog2.jpg");
        view().TB8PerPage->trigger();
        QCOMPARE(view().pictureCount(), 0);
        QCOMPARE(cellFiles(form()), QStringList(8, QString()));
        QVERIFY(selectedFiles(form()).isEmpty());
        QCOMPARE(view().LABSelect->text(), QStringLiteral("Select up to 8 Pictures"));
        QCOMPARE(visibleCutLines(view()).size(), 4);
        for (int i = 0; i < 8; ++i) {
            QVERIFY(!view().CellImages[i]->hasPicture());
            QVERIFY(view().CellLabels[i]->isHidden());
            QVERIFY(view().CellLabels[i]->text().isEmpty());
        }
    }

    void orientationKeepsPicturesAndRecentresTheCard() {
        place("cat1.jpg");
        place("dog2.jpg");
        view().TBLandScape->trigger(); // already down: nothing changes
        QCOMPARE(view().PACard->geometry(), QRect(14, 41, 595, 425));

        view().TBPortrait->trigger();
        QCOMPARE(view().PACard->geometry(), QRect(136, 8, 350, 490));
        QCOMPARE(view().pictureCount(), 2);
        // 4 per page portrait: cells 175 x 245, picture area 143 x 193 with labels.
        QCOMPARE(view().Card.PictureWidth, 143);
        QCOMPARE(view().Card.PictureHeight, 245 - 36 - 16);
        // 640 x 480 is wider than the area: fitted to its width.
        QCOMPARE(view().CellImages[0]->geometry(),
                 QRect(1 + 16, 1 + 8 + (193 - 107) / 2, 143, 107));
        // 480 x 640 (aspect 1.333) is just wider than the area (1.350): fitted to its width,
        // Round(640 / (480 / 143.0)) = Round(190.67) high.
        QCOMPARE(view().CellImages[1]->size(), QSize(143, 191));
        QCOMPARE(view().CellLabels[1]->geometry().top(), 1 + 245 - 36 - 1);
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("DOG"));
        QVERIFY(view().CellLabels[1]->isVisible());
        // The cut lines moved to the new card at once.
        QCOMPARE(visibleCutLines(view()),
                 (QList<QRect>{QRect(0, 245, 351, 1), QRect(175, 0, 1, 491)}));
    }

    void pictureIsFittedAndCentredInItsArea() {
        place("cat1.jpg");
        QCOMPARE(view().CellImages[0]->geometry(), QRect(1 + 16 + 26, 1 + 8, 213, 160));
        QCOMPARE(view().CellImages[0]->toolTip(), folder().file("cat1.jpg"));
        QCOMPARE(view().CellImages[0]->minimumSize(), QSize(213, 160));
        QCOMPARE(view().CellImages[0]->maximumSize(), QSize(213, 160));
        // What the control shows is the picture's colour, stretched to its size.
        const QImage shown = view().CellImages[0]->grab().toImage();
        QVERIFY(qAbs(qRed(shown.pixel(100, 80)) - 0xcc) < 8);

        // A small picture is enlarged until it touches two sides.
        place("owl.bmp");
        QCOMPARE(view().CellImages[1]->size(), QSize(213, 160));
    }

    void cutLinesSwitchOffAndOnAgain() {
        const QList<QRect> before = visibleCutLines(view());
        QCOMPARE(before, (QList<QRect>{QRect(297, 0, 1, 426), QRect(0, 212, 596, 1)}));
        QCOMPARE(view().TBCutLines->toolTip(), QStringLiteral("Turn Cutlines Off"));
        view().TBCutLines->trigger();
        QVERIFY(visibleCutLines(view()).isEmpty());
        QCOMPARE(view().TBCutLines->toolTip(), QStringLiteral("Turn Cutlines On"));
        // While off, layout changes place nothing.
        view().TB8PerPage->trigger();
        view().TBPortrait->trigger();
        QVERIFY(visibleCutLines(view()).isEmpty());
        view().TBLandScape->trigger();
        view().TB4PerPage->trigger();
        view().TBCutLines->trigger();
        QCOMPARE(visibleCutLines(view()), before);
        QCOMPARE(view().CutLines[0]->FStartPoint, QPoint(297, 0));
        QCOMPARE(view().CutLines[0]->FEndPoint, QPoint(297, 425));
    }

    void cutLinesForEveryLayout_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("lines");
        for (bool portrait : {true, false}) {
            const char* o = portrait ? "portrait" : "landscape";
            QTest::addRow("1 %s", o) << 1 << portrait << 0;
            QTest::addRow("2 %s", o) << 2 << portrait << 1;
            QTest::addRow("4 %s", o) << 4 << portrait << 2;
            QTest::addRow("6 %s", o) << 6 << portrait << 3;
            QTest::addRow("8 %s", o) << 8 << portrait << 4;
        }
    }
    void cutLinesForEveryLayout() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(int, lines);
        countButton(view(), count)->trigger();
        (portrait ? view().TBPortrait : view().TBLandScape)->trigger();
        const QList<QRect> shown = visibleCutLines(view());
        QCOMPARE(shown.size(), lines);
        const QSize card = view().PACard->size();
        for (const QRect& line : shown) {
            // A line spans the card and one pixel beyond, which is clipped.
            if (line.width() == 1)
                QCOMPARE(line.height(), card.height() + 1);
            else
                QCOMPARE(line.width(), card.width() + 1);
        }
        // The dotted line shows as black dots on white.
        if (!shown.isEmpty()) {
            const QImage card = view().PACard->grab().toImage();
            const QRect line = shown.first();
            int black = 0;
            int white = 0;
            for (int k = 0; k < qMax(line.width(), line.height()) - 1; ++k) {
                const QPoint p = line.width() == 1 ? QPoint(line.x(), k) : QPoint(k, line.y());
                const int grey = qGray(card.pixel(p));
                black += grey < 100;
                white += grey > 200;
            }
            QVERIFY(black > 20);
            QVERIFY(white > 20);
        }
    }

    void labelsSwitchOffAndOn() {
        place("cat1.jpg");
        place("dog2.jpg");
        QCOMPARE(view().Card.PictureHeight, 160);
        view().PBToggleLabels->click();
        QCOMPARE(view().Card.LabelsOn, false);
        QCOMPARE(view().PBToggleLabels->text(), QStringLiteral("&Labels On"));
        QCOMPARE(view().PBToggleLabels->toolTip(), QStringLiteral("Turn Labels on"));
        QVERIFY(!view().TBUpperLabels->isVisible());
        QVERIFY(!view().TBLowerLabels->isVisible());
        QCOMPARE(view().Card.PictureHeight, 196);
        QCOMPARE(view().CellImages[0]->height(), 196); // pictures grow into the band
        QVERIFY(view().CellLabels[0]->isHidden());
        QVERIFY(view().CellLabels[1]->isHidden());

        view().PBToggleLabels->click();
        QCOMPARE(view().PBToggleLabels->text(), QStringLiteral("&Labels Off"));
        QCOMPARE(view().PBToggleLabels->toolTip(), QStringLiteral("Turn Labels Off"));
        QVERIFY(view().TBUpperLabels->isVisible());
        QCOMPARE(view().CellImages[0]->height(), 160);
        QVERIFY(view().CellLabels[0]->isVisible());
        QVERIFY(view().CellLabels[1]->isVisible());
        QVERIFY(view().CellLabels[2]->isHidden()); // a free cell shows no label
    }

    void labelsShrinkToFitAndGrowBack() {
        view().TB8PerPage->trigger();
        place("cat1.jpg");
        place("Hippopotamus Wallowing.jpg");
        QLabel* shortLabel = view().CellLabels[0];
        QLabel* longLabel = view().CellLabels[1];
        QCOMPARE(shortLabel->text(), QStringLiteral("CAT"));
        QCOMPARE(shortLabel->font().pointSize(), 14);
        QCOMPARE(shortLabel->font().family(), QStringLiteral("Arial"));
        QVERIFY(shortLabel->font().bold());
        QCOMPARE(shortLabel->geometry(), QRect(1 + 8, 1 + 212 - 28 - 1, 148 - 16, 28));
        QCOMPARE(longLabel->text(), QStringLiteral("HIPPOPOTAMUS WALLOWING"));
        const int upperSize = longLabel->font().pointSize();
        QVERIFY(upperSize < 14);
        QVERIFY(QFontMetrics(longLabel->font(), view().TestLabel)
                    .horizontalAdvance(longLabel->text()) <= 148 - 16);
        QFont oneLarger = longLabel->font();
        oneLarger.setPointSize(upperSize + 1);
        QVERIFY(QFontMetrics(oneLarger, view().TestLabel).horizontalAdvance(longLabel->text()) >
                148 - 16);

        view().TBLowerLabels->trigger();
        QCOMPARE(longLabel->text(), QStringLiteral("hippopotamus wallowing"));
        QVERIFY(longLabel->font().pointSize() >= upperSize);
        QCOMPARE(shortLabel->text(), QStringLiteral("cat"));
        QCOMPARE(shortLabel->font().pointSize(), 14);
        QVERIFY(view().CellLabels[2]->text().isEmpty());

        view().TBUpperLabels->trigger();
        QCOMPARE(longLabel->font().pointSize(), upperSize);
    }

    void labelTextFollowsTheFileName() {
        folder().addJpeg("123.jpg");
        folder().addJpeg("Müller.jpg");
        QVERIFY(form().browseTo(folder().path()));
        place("123.jpg");
        place("Müller.jpg");
        QVERIFY(view().CellLabels[0]->text().isEmpty());
        QVERIFY(!view().CellLabels[0]->isVisible() ||
                view().CellLabels[0]->text().trimmed().isEmpty());
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("MÜLLER"));
        view().TBLowerLabels->trigger();
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("müller"));
        // Switching labels off and on shows exactly the labels whose text is not blank.
        view().PBToggleLabels->click();
        view().PBToggleLabels->click();
        QVERIFY(view().CellLabels[0]->isHidden());
        QVERIFY(view().CellLabels[1]->isVisible());
    }

    // A file name is no markup: its label word and its hint read as the name is written, and the
    // label is drawn on one line as wide as it was measured for fitting.
    void markupInNamesIsShownAsWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("word");
        QTest::newRow("line break") << "x<br>y1.jpg"
                                    << "X<BR>Y";
        QTest::newRow("bold") << "<b>bold.jpg"
                              << "<B>BOLD";
        QTest::newRow("entity") << "&lt;i&gt;.jpg"
                                << "&LT;I&GT;";
    }
    void markupInNamesIsShownAsWritten() {
        QFETCH(QString, name);
        QFETCH(QString, word);
        const QString file = folder().addJpeg(name);
        QVERIFY(form().browseTo(folder().path()));
        place(name);
        QLabel* label = view().CellLabels[0];
        QCOMPARE(shownText(label), word);
        const QRect ink = inkBox(view().PACard->grab(label->geometry()).toImage());
        const QFontMetrics metrics(label->font(), label);
        QVERIFY2(ink.height() <= metrics.height(), "the label is drawn on more than one line");
        QVERIFY2(qAbs(ink.width() - metrics.horizontalAdvance(word)) <= 4,
                 qPrintable(QStringLiteral("drawn %1 pixels wide, measured %2")
                                .arg(ink.width())
                                .arg(metrics.horizontalAdvance(word))));

        // Hovering over the picture shows its path as written.
        PictureControl* picture = view().CellImages[0];
        QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), picture->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(picture, &hover);
        QLabel* tip = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
                tip = qobject_cast<QLabel*>(widget);
        }
        QVERIFY2(tip, "no hint is shown");
        QCOMPARE(shownText(tip), file);
        QToolTip::hideText();
    }

    void clearEmptiesTheCardAndKeepsTheLayout() {
        view().TBPortrait->trigger();
        place("cat1.jpg");
        place("dog2.jpg");
        view().PBClear->click();
        QCOMPARE(view().pictureCount(), 0);
        QCOMPARE(cellFiles(form()), QStringList(4, QString()));
        QVERIFY(selectedFiles(form()).isEmpty());
        QCOMPARE(view().Card.Portrait, true);
        QCOMPARE(view().Card.PicturesPerPage, 4);
        QVERIFY(view().CellLabels[0]->isHidden());
        QVERIFY(!view().CellImages[0]->hasPicture());
        QVERIFY(view().CellImages[0]->isVisible()); // keeps its place, shows nothing
        // Clear on an empty card only deselects the list.
        view().PBClear->click();
        QCOMPARE(view().pictureCount(), 0);
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
