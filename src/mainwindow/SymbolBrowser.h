#pragma once

#include "layout/SymbolRef.h"

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMimeData;

namespace ferlo {

struct SymbolMatch;

// What a click or a drag in the Symbols tab hands to the card: a symbol of the installed set,
// or a picture of one of the user's symbol folders, with the word for its label.
struct SymbolChoice {
    std::optional<SymbolRef> symbol;
    QString file; // a user's picture; "" for a symbol
    QString word;

    QByteArray toData() const;
    static std::optional<SymbolChoice> fromData(const QByteArray& data);
};

// The drag format of a SymbolChoice.
extern const QString kSymbolFormat;

// The results of a symbol search: one icon per match, dragged as a SymbolChoice.
class SymbolResultList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};

// The Symbols tab beside the file browser: a search field, the matches as a grid of icons drawn
// from their drawings at the screen's device pixels, and the switch between the colour set and
// the line art. The index is loaded and every search runs on a worker thread, a keystroke
// starting a new one and dropping what the last one had not done; the icons arrive in groups,
// the first ones first. The search is in the language the program shows, then English, and
// covers the user's symbol folders. Without the set the tab says what is missing and still
// searches the user's folders.
class SymbolBrowser : public QWidget {
    Q_OBJECT
public:
    explicit SymbolBrowser(QWidget* parent = nullptr);
    ~SymbolBrowser() override;

    // The user's symbol folders changed (Options > Symbols): searched from the next keystroke,
    // and the shown search runs again.
    void setUserFolders(const QStringList& folders);
    SymbolStyle style() const;
    // The choice an item stands for, with the word searched as its label where the word named
    // it, else its own name.
    SymbolChoice choiceOf(const QListWidgetItem* item) const;
    QLineEdit* searchField() const { return m_search; }
    // The line-art switch (colour symbols when off).
    QCheckBox* lineArtSwitch() const { return m_lineArt; }
    SymbolResultList* results() const { return m_results; }

signals:
    // A result was clicked or activated (Enter).
    void chosen(const SymbolChoice& choice);
    // The first icons of a search are on the panel (none: nothing was found).
    void resultsShown(int shown);

protected:
    // Enter or Space on a result chooses it, as a click does.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void search();
    void showMatches(quint64 generation, const QList<SymbolMatch>& matches);
    void drawIcons(quint64 generation, int first);
    void showMissing();
    void retranslate();

    QLineEdit* m_search = nullptr;
    QCheckBox* m_lineArt = nullptr;
    QLabel* m_missing = nullptr;
    SymbolResultList* m_results = nullptr;
    QThreadPool m_pool;
    quint64 m_generation = 0;
    bool m_indexReady = false;
    QStringList m_folders;
    QString m_searched; // the word of the matches shown
    QSize m_iconPixels;
};

} // namespace ferlo
