#include "mainwindow/Recovery.h"

#include "dialogs/Messages.h"
#include "layout/DeckSession.h"
#include "mainwindow/RecentDecks.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/RecentDeckList.h"
#include "storage/RecoveryWriter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// Recovery copies of an unsaved deck, the question about them after a crash, and the recent
// decks: what keeps work from being lost between runs.

namespace ferlo {

namespace {

QString copyName(const RecoveryCopy& copy) {
    if (copy.deckPath.isEmpty())
        return QCoreApplication::translate("ferlo::TFerloMainForm", "Untitled deck");
    return displayName(fileNamePart(copy.deckPath));
}

// The question after a crash: each copy with its deck's name, cards and last change; Restore,
// Save As ... and Discard act on the chosen one, Close keeps the others for the next start.
class RecoveryQuestion : public QDialog {
public:
    using Action = std::function<bool(RecoveryCopy&)>;
    RecoveryQuestion(QWidget* parent, std::vector<RecoveryCopy>& copies, Action restore,
                     Action saveAs, Action discard);

private:
    QPushButton* actionButton(const QString& name, const QString& text, Action action);
    void act(const Action& action);

    std::vector<RecoveryCopy>& m_copies;
    QTreeWidget* m_list = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

RecoveryQuestion::RecoveryQuestion(QWidget* parent, std::vector<RecoveryCopy>& copies,
                                   Action restore, Action saveAs, Action discard)
    : QDialog(parent)
    , m_copies(copies) {
    setObjectName(QStringLiteral("RecoveryQuestion"));
    setWindowTitle(QCoreApplication::translate("Recovery", "Recover Decks"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QCoreApplication::translate(
                                "Recovery",
                                "Ferlo ended before these decks were saved. Restore a deck, save "
                                "it under a name, or discard it. Decks left here are offered "
                                "again at the next start."),
                            this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    layout->addWidget(text);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("RecoveryList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QCoreApplication::translate("Recovery", "Deck"),
                             QCoreApplication::translate("Recovery", "Cards"),
                             QCoreApplication::translate("Recovery", "Last change")});
    for (size_t i = 0; i < copies.size(); ++i) {
        auto* item = new QTreeWidgetItem(
            m_list, {copyName(copies[i]), QString::number(copies[i].deck.cards.size()),
                     QLocale().toString(copies[i].changed.toLocalTime(), QLocale::ShortFormat)});
        item->setData(0, Qt::UserRole, int(i));
        item->setToolTip(0, displayName(copies[i].deckPath));
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->setCurrentItem(m_list->topLevelItem(0));
    layout->addWidget(m_list);
    m_buttons = new QDialogButtonBox(this);
    actionButton(QStringLiteral("RestoreButton"),
                 QCoreApplication::translate("Recovery", "&Restore"), std::move(restore))
        ->setDefault(true);
    actionButton(QStringLiteral("SaveAsButton"),
                 QCoreApplication::translate("Recovery", "&Save As ..."), std::move(saveAs));
    actionButton(QStringLiteral("DiscardButton"),
                 QCoreApplication::translate("Recovery", "&Discard"), std::move(discard));
    m_buttons->addButton(QDialogButtonBox::Close);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);
    resize(520, 300);
}

QPushButton* RecoveryQuestion::actionButton(const QString& name, const QString& text,
                                            Action action) {
    QPushButton* button = m_buttons->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
    return button;
}

void RecoveryQuestion::act(const Action& action) {
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    RecoveryCopy& copy = m_copies[size_t(item->data(0, Qt::UserRole).toInt())];
    bool done = false;
    runGuarded(this, [&] { done = action(copy); });
    if (!done)
        return;
    delete item;
    if (m_list->topLevelItemCount() == 0)
        accept();
    else
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

} // namespace

Recovery::Recovery(const WindowPart& part, Deck deck)
    : PartOfWindow(part)
    , m_deckCommands(std::move(deck)) {}

Recovery::~Recovery() = default;

void Recovery::createRecovery() {
    const auto source = [this]() -> std::optional<RecoveryWriter::Snapshot> {
        if (!m_deck.modified())
            return std::nullopt;
        return RecoveryWriter::Snapshot{m_deck.deck(), pathFromModel(m_deck.path())};
    };
    // Told once, and not in the middle of a picture pass.
    const auto failed = [this](const QString& message) {
        whenPicturesPlaced(
            [this, message] { showMessage(m_window, MessageKind::Warning, message); });
    };
    m_recovery = std::make_unique<RecoveryWriter>(source, failed);
}

void Recovery::drop() {
    if (m_recovery)
        m_recovery->drop();
}

void Recovery::noteDeckState() {
    if (m_recovery)
        m_recovery->changed(m_deck.modified());
    noteRecentDeckChange(pathFromModel(m_deck.path()), m_recentNoted);
}

void Recovery::resumeWork(bool reopenLastDeck) {
    bool restored = false;
    runGuarded(m_window, [&] { restored = offerRecoveryCopies(); });
    if (restored || !reopenLastDeck || !readReopenLastDeck())
        return;
    const QStringList recent = readRecentDecks();
    if (!recent.isEmpty() && pathKind(recent.first()) == PathKind::PlainFile)
        runCommand([&] { openDeck(recent.first()); });
}

bool Recovery::offerRecoveryCopies() {
    FoundCopies found = claimRecoveryCopies();
    if (!found.setAside.empty())
        showMessage(m_window, MessageKind::Warning, setAsideMessage(found.setAside));
    if (found.copies.empty())
        return false;
    bool restored = false;
    const auto restore = [&](RecoveryCopy& copy) {
        if (!maybeSaveChanges())
            return false;
        restoreRecovered(copy);
        restored = true;
        return true;
    };
    const auto saveAs = [this](RecoveryCopy& copy) {
        return saveRecoveredAs(copy);
    };
    const auto discard = [](RecoveryCopy& copy) {
        if (const QString cause = removeRecoveryCopy(copy); !cause.isEmpty())
            throw Error(tr("The recovery copy %1 could not be removed: %2")
                            .arg(displayName(copy.file), cause));
        return true;
    };
    RecoveryQuestion question(m_window, found.copies, restore, saveAs, discard);
    question.exec();
    // What is left stays for the next start.
    for (RecoveryCopy& copy : found.copies)
        releaseRecoveryCopy(copy);
    return restored;
}

void Recovery::restoreRecovered(RecoveryCopy& copy) {
    const QString missing = missingPicturesMessage(copyName(copy), copy.deck);
    m_deck.recovered(copy.deck, modelPath(copy.deckPath));
    m_recovery->adopt(std::move(copy));
    showCurrentCard();
    if (!missing.isEmpty())
        showError(m_window, missing);
    tellMissingSheets();
}

bool Recovery::saveRecoveredAs(RecoveryCopy& copy) {
    const QString start = copy.deckPath.isEmpty()
                              ? joinPath(shownDirectory(), QStringLiteral("deck.ferlo"))
                              : copy.deckPath;
    const QString path = askDeckFileToSave(m_window, tr("Save deck"), start);
    if (path.isEmpty())
        return false;
    const QString target = QFileInfo(path).absoluteFilePath();
    writeDeck(target, copy.deck);
    QString noted;
    noteRecentDeckChange(target, noted);
    if (const QString cause = removeRecoveryCopy(copy); !cause.isEmpty())
        showError(
            m_window,
            tr("The recovery copy %1 could not be removed: %2").arg(displayName(copy.file), cause));
    showStatus(tr("Saved %1").arg(displayName(target)));
    return true;
}

QMenu* Recovery::createRecentDecksMenu() {
    return makeRecentDecksMenu(
        m_window, [this](const QString& path) { runCommand([this, path] { openDeck(path); }); });
}

} // namespace ferlo
