#pragma once

#include "layout/Deck.h"

#include <QByteArray>
#include <QJsonObject>
#include <QLatin1String>
#include <QString>
#include <QStringList>

// The reading half of the deck file (DeckFile.h), shared with its writing half only.

namespace ferlo::deckfile {

inline constexpr QLatin1String kFormatName("ferlo-deck");

// The names of the double-sided choices in a deck file, in the order of their enumerations.
extern const QStringList turnNames;
extern const QStringList feedNames;

// A fault in a deck: where it is (a JSON path such as "cards[1].perPage") and what is wrong.
struct Fault {
    QString place;
    QString cause;
};

// The deck of a deck file's top-level object, its relative picture paths taken from `folder`
// (file-system bytes). Throws Fault.
Deck readDeckObject(const QJsonObject& top, const QByteArray& folder);

} // namespace ferlo::deckfile
