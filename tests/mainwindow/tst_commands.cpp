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

class TestCommands : public QObject {
    Q_OBJECT

    MessageRecorder* m_messages = nullptr;
    PictureFolder* m_folder = nullptr;
    TFerloMainForm* m_form = nullptr;
    std::optional<FormView> m_view;

    void place(const QString& name) { clickFile(*m_form, name); }

private slots:
    void init() {
        m_messages = new MessageRecorder;
        m_folder = new PictureFolder;
        m_folder->addJpeg("cat1.jpg", 640, 480, 0xffcc3333);
        m_folder->addJpeg("dog2.jpg", 480, 640, 0xff3333cc);
        m_folder->addBmp("owl.bmp", 64, 48);
        m_folder->addJpeg("Hippopotamus Wallowing.jpg", 300, 200);
        m_form = new TFerloMainForm;
        m_view.emplace(*m_form);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        QVERIFY(m_form->browseTo(m_folder->path()));
    }
    void cleanup() {
        QVERIFY2(m_messages->texts().isEmpty(), qPrintable(m_messages->texts().join('\n')));
        m_view.reset();
        delete m_form;
        delete m_folder;
        delete m_messages;
    }

    void pictureControlsAreNamedAfterTheirCells() {
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(m_view->CellImages[i]->objectName(), QStringLiteral("Cell%1").arg(i));
            QCOMPARE(m_view->CellImages[i]->parentWidget(), m_view->PACard);
            QVERIFY(m_view->CellLabels[i]->isHidden());
        }
        QCOMPARE(m_form->findChild<PictureControl*>("Cell5"), m_view->CellImages[5]);
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
        countButton(*m_view, count)->trigger();
        QCOMPARE(m_view->LABSelect->text(), caption);
        QCOMPARE(m_view->Card.PicturesPerPage, count);
        QCOMPARE(int(m_view->Cells.size()), count);
        const int lines[] = {0, 0, 1, 0, 2, 0, 3, 0, 4};
        QCOMPARE(visibleCutLines(*m_view).size(), lines[count]);
    }

    void pressingTheCountThatIsDownChangesNothing() {
        place("cat1.jpg");
        place("dog2.jpg");
        m_view->TB4PerPage->trigger();
        QCOMPARE(m_view->Card.PictureCount, 2);
        QCOMPARE(selectedFiles(*m_form), (QStringList{"cat1.jpg", "dog2.jpg"}));
        QVERIFY(m_view->CellImages[0]->hasPicture());
    }

    void newCountEmptiesTheCard() {
        place("cat1.jpg");
        place("dog2.jpg");
        m_view->TB8PerPage->trigger();
        QCOMPARE(m_view->Card.PictureCount, 0);
        QCOMPARE(cellFiles(*m_form), QStringList(8, QString()));
        QVERIFY(selectedFiles(*m_form).isEmpty());
        QCOMPARE(m_view->LABSelect->text(), QStringLiteral("Select up to 8 Pictures"));
        QCOMPARE(visibleCutLines(*m_view).size(), 4);
        for (int i = 0; i < 8; ++i) {
            QVERIFY(!m_view->CellImages[i]->hasPicture());
            QVERIFY(m_view->CellLabels[i]->isHidden());
            QVERIFY(m_view->CellLabels[i]->text().isEmpty());
        }
    }

    void orientationKeepsPicturesAndRecentresTheCard() {
        place("cat1.jpg");
        place("dog2.jpg");
        m_view->TBLandScape->trigger(); // already down: nothing changes
        QCOMPARE(m_view->PACard->geometry(), QRect(14, 41, 595, 425));

        m_view->TBPortrait->trigger();
        QCOMPARE(m_view->PACard->geometry(), QRect(136, 8, 350, 490));
        QCOMPARE(m_view->Card.PictureCount, 2);
        // 4 per page portrait: cells 175 x 245, picture area 143 x 193 with labels.
        QCOMPARE(m_view->Card.PictureWidth, 143);
        QCOMPARE(m_view->Card.PictureHeight, 245 - 36 - 16);
        const TCell& cat = m_view->Cells[0];
        QCOMPARE(cat.ImageWidth, 143); // 640 x 480 is wider than the area: fitted to its width
        QCOMPARE(cat.ImageHeight, 107);
        QCOMPARE(m_view->CellImages[0]->geometry(),
                 QRect(1 + 16, 1 + 8 + (193 - 107) / 2, 143, 107));
        const TCell& dog = m_view->Cells[1];
        // 480 x 640 (aspect 1.333) is just wider than the area (1.350): fitted to its width.
        QCOMPARE(dog.ImageWidth, 143);
        QCOMPARE(dog.ImageHeight, 191); // Round(640 / (480 / 143.0)) = Round(190.67)
        QCOMPARE(m_view->CellLabels[1]->geometry().top(), 1 + 245 - 36 - 1);
        QCOMPARE(m_view->CellLabels[1]->text(), QStringLiteral("DOG"));
        QVERIFY(m_view->CellLabels[1]->isVisible());
        // The cut lines moved to the new card at once.
        QCOMPARE(visibleCutLines(*m_view),
                 (QList<QRect>{QRect(0, 245, 351, 1), QRect(175, 0, 1, 491)}));
    }

    void pictureIsFittedAndCentredInItsArea() {
        place("cat1.jpg");
        const TCell& cell = m_view->Cells[0];
        QCOMPARE(cell.ImageWidth, 213);
        QCOMPARE(cell.ImageHeight, 160);
        QCOMPARE(cell.ImageAspect, 0.75);
        QCOMPARE(m_view->CellImages[0]->geometry(), QRect(1 + 16 + 26, 1 + 8, 213, 160));
        QCOMPARE(m_view->CellImages[0]->toolTip(), m_folder->file("cat1.jpg"));
        QCOMPARE(m_view->CellImages[0]->minimumSize(), QSize(213, 160));
        QCOMPARE(m_view->CellImages[0]->maximumSize(), QSize(213, 160));
        // What the control shows is the picture's colour, stretched to its size.
        const QImage shown = m_view->CellImages[0]->grab().toImage();
        QVERIFY(qAbs(qRed(shown.pixel(100, 80)) - 0xcc) < 8);

        // A small picture is enlarged until it touches two sides.
        place("owl.bmp");
        QCOMPARE(m_view->Cells[1].ImageWidth, 213);
        QCOMPARE(m_view->Cells[1].ImageHeight, 160);
    }

    void cutLinesSwitchOffAndOnAgain() {
        const QList<QRect> before = visibleCutLines(*m_view);
        QCOMPARE(before, (QList<QRect>{QRect(297, 0, 1, 426), QRect(0, 212, 596, 1)}));
        QCOMPARE(m_view->TBCutLines->toolTip(), QStringLiteral("Turn Cutlines Off"));
        m_view->TBCutLines->trigger();
        QVERIFY(visibleCutLines(*m_view).isEmpty());
        QCOMPARE(m_view->TBCutLines->toolTip(), QStringLiteral("Turn Cutlines On"));
        // While off, layout changes place nothing.
        m_view->TB8PerPage->trigger();
        m_view->TBPortrait->trigger();
        QVERIFY(visibleCutLines(*m_view).isEmpty());
        m_view->TBLandScape->trigger();
        m_view->TB4PerPage->trigger();
        m_view->TBCutLines->trigger();
        QCOMPARE(visibleCutLines(*m_view), before);
        QCOMPARE(m_view->CutLines[0]->FStartPoint, QPoint(297, 0));
        QCOMPARE(m_view->CutLines[0]->FEndPoint, QPoint(297, 425));
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
        countButton(*m_view, count)->trigger();
        (portrait ? m_view->TBPortrait : m_view->TBLandScape)->trigger();
        const QList<QRect> shown = visibleCutLines(*m_view);
        QCOMPARE(shown.size(), lines);
        const QSize card = m_view->PACard->size();
        for (const QRect& line : shown) {
            // A line spans the card and one pixel beyond, which is clipped.
            if (line.width() == 1)
                QCOMPARE(line.height(), card.height() + 1);
            else
                QCOMPARE(line.width(), card.width() + 1);
        }
        // The dotted line shows as black dots on white.
        if (!shown.isEmpty()) {
            const QImage card = m_view->PACard->grab().toImage();
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
        QCOMPARE(m_view->Card.PictureHeight, 160);
        m_view->PBToggleLabels->click();
        QCOMPARE(m_view->Card.LabelsOn, false);
        QCOMPARE(m_view->PBToggleLabels->text(), QStringLiteral("&Labels On"));
        QCOMPARE(m_view->PBToggleLabels->toolTip(), QStringLiteral("Turn Labels on"));
        QVERIFY(!m_view->TBUpperLabels->isVisible());
        QVERIFY(!m_view->TBLowerLabels->isVisible());
        QCOMPARE(m_view->Card.PictureHeight, 196);
        QCOMPARE(m_view->Cells[0].ImageHeight, 196); // pictures grow into the band
        QVERIFY(m_view->CellLabels[0]->isHidden());
        QVERIFY(m_view->CellLabels[1]->isHidden());

        m_view->PBToggleLabels->click();
        QCOMPARE(m_view->PBToggleLabels->text(), QStringLiteral("&Labels Off"));
        QCOMPARE(m_view->PBToggleLabels->toolTip(), QStringLiteral("Turn Labels Off"));
        QVERIFY(m_view->TBUpperLabels->isVisible());
        QCOMPARE(m_view->Cells[0].ImageHeight, 160);
        QVERIFY(m_view->CellLabels[0]->isVisible());
        QVERIFY(m_view->CellLabels[1]->isVisible());
        QVERIFY(m_view->CellLabels[2]->isHidden()); // a free cell shows no label
    }

    void labelsShrinkToFitAndGrowBack() {
        m_view->TB8PerPage->trigger();
        place("cat1.jpg");
        place("Hippopotamus Wallowing.jpg");
        QLabel* shortLabel = m_view->CellLabels[0];
        QLabel* longLabel = m_view->CellLabels[1];
        QCOMPARE(shortLabel->text(), QStringLiteral("CAT"));
        QCOMPARE(shortLabel->font().pointSize(), 14);
        QCOMPARE(shortLabel->font().family(), QStringLiteral("Arial"));
        QVERIFY(shortLabel->font().bold());
        QCOMPARE(shortLabel->geometry(), QRect(1 + 8, 1 + 212 - 28 - 1, 148 - 16, 28));
        QCOMPARE(longLabel->text(), QStringLiteral("HIPPOPOTAMUS WALLOWING"));
        const int upperSize = longLabel->font().pointSize();
        QVERIFY(upperSize < 14);
        QVERIFY(QFontMetrics(longLabel->font(), m_view->TestLabel)
                    .horizontalAdvance(longLabel->text()) <= 148 - 16);
        QFont oneLarger = longLabel->font();
        oneLarger.setPointSize(upperSize + 1);
        QVERIFY(QFontMetrics(oneLarger, m_view->TestLabel).horizontalAdvance(longLabel->text()) >
                148 - 16);

        m_view->TBLowerLabels->trigger();
        QCOMPARE(longLabel->text(), QStringLiteral("hippopotamus wallowing"));
        QVERIFY(longLabel->font().pointSize() >= upperSize);
        QCOMPARE(shortLabel->text(), QStringLiteral("cat"));
        QCOMPARE(shortLabel->font().pointSize(), 14);
        QVERIFY(m_view->CellLabels[2]->text().isEmpty());

        m_view->TBUpperLabels->trigger();
        QCOMPARE(longLabel->font().pointSize(), upperSize);
    }

    void labelTextFollowsTheFileName() {
        m_folder->addJpeg("123.jpg");
        m_folder->addJpeg("Müller.jpg");
        QVERIFY(m_form->browseTo(m_folder->path()));
        place("123.jpg");
        place("Müller.jpg");
        QVERIFY(m_view->CellLabels[0]->text().isEmpty());
        QVERIFY(!m_view->CellLabels[0]->isVisible() ||
                m_view->CellLabels[0]->text().trimmed().isEmpty());
        QCOMPARE(m_view->CellLabels[1]->text(), QStringLiteral("MÜLLER"));
        m_view->TBLowerLabels->trigger();
        QCOMPARE(m_view->CellLabels[1]->text(), QStringLiteral("müller"));
        // Switching labels off and on shows exactly the labels whose text is not blank.
        m_view->PBToggleLabels->click();
        m_view->PBToggleLabels->click();
        QVERIFY(m_view->CellLabels[0]->isHidden());
        QVERIFY(m_view->CellLabels[1]->isVisible());
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
        const QString file = m_folder->addJpeg(name);
        QVERIFY(m_form->browseTo(m_folder->path()));
        place(name);
        QLabel* label = m_view->CellLabels[0];
        QCOMPARE(shownText(label), word);
        const QRect ink = inkBox(m_view->PACard->grab(label->geometry()).toImage());
        const QFontMetrics metrics(label->font(), label);
        QVERIFY2(ink.height() <= metrics.height(), "the label is drawn on more than one line");
        QVERIFY2(qAbs(ink.width() - metrics.horizontalAdvance(word)) <= 4,
                 qPrintable(QStringLiteral("drawn %1 pixels wide, measured %2")
                                .arg(ink.width())
                                .arg(metrics.horizontalAdvance(word))));

        // Hovering over the picture shows its path as written.
        PictureControl* picture = m_view->CellImages[0];
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
        m_view->TBPortrait->trigger();
        place("cat1.jpg");
        place("dog2.jpg");
        m_view->PBClear->click();
        QCOMPARE(m_view->Card.PictureCount, 0);
        QCOMPARE(cellFiles(*m_form), QStringList(4, QString()));
        QVERIFY(selectedFiles(*m_form).isEmpty());
        QCOMPARE(m_view->Card.Portrait, true);
        QCOMPARE(m_view->Card.PicturesPerPage, 4);
        QVERIFY(m_view->CellLabels[0]->isHidden());
        QVERIFY(!m_view->CellImages[0]->hasPicture());
        QVERIFY(m_view->CellImages[0]->isVisible()); // keeps its place, shows nothing
        // Clear on an empty card only deselects the list.
        m_view->PBClear->click();
        QCOMPARE(m_view->Card.PictureCount, 0);
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
