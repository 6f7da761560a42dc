#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/LayoutOptions.h"
#include "app/SpeakTo.h"

#include "dialogs/Messages.h"
#include "layout/DeckEdit.h"
#include "mainwindow/FerloMainForm.h"
#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/PrintOption.h"
#include "symbols/SymbolCells.h"
#include "symbols/SymbolIndex.h"
#include "symbols/WordCards.h"

#include <QAction>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QPageSize>

#include <QScopeGuard>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace ferlo {

namespace {

const char* const usageText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: ferlo --print-to OUT.pdf [options] PICTURE|DECK...\n"
    "       ferlo [card options] [PICTURE|DECK...]\n"
    "       ferlo --speak-to DIR [--voice NAME] [--rate WPM] PICTURE|DECK...\n"
    "\n"
    "Writes the pictures as flash cards into a PDF file, without opening a window. The pictures\n"
    "fill the cells of a page in the order given; more pictures than a page holds continue on\n"
    "further pages, each page laid out exactly as one Print lays it out.\n"
    "\n"
    "Without --print-to the window opens with the pictures on a card laid out as the card\n"
    "options say (--per-page to --backs, and the grid and sheet options --grid to\n"
    "--outlines below); --flip, --back-offset, --fold-over, --page-size, --resolution,\n"
    "--print-as-dib and --print-as-original apply only with --print-to.\n"
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
    "  --speak-to DIR         instead of a PDF, write DIR/WORD.wav for every word of the\n"
    "                         pictures and decks that has no recording, spoken by the\n"
    "                         speech engine; prints each file written\n"
    "  --voice NAME           with --speak-to: the voice, a language such as en-GB or de\n"
    "                         (default: a deck's language, else the program's)\n"
    "  --rate WPM             with --speak-to: words per minute, 80 to 450 (default 175)\n"
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
    "A name after --print-to that does not end in .pdf gets .pdf added, unless it is a PDF\n"
    "already. An output that is one of the inputs, or an existing file that is not a PDF,\n"
    "is refused, so that a forgotten name (--print-to *.jpg) cannot replace a picture.\n"
    "\n"
    "Exit status: 0 when the PDF or every spoken word was written, 2 for a bad command line\n"
    "or an unknown voice, 1 when a picture or deck could not be loaded or a file could not\n"
    "be written (a full disk included: an old file of that name is then kept as it was).\n");

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

// Every option of the program: adding one is a name here and its handling in applyOptions.
const QStringList valueOptions{"print-to",    "per-page",   "page-size", "resolution",  "flip",
                               "back-offset", "lang",       "speak-to",  "voice",       "rate",
                               "words",       "words-from", "pictures",  "list-symbols"};
// The options of a --speak-to run.
const QStringList speechOptions{"speak-to", "voice", "rate", "lang", "quiet"};
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
    QString speakTo; // the folder of the spoken words, in place of a PDF
    SpeakRequest speech;
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

void declareOptions(QCommandLineParser& parser) {
    for (const QString& name : valueOptions + layoutValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString& name : switchOptions + layoutSwitchOptions)
        parser.addOption(QCommandLineOption(name));
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
        } else if (name == QLatin1String("speak-to")) {
            if (value.isEmpty())
                throw UsageError{QCoreApplication::translate(
                    "CommandLine", "the option --speak-to needs a folder name")};
            request.speakTo = value;
        } else if (name == QLatin1String("voice")) {
            request.speech.voice = value;
        } else if (name == QLatin1String("rate")) {
            request.speech.rate = value.toInt(&ok);
            if (!ok || request.speech.rate < kSpeechRateMin || request.speech.rate > kSpeechRateMax)
                throw UsageError{
                    QCoreApplication::translate("CommandLine",
                                                "bad rate \"%1\": use %2 to %3 words per minute")
                        .arg(value, QString::number(kSpeechRateMin),
                             QString::number(kSpeechRateMax))};
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
    declareOptions(parser);
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

QString withLowerFirst(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// A card of the command line's own layout and switches, without pictures.
CardModel commandLineCard(const ExportRequest& request) {
    CardModel card(request.card);
    if (request.chosen)
        card.setLayout(request.chosen->layout, request.chosen->cards);
    return card;
}

// --voice and --rate shape only spoken words.
void refuseSpeechOption(const QString& name) {
    if (name == QLatin1String("voice") || name == QLatin1String("rate"))
        throw UsageError{QCoreApplication::translate("CommandLine",
                                                     "the option --%1 applies only with --speak-to")
                             .arg(name)};
}

// The path with links followed, or made absolute and clean where it does not exist.
QString resolvedPath(const QString& path) {
    if (char* real = ::realpath(encodePath(path).constData(), nullptr)) {
        const QString resolved = decodePath(QByteArray(real));
        std::free(real);
        return resolved;
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

bool isPdfFile(const QString& path) {
    const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char start[5] = {};
    const bool pdf = ::read(fd, start, sizeof start) == sizeof start &&
                     std::memcmp(start, "%PDF-", sizeof start) == 0;
    ::close(fd);
    return pdf;
}

// Where the PDF goes. A name ending in .pdf is written as given; another name is written as
// given when it holds a PDF already, and otherwise gets .pdf added when it names nothing yet.
// An output that is one of the inputs, or an existing file that is not a PDF (a picture, a deck,
// anything else), is refused: `ferlo --print-to *.jpg` would otherwise turn the first photo into
// a PDF. A folder is left to the writer, which says it is one.
QString chosenOutput(const QString& given, const QStringList& inputs) {
    QString output = given;
    const PathKind kind = pathKind(given);
    if (!given.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) && kind == PathKind::Missing)
        output += QStringLiteral(".pdf");
    const QString target = resolvedPath(output);
    for (const QString& input : inputs) {
        if (resolvedPath(input) == target)
            throw UsageError{QCoreApplication::translate(
                                 "CommandLine", "will not write over %1: it is one of the "
                                                "inputs; give the PDF's name after --print-to, "
                                                "such as --print-to cards.pdf")
                                 .arg(output)};
    }
    if (!output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) &&
        pathKind(output) != PathKind::Directory && !isPdfFile(output))
        throw UsageError{QCoreApplication::translate(
                             "CommandLine", "will not write over %1: it is not a PDF; give the "
                                            "PDF's name after --print-to, such as --print-to "
                                            "cards.pdf")
                             .arg(output)};
    return output;
}

// A layout that fold-over sheets cannot be made of is a bad command line, found before any
// picture is read.
void checkFoldOver(const ExportRequest& request) {
    try {
        foldOverPages({makeCardPage(commandLineCard(request))});
    } catch (const Error& error) {
        throw UsageError{withLowerFirst(error.message())};
    }
}

ExportRequest parseArguments(const QStringList& arguments) {
    ExportRequest request;
    const QStringList given = readArguments(arguments, request);
    if (request.help || request.version || request.listSheets || request.listSymbols)
        return request;
    if (!request.speakTo.isEmpty()) {
        if (!request.output.isEmpty())
            throw UsageError{QCoreApplication::translate(
                "CommandLine", "give either --print-to or --speak-to, not both")};
        for (const QString& name : given) {
            if (!speechOptions.contains(name))
                throw UsageError{
                    QCoreApplication::translate("CommandLine",
                                                "the option --%1 does not apply with --speak-to")
                        .arg(name)};
        }
        if (request.pictures.isEmpty())
            throw UsageError{QCoreApplication::translate(
                "CommandLine", "no words to speak: give pictures or decks after --speak-to DIR")};
        return request;
    }
    for (const QString& name : given)
        refuseSpeechOption(name);
    if (request.output.isEmpty())
        throw UsageError{
            QCoreApplication::translate("CommandLine", "no output file: give --print-to OUT.pdf")};
    if (request.pictures.isEmpty() && request.words.words.isEmpty() && request.wordFiles.isEmpty())
        throw UsageError{QCoreApplication::translate("CommandLine", "no pictures to print")};
    request.output = chosenOutput(request.output, request.pictures);
    if (request.foldOver)
        checkFoldOver(request);
    return request;
}

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
            if (exportOnly.contains(name))
                throw UsageError{QCoreApplication::translate(
                                     "CommandLine", "the option --%1 applies only with --print-to")
                                     .arg(name)};
            refuseSpeechOption(name);
        }
        start.card = request.card;
        // A grid or a sheet in place of the count, as Card > Layout chooses it.
        if (request.chosen) {
            start.card.layout = request.chosen->layout;
            start.card.perPage = request.chosen->cards;
        }
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
    if (!request.speakTo.isEmpty())
        return speakWords(request.speakTo, request.pictures, request.speech);
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
