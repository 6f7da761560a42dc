#include "printing/CommandLine.h"
#include "layout/Card.h"

#include "platform/Errors.h"
#include "platform/Paths.h"
#include "platform/PictureDecoder.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"
#include "printing/PrinterCells.h"

#include <QFont>
#include <QPageSize>

#include <cstdio>
#include <cstring>
#include <optional>

namespace ferlo {

namespace {

const char* const usageText =
    "Usage: ferlo --print-to OUT.pdf [options] PICTURE...\n"
    "\n"
    "Writes the pictures as flash cards into a PDF file, without opening a window. The pictures\n"
    "fill the cells of a page in the order given; more pictures than a page holds continue on\n"
    "further pages, each page laid out exactly as one Print lays it out.\n"
    "\n"
    "Options:\n"
    "  --print-to OUT.pdf     the PDF file to write (required); it is replaced only when\n"
    "                         the whole document has been written\n"
    "  --per-page N           pictures per page: 1, 2, 4, 6 or 8 (default 4)\n"
    "  --portrait             portrait pages\n"
    "  --landscape            landscape pages (the default)\n"
    "  --labels-off           no label words under the pictures\n"
    "  --lowercase            label words in lower case (default upper case)\n"
    "  --cutlines-off         no frame and no cut lines\n"
    "  --page-size SIZE       A4, Letter, A5 or Legal (default A4)\n"
    "  --resolution DPI       device pixels per inch, 72 to 1200 (default 600)\n"
    "  --print-as-dib         draw pictures through their device-independent form\n"
    "  --print-as-original    draw pictures as decoded\n"
    "                         (default: the stored print option)\n"
    "  --help                 show this text\n"
    "  --                     what follows are pictures, even if they begin with '-'\n"
    "\n"
    "The label word of a picture is its file name without folder, extension and trailing\n"
    "digits. Exit status: 0 when the PDF was written, 2 for a bad command line, 1 when a\n"
    "picture could not be loaded or the PDF could not be written.\n";

// A bad command line; the message is the one line printed after "ferlo: ".
struct UsageError {
    QString message;
};

struct ExportRequest {
    QString output;
    int perPage = 4;
    bool portrait = false;
    bool labelsOn = true;
    bool upperCase = true;
    bool cutLinesOn = true;
    QPageSize pageSize{QPageSize::A4};
    int resolution = 600;
    std::optional<bool> printAsDib; // empty: the stored option
    QStringList pictures;
    bool help = false;
};

void printLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

ExportRequest parseArguments(const QStringList& arguments) {
    ExportRequest request;
    bool sawOutput = false;
    bool onlyPictures = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString argument = arguments.at(i);
        if (onlyPictures || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-")) {
            request.pictures << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            onlyPictures = true;
            continue;
        }
        QString name = argument;
        std::optional<QString> inlineValue;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (argument.startsWith(QLatin1String("--")) && equals > 2) {
            name = argument.left(equals);
            inlineValue = argument.mid(equals + 1);
        }
        auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= arguments.size())
                throw UsageError{QStringLiteral("the option %1 needs a value").arg(name)};
            return arguments.at(++i);
        };
        auto noValue = [&] {
            if (inlineValue)
                throw UsageError{QStringLiteral("the option %1 takes no value").arg(name)};
        };

        if (name == QLatin1String("--help")) {
            noValue();
            request.help = true;
        } else if (name == QLatin1String("--print-to")) {
            request.output = value();
            if (request.output.isEmpty())
                throw UsageError{QStringLiteral("the option --print-to needs a file name")};
            sawOutput = true;
        } else if (name == QLatin1String("--per-page")) {
            const QString text = value();
            bool ok = false;
            const int count = text.toInt(&ok);
            if (!ok || !IsValidPicturesPerPage(count))
                throw UsageError{QStringLiteral("bad number of pictures per page \"%1\": "
                                                "use 1, 2, 4, 6 or 8")
                                     .arg(text)};
            request.perPage = count;
        } else if (name == QLatin1String("--portrait")) {
            noValue();
            request.portrait = true;
        } else if (name == QLatin1String("--landscape")) {
            noValue();
            request.portrait = false;
        } else if (name == QLatin1String("--labels-off")) {
            noValue();
            request.labelsOn = false;
        } else if (name == QLatin1String("--lowercase")) {
            noValue();
            request.upperCase = false;
        } else if (name == QLatin1String("--cutlines-off")) {
            noValue();
            request.cutLinesOn = false;
        } else if (name == QLatin1String("--page-size")) {
            const QString text = value();
            const QString key = text.toLower();
            if (key == QLatin1String("a4"))
                request.pageSize = QPageSize(QPageSize::A4);
            else if (key == QLatin1String("letter"))
                request.pageSize = QPageSize(QPageSize::Letter);
            else if (key == QLatin1String("a5"))
                request.pageSize = QPageSize(QPageSize::A5);
            else if (key == QLatin1String("legal"))
                request.pageSize = QPageSize(QPageSize::Legal);
            else
                throw UsageError{
                    QStringLiteral("bad page size \"%1\": use A4, Letter, A5 or Legal").arg(text)};
        } else if (name == QLatin1String("--resolution")) {
            const QString text = value();
            bool ok = false;
            const int dpi = text.toInt(&ok);
            // Pictures are handed to the PDF at the device pixels of their rectangles; beyond
            // 1200 dpi a single picture would need gigabytes.
            if (!ok || dpi < 72 || dpi > 1200)
                throw UsageError{
                    QStringLiteral("bad resolution \"%1\": use 72 to 1200 dots per inch")
                        .arg(text)};
            request.resolution = dpi;
        } else if (name == QLatin1String("--print-as-dib")) {
            noValue();
            request.printAsDib = true;
        } else if (name == QLatin1String("--print-as-original")) {
            noValue();
            request.printAsDib = false;
        } else {
            throw UsageError{QStringLiteral("unknown option %1 (see ferlo --help)").arg(argument)};
        }
    }
    if (request.help)
        return request;
    if (!sawOutput)
        throw UsageError{QStringLiteral("no output file: give --print-to OUT.pdf")};
    if (request.pictures.isEmpty())
        throw UsageError{QStringLiteral("no pictures to print")};
    return request;
}

// Checks every picture before anything is written, so a bad one stops the run at once.
void checkPictures(const QStringList& pictures) {
    for (const QString& picture : pictures) {
        try {
            readPictureSize(picture);
        } catch (const Error& error) {
            QString message = error.message();
            if (!message.contains(picture))
                message = QStringLiteral("cannot load the picture %1: %2").arg(picture, message);
            throw Error(message);
        }
    }
}

QList<CardPage> makePages(const ExportRequest& request) {
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setBold(true);
    QList<CardPage> pages;
    for (qsizetype first = 0; first < request.pictures.size(); first += request.perPage) {
        CardPage page;
        page.PicturesPerPage = request.perPage;
        page.Portrait = request.portrait;
        page.CutLinesOn = request.cutLinesOn;
        page.LabelsOn = request.labelsOn;
        page.LabelFont = labelFont;
        for (int cell = 0; cell < request.perPage; ++cell) {
            const QString picture = request.pictures.value(first + cell);
            page.FileNames << picture;
            page.PictureLoaded << !picture.isEmpty();
            page.LabelTexts << (picture.isEmpty()
                                    ? QString()
                                    : labelInCase(MakeLabelText(picture), request.upperCase));
        }
        pages << page;
    }
    return pages;
}

QString withLowerFirst(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

bool isCommandLineExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "--print-to") == 0 ||
            std::strncmp(argv[i], "--print-to=", 11) == 0 || std::strcmp(argv[i], "--help") == 0)
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
        std::fputs(usageText, stdout);
        std::fflush(stdout);
        return 0;
    }
    try {
        checkPictures(request.pictures);
        PaintOptions options;
        if (request.printAsDib) {
            const bool printAsDib = *request.printAsDib;
            options.printAsDib = [printAsDib] {
                return printAsDib;
            };
        }
        writeCardPdf(request.output, makePages(request), request.pageSize, request.resolution,
                     options);
    } catch (const Error& error) {
        printLine(stderr, QStringLiteral("ferlo: ") + withLowerFirst(error.message().simplified()));
        return 1;
    } catch (const std::exception& error) {
        printLine(stderr, QStringLiteral("ferlo: %1").arg(QString::fromLocal8Bit(error.what())));
        return 1;
    }
    return 0;
}

} // namespace ferlo
