#include "mainwindow/DeckHistory.h"

#include "layout/DeckEdit.h"
#include "storage/TranslatedText.h"

#include <QUndoStack>

namespace ferlo {

class DeckHistory::Step : public QUndoCommand {
public:
    Step(DeckHistory& history, const QString& name, State before, State after)
        : QUndoCommand(name)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after)) {}

    void undo() override { m_history.put(m_before); }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (std::exchange(m_done, false))
            return;
        m_history.put(m_after);
    }

private:
    DeckHistory& m_history;
    State m_before;
    State m_after;
    bool m_done = true;
};

DeckHistory::DeckHistory(Restore restore, QObject* parent)
    : QObject(parent)
    , m_restore(std::move(restore))
    , m_stack(new QUndoStack(this)) {}

DeckHistory::~DeckHistory() {
    // The steps refer to this history: they go first.
    m_stack->clear();
}

void DeckHistory::record(const DeckSession& session, const QString& name) {
    if (m_holds > 0)
        return;
    const QString given = name.isEmpty() ? std::exchange(m_nextName, QString()) : name;
    m_nextName.clear();
    if (session.generation() != m_generation || !m_last.deck) {
        m_generation = session.generation();
        m_stack->clear();
        m_last = {std::make_shared<const Deck>(session.deck()), session.current()};
        m_stack->setClean();
        return;
    }
    if (*m_last.deck == session.deck()) {
        m_last.current = session.current();
        if (!session.modified())
            m_stack->setClean();
        return;
    }
    State after{std::make_shared<const Deck>(session.deck()), session.current()};
    const QString text =
        given.isEmpty() ? translatedText(describeChangeText(*m_last.deck, *after.deck)) : given;
    State before = std::exchange(m_last, after);
    m_stack->push(new Step(*this, text, std::move(before), std::move(after)));
    if (!session.modified())
        m_stack->setClean();
}

void DeckHistory::undo() {
    m_stack->undo();
}

void DeckHistory::redo() {
    m_stack->redo();
}

void DeckHistory::put(const State& state) {
    m_last = state;
    const Hold held(*this);
    m_restore(*state.deck, state.current);
}

} // namespace ferlo
