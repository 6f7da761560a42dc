#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/LayoutOptions.h"
#include "app/WordCards.h"

#include "dialogs/Messages.h"
#include "layout/DeckEdit.h"
#include "mainwindow/FerloMainForm.h"
#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/PrintOption.h"
#include "symbols/SymbolCells.h"
#include "symbols/SymbolIndex.h"

#include <QAction>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QPageSize>

#include <QScopeGuard>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace ferlo {

namespace {

const char* const usageText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: ferlo --print-to OUT.pdf [options] PICTURE|DECK...\n"
    "       ferlo [card options] [PICTURE|DECK...]\n"
    "\n"
    "Writes the pictures as flash cards into a PDF file, without opening a window. The pictures\n"
    "fill the cells of a page in the order given; more pictures than a page holds continue on\n"
    "further pages, each page laid out exactly as one Print lays it out.\n"
    "\n"
    "Without --print-to the window opens with the pictures on a card laid out as the card\n"
    "options say (--per-page to --backs below); --flip, --back-offset, --fold-over,\n"
    "--page-size, --resolution, --print-as-dib, --print-as-original and the grid and sheet\n"
    "options (--grid to --outlines) apply only with --print-to.\n"
    "\n"
    "Options:\n"
    "  --print-to OUT.pdf     the PDF file to write (required); it is replaced only when\n"
    "                         the whole document has been written\n"
    "  --per-page N           pictures per page: 1, 2, 4, 6 or 8 (default 4); given with\n"
    "                         a DECK it wins over the deck's own counts (see below)\n"
    "  --portrait             portrait pages\n"
    "  --landscape            landscape pages (the default)\n"
    "  --labels-off           no label words under the pictures\n"
    "  --lowercase            label words in lower case (default upper case)\n"
    "  --cutlines-off         no frame and no cut lines\n"
    "  --backs                after each page a back page with each picture's word in\n"
    "                         the mirrored cell, for double-sided printing (in the window:\n"
    "                         checks File > Print Word Backs, which is remembered)\n"
    "  --flip long|short      the edge the sheet is turned over on to read the backs\n"
    "                         (default: a deck's own choice, else the long edge for\n"
    "                         portrait cards and the short edge for landscape ones)\n"
    "  --back-offset X,Y      move every back page by X mm to the right and Y mm down,\n"
    "                         -10 to 10 each, so that the backs meet their fronts\n"
    "  --fold-over            instead of back pages, each front and its word on one sheet\n"
    "                         to fold in the middle (2 or more pictures per page)\n"
    "  --page-size SIZE       A4, Letter, A5 or Legal (default A4)\n"
    "  --resolution DPI       device pixels per inch, 72 to 1200 (default 600)\n"
    "  --print-as-dib         draw pictures through their device-independent form\n"
    "  --print-as-original    draw pictures as decoded\n"
    "                         (default: the stored print option)\n"
    "  --grid CxR             a grid of C columns and R rows (1 to 10 each) in place of\n"
    "                         --per-page; the page is divided evenly unless --card-size\n"
    "  --card-size WxH        the grid's cards at this size, centred, such as 2inx2in or\n"
    "                         85x55mm (units mm, cm, in, pt)\n"
    "  --gap LENGTH           the gap between the grid's cards, such as 3mm (or AxDmm)\n"
    "  --paper PAPER          the grid's paper: A4, A5, A3, Letter, Legal or WxH with a\n"
    "                         unit (default Letter); --portrait and --landscape turn it\n"
    "  --sheet \"BRAND PART\"   a label or card sheet of the installed sheet templates\n"
    "                         (package glabels-data), such as \"Avery 5371\"\n"
    "  --fill                 crop each picture to fill its area (default: fit it)\n"
    "  --bleed LENGTH         filled pictures run this far past the trim, 0 to 6 mm\n"
    "  --outlines             a thin line along each card's edge\n"
    "  --list-sheets [TEXT]   list the installed sheets whose brand, part number or\n"
    "                         description hold TEXT: brand, part, description, label\n"
    "                         size and labels per sheet\n"
    "  --list-symbols WORD    list the symbols a word finds, best first, in the language\n"
    "                         of --lang: hexcode, name and keywords (a file of the\n"
    "                         user's symbol folders: its path, its word)\n"
    "  --lang CODE            the language of the program's texts and messages, such as\n"
    "                         de, es, fr or ar (default: FERLO_LANG, else the system's;\n"
    "                         en for English)\n"
    "  --quiet                no \"page n of m\" progress on standard error (shown only\n"
    "                         when standard error is a terminal)\n"
    "  --help                 show this text\n"
    "  --version              show the program's name and version (ferlo VERSION)\n"
    "  --                     what follows are pictures, even if they begin with '-'\n"
    "\n"
    "The label word of a picture is its file name without folder, extension and trailing\n"
    "digits.\n"
    "\n"
    "A DECK is a deck file (a name ending in .ferlo): each of its cards prints as one page in\n"
    "the card's own count, orientation and switches, with its own label words. Inputs print\n"
    "in the order given; pictures given between decks fill pages of their own as above.\n"
    "With --per-page N the deck is laid out anew, as Card > Change Layout of All Cards does:\n"
    "its pictures in order, with their words, fill pages of N, in its first card's switches\n"
    "and orientation (or the one --portrait or --landscape gives). The file is not changed.\n"
    "\n"
    "Exit status: 0 when the PDF was written, 2 for a bad command line, 1 when a picture or\n"
    "deck could not be loaded or the PDF could not be written.\n");

// The cards made from words (WordCards.h), printed after the pictures and decks given.
const char* const wordsUsageText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Cards from words:\n"
    "  --words \"W1, W2, ...\"  a card cell for each word or phrase (separated by commas):\n"
    "                         a picture named after it in a --pictures folder, else the\n"
    "                         best symbol of the installed OpenMoji set for it, searched\n"
    "                         in the language of --lang (else the program's), then in\n"
    "                         English and the other languages; the label is the word as\n"
    "                         typed. A word that finds nothing is named, and nothing is\n"
    "                         written (exit status 1)\n"
    "  --words-from FILE      the words of a UTF-8 text file, one word or phrase a line\n"
    "  --pictures DIR         a folder whose pictures are named after words (dog.jpg,\n"
    "                         Dog2.png for \"dog\"); may be given more than once\n"
    "  --line-art             the symbols' black line art instead of their colours\n"
    "All layout options apply; without --per-page the words take the smallest count that\n"
    "holds them all (up to 8). The word cards print after the pictures and decks given.\n");

const QStringList valueOptions{"print-to",   "per-page",    "page-size",   "resolution",
                               "flip",       "back-offset", "lang",        "words",
                               "words-from", "pictures",    "list-symbols"};
const QStringList switchOptions{
    "help",      "version",      "portrait",     "landscape",         "labels-off",
    "lowercase", "cutlines-off", "print-as-dib", "print-as-original", "backs",
    "quiet",     "fold-over",    "line-art"};

// A bad command line; the message is the one line printed after "ferlo: ".
struct UsageError {
    QString message;
};

struct ExportRequest {
    QString output;
    LayoutRequest layout;
    std::optional<ChosenLayout> chosen; // a grid or a sheet in place of perPage
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
    WordList words;        // --words, --pictures, --line-art (WordCards.h)
    QStringList wordFiles; // --words-from, read when the pages are made
    bool help = false;
    bool version = false;
};

void printLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// The parser says what is wrong but not where. Reading the arguments as it does, the first one it
// could not take gives the fault and its place.
struct SyntaxFault {
    qsizetype at;
    QString message;
};
SyntaxFault syntaxFault(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.startsWith(QLatin1String("--"))
                                 ? argument.mid(2, equals < 0 ? -1 : equals - 2)
                                 : QString();
        if (valueOptions.contains(name) || layoutValueOptions.contains(name)) {
            if (equals < 0 && i + 1 == arguments.size())
                return {i,
                        QCoreApplication::translate("CommandLine", "the option --%1 needs a value")
                            .arg(name)};
            if (equals < 0)
                ++i;
        } else if (!switchOptions.contains(name) && !layoutSwitchOptions.contains(name)) {
            return {i, QCoreApplication::translate("CommandLine",
                                                   "unknown option %1 (see ferlo --help)")
                           .arg(argument)};
        } else if (equals >= 0) {
            return {i, QCoreApplication::translate("CommandLine", "the option --%1 takes no value")
                           .arg(name)};
        }
    }
    return {arguments.size(), {}};
}

QPageSize pageSizeNamed(const QString& text) {
    const QString key = text.toLower();
    if (key == QLatin1String("a4"))
        return QPageSize(QPageSize::A4);
    if (key == QLatin1String("letter"))
        return QPageSize(QPageSize::Letter);
    if (key == QLatin1String("a5"))
        return QPageSize(QPageSize::A5);
    if (key == QLatin1String("legal"))
        return QPageSize(QPageSize::Legal);
    throw UsageError{QCoreApplication::translate(
                         "CommandLine", "bad page size \"%1\": use A4, Letter, A5 or Legal")
                         .arg(text)};
}

// "X,Y" in millimetres, each within the back offset's bound, in tenths of a millimetre.
void readBackOffset(const QString& value, ExportRequest& request) {
    const QStringList parts = value.split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    const double x = parts.value(0).trimmed().toDouble(&okX);
    const double y = parts.value(1).trimmed().toDouble(&okY);
    const double bound = kMaxBackOffset / 10.0;
    if (parts.size() != 2 || !okX || !okY || std::abs(x) > bound || std::abs(y) > bound)
        throw UsageError{QCoreApplication::translate(
                             "CommandLine", "bad --back-offset \"%1\": use X,Y in millimetres, "
                                            "each from -10 to 10 (e.g. 1.5,-2)")
                             .arg(value)};
    request.backOffsetX = std::round(x * 10) / 10;
    request.backOffsetY = std::round(y * 10) / 10;
}

// Options apply in the order given, so the last of two wins and the first bad value stops.
void applyOptions(const QCommandLineParser& parser, ExportRequest& request) {
    QHash<QString, qsizetype> taken;
    for (const QString& name : parser.optionNames()) {
        const QString value = parser.values(name).value(taken[name]++);
        bool ok = false;
        if (name == QLatin1String("help")) {
            request.help = true;
        } else if (name == QLatin1String("lang")) {
            // chose the language of the texts before the arguments were read (main.cpp)
        } else if (name == QLatin1String("version")) {
            request.version = true;
        } else if (name == QLatin1String("print-to")) {
            if (value.isEmpty())
                throw UsageError{QCoreApplication::translate(
                    "CommandLine", "the option --print-to needs a file name")};
            request.output = value;
        } else if (name == QLatin1String("per-page")) {
            request.card.perPage = value.toInt(&ok);
            request.perPageGiven = true;
            if (!ok || !IsValidPicturesPerPage(request.card.perPage))
                throw UsageError{QCoreApplication::translate(
                                     "CommandLine", "bad number of pictures per page \"%1\": "
                                                    "use 1, 2, 4, 6 or 8")
                                     .arg(value)};
        } else if (name == QLatin1String("portrait") || name == QLatin1String("landscape")) {
            request.card.portrait = name == QLatin1String("portrait");
            request.orientationGiven = true;
            setLayoutLandscape(request.layout, !request.card.portrait);
        } else if (name == QLatin1String("labels-off")) {
            request.card.labels = false;
        } else if (name == QLatin1String("lowercase")) {
            request.card.upperCase = false;
        } else if (name == QLatin1String("cutlines-off")) {
            request.card.cutLines = false;
        } else if (name == QLatin1String("backs")) {
            request.backs = true;
        } else if (name == QLatin1String("fold-over")) {
            request.foldOver = true;
        } else if (name == QLatin1String("quiet")) {
            request.quiet = true;
        } else if (name == QLatin1String("flip")) {
            if (value.compare(QLatin1String("long"), Qt::CaseInsensitive) == 0)
                request.turn = SheetTurn::LongEdge;
            else if (value.compare(QLatin1String("short"), Qt::CaseInsensitive) == 0)
                request.turn = SheetTurn::ShortEdge;
            else
                throw UsageError{QCoreApplication::translate("CommandLine",
                                                             "bad --flip \"%1\": use long or short")
                                     .arg(value)};
        } else if (name == QLatin1String("back-offset")) {
            readBackOffset(value, request);
        } else if (name == QLatin1String("page-size")) {
            request.pageSize = pageSizeNamed(value);
        } else if (name == QLatin1String("resolution")) {
            request.resolution = value.toInt(&ok);
            // Pictures are handed to the PDF at the device pixels of their rectangles; beyond
            // 1200 dpi a single picture would need gigabytes.
            if (!ok || request.resolution < 72 || request.resolution > 1200)
                throw UsageError{
                    QCoreApplication::translate(
                        "CommandLine", "bad resolution \"%1\": use 72 to 1200 dots per inch")
                        .arg(value)};
        } else if (name == QLatin1String("words")) {
            request.words.words += splitWords(value);
        } else if (name == QLatin1String("words-from")) {
            request.wordFiles << value;
        } else if (name == QLatin1String("pictures")) {
            request.words.pictureDirs << value;
        } else if (name == QLatin1String("line-art")) {
            request.words.style = SymbolStyle::Line;
        } else if (name == QLatin1String("list-symbols")) {
            request.listSymbols = value;
        } else if (name == QLatin1String("list-sheets")) {
            request.listSheets = true;
        } else if (layoutValueOptions.contains(name) || layoutSwitchOptions.contains(name)) {
            try {
                takeLayoutOption(name, value, request.layout);
            } catch (const LayoutOptionError& error) {
                throw UsageError{error.message};
            }
        } else {
            request.printAsDib = name == QLatin1String("print-as-dib");
        }
    }
}

// Reads the options and the files into a request; returns the names of the options given.
QStringList readArguments(const QStringList& arguments, ExportRequest& request) {
    QCommandLineParser parser;
    for (const QString& name : valueOptions + layoutValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString& name : switchOptions + layoutSwitchOptions)
        parser.addOption(QCommandLineOption(name));
    if (!parser.parse(arguments)) {
        // A bad value given before the fault is the first thing wrong.
        const SyntaxFault fault = syntaxFault(arguments);
        parser.parse(arguments.mid(0, fault.at));
        applyOptions(parser, request);
        throw UsageError{fault.message.isEmpty() ? parser.errorText() : fault.message};
    }
    applyOptions(parser, request);
    request.pictures = parser.positionalArguments();
    if (!request.listSheets && !request.listSymbols) {
        try {
            request.chosen = finishLayout(request.layout);
        } catch (const LayoutOptionError& error) {
            throw UsageError{error.message};
        }
    }
    return parser.optionNames();
}

ExportRequest parseArguments(const QStringList& arguments) {
    ExportRequest request;
    readArguments(arguments, request);
    if (request.help || request.version || request.listSheets || request.listSymbols)
        return request;
    if (request.output.isEmpty())
        throw UsageError{
            QCoreApplication::translate("CommandLine", "no output file: give --print-to OUT.pdf")};
    if (request.pictures.isEmpty() && request.words.words.isEmpty() && request.wordFiles.isEmpty())
        throw UsageError{QCoreApplication::translate("CommandLine", "no pictures to print")};
    return request;
}

void checkPicture(const QString& picture) {
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
            if (cell && !cell->symbol)
                checkPicture(pathFromModel(cell->picture));
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
        shape.perPage = wordsPerPage(int(cells.size()));
    const int perPage = request.chosen ? request.chosen->cards : shape.perPage;
    QList<CardPage> pages;
    for (qsizetype first = 0; first < cells.size(); first += perPage) {
        CardModel card(shape);
        if (request.chosen)
            card.setLayout(request.chosen->layout, perPage);
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
    const int perPage = request.chosen ? request.chosen->cards : request.card.perPage;
    const auto addPictures = [&] {
        for (qsizetype first = 0; first < pictures.size(); first += perPage) {
            // A picture given twice prints twice.
            CardModel card(request.card);
            if (request.chosen)
                card.setLayout(request.chosen->layout, perPage);
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
            shape.layout = CardLayout();
            shape.perPage = request.card.perPage;
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

QString withLowerFirst(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

bool readWindowStart(const QStringList& arguments, WindowStart& start, QString& error) {
    // The options that shape only a PDF: the window prints through the print dialog, and its
    // print option is set in Options.
    static const QStringList exportOnly =
        QStringList{"page-size",  "resolution",  "print-as-dib", "print-as-original",
                    "flip",       "back-offset", "fold-over",    "words",
                    "words-from", "pictures",    "line-art"} +
        layoutValueOptions + layoutSwitchOptions;
    try {
        ExportRequest request;
        for (const QString& name : readArguments(arguments, request)) {
            if (exportOnly.contains(name))
                throw UsageError{QCoreApplication::translate(
                                     "CommandLine", "the option --%1 applies only with --print-to")
                                     .arg(name)};
        }
        start.card = request.card;
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
    if (start.wordBacks) {
        if (auto* backs = window.findChild<QAction*>(QStringLiteral("mnWordBacks")))
            backs->setChecked(true);
    }
}

bool isCommandLineExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "--print-to") == 0 ||
            std::strncmp(argv[i], "--print-to=", 11) == 0 || std::strcmp(argv[i], "--help") == 0 ||
            std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--list-sheets") == 0 ||
            std::strncmp(argv[i], "--list-symbols", 14) == 0)
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
        std::fputs(QCoreApplication::translate("CommandLine", usageText).toLocal8Bit().constData(),
                   stdout);
        std::fputs("\n", stdout);
        std::fputs(
            QCoreApplication::translate("CommandLine", wordsUsageText).toLocal8Bit().constData(),
            stdout);
        std::fflush(stdout);
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
    try {
        SheetTurn deckTurn = SheetTurn::Standard;
        QList<CardPage> pages = makePages(request, deckTurn);
        if (request.foldOver)
            pages = foldOverPages(pages);
        else if (request.backs)
            pages = withWordBacks(
                pages, {request.turn.value_or(deckTurn), request.backOffsetX, request.backOffsetY});
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
        writeCardPdf(request.output, pages, request.pageSize, request.resolution, options);
    } catch (...) {
        const QString message = errorMessage(std::current_exception());
        printLine(stderr, QStringLiteral("ferlo: ") + withLowerFirst(message.simplified()));
        return 1;
    }
    return 0;
}

} // namespace ferlo
