#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
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

// The printing commands: Print, Print Preview, Export PDF, Print Word Backs, Double-Sided
// Printing and the calibration sheet, each made from the deck's pages.

namespace ferlo {

void TFerloMainForm::createPrintCommands() {
    using Place = CommandRegistry::Place;
    m_commands->add(Place::File, QStringLiteral("Print1"), tr("&Print ..."),
                    [this] { printDeck(); }, {QKeySequence(QKeySequence::Print)});
    m_commands->add(Place::File, QStringLiteral("PrintPreview1"), tr("Print Pre&view ..."),
                    [this] { previewCard(this, deckPages(), m_deck.deck().duplex); });
    m_commands->add(Place::File, QStringLiteral("ExportPdf1"), tr("&Export PDF ..."),
                    [this] { exportPdf(); }, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    // Checked, every card prints with its word back; the stored option keeps the choice.
    m_wordBacks = m_commands->addToggle(
        Place::File, QStringLiteral("mnWordBacks"),
        QCoreApplication::translate("Printing", "Print Word &Backs"), [](bool) {});
    connect(m_wordBacks, &QAction::triggered, this, [this] { toggleWordBacks(); });
    m_commands->add(Place::File, QStringLiteral("mnDoubleSided"), tr("&Double-Sided Printing ..."),
                    [this] { editDoubleSided(); });
    m_commands->add(Place::File, QStringLiteral("mnCalibration"),
                    tr("Print &Calibration Sheet ..."),
                    [this] { printCalibrationSheet(this, m_deck.deck().duplex); });
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

void TFerloMainForm::renderWordBacks() {
    m_wordBacks->setChecked(storedWordBacks());
}

void TFerloMainForm::setWordBacks(bool on) {
    runGuarded(this, [on] { save_PrintWordBacks(on); });
    renderWordBacks();
}

void TFerloMainForm::toggleWordBacks() {
    setWordBacks(!storedWordBacks());
}

void TFerloMainForm::printDeck() {
    DuplexChoices duplex = m_deck.deck().duplex;
    JobOutcome outcome;
    duplex.turn = printCard(this, deckPages(), duplex, &outcome);
    m_deck.setDuplex(duplex);
    updateDeckControls();
    showJobOutcome(outcome);
}

void TFerloMainForm::exportPdf() {
    showJobOutcome(exportCardPdf(this, deckPages(), m_deck.deck().duplex));
}

void TFerloMainForm::showJobOutcome(const JobOutcome& outcome) {
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

void TFerloMainForm::editDoubleSided() {
    DuplexChoices duplex = m_deck.deck().duplex;
    if (!editDuplexChoices(this, duplex))
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

QList<CardPage> TFerloMainForm::deckPages() const {
    QList<CardPage> pages;
    for (int i = 0; i < m_deck.count(); ++i)
        pages << (i == m_deck.current()
                      ? currentPage()
                      : makeCardPage(CardModel(m_deck.deck().cards[size_t(i)]), printable));
    return pages;
}

CardPage TFerloMainForm::currentPage() const {
    return makeCardPage(model(), printable);
}

} // namespace ferlo
