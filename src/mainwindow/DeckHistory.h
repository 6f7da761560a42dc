#pragma once

#include "layout/DeckSession.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QUndoStack;

namespace ferlo {

// The window's undo history: every change of the deck (a card's pictures, words, count,
// orientation, switches, or its cards themselves) is one step on a QUndoStack, kept as the deck
// and its card on screen before and after. The window records after each command; a change is
// found by comparing the deck with the state last recorded, so no command can be missed, and a
// step's name says what changed ("Remove card 3"). Undo and redo put a state back through the
// window's restore function. A deck started over (new, opened) empties the history; the state
// that matches the deck's file is the stack's clean state.
class DeckHistory : public QObject {
public:
    using Restore = std::function<void(const Deck& deck, int current)>;
    DeckHistory(Restore restore, QObject* parent);
    ~DeckHistory() override;

    QUndoStack* stack() const { return m_stack; }

    // Makes one step of the change since the last state, named `name`, or by what changed when
    // it is empty. A card put on screen without a change moves no step. Nothing is recorded
    // while held: a command that changes several things records them once, as one step.
    void record(const DeckSession& session, const QString& name = QString());
    // The name of the step the next record makes, when the command that changes the deck runs
    // held (a change the comparison would name only roughly, such as a new layout of all cards).
    void nameNextStep(const QString& name) { m_nextName = name; }
    void undo();
    void redo();

    // Holds recording while it lives.
    class Hold {
    public:
        explicit Hold(DeckHistory& history)
            : m_history(history) {
            ++m_history.m_holds;
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold() { --m_history.m_holds; }

    private:
        DeckHistory& m_history;
    };

private:
    class Step;
    struct State {
        std::shared_ptr<const Deck> deck;
        int current = 0;
    };
    void put(const State& state);

    Restore m_restore;
    QUndoStack* m_stack;
    State m_last;
    int m_generation = -1;
    int m_holds = 0;
    QString m_nextName;
};

} // namespace ferlo
