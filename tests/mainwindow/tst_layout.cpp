// Grids and sheets in the window: Card > Layout ... turns the dialog's values into the card's
// layout, the card panel draws its cards, the file list and the clicks follow its number of
// cards, and a deck of grid and sheet cards opens, changes and is saved without loss.
#include "layout/CardModel.h"
#include "mainwindow/CardStrip.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LayoutDialog.h"
#include "mainwindow/LayoutPanel.h"
#include "mainwindow/PictureControl.h"
#include "printing/job/PrintJob.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPageLayout>
#include <QPrinter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <climits>

using namespace ferlo;
using namespace ferlo::test;

Q_DECLARE_METATYPE(ferlo::CardLayout)

namespace {

// Sets the dialog's controls by their object names: "columnsBox=3;paperBox=A4;evenButton=1".
// The unit is set first, so the lengths after it are in that unit.
void setControls(LayoutDialog& dialog, int tab, const QString& settings) {
    dialog.findChild<QTabWidget*>(QStringLiteral("layoutKind"))->setCurrentIndex(tab);
    for (const QString& setting : settings.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = setting.section(QLatin1Char('='), 0, 0);
        const QString value = setting.section(QLatin1Char('='), 1);
        QObject* control = dialog.findChild<QObject*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        if (auto* spin = qobject_cast<QSpinBox*>(control))
            spin->setValue(value.toInt());
        else if (auto* length = qobject_cast<QDoubleSpinBox*>(control))
            length->setValue(value.toDouble());
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setCurrentIndex(combo->findText(value));
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setChecked(value == QLatin1String("1"));
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(value);
        else if (auto* list = qobject_cast<QListWidget*>(control))
            list->setCurrentRow(value.toInt());
    }
}

// Answers the Layout dialog that the next command opens with these settings and OK.
void answerLayoutDialog(int tab, const QString& settings) {
    QTimer::singleShot(0, qApp, [tab, settings] {
        auto* dialog = qobject_cast<LayoutDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no Layout dialog");
        setControls(*dialog, tab, settings);
        dialog->accept();
    });
}

CardLayout gridLayout(GridSpec grid, const std::string& name = {}) {
    CardLayout layout;
    layout.kind = CardLayout::Kind::Grid;
    layout.Grid = grid;
    layout.Name = name;
    return layout;
}

const PaperSize A4{"A4", 210, 297};
const PaperSize Letter{"Letter", 215.9, 279.4};

} // namespace

class TestLayout : public MainWindowTest {
    Q_OBJECT

    QTemporaryDir m_templates;

private slots:
    void initTestCase() {
        // Two sheets of our own: the catalogue is read once per run.
        QFile paper(m_templates.filePath("paper-sizes.xml"));
        QVERIFY(paper.open(QIODevice::WriteOnly));
        paper.write(R"(<Glabels-paper-sizes><Paper-size id="A4" width="210mm" height="297mm"/>
                       </Glabels-paper-sizes>)");
        paper.close();
        QFile sheets(m_templates.filePath("test-templates.xml"));
        QVERIFY(sheets.open(QIODevice::WriteOnly));
        sheets.write(R"(<Glabels-templates>
            <Template brand="Testa" part="B 10" size="A4" description="Business cards">
              <Label-rectangle id="0" width="85mm" height="55mm" round="3mm">
                <Layout nx="2" ny="5" x0="15mm" y0="11mm" dx="95mm" dy="55mm"/>
              </Label-rectangle></Template>
            <Template brand="Testa" part="R6" size="A4" description="Round labels">
              <Label-round id="0" radius="30mm">
                <Layout nx="2" ny="3" x0="30mm" y0="40mm" dx="90mm" dy="80mm"/>
              </Label-round></Template></Glabels-templates>)");
        sheets.close();
        qputenv("FERLO_SHEET_TEMPLATES", m_templates.path().toUtf8());
    }

    void init() {
        m_window.emplace();
        for (int i = 1; i <= 21; ++i)
            folder().addJpeg(QStringLiteral("pic%1.jpg").arg(i, 2, 10, QLatin1Char('0')), 64, 48);
        QVERIFY(m_window->open(folder().path()));
    }
    void cleanup() { m_window.reset(); }

    // A new grid starts on the paper Print and Export PDF start on, divided inside the
    // printer's printable margins (rounded up to a tenth of a millimetre).
    void newGridStartsOnThePrintersPaperAndMargins_data() {
        QTest::addColumn<QSizeF>("paperMm");
        QTest::addColumn<QMarginsF>("marginsMm");
        QTest::addColumn<QString>("paperShown");
        QTest::addColumn<double>("marginShown");
        QTest::newRow("A4, PDF margins")
            << QSizeF(210, 297) << QMarginsF(3.53, 3.53, 3.53, 3.53) << "A4" << 3.6;
        QTest::newRow("Letter, uneven margins")
            << QSizeF(215.9, 279.4) << QMarginsF(6.35, 4.2, 6.35, 12.7) << "Letter" << 12.7;
        QTest::newRow("A5") << QSizeF(148, 210) << QMarginsF(5, 5, 5, 5) << "A5" << 5.0;
        QTest::newRow("custom paper")
            << QSizeF(100, 150) << QMarginsF(2, 2, 2, 2) << "Custom" << 2.0;
    }
    void newGridStartsOnThePrintersPaperAndMargins() {
        QFETCH(QSizeF, paperMm);
        QFETCH(QMarginsF, marginsMm);
        QFETCH(QString, paperShown);
        QFETCH(double, marginShown);
        QPrinter& printer = programPrinter();
        const QPageLayout was = printer.pageLayout();
        const auto restore = qScopeGuard([&] { printer.setPageLayout(was); });
        QVERIFY(printer.setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter),
                                                  QPageLayout::Portrait, marginsMm,
                                                  QPageLayout::Millimeter)));
        LayoutDialog dialog(CardModel(form().deck().currentCard()));
        QCOMPARE(dialog.findChild<QComboBox*>("paperBox")->currentText(), paperShown);
        QCOMPARE(dialog.findChild<QDoubleSpinBox*>("paperWidthBox")->value(), paperMm.width());
        QCOMPARE(dialog.findChild<QDoubleSpinBox*>("paperHeightBox")->value(), paperMm.height());
        QVERIFY(dialog.findChild<QRadioButton*>("evenButton")->isChecked());
        QCOMPARE(dialog.findChild<QDoubleSpinBox*>("marginBox")->value(), marginShown);
    }

    // What the dialog's controls make: counts, grids in either unit, presets, sheets found by
    // a search, the switches, and a grid that does not fit, which cannot be chosen.
    void dialogValuesMakeTheLayout_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<CardLayout>("layout");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("problem"); // a part of it

        QTest::newRow("count") << 0 << "countBox=6" << CardLayout() << 6 << "";
        QTest::newRow("page divided evenly")
            << 1 << "columnsBox=3;rowsBox=4;paperBox=A4;evenButton=1;marginBox=10"
            << gridLayout({3, 4, A4, false, 0, 0, 0, 0, 10}) << 12 << "";
        QTest::newRow("cards in inches, landscape")
            << 1
            << "unitBox=in;columnsBox=2;rowsBox=2;paperBox=Letter;orientationBox=Landscape;"
               "sizedButton=1;cardWidthBox=3;cardHeightBox=2;gapXBox=0.5;gapYBox=0.25"
            << gridLayout({2, 2, Letter, true, 76.2, 50.8, 12.7, 6.35, 0}) << 4 << "";
        QTest::newRow("custom paper")
            << 1
            << "columnsBox=1;rowsBox=2;paperBox=Custom;paperWidthBox=100;paperHeightBox=150;"
               "evenButton=1;marginBox=5"
            << gridLayout({1, 2, {"", 100, 150}, false, 0, 0, 0, 0, 5}) << 2 << "";
        QTest::newRow("cards too large for the paper")
            << 1
            << "columnsBox=4;rowsBox=5;paperBox=A4;sizedButton=1;cardWidthBox=60;cardHeightBox=50"
            << gridLayout({4, 5, A4, false, 60, 50, 0, 0, 0}) << 0 << "that can be printed on";
        CardLayout business =
            gridLayout({2, 5, A4, false, 85, 55, 0, 0, 0}, "business cards 85 × 55 mm");
        business.Fill = true, business.Bleed = 3, business.Outlines = true;
        QTest::newRow("preset with the switches")
            << 2 << "presetList=3;fillBox=1;bleedBox=3;outlinesBox=1" << business << 10 << "";
        CardLayout sheet;
        sheet.kind = CardLayout::Kind::Sheet;
        sheet.Name = "Testa B 10";
        QTest::newRow("sheet by part number, spaces and case ignored")
            << 3 << "sheetSearch=testab10" << sheet << 10 << "";
        sheet.Name = "Testa R6";
        QTest::newRow("sheet by description") << 3 << "sheetSearch=ROUND label" << sheet << 6 << "";
        QTest::newRow("no sheet matches")
            << 3 << "sheetSearch=5371" << CardLayout() << 0 << "Choose a sheet";
    }
    void dialogValuesMakeTheLayout() {
        QFETCH(int, tab);
        QFETCH(QString, settings);
        QFETCH(CardLayout, layout);
        QFETCH(int, cells);
        QFETCH(QString, problem);
        CardModel card;
        LayoutDialog dialog(card);
        setControls(dialog, tab, settings);
        const LayoutChoice choice = dialog.choice();
        QVERIFY2(problem.isEmpty() ? choice.problem.isEmpty() : choice.problem.contains(problem),
                 qPrintable(choice.problem));
        if (!problem.isEmpty())
            return;
        QCOMPARE(choice.cells(), cells);
        QCOMPARE(int(choice.layout.kind), int(layout.kind));
        QCOMPARE(choice.layout.Name, layout.Name);
        const GridSpec& got = choice.layout.Grid;
        const GridSpec& want = layout.Grid;
        if (layout.kind == CardLayout::Kind::Grid) {
            QCOMPARE(got.Columns * 100 + got.Rows, want.Columns * 100 + want.Rows);
            QCOMPARE(got.Paper.Name, want.Paper.Name);
            QCOMPARE(got.Landscape, want.Landscape);
            for (const auto& [a, b] : {std::pair{got.Paper.Width, want.Paper.Width},
                                       {got.Paper.Height, want.Paper.Height},
                                       {got.CardWidth, want.CardWidth},
                                       {got.CardHeight, want.CardHeight},
                                       {got.GapX, want.GapX},
                                       {got.GapY, want.GapY},
                                       {got.Margin, want.Margin}})
                QVERIFY2(std::abs(a - b) < 0.01,
                         qPrintable(QStringLiteral("%1 != %2").arg(a).arg(b)));
        }
        QCOMPARE(choice.layout.Fill, layout.Fill);
        QCOMPARE(choice.layout.Bleed, layout.Bleed);
        QCOMPARE(choice.layout.Outlines, layout.Outlines);
    }

    // Card > Layout ... chooses "2 × 2 in picture cards" on Letter: the panel draws 20 cards in
    // place of the card, the caption and the file list's limit follow; a pick, a right click on a
    // card, a double click on its label and a count button all reach the model.
    void layoutChoiceReachesModelAndPanel() {
        answerLayoutDialog(2, "presetList=0");
        form().findChild<QAction*>(QStringLiteral("mnLayout"))->trigger();
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QVERIFY(panel && panel->isVisible() && !view().PACard->isVisible());
        QCOMPARE(view().Card.PicturesPerPage, 20);
        QCOMPARE(view().LABSelect->text(), QStringLiteral("Select up to 20 Pictures"));
        QCOMPARE(panel->cellCount(), 20);
        QVERIFY(!view().TB4PerPage->isChecked() && !view().TBPortrait->isEnabled());
        // The orientation buttons show the page's: Letter upright.
        QVERIFY(view().TBPortrait->isChecked() && !view().TBLandScape->isChecked());
        // The panel keeps the paper's proportions (Letter, portrait).
        QVERIFY(std::abs(double(panel->height()) / panel->width() - 279.4 / 215.9) < 0.02);

        for (int i = 1; i <= 21; ++i)
            clickFile(form(), QStringLiteral("pic%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
        QCOMPARE(view().pictureCount(), 20);
        QCOMPARE(selectedFiles(form()).size(), 20);
        QVERIFY(!selectedFiles(form()).contains("pic21.jpg"));

        QTest::mouseClick(panel, Qt::RightButton, Qt::NoModifier, panel->pictureRect(6).center());
        QVERIFY(view().Cells[6].FileName.empty());
        QVERIFY(!selectedFiles(form()).contains("pic07.jpg"));
        // From the keyboard: the arrow goes on from the card just freed, Delete takes a
        // picture off and the focus goes on.
        QTest::keyClick(panel, Qt::Key_Right);
        QCOMPARE(panel->focusedCell(), 7);
        QTest::keyClick(panel, Qt::Key_Delete);
        QVERIFY(view().Cells[7].FileName.empty());
        QCOMPARE(panel->focusedCell(), 8);

        QTest::mouseDClick(panel, Qt::LeftButton, Qt::NoModifier, panel->bandRect(0).center());
        auto* editor = panel->findChild<QLineEdit*>(QStringLiteral("LabelEditor"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("pic"));
        editor->setText(QStringLiteral("owl"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(form().deck().currentCard().cells[0]->label, std::optional<std::string>("owl"));

        view().TB6PerPage->trigger();
        QCOMPARE(view().Card.PicturesPerPage, 6);
        QVERIFY(view().PACard->isVisible() && !panel->isVisible() &&
                view().TBPortrait->isEnabled());
        QVERIFY(view().TBLandScape->isChecked()); // the card's own orientation again
        QCOMPARE(view().pictureCount(), 0);
    }

    // Through a deck of counts, a grid and a sheet, in either direction, the toolbar and the
    // panel follow the card on screen: a count card checks its count button and may be turned,
    // a grid or a sheet checks none and shows its page's own orientation, which cannot be
    // chosen; the card of the counts or the panel shows.
    void toolbarFollowsTheCardOnScreen_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("countButton"); // empty: a grid or a sheet
        QTest::addColumn<bool>("portrait");
        // The deck: four upright, a 3 × 2 grid on A4 turned, a sheet on A4 upright, six turned.
        QTest::newRow("count to grid") << 0 << 1 << QString() << false;
        QTest::newRow("grid to sheet") << 1 << 2 << QString() << true;
        QTest::newRow("sheet to count") << 2 << 3 << QStringLiteral("TB6PerPage") << false;
        QTest::newRow("count back to sheet") << 3 << 2 << QString() << true;
        QTest::newRow("grid back to count") << 1 << 0 << QStringLiteral("TB4PerPage") << true;
    }
    void toolbarFollowsTheCardOnScreen() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, countButton);
        QFETCH(bool, portrait);
        DeckCard four;
        four.layout = CardLayout::counted(4);
        four.portrait = true;
        DeckCard grid;
        grid.layout = gridLayout({3, 2, A4, true, 0, 0, 0, 0, 10});
        DeckCard sheet;
        sheet.layout.kind = CardLayout::Kind::Sheet;
        sheet.layout.Name = "Testa B 10";
        sheet.layout.setCells(10);
        DeckCard six;
        six.layout = CardLayout::counted(6);
        Deck deck;
        deck.cards = {four, grid, sheet, six};
        writeDeck(folder().file("mixed.ferlo"), deck);
        QVERIFY(form().openDeck(folder().file("mixed.ferlo")));
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        const auto go = [&](int card) {
            while (form().deck().current() < card)
                form().findChild<QAction*>(QStringLiteral("TBNextCard"))->trigger();
            while (form().deck().current() > card)
                form().findChild<QAction*>(QStringLiteral("TBPreviousCard"))->trigger();
        };
        go(from);
        go(to);
        QCOMPARE(form().deck().current(), to);

        const bool count = !countButton.isEmpty();
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QCOMPARE(view().PACard->isVisible(), count);
        QCOMPARE(panel && panel->isVisible(), !count);
        for (QAction* button : {view().TB1PerPage, view().TB2PerPage, view().TB4PerPage,
                                view().TB6PerPage, view().TB8PerPage})
            QCOMPARE(button->isChecked(), button->objectName() == countButton);
        QCOMPARE(view().TBPortrait->isEnabled(), count);
        QCOMPARE(view().TBLandScape->isEnabled(), count);
        QCOMPARE(view().TBPortrait->isChecked(), portrait);
        QCOMPARE(view().TBLandScape->isChecked(), !portrait);
    }

    // The panel draws a round sheet's card as it prints: a filled picture clipped to the circle.
    void roundCardsClipTheirPictures() {
        answerLayoutDialog(3, "sheetSearch=testa r6;fillBox=1");
        form().findChild<QAction*>(QStringLiteral("mnLayout"))->trigger();
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->cellCount(), 6);
        clickFile(form(), "pic01.jpg");
        QTRY_VERIFY(!panel->picturesPending());
        const QImage shown = panel->grab().toImage();
        const QRect area = panel->pictureRect(0);
        const QColor inside = shown.pixelColor(area.center());
        QVERIFY2(inside.blue() > 150 && inside.red() < 100, qPrintable(inside.name()));
        QCOMPARE(shown.pixelColor(area.topLeft() + QPoint(2, 2)), QColor(Qt::white));
    }

    // A picture that cannot be read keeps its card on the panel, its place outlined as on the
    // card of the counts, and named so; a readable one beside it has no outline.
    void unreadablePictureIsOutlinedOnThePanel() {
        writeFile(folder().file("broken.jpg"), QByteArray("not a picture at all"));
        Deck deck;
        DeckCard grid;
        grid.layout = gridLayout({2, 2, A4, false, 0, 0, 0, 0, 10});
        grid.layout.setCells(4);
        grid.cells = {DeckCell{modelPath(folder().file("broken.jpg")), {}, {}},
                      DeckCell{modelPath(folder().file("pic01.jpg")), {}, {}}};
        deck.cards = {grid};
        writeDeck(folder().file("broken.ferlo"), deck);
        QVERIFY(form().openDeck(folder().file("broken.ferlo")));
        messages().clear();
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QVERIFY(panel && panel->isVisible());
        // Both pictures are decoded off the user-interface thread, each in its own time.
        QTRY_VERIFY(panel->isUnreadable(0) && !panel->picturesPending());
        QVERIFY(!panel->isUnreadable(1));

        const QImage shown = panel->grab().toImage();
        const QColor outline = panel->palette().color(QPalette::Mid);
        const auto isOutline = [&](QColor c) {
            return std::abs(c.red() - outline.red()) <= 2 &&
                   std::abs(c.green() - outline.green()) <= 2 &&
                   std::abs(c.blue() - outline.blue()) <= 2;
        };
        const auto outlined = [&](int cell) {
            // Dots of the outline's colour along the top and left edges of the picture area.
            const QRect area = panel->pictureRect(cell);
            int dots = 0;
            for (int x = area.left(); x <= area.right(); ++x)
                for (int y = area.top() - 1; y <= area.top() + 1; ++y)
                    dots += isOutline(shown.pixelColor(x, y));
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left() - 1; x <= area.left() + 1; ++x)
                    dots += isOutline(shown.pixelColor(x, y));
            return dots > (area.width() + area.height()) / 4;
        };
        QVERIFY(outlined(0));
        QVERIFY(!outlined(1));
        panel->setFocus();
        panel->setFocusedCell(0);
        QVERIFY2(panel->accessibleName().contains("cannot be shown"),
                 qPrintable(panel->accessibleName()));
        // It is taken off like any picture.
        QTest::mouseClick(panel, Qt::RightButton, Qt::NoModifier, panel->pictureRect(0).center());
        QVERIFY(view().Cells[0].FileName.empty());
        QVERIFY(!panel->isUnreadable(0));
    }

    // A left press on a picture is a click once the button comes up without a drag; one that
    // moves beyond the drag distance is a drag and never a click, so a drag plays no word.
    // Other buttons count as they go down. The same on the card of the counts and on a grid.
    void leftPressIsAClickOnlyWithoutDrag_data() {
        QTest::addColumn<bool>("onPanel");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("move");      // pixels moved while held, from the drag distance
        QTest::addColumn<int>("atPress");   // presses reported when the button went down
        QTest::addColumn<int>("atRelease"); // presses reported once it came up
        QTest::addColumn<int>("drags");
        for (const bool onPanel : {false, true}) {
            const char* where = onPanel ? "grid" : "counts";
            QTest::addRow("%s: click", where)
                << onPanel << Qt::LeftButton << INT_MIN << 0 << 1 << 0;
            QTest::addRow("%s: shaky click", where)
                << onPanel << Qt::LeftButton << -1 << 0 << 1 << 0;
            QTest::addRow("%s: drag", where) << onPanel << Qt::LeftButton << 1 << 0 << 0 << 1;
            QTest::addRow("%s: right press", where)
                << onPanel << Qt::RightButton << INT_MIN << 1 << 1 << 0;
            QTest::addRow("%s: right press moved", where)
                << onPanel << Qt::RightButton << 1 << 1 << 1 << 0;
        }
    }
    void leftPressIsAClickOnlyWithoutDrag() {
        QFETCH(bool, onPanel);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, move);
        QFETCH(int, atPress);
        QFETCH(int, atRelease);
        QFETCH(int, drags);
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::blue);
        CardModel model;
        model.setLayout(gridLayout({2, 2, A4, false, 0, 0, 0, 0, 10}));
        model.place(modelPath(folder().file("pic01.jpg")));
        QWidget room;
        room.resize(400, 500);
        PictureControl control(&room);
        control.setPicture(image);
        LayoutPanel panel(&room);
        panel.showCard(model, room.size());
        QWidget* target = onPanel ? static_cast<QWidget*>(&panel) : &control;
        control.setVisible(!onPanel);
        panel.setVisible(onPanel);
        room.show();
        QVERIFY(QTest::qWaitForWindowExposed(&room));

        QSignalSpy controlPresses(&control, &PictureControl::mouseDown);
        QSignalSpy controlDrags(&control, &PictureControl::dragRequested);
        QSignalSpy panelPresses(&panel, &LayoutPanel::pressed);
        QSignalSpy panelDrags(&panel, &LayoutPanel::dragRequested);
        QSignalSpy& presses = onPanel ? panelPresses : controlPresses;
        QSignalSpy& dragged = onPanel ? panelDrags : controlDrags;
        // Through the window, as the platform delivers them, the button held while moving.
        QWindow* window = room.windowHandle();
        const QPoint at =
            target->mapTo(&room, onPanel ? panel.pictureRect(0).center() : control.rect().center());
        QTest::mousePress(window, button, Qt::NoModifier, at);
        QCOMPARE(presses.size(), atPress);
        QPoint released = at;
        if (move != INT_MIN) {
            // In steps, as a hand moves it.
            const int distance = QApplication::startDragDistance() + move;
            for (int x = 1; x <= distance; ++x)
                QTest::mouseMove(window, at + QPoint(x, 0));
            released = at + QPoint(distance, 0);
        }
        QTest::mouseRelease(window, button, Qt::NoModifier, released);
        QCOMPARE(presses.size(), atRelease);
        QCOMPARE(dragged.size(), drags);
        for (const QList<QVariant>& press : std::as_const(presses))
            QCOMPARE(press.last().value<Qt::MouseButton>(), button);
        QCOMPARE(panelPresses.size() + controlPresses.size(), presses.size());
    }

    // Pictures dropped on the panel go on the card as picked; those that find it full start a
    // new card of the same sheet.
    void droppedPicturesFillCardsOfTheLayout() {
        answerLayoutDialog(3, "sheetSearch=testa r6");
        form().findChild<QAction*>(QStringLiteral("mnLayout"))->trigger();
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QVERIFY(panel);
        QList<QUrl> urls;
        for (int i = 1; i <= 8; ++i)
            urls << QUrl::fromLocalFile(
                folder().file(QStringLiteral("pic%1.jpg").arg(i, 2, 10, QLatin1Char('0'))));
        QMimeData data;
        data.setUrls(urls);
        // Qt hands a drop to the widget under it that takes drops, or its nearest parent that
        // does.
        const QPoint at = panel->mapTo(&form(), panel->rect().center());
        QWidget* target = form().childAt(at);
        while (target && !target->acceptDrops())
            target = target->parentWidget();
        QVERIFY(target);
        QDragEnterEvent enter(target->mapFrom(&form(), at), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(target->mapFrom(&form(), at), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_COMPARE(form().deck().count(), 2);
        QCOMPARE(form().deck().deck().cards[1].layout.Name, std::string("Testa R6"));
        QCOMPARE(form().deck().deck().cards[1].cells.size(), size_t(2));
        QCOMPARE(view().pictureCount(), 6); // the card that took the first picture
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
    }

    // A new layout through Card > Layout ... is one step named by the layout; it takes the
    // card's pictures in order as far as its cards go, says how many did not fit, and undo
    // brings back the card as it was.
    void layoutChangeIsOneNamedStep_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("kept");
        const QStringList all{"pic01.jpg", "pic02.jpg", "pic04.jpg"};
        QTest::newRow("sheet") << 3 << "sheetSearch=testa r6"
                               << "Layout Testa R6" << all;
        QTest::newRow("preset") << 2 << "presetList=0"
                                << "Layout 2 × 2 in picture cards (Letter)" << all;
        QTest::newRow("grid") << 1 << "columnsBox=3;rowsBox=4"
                              << "Layout 3 × 4 grid" << all;
        QTest::newRow("grid of two")
            << 1 << "columnsBox=1;rowsBox=2"
            << "Layout 1 × 2 grid" << QStringList{"pic01.jpg", "pic02.jpg"};
        QTest::newRow("one picture per page") << 0 << "countBox=1"
                                              << "1 picture per card" << QStringList{"pic01.jpg"};
    }
    void layoutChangeIsOneNamedStep() {
        QFETCH(int, tab);
        QFETCH(QString, settings);
        QFETCH(QString, step);
        QFETCH(QStringList, kept);
        for (const char* file : {"pic01.jpg", "pic02.jpg", "pic03.jpg", "pic04.jpg"})
            clickFile(form(), file);
        clickFile(form(), "pic03.jpg"); // a free cell between the pictures
        const Deck before = form().deck().deck();
        auto* undo = form().findChild<QAction*>(QStringLiteral("mnUndo"));
        auto* status = form().findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        const QString earlier = undo->text();
        answerLayoutDialog(tab, settings);
        form().findChild<QAction*>(QStringLiteral("mnLayout"))->trigger();
        QCOMPARE(view().pictureCount(), int(kept.size()));
        QStringList onCard;
        for (const auto& cell : form().deck().currentCard().cells)
            onCard << (cell ? QString::fromStdString(cell->picture).section('/', -1) : QString());
        QCOMPARE(onCard, kept);
        QCOMPARE(selectedFiles(form()), kept);
        QCOMPARE(status->currentMessage(),
                 kept.size() == 3 ? QString()
                                  : QString("Pictures that did not fit on the new layout: %1 "
                                            "(Undo brings them back)")
                                        .arg(3 - kept.size()));
        QCOMPARE(undo->text(), QStringLiteral("&Undo ") + step);
        undo->trigger();
        QVERIFY(form().deck().deck() == before);
        QCOMPARE(view().pictureCount(), 3);
        QVERIFY(view().PACard->isVisible());
        QCOMPARE(selectedFiles(form()), (QStringList{"pic01.jpg", "pic02.jpg", "pic04.jpg"}));
        QCOMPARE(undo->text(), earlier);
        QVERIFY(status->currentMessage().isEmpty());
    }

    // A picture on a grid's card moves as on the five counts, each move one step of the history:
    // dropped on another card of the page it swaps with it, keeping its word; dropped on the
    // Next button or on a card of the strip it goes to that card's first free cell; Alt+arrow
    // moves the focused one to its neighbour, and the focus goes with it.
    void picturesMoveOnTheLayoutPanel_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("first");  // the cells of card 1 after the move
        QTest::addColumn<QStringList>("second"); // of card 2
        QTest::addColumn<QString>("step");
        const QStringList second{"pic04.jpg"};
        const QStringList moved{"pic04.jpg", "pic01.jpg"};
        QTest::newRow("onto a cell")
            << "cell" << QStringList{"", "pic02.jpg", "pic03.jpg", "", "", "pic01.jpg"} << second
            << "Move owl";
        QTest::newRow("onto Next") << "next" << QStringList{"", "pic02.jpg", "pic03.jpg"} << moved
                                   << "Move picture to card 2";
        QTest::newRow("onto the strip") << "strip" << QStringList{"", "pic02.jpg", "pic03.jpg"}
                                        << moved << "Move picture to card 2";
        QTest::newRow("Alt+Right") << "right" << QStringList{"pic02.jpg", "pic01.jpg", "pic03.jpg"}
                                   << second << "Move owl";
        QTest::newRow("Alt+Down") << "down"
                                  << QStringList{"", "pic02.jpg", "pic03.jpg", "", "pic01.jpg"}
                                  << second << "Move owl";
    }
    void picturesMoveOnTheLayoutPanel() {
        QFETCH(QString, way);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, step);
        answerLayoutDialog(2, "presetList=0"); // 4 × 5 on Letter
        form().findChild<QAction*>(QStringLiteral("mnLayout"))->trigger();
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QVERIFY(panel);
        for (const char* file : {"pic01.jpg", "pic02.jpg", "pic03.jpg"})
            clickFile(form(), file);
        QTest::mouseDClick(panel, Qt::LeftButton, Qt::NoModifier, panel->bandRect(0).center());
        auto* editor = panel->findChild<QLineEdit*>(QStringLiteral("LabelEditor"));
        QVERIFY(editor && editor->isVisible());
        editor->setText(QStringLiteral("owl"));
        QTest::keyClick(editor, Qt::Key_Return);
        form().findChild<QAction*>(QStringLiteral("TBNewCard"))->trigger();
        clickFile(form(), "pic04.jpg");
        form().findChild<QAction*>(QStringLiteral("TBPreviousCard"))->trigger();
        const Deck before = form().deck().deck();

        if (way == QLatin1String("cell")) {
            dropCell(view().PACardBase,
                     panel->mapTo(view().PACardBase, panel->pictureRect(5).center()), 0);
        } else if (way == QLatin1String("next")) {
            dropCell(form().findChild<QWidget*>(QStringLiteral("TBNextCardButton")), {5, 5}, 0);
        } else if (way == QLatin1String("strip")) {
            auto* strip = form().findChild<CardStrip*>();
            QVERIFY(strip && strip->isVisible());
            dropCell(strip->viewport(), strip->visualItemRect(strip->item(1)).center(), 0);
        } else {
            QApplication::setActiveWindow(&form());
            panel->setFocus();
            QVERIFY(panel->hasFocus());
            panel->setFocusedCell(0);
            QTest::keyClick(panel, way == QLatin1String("right") ? Qt::Key_Right : Qt::Key_Down,
                            Qt::AltModifier);
            QCOMPARE(panel->focusedCell(), first.indexOf("pic01.jpg"));
        }
        const auto files = [](const DeckCard& card) {
            QStringList names;
            for (const auto& cell : card.cells)
                names << (cell ? QString::fromStdString(cell->picture).section('/', -1) : "");
            return names;
        };
        const Deck& after = form().deck().deck();
        QCOMPARE(files(after.cards[0]), first);
        QCOMPARE(files(after.cards[1]), second);
        for (const DeckCard& card : after.cards)
            for (const auto& cell : card.cells)
                if (cell && cell->picture.ends_with("pic01.jpg"))
                    QCOMPARE(cell->label, std::optional<std::string>("owl"));
        auto* undo = form().findChild<QAction*>(QStringLiteral("mnUndo"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo ") + step);
        undo->trigger();
        QVERIFY(form().deck().deck() == before);
        QCOMPARE(cellFiles(form()).filter(QStringLiteral("pic0")).size(), 3);
    }

    // A deck of a grid card and a card of a sheet that is not installed: it opens with a message
    // naming the sheet, the grid card shows and takes a change, and saving keeps both cards.
    void deckOfGridsAndSheetsRoundTrips() {
        Deck deck;
        DeckCard grid;
        grid.layout = gridLayout({4, 5, Letter, false, 50.8, 50.8, 0, 0, 0});
        grid.layout.Fill = true;
        grid.layout.Bleed = 3;
        grid.layout.setCells(20);
        grid.cells = {DeckCell{modelPath(folder().file("pic01.jpg")), "cat", {}}, std::nullopt,
                      DeckCell{modelPath(folder().file("pic03.jpg")), {}, {}}};
        DeckCard sheet;
        sheet.layout.kind = CardLayout::Kind::Sheet;
        sheet.layout.Name = "Nowhere 123";
        sheet.layout.setCells(12);
        sheet.cells = {std::nullopt, DeckCell{modelPath(folder().file("pic05.jpg")), {}, {}}};
        deck.cards = {grid, sheet};
        const QString path = folder().file("mixed.ferlo");
        writeDeck(path, deck);
        deck = readDeck(path); // as the file has it

        QVERIFY(form().openDeck(path));
        QCOMPARE(messages().texts().size(), 1);
        QVERIFY(messages().texts().first().contains("Nowhere 123"));
        messages().clear();
        auto* panel = form().findChild<LayoutPanel*>(QStringLiteral("LayoutPanel"));
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->cellCount(), 20);
        QCOMPARE(selectedFiles(form()), (QStringList{"pic01.jpg", "pic03.jpg"}));
        clickFile(form(), "pic02.jpg");
        QCOMPARE(form().cells()[1].FileName, modelPath(folder().file("pic02.jpg")));

        // The sheet's card comes on screen with its reason and keeps its place in the deck.
        form().findChild<QAction*>(QStringLiteral("TBNextCard"))->trigger();
        QVERIFY(panel->problem().contains("Nowhere 123"));
        QCOMPARE(panel->cellCount(), 0);
        form().findChild<QAction*>(QStringLiteral("mnSaveDeck"))->trigger();
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));

        Deck saved = readDeck(path);
        deck.cards[0].cells[1] = DeckCell{modelPath(folder().file("pic02.jpg")), {}, {}};
        QVERIFY(saved.cards.size() == 2);
        QVERIFY(saved.cards[0] == deck.cards[0]);
        QVERIFY(saved.cards[1] == deck.cards[1]);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
