#include "mainwindow/FerloMainForm.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FmxUtils.h"
#include "dialogs/Options.h"
#include "mainwindow/ActivityCommands.h"
#include "mainwindow/CommandRegistry.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/Glyphs.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LayoutCommands.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/PrintCommands.h"
#include "mainwindow/Recovery.h"
#include "mainwindow/ShapeCommands.h"
#include "mainwindow/SoundCommands.h"
#include "mainwindow/SymbolCommands.h"
#include "printing/job/PrintJob.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

// The window's commands in its menus, on its toolbar and as its keys, all through the command
// registry: what each runs is in the part of the window it belongs to.

namespace ferlo {

namespace {

using Place = CommandRegistry::Place;

} // namespace

void TFerloMainForm::createMenus() {
    m_commands = new CommandRegistry(
        this, [this](const std::function<void()>& handler) { runCommand(handler); });
    m_commands->newMenu(Place::File, tr("&File"), QStringLiteral("File1"));
    m_commands->newMenu(Place::Edit, tr("&Edit"), QStringLiteral("mnEdit"));
    m_commands->newMenu(Place::Card, tr("&Card"), QStringLiteral("mnCard"));
    m_commands->newMenu(Place::View, tr("&View"), QStringLiteral("mnView"));
    m_commands->newMenu(Place::Help, tr("&Help"), QStringLiteral("mnHelp"));
    createFileCommands();
    createCardCommands();
    m_commands->add(Place::Bar, QStringLiteral("mnOptions"), tr("&Options ..."), [this] {
        if (m_options)
            m_options->exec();
    });
    m_commands->add(Place::Help, QStringLiteral("mnReadMe"), tr("&Help ..."),
                    [this] { openHelpFile(this); }, {QKeySequence(Qt::Key_F1)});
    m_commands->add(Place::Help, QStringLiteral("mnAbout"), tr("&About ..."), [this] {
        if (m_aboutBox)
            m_aboutBox->exec();
    });
    // The standard keys of a desktop program (above); Ctrl+Delete clears the card like the
    // button.
    m_commands->add(Place::Window, QStringLiteral("ClearShortcut"), tr("Clear all pictures"),
                    [this] { ClearCells(); }, {QKeySequence(Qt::CTRL | Qt::Key_Delete)});
    // F2 edits the label of the picture that has the focus, as it renames in a file manager.
    m_commands->add(Place::Window, QStringLiteral("EditLabelShortcut"), tr("Edit label"),
                    [this] { labelCommands().editFocusedLabel(); }, {QKeySequence(Qt::Key_F2)});
}

void TFerloMainForm::createFileCommands() {
    const auto file = [this](const QString& name, const QString& text, auto handler,
                             const QList<QKeySequence>& keys = {}) {
        return m_commands->add(Place::File, name, text, handler, keys);
    };
    deckCommands().createFileCommands();
    m_commands->menu(Place::File)->addMenu(recovery().createRecentDecksMenu());
    m_commands->addSeparator(Place::File);
    file(QStringLiteral("Printsetup1"), tr("Print se&tup ..."), [this] {
        printerSetup(this);
    })->setVisible(false);
    printCommands().createPrintCommands();
    m_commands->addSeparator(Place::File);
    file(QStringLiteral("mnDeckProperties"), tr("Deck P&roperties ..."),
         [this] { soundCommands().editDeckProperties(); });
    m_commands->addSeparator(Place::File);
    // Exit closes the window, which asks about unsaved changes first.
    file(QStringLiteral("mnExit"), tr("e&xit"),
         [this] {
             if (close())
                 QCoreApplication::quit();
         },
         {QKeySequence(Qt::CTRL | Qt::Key_Q)});
}

void TFerloMainForm::createCardCommands() {
    // The card commands (the toolbar shows the same actions), then the card's shape and its
    // games.
    deckCommands().createCardCommands();
    m_commands->add(Place::Card, QStringLiteral("mnLayout"), tr("&Layout ..."),
                    [this] { layoutCommands().chooseLayout(); });
    m_commands->add(Place::Card, QStringLiteral("mnCardsFromWords"), tr("Cards from &Words ..."),
                    [this] { symbolCommands().cardsFromWords(); });
    m_commands->add(Place::Card, QStringLiteral("mnActivity"), tr("Make &Activity ..."),
                    [this] { activityCommands().makeActivity(); });
    m_commands->addSeparator(Place::Card);
    soundCommands().createRecordCommand();
}

void TFerloMainForm::createToolBar() {
    ToolBar1 = new QToolBar(ClientArea);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setAutoFillBackground(true);
    ToolBar1->setBackgroundRole(QPalette::Button);
    m_commands->setToolBar(ToolBar1);
    createShapeButtons();
    createLabelButtons();

    m_commands->newButton(QStringLiteral("TBPrint"), glyphIcon(Glyph::Printer),
                          tr("Print Flashcard"), false, [this] { printCommands().printDeck(); });
    m_commands->addToolSpace();

    // The deck: which card is on screen, and the card commands of the Card menu.
    deckCommands().createCardButtons(ToolBar1);
    m_commands->addToolSpace();
    m_commands->addToolButton(m_commands->command(QStringLiteral("TBRecord")));
}

void TFerloMainForm::createShapeButtons() {
    // A count button carries its count.
    CountGroup = new QActionGroup(this);
    const std::pair<int, Glyph> counts[] = {{1, Glyph::Digit1},
                                            {2, Glyph::Digit2},
                                            {4, Glyph::Digit4},
                                            {6, Glyph::Digit6},
                                            {8, Glyph::Digit8}};
    for (const auto& [count, glyph] : counts) {
        QAction* action = m_commands->newButton(
            QStringLiteral("TB%1PerPage").arg(count), glyphIcon(glyph),
            count == 1 ? tr("1 Image Per Page") : tr("%1 Images Per Page").arg(count), true,
            [this, count = count] { shapeCommands().TBNumPerPageClick(count); });
        action->setData(count);
        action->setChecked(count == 4);
        CountGroup->addAction(action);
    }
    m_commands->addToolSpace();

    auto* orientationGroup = new QActionGroup(this);
    TBPortrait = m_commands->newButton(QStringLiteral("TBPortrait"), glyphIcon(Glyph::Portrait),
                                       tr("Portrait Orientation"), true,
                                       [this] { shapeCommands().TBOrientationClick(true); });
    TBLandScape = m_commands->newButton(QStringLiteral("TBLandScape"), glyphIcon(Glyph::Landscape),
                                        tr("Landscape Orientation"), true,
                                        [this] { shapeCommands().TBOrientationClick(false); });
    orientationGroup->addAction(TBPortrait);
    orientationGroup->addAction(TBLandScape);
    TBLandScape->setChecked(true);
    m_commands->addToolSpace();

    TBCutLines = m_commands->newButton(
        QStringLiteral("TBCutLines"), glyphIcon(Glyph::CutLines), QString(), true, [this] {
            m_deck.edit([](CardModel& card) { card.setCutLines(!card.cutLinesOn()); });
            shapeCommands().ToggleCutLines();
        });
    ToolBar1->widgetForAction(TBCutLines)->setAccessibleName(tr("Cut Lines"));
    TBCutLines->setChecked(true);
    m_commands->addToolSpace();
}

void TFerloMainForm::createLabelButtons() {
    labelCommands().createLabelButtons();

    //: A button (verb): takes all pictures off the card.
    QPushButton* clear = toolPushButton(QStringLiteral("PBClear"), tr("Clear"), 53);
    clear->setToolTip(tr("Clear all pictures"));
    connect(clear, &QPushButton::clicked, this, [this] { runCommand([this] { ClearCells(); }); });
    m_commands->addToolSpace();
}

QPushButton* TFerloMainForm::toolPushButton(const QString& name, const QString& caption,
                                            int width) {
    auto* push = new QPushButton(caption, ToolBar1);
    push->setObjectName(name);
    push->setFixedSize(width, 22);
    push->setFont(sansFont(QStringLiteral("Arial"), 13, true));
    // Tab reaches it between its neighbours, as it does the tool buttons.
    push->setFocusPolicy(Qt::TabFocus);
    m_commands->addToolWidget(push);
    return push;
}

} // namespace ferlo
