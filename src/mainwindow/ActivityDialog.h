#pragma once

#include "activities/Activity.h"
#include "printing/CardPage.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ferlo {

// Card > Make Activity ...: a game made from the deck's pictures (memory pairs, picture and
// word, lotto, bingo) with its options, a preview of its first pages whose pictures speak when
// clicked, and Print, Preview and Export PDF through the print job. The game is not part of the
// deck unless Add to Deck puts its pages into it as cards; Save as Deck writes it to a deck file
// of its own, the open deck untouched.
class ActivityDialog : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(const DeckCell&)> speak;       // a picture or word card clicked
        std::function<void(const Deck&)> addToDeck;       // the game's pages as cards
        std::function<void(const Deck&)> saveAsDeck = {}; // the game as a deck file of its own
    };
    // `cards`: the layout and switches of the memory cards and calling cards (the card on
    // screen's).
    ActivityDialog(std::vector<DeckCell> pictures, const DeckCard& cards,
                   const DuplexChoices& duplex, Hooks hooks, QWidget* parent = nullptr);

    ActivityOptions options() const;
    // The game as the options stand, or nothing with the reason in problem().
    const std::optional<Activity>& activity() const { return m_activity; }
    QString problem() const { return m_problem; }
    // Its pages as they print (fronts; the backs follow when backsFollow()).
    QList<CardPage> pages() const;
    bool backsFollow() const;

private:
    QWidget* makeOptions();
    void addBackChoice(QFormLayout* form, QWidget* box);
    QWidget* makePreview();
    QWidget* makeButtons();
    void remake();
    void showPreview();
    CardPage::CardBacks backs() const;
    QString backPicture() const;

    std::vector<DeckCell> m_pictures;
    DeckCard m_cards;
    DuplexChoices m_duplex;
    Hooks m_hooks;
    std::optional<Activity> m_activity;
    QString m_problem;

    QComboBox* m_kind = nullptr;
    QSpinBox* m_boards = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_rows = nullptr;
    QCheckBox* m_free = nullptr;
    QLineEdit* m_freeWord = nullptr;
    QSpinBox* m_seed = nullptr;
    QComboBox* m_paper = nullptr;
    QComboBox* m_backs = nullptr;
    QLineEdit* m_backPicture = nullptr;
    QLabel* m_message = nullptr;
    QList<QLabel*> m_previews;
    QList<QPushButton*> m_actions;
};

} // namespace ferlo
