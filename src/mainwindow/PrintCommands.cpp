#include "mainwindow/PrintCommands.h"

#include "dialogs/Messages.h"
#include "layout/DeckSession.h"
#include "mainwindow/CommandRegistry.h"
#include "pictures/PictureCache.h"
#include "printing/CardPage.h"
#include "printing/job/DuplexDialog.h"
#include "printing/job/PrintJob.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/PrintOption.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>

namespace ferlo {

PrintCommands::PrintCommands(const WindowPart& part, CommandRegistry* commands,
                             std::function<void()> updateDeckControls)
    : PartOfWindow(part, commands)
    , m_updateDeckControls(std::move(updateDeckControls)) {}

void PrintCommands::createPrintCommands() {
    using Place = CommandRegistry::Place;
    m_commands->add(Place::File, QStringLiteral("Print1"), tr("&Print ..."),
                    [this] { printDeck(); }, {QKeySequence(QKeySequence::Print)});
    m_commands->add(Place::File, QStringLiteral("PrintPreview1"), tr("Print Pre&view ..."),
                    [this] { previewCard(m_window, deckPages(), m_deck.deck().duplex); });
    m_commands->add(Place::File, QStringLiteral("ExportPdf1"), tr("&Export PDF ..."),
                    [this] { exportPdf(); }, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    // Checked, every card prints with its word back; the stored option keeps the choice.
    m_wordBacks = m_commands->addToggle(
        Place::File, QStringLiteral("mnWordBacks"),
        QCoreApplication::translate("Printing", "Print Word &Backs"), [](bool) {});
    QObject::connect(m_wordBacks, &QAction::triggered, m_wordBacks, [this] { toggleWordBacks(); });
    m_commands->add(Place::File, QStringLiteral("mnDoubleSided"), tr("&Double-Sided Printing ..."),
                    [this] { editDoubleSided(); });
    m_commands->add(Place::File, QStringLiteral("mnCalibration"),
                    tr("Print &Calibration Sheet ..."),
                    [this] { printCalibrationSheet(m_window, m_deck.deck().duplex); });
}

namespace {
// The stored option; off while the store cannot be read (printing reports it).
bool storedWordBacks() {
    try {
        return get_PrintWordBacks();
    } catch (const Error&) {
        return false;
    }
}
} // namespace

void PrintCommands::renderWordBacks() {
    m_wordBacks->setChecked(storedWordBacks());
}

void PrintCommands::setWordBacks(bool on) {
    runGuarded(m_window, [on] { save_PrintWordBacks(on); });
    renderWordBacks();
}

void PrintCommands::toggleWordBacks() {
    setWordBacks(!storedWordBacks());
}

void PrintCommands::printDeck() {
    DuplexChoices duplex = m_deck.deck().duplex;
    JobOutcome outcome;
    duplex.turn = printCard(m_window, deckPages(), duplex, &outcome);
    m_deck.setDuplex(duplex);
    updateDeckControls();
    showJobOutcome(outcome);
}

void PrintCommands::exportPdf() {
    showJobOutcome(exportCardPdf(m_window, deckPages(), m_deck.deck().duplex));
}

void PrintCommands::showJobOutcome(const JobOutcome& outcome) {
    const bool done = outcome.end == JobOutcome::End::Done;
    switch (outcome.end) {
    case JobOutcome::End::NotBegun:
        return;
    case JobOutcome::End::Done:
    case JobOutcome::End::Cancelled:
        if (outcome.toFile)
            showStatus(done ? tr("Written to %1").arg(displayName(outcome.target))
                            : tr("Cancelled: %1 was not written").arg(displayName(outcome.target)));
        else
            showStatus(done ? tr("Sent to the printer %1").arg(outcome.target)
                            : tr("Printing cancelled"));
        return;
    }
}

void PrintCommands::editDoubleSided() {
    DuplexChoices duplex = m_deck.deck().duplex;
    if (!editDuplexChoices(m_window, duplex))
        return;
    m_deck.setDuplex(duplex);
    updateDeckControls();
}

// Every card's page is made from its model by makeCardPage, the card on screen's too. A picture
// that is there but cannot be read is passed over, as the screen shows it, wherever its card
// stands; one that is not there stops the printing with its name, as on the command line.
namespace {
bool printable(const QString& path) {
    if (pathKind(path) == PathKind::Missing)
        return true; // the print job names it
    try {
        PictureCache::shared().load(path, [](QSize) { return QSize(1, 1); });
        return true;
    } catch (...) {
        return false;
    }
}
} // namespace

QList<CardPage> PrintCommands::deckPages() const {
    QList<CardPage> pages;
    for (int i = 0; i < m_deck.count(); ++i)
        pages << (i == m_deck.current()
                      ? currentPage()
                      : makeCardPage(CardModel(m_deck.deck().cards[size_t(i)]), printable));
    return pages;
}

CardPage PrintCommands::currentPage() const {
    return makeCardPage(model(), printable);
}

} // namespace ferlo
