#pragma once

// The command line read into a request: its options in order, its files, and what does not go
// together (a bad command line: UsageError, exit status 2).

#include "app/ActivityOptions.h"
#include "app/LayoutOptions.h"
#include "app/SpeakTo.h"
#include "layout/CardModel.h"
#include "layout/Deck.h"
#include "symbols/WordCards.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

class QCommandLineParser;

namespace ferlo {

// A bad command line; the message is the one line printed after "ferlo: ".
struct UsageError {
    QString message;
};

struct ExportRequest {
    QString output;
    LayoutRequest layout;
    std::optional<ChosenLayout> chosen; // a grid or a sheet in place of the count
    bool listSheets = false;
    std::optional<QString> listSymbols;
    DeckCard card;             // the card options: count, orientation and switches
    bool perPageGiven = false; // a deck is laid out anew in the count given
    bool orientationGiven = false;
    bool backs = false;
    bool quiet = false;
    QPageSize pageSize{QPageSize::A4};
    int resolution = 600;
    std::optional<bool> printAsDib; // empty: the stored option
    std::optional<SheetTurn> turn;  // empty: the first deck's, else the standard turn
    bool foldOver = false;
    double backOffsetX = 0; // mm
    double backOffsetY = 0;
    QStringList pictures;
    QString speakTo; // the folder of the spoken words, in place of a PDF
    SpeakRequest speech;
    WordList words;           // --words, --pictures, --line-art (WordCards.h)
    ActivityRequest activity; // --activity and its options (ActivityOptions.h)
    QStringList wordFiles;    // --words-from, read when the pages are made
    bool help = false;
    bool version = false;
};

// Every option of the program, declared to the parser.
void declareOptions(QCommandLineParser& parser);

// Reads the options and the files into a request; returns the names of the options given.
QStringList readArguments(const QStringList& arguments, ExportRequest& request);

// Reads and checks a run of the command-line export (without the files' contents).
ExportRequest parseArguments(const QStringList& arguments);

// A card of the command line's own layout and switches, without pictures.
CardModel commandLineCard(const ExportRequest& request);

// --voice and --rate shape only spoken words.
void refuseSpeechOption(const QString& name);

void printLine(FILE* stream, const QString& text);
QString withLowerFirst(QString text);

} // namespace ferlo
