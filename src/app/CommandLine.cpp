#include "app/CommandLine.h"
#include "app/ActivityOptions.h"
#include "app/CommandRequest.h"
#include "app/CommandUsage.h"
#include "app/Languages.h"

#include "activities/Activity.h"
#include "dialogs/Messages.h"
#include "layout/DeckEdit.h"
#include "mainwindow/FerloMainForm.h"
#include "pictures/PictureDecoder.h"
#include "printing/ActivityPages.h"
#include "printing/CardPage.h"
#include "printing/DocumentPictures.h"
#include "printing/PdfExport.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "symbols/SvgPicture.h"
#include "symbols/SymbolCells.h"
#include "symbols/SymbolIndex.h"
#include "symbols/WordCards.h"

#include <QAction>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QScopeGuard>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace ferlo {

namespace {

void checkPicture(const QString& picture) {
    // A folder is told as one, not by its name's ending.
    if (pathKind(picture) == PathKind::Directory)
        throw Error(QCoreApplication::translate("CommandLine", "cannot load the picture %1: %2")
                        .arg(picture, QCoreApplication::translate(
                                          "PictureErrors", "it is a folder, not a picture file")));
    try {
        readPictureSize(picture);
    } catch (const Error& error) {
        QString message = error.message();
        if (!message.contains(picture))
            message = QCoreApplication::translate("CommandLine", "cannot load the picture %1: %2")
                          .arg(picture, message);
        throw Error(message);
    }
}

// A deck's missing pictures are named together, so that one run shows what to bring back; a
// picture that is there but cannot be loaded stops the run as a picture given directly does.
void checkDeckPictures(const QString& deckPath, const Deck& deck) {
    const QString missing = missingPicturesMessage(deckPath, deck);
    if (!missing.isEmpty())
        throw Error(missing);
    const QString missingSymbols = missingSymbolsMessage(deckPath, deck);
    if (!missingSymbols.isEmpty())
        throw Error(missingSymbols);
    for (const DeckCard& card : deck.cards) {
        for (const std::optional<DeckCell>& cell : card.cells) {
            if (!cell || cell->symbol || cell->word)
                continue; // a symbol's set is checked above; a word card has no file
            const QString picture = pathFromModel(cell->picture);
            if (isDrawingFile(picture))
                SvgPicture::fromFile(picture); // throws naming the file
            else
                checkPicture(picture);
        }
    }
}

// The cards of the words given, filled in order as pictures given directly fill theirs.
QList<CardPage> wordPages(const ExportRequest& request) {
    WordList list = request.words;
    for (const QString& file : request.wordFiles)
        list.words += readWordsFile(file);
    if (list.words.isEmpty())
        return {};
    const QString language = requestedLanguage(QCoreApplication::arguments());
    list.language = language.isEmpty() ? QLocale().name() : language;
    const QList<WordCell> cells = findWordCells(list, SymbolIndex::installed());
    DeckCard shape = request.card;
    if (!request.perPageGiven)
        shape.layout.setCells(wordsPerPage(int(cells.size())));
    const int perPage = request.chosen ? request.chosen->cards() : shape.perPage();
    QList<CardPage> pages;
    for (qsizetype first = 0; first < cells.size(); first += perPage) {
        CardModel card(shape);
        if (request.chosen)
            card.setLayout(request.chosen->layout);
        int index = 0;
        for (const WordCell& cell : cells.mid(first, perPage))
            setWordCell(card, index++, cell);
        pages << makeCardPage(card);
    }
    return pages;
}

// What the inputs print, read and checked before anything is written, so a bad one stops the run
// at once: each deck's cards in its place, and each run of pictures between decks filling cards
// of the command line's count in the order given, each card one page.
QList<CardPage> makePages(const ExportRequest& request, SheetTurn& deckTurn) {
    QList<CardPage> pages;
    QStringList pictures;
    const int perPage = request.chosen ? request.chosen->cards() : request.card.perPage();
    const auto addPictures = [&] {
        for (qsizetype first = 0; first < pictures.size(); first += perPage) {
            // A picture given twice prints twice.
            CardModel card = commandLineCard(request);
            int cell = 0;
            for (const QString& picture : pictures.mid(first, perPage))
                card.setPicture(cell++, modelPath(picture));
            pages << makeCardPage(card);
        }
        pictures.clear();
    };
    for (const QString& input : request.pictures) {
        if (!isDeckFileName(input)) {
            checkPicture(input);
            pictures << input;
            continue;
        }
        addPictures();
        Deck deck = readDeck(input);
        checkDeckPictures(input, deck);
        if (request.perPageGiven && !deck.cards.empty()) {
            DeckCard shape = deck.cards.front();
            shape.layout = CardLayout::counted(request.card.perPage());
            if (request.orientationGiven)
                shape.portrait = request.card.portrait;
            deck = relaidOut(deck, shape);
        }
        if (deckTurn == SheetTurn::Standard)
            deckTurn = deck.duplex.turn;
        for (const DeckCard& deckCard : deck.cards)
            pages << makeCardPage(CardModel(deckCard));
    }
    addPictures();
    pages += wordPages(request);
    if (pages.isEmpty())
        throw Error(QCoreApplication::translate("CommandLine",
                                                "Nothing to print: the deck files hold no cards"));
    return pages;
}

// The pictures of a game: those given and the decks' pictures, in the order given, each once.
std::vector<DeckCell> activityPictures(const ExportRequest& request, SheetTurn& deckTurn) {
    Deck all;
    DeckCard& card = all.cards.emplace_back();
    for (const QString& input : request.pictures) {
        if (!isDeckFileName(input)) {
            checkPicture(input);
            DeckCell cell;
            cell.picture = modelPath(input);
            card.cells.emplace_back(cell);
            continue;
        }
        const Deck deck = readDeck(input);
        checkDeckPictures(input, deck);
        if (deckTurn == SheetTurn::Standard)
            deckTurn = deck.duplex.turn;
        for (const DeckCard& deckCard : deck.cards)
            card.cells.insert(card.cells.end(), deckCard.cells.begin(), deckCard.cells.end());
    }
    return DeckPictures(all);
}

// The pages of --activity, read and checked before anything is written; the memory cards'
// backs follow them as --backs puts word backs after cards.
QList<CardPage> activityExportPages(const ExportRequest& request) {
    SheetTurn deckTurn = SheetTurn::Standard;
    const ActivityOptions options = activityOptions(request);
    if (!options.centre.picture.empty())
        checkPicture(pathFromModel(options.centre.picture));
    const QString backPicture = request.activity.backPicture;
    if (!backPicture.isEmpty())
        checkPicture(backPicture);
    Activity activity;
    try {
        activity = MakeActivity(activityPictures(request, deckTurn), options);
    } catch (const ActivityProblem& problem) {
        throw Error(activityProblemText(problem));
    }
    const CardPage::CardBacks backs = requestedBacks(request);
    QList<CardPage> pages = activityPages(activity, backs, backPicture);
    if (activityHasBacks(activity, backs))
        pages = withWordBacks(
            pages, {request.turn.value_or(deckTurn), request.backOffsetX, request.backOffsetY});
    return pages;
}

// The pages of the run: the cards, with their backs or folded over, or the game.
QList<CardPage> exportPages(const ExportRequest& request) {
    if (request.activity.kind)
        return activityExportPages(request);
    SheetTurn deckTurn = SheetTurn::Standard;
    QList<CardPage> pages = makePages(request, deckTurn);
    if (request.foldOver)
        return foldOverPages(pages);
    if (request.backs)
        return withWordBacks(
            pages, {request.turn.value_or(deckTurn), request.backOffsetX, request.backOffsetY});
    return pages;
}

// Writes the PDF; throws what stops it.
void writeExport(const ExportRequest& request) {
    const QList<CardPage> pages = exportPages(request);
    PaintOptions options;
    // A damaged picture that decodes in part prints as it is; the user is told once per file.
    QStringList partial;
    options.partialPicture = [&partial](const QString& fileName) {
        if (partial.contains(fileName))
            return;
        partial << fileName;
        printLine(stderr, QCoreApplication::translate(
                              "CommandLine", "ferlo: %1: the picture is damaged and shows only "
                                             "in part")
                              .arg(fileName));
    };
    if (request.printAsDib) {
        const bool printAsDib = *request.printAsDib;
        options.printAsDib = [printAsDib] {
            return printAsDib;
        };
    }
    // "page n of m" on one line of the terminal, ended when the work ends.
    bool progressShown = false;
    if (!request.quiet && isatty(fileno(stderr))) {
        options.progress = [&progressShown](int page, int count) {
            const QString text = QCoreApplication::translate("CommandLine", "page %1 of %2")
                                     .arg(QString::number(page), QString::number(count));
            std::fprintf(stderr, "\r%s", text.toLocal8Bit().constData());
            std::fflush(stderr);
            progressShown = true;
            return true;
        };
    }
    const auto endProgress = qScopeGuard([&progressShown] {
        if (progressShown)
            std::fputc('\n', stderr);
    });
    // A game prints its pictures again and again: each is decoded once for the document.
    std::optional<DocumentPictures> pictures;
    if (request.activity.kind) {
        pictures.emplace(pages, request.resolution, request.pageSize.size(QPageSize::Millimeter));
        pictures->attach(options);
    }
    writeCardPdf(request.output, pages, request.pageSize, request.resolution, options);
}

} // namespace

bool readWindowStart(const QStringList& arguments, WindowStart& start, QString& error) {
    // The options that shape only a PDF: the window prints through the print dialog, and its
    // print option is set in Options.
    static const QStringList exportOnly{
        "page-size", "resolution", "print-as-dib", "print-as-original", "flip",    "back-offset",
        "fold-over", "words",      "words-from",   "pictures",          "line-art"};
    try {
        ExportRequest request;
        for (const QString& name : readArguments(arguments, request)) {
            if (exportOnly.contains(name) || activityValueOptions.contains(name) ||
                activitySwitchOptions.contains(name))
                throw UsageError{QCoreApplication::translate(
                                     "CommandLine", "the option --%1 applies only with --print-to")
                                     .arg(name)};
            refuseSpeechOption(name);
        }
        start.card = request.card;
        // A grid or a sheet in place of the count, as Card > Layout chooses it.
        if (request.chosen)
            start.card.layout = request.chosen->layout;
        start.wordBacks = request.backs;
        start.files = request.pictures;
        return true;
    } catch (const UsageError& usage) {
        error = usage.message;
        return false;
    }
}

void applyWindowStart(TFerloMainForm& window, const WindowStart& start) {
    window.startDeck(start.card);
    if (start.wordBacks)
        window.setWordBacks(true);
}

bool isCommandLineExport(const QStringList& arguments) {
    QCommandLineParser parser;
    declareOptions(parser);
    // A bad command line opens no window either: the run says what is wrong.
    if (!parser.parse(arguments))
        return true;
    for (const char* name :
         {"print-to", "speak-to", "help", "version", "list-sheets", "list-symbols"}) {
        if (parser.isSet(QLatin1String(name)))
            return true;
    }
    return false;
}

int runCommandLineExport(const QStringList& arguments) {
    ExportRequest request;
    try {
        request = parseArguments(arguments);
    } catch (const UsageError& error) {
        printLine(stderr, QStringLiteral("ferlo: ") + error.message);
        return 2;
    }
    if (request.help) {
        printUsage();
        return 0;
    }
    if (request.listSheets) {
        try {
            for (const QString& line : sheetListing(request.pictures.join(QLatin1Char(' '))))
                printLine(stdout, line);
        } catch (const Error& error) {
            printLine(stderr, QStringLiteral("ferlo: ") + withLowerFirst(error.message()));
            return 1;
        }
        return 0;
    }
    if (request.listSymbols)
        return printSymbolList(*request.listSymbols, QString(), SymbolIndex::installed(), stdout,
                               stderr);
    if (request.version) {
        printLine(stdout, QStringLiteral("ferlo " FERLO_VERSION));
        return 0;
    }
    if (!request.speakTo.isEmpty())
        return speakWords(request.speakTo, request.pictures, request.speech);
    try {
        writeExport(request);
    } catch (...) {
        const QString message = errorMessage(std::current_exception());
        printLine(stderr, QStringLiteral("ferlo: ") + withLowerFirst(message.simplified()));
        return 1;
    }
    return 0;
}

} // namespace ferlo
