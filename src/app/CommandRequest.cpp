#include "app/CommandRequest.h"

#include "printing/CardPage.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/PrintOption.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHash>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ferlo {

namespace {

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
        if (valueOptions.contains(name) || layoutValueOptions.contains(name) ||
            activityValueOptions.contains(name)) {
            if (equals < 0 && i + 1 == arguments.size())
                return {i,
                        QCoreApplication::translate("CommandLine", "the option --%1 needs a value")
                            .arg(name)};
            if (equals < 0)
                ++i;
        } else if (!switchOptions.contains(name) && !layoutSwitchOptions.contains(name) &&
                   !activitySwitchOptions.contains(name)) {
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

// The options of the card and its printing; false for another option.
bool applyCardOption(const QString& name, const QString& value, ExportRequest& request) {
    bool ok = false;
    if (name == QLatin1String("per-page")) {
        request.card.layout = CardLayout::counted(value.toInt(&ok));
        request.perPageGiven = true;
        if (!ok || !IsValidPicturesPerPage(request.card.perPage()))
            throw UsageError{QCoreApplication::translate("CommandLine",
                                                         "bad number of pictures per page \"%1\": "
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
    } else if (name == QLatin1String("flip")) {
        if (value.compare(QLatin1String("long"), Qt::CaseInsensitive) == 0)
            request.turn = SheetTurn::LongEdge;
        else if (value.compare(QLatin1String("short"), Qt::CaseInsensitive) == 0)
            request.turn = SheetTurn::ShortEdge;
        else
            throw UsageError{
                QCoreApplication::translate("CommandLine", "bad --flip \"%1\": use long or short")
                    .arg(value)};
    } else if (name == QLatin1String("back-offset")) {
        readBackOffset(value, request);
    } else {
        return false;
    }
    return true;
}

// The options of the output and of spoken words; false for another option.
bool applyOutputOption(const QString& name, const QString& value, ExportRequest& request) {
    bool ok = false;
    if (name == QLatin1String("print-to")) {
        if (value.isEmpty())
            throw UsageError{QCoreApplication::translate(
                "CommandLine", "the option --print-to needs a file name")};
        request.output = value;
    } else if (name == QLatin1String("page-size")) {
        request.pageSize = pageSizeNamed(value);
    } else if (name == QLatin1String("resolution")) {
        request.resolution = value.toInt(&ok);
        // Pictures are handed to the PDF at the device pixels of their rectangles; beyond
        // 1200 dpi a single picture would need gigabytes.
        if (!ok || request.resolution < 72 || request.resolution > 1200)
            throw UsageError{
                QCoreApplication::translate("CommandLine",
                                            "bad resolution \"%1\": use 72 to 1200 dots per inch")
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
                    .arg(value, QString::number(kSpeechRateMin), QString::number(kSpeechRateMax))};
    } else {
        return false;
    }
    return true;
}

// The other options: words, listings, the program's own.
void applyOtherOption(const QString& name, const QString& value, ExportRequest& request) {
    if (name == QLatin1String("help")) {
        request.help = true;
    } else if (name == QLatin1String("lang")) {
        // chose the language of the texts before the arguments were read (main.cpp)
    } else if (name == QLatin1String("version")) {
        request.version = true;
    } else if (name == QLatin1String("quiet")) {
        request.quiet = true;
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
    } else if (activityValueOptions.contains(name) || activitySwitchOptions.contains(name)) {
        takeActivityOption(name, value, request.activity);
    } else {
        request.printAsDib = name == QLatin1String("print-as-dib");
    }
}

// Options apply in the order given, so the last of two wins and the first bad value stops.
void applyOptions(const QCommandLineParser& parser, ExportRequest& request) {
    QHash<QString, qsizetype> taken;
    for (const QString& name : parser.optionNames()) {
        const QString value = parser.values(name).value(taken[name]++);
        if (!applyCardOption(name, value, request) && !applyOutputOption(name, value, request))
            applyOtherOption(name, value, request);
    }
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

} // namespace

void printLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

void declareOptions(QCommandLineParser& parser) {
    for (const QString& name : valueOptions + layoutValueOptions + activityValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString& name : switchOptions + layoutSwitchOptions + activitySwitchOptions)
        parser.addOption(QCommandLineOption(name));
}

QStringList readArguments(const QStringList& given, ExportRequest& request) {
    std::optional<QString> freeWord;
    const QStringList arguments = withFreeCentreWord(given, freeWord);
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
    if (parser.isSet(QStringLiteral("free-centre")))
        request.activity.freeCentre = freeWord.value_or(QString());
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

CardModel commandLineCard(const ExportRequest& request) {
    CardModel card(request.card);
    if (request.chosen)
        card.setLayout(request.chosen->layout);
    return card;
}

void refuseSpeechOption(const QString& name) {
    if (name == QLatin1String("voice") || name == QLatin1String("rate"))
        throw UsageError{QCoreApplication::translate("CommandLine",
                                                     "the option --%1 applies only with --speak-to")
                             .arg(name)};
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
    checkActivityRequest(request);
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
} // namespace ferlo
