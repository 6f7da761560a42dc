#pragma once

// The checks behind the fuzz harnesses, shared with the regression test that replays every input
// a harness ever failed on. Each check takes one input as bytes, feeds it through the program's own
// entry points and throws Finding when a promise of those entry points is broken. A ferlo::Error
// is the expected answer to a bad input and is swallowed; anything else escapes.

#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"
#include "sound/SoundDecoder.h"
#include "sound/SoundFile.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/Registry.h"
#include "symbols/SvgPicture.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace ferlo::fuzz {

// A broken promise: wrong result, data lost, failure reported as success.
class Finding : public std::logic_error {
public:
    explicit Finding(const QString& what)
        : std::logic_error(what.toStdString()) {}
};

// Defined by each harness: runs its check on one input; scratch is a folder for its files.
void fuzzOne(const QByteArray& bytes, const QString& scratch);

inline void require(bool ok, const QString& what) {
    if (!ok)
        throw Finding(what);
}

// Errors a user can cause name the file.
inline void requireNamesFile(const Error& e, const QString& path) {
    require(e.message().contains(path),
            QStringLiteral("the error does not name the file: ") + e.message());
}

inline QString writeScratch(const QString& directory, const QString& name,
                            const QByteArray& bytes) {
    const QString path = directory + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the scratch file " + path.toStdString());
    return path;
}

// Where the sum of a decoded picture's pixels goes, so that reading them is not optimised away.
inline volatile quint32 pixelSink = 0;

// The pictures are decoded at most this large at full size, so that one input stays fast.
inline constexpr qint64 kMaxFullSizePixels = 2048 * 2048;
// The small size the card asks for.
inline constexpr int kSmallSide = 24;

// One picture file (x.jpg or x.bmp): its size from the header, a decode for a small cell, and a
// decode at full size.
inline void checkPicture(const QByteArray& bytes, const QString& scratch, const QString& name) {
    const QString path = writeScratch(scratch, name, bytes);
    QSize own;
    try {
        own = readPictureSize(path);
        require(own.width() > 0 && own.height() > 0,
                QStringLiteral("readPictureSize gave an empty size %1 x %2")
                    .arg(own.width())
                    .arg(own.height()));
    } catch (const Error& e) {
        requireNamesFile(e, path);
    }

    const auto checkDecoded = [&](const DecodedPicture& picture, QSize asked) {
        require(!own.isValid() || picture.ownSize == own,
                QStringLiteral("loadPicture and readPictureSize disagree on the size"));
        require(!picture.image.isNull(), QStringLiteral("loadPicture returned no pixels"));
        require(picture.image.format() == QImage::Format_RGB32 ||
                    picture.image.format() == QImage::Format_ARGB32,
                QStringLiteral("loadPicture returned pixel format %1")
                    .arg(int(picture.image.format())));
        const QSize want = asked.isValid() ? asked : picture.ownSize;
        require(picture.image.width() >= std::min(want.width(), picture.ownSize.width()) &&
                    picture.image.height() >= std::min(want.height(), picture.ownSize.height()),
                QStringLiteral("loadPicture returned %1 x %2 for %3 x %4 wanted of %5 x %6")
                    .arg(picture.image.width())
                    .arg(picture.image.height())
                    .arg(want.width())
                    .arg(want.height())
                    .arg(picture.ownSize.width())
                    .arg(picture.ownSize.height()));
        require(picture.image.width() <= picture.ownSize.width() &&
                    picture.image.height() <= picture.ownSize.height(),
                QStringLiteral("loadPicture returned more pixels than the picture has"));
        // Read both ends of every row, so that rows shorter than the picture claims, or fewer
        // of them, show under the address sanitizer. Summing every pixel finds nothing more
        // (it does not tell written pixels from unwritten ones) and took most of the time of an
        // input that claims a large picture.
        quint32 sum = 0;
        const int last = picture.image.width() - 1;
        for (int y = 0; y < picture.image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.image.constScanLine(y));
            sum += line[0] + line[last];
        }
        pixelSink = sum;
    };

    // Only JPEG decodes at a smaller scale, so a large picture of another format is read only by
    // its header.
    const bool decodesAtFullSize = !name.endsWith(QStringLiteral(".jpg"));
    if (decodesAtFullSize && own.isValid() &&
        qint64(own.width()) * own.height() > kMaxFullSizePixels)
        return;
    // A HEIF grid or overlay may be composed on a canvas as large as the longer side (and a
    // coding block) squared before its size is checked against the header's.
    const qint64 longer = std::max(own.width(), own.height()) + 128;
    if (name.endsWith(QStringLiteral(".heic")) && longer * longer > kMaxFullSizePixels)
        return;
    const QSize small(kSmallSide, kSmallSide);
    try {
        checkDecoded(loadPicture(path, [&](QSize) { return small; }), small);
    } catch (const Error& e) {
        requireNamesFile(e, path);
    }
    // The first look on screen (a HEIF thumbnail): none, or exactly the size asked for, even
    // larger than the thumbnail.
    try {
        const QSize cell(2 * kSmallSide, kSmallSide);
        const DecodedPicture preview = loadPreview(path, [&](QSize) { return cell; });
        require(preview.image.isNull() || preview.image.size() == cell,
                QStringLiteral("loadPreview returned %1 x %2 for a cell of %3 x %4")
                    .arg(preview.image.width())
                    .arg(preview.image.height())
                    .arg(cell.width())
                    .arg(cell.height()));
    } catch (const Error& e) {
        requireNamesFile(e, path);
    }
    // An eighth of the size: a progressive JPEG is then shown from its DC scans alone. A JPEG
    // whose eighth already covers the small cell was decoded so just now (DCT scale 1/8).
    const bool smallWasEighth = !decodesAtFullSize && own.isValid() &&
                                (own.width() + 7) / 8 >= kSmallSide &&
                                (own.height() + 7) / 8 >= kSmallSide;
    if (own.isValid() && own.width() >= 16 && own.height() >= 16 && !smallWasEighth) {
        const QSize eighth((own.width() + 7) / 8, (own.height() + 7) / 8);
        try {
            checkDecoded(loadPicture(path, [&](QSize) { return eighth; }), eighth);
        } catch (const Error& e) {
            requireNamesFile(e, path);
        }
    }
    // A JPEG's full-size decode clears its whole coefficient buffers first (a progressive one of
    // 2048 x 2048 clears 25 MB), the same code at any size: a quarter of the area is enough.
    const qint64 fullSizeBound = decodesAtFullSize ? kMaxFullSizePixels : kMaxFullSizePixels / 4;
    if (own.isValid() && qint64(own.width()) * own.height() <= fullSizeBound) {
        try {
            const DecodedPicture full = loadPicture(path, {});
            checkDecoded(full, QSize());
            require(full.image.size() == full.ownSize,
                    QStringLiteral("a full-size decode is not of the picture's own size"));
        } catch (const Error& e) {
            requireNamesFile(e, path);
        }
    }
}

inline void checkJpeg(const QByteArray& bytes, const QString& scratch) {
    checkPicture(bytes, scratch, QStringLiteral("x.jpg"));
}

inline void checkBmp(const QByteArray& bytes, const QString& scratch) {
    checkPicture(bytes, scratch, QStringLiteral("x.bmp"));
}

// The formats read by Qt's image readers: the first byte chooses PNG, GIF, WebP or TIFF, the rest
// is the file.
inline void checkQtImage(const QByteArray& bytes, const QString& scratch) {
    if (bytes.isEmpty())
        return;
    static const char* const names[] = {"x.png", "x.gif", "x.webp", "x.tif"};
    checkPicture(bytes.mid(1), scratch, QString::fromLatin1(names[uchar(bytes[0]) % 4]));
}

inline void checkHeif(const QByteArray& bytes, const QString& scratch) {
    checkPicture(bytes, scratch, QStringLiteral("x.heic"));
}

// ---- Sound ------------------------------------------------------------------------------------

inline void checkDecodedSound(const QByteArray& samples, const QAudioFormat& format) {
    require(samples.size() % format.bytesPerFrame() == 0,
            QStringLiteral("the decoded sound is not a whole number of frames"));
    require(samples.size() <= kMaxDecodedBytes,
            QStringLiteral("the decoded sound passes the memory bound"));
}

// One sound file (x.wav; libsndfile goes by the content, so the corpus holds FLAC, Ogg Vorbis,
// Ogg Opus and MP3 too), decoded as the player decodes it when there is no output device (the
// harness has none: asking the sound system for one per input would cost more than the decode),
// and once more to another format, mixing channels down and resampling: a SoundError naming the
// file, or whole frames within the memory bound.
inline void checkWav(const QByteArray& bytes, const QString& scratch) {
    const QString path = writeScratch(scratch, QStringLiteral("x.wav"), bytes);
    QAudioFormat mono;
    mono.setSampleRate(11025);
    mono.setChannelCount(1);
    mono.setSampleFormat(QAudioFormat::Float);
    for (const QAudioFormat& format : {fallbackOutputFormat(), mono}) {
        try {
            checkDecodedSound(decodeSoundFile(path, format), format);
        } catch (const SoundError& e) {
            requireNamesFile(e, path);
        }
    }
}

// ---- Settings hive ----------------------------------------------------------------------------

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// One hive file HKEY_LOCAL_MACHINE.reg in $FERLO_REGISTRY_DIR: parsed, or refused with a cause;
// read through the accessor as the parse says; written to. A write either leaves the file byte for
// byte (a hive that can't be parsed, or whose encoding can't hold the change) or changes that one
// value and adds the sections of its key: every other value reads back with its name, type and
// bytes, and writing the same value again changes nothing.
inline void checkHive(const QByteArray& bytes) {
    const QString path = registryHivePath(HKEY_LOCAL_MACHINE);
    QDir().mkpath(registryDirectory());
    QFile::remove(path);
    const QString key = QStringLiteral("\\Software\\Ferlo");
    const QString ferlo = QStringLiteral("Software\\Ferlo");
    const QString valueName = QStringLiteral("PrintAsDIB");

    // A writer whose key was opened while the hive was still good.
    TRegistry writer;
    writer.setRootKey(HKEY_LOCAL_MACHINE);
    require(writer.OpenKey(key, true),
            QStringLiteral("cannot create the key in an empty hive: ") + writer.LastError());

    QFile::remove(path);
    writeScratch(registryDirectory(), QFileInfo(path).fileName(), bytes);

    RegistryHive hive;
    QString cause;
    const bool parsed = hive.parse(bytes, HKEY_LOCAL_MACHINE, &cause);
    require(parsed || !cause.isEmpty(), QStringLiteral("a parse failed without a cause"));

    TRegistry reader;
    reader.setRootKey(HKEY_LOCAL_MACHINE);
    const bool opened = reader.OpenKey(key, false);
    require(opened == (parsed && hive.keyExists(ferlo)),
            QStringLiteral("OpenKey disagrees with the parse"));
    if (!opened)
        require(reader.LastError().contains(path),
                QStringLiteral("OpenKey's error does not name the hive: ") + reader.LastError());
    if (opened) {
        // Every call reads the hive anew, so only the value the program reads and one other.
        QStringList names{valueName};
        for (const RegistryHive::Value& value : hive.values()) {
            if (value.path.compare(ferlo, Qt::CaseInsensitive) == 0) {
                names.append(value.name);
                break;
            }
        }
        for (const QString& name : names) {
            const std::optional<RegistryValue> stored = hive.value(ferlo, name);
            require(reader.ValueExists(name) == stored.has_value(),
                    QStringLiteral("ValueExists disagrees with the parse"));
            try {
                const int number = reader.ReadInteger(name);
                require(stored && stored->type == REG_DWORD && stored->data.size() <= 4,
                        QStringLiteral("ReadInteger read a value that is not a dword"));
                QByteArray four = stored->data;
                four.append(4 - four.size(), '\0');
                quint32 expectedNumber = 0;
                for (int i = 3; i >= 0; --i)
                    expectedNumber = expectedNumber << 8 | quint8(four[i]);
                require(quint32(number) == expectedNumber,
                        QStringLiteral("ReadInteger gave another number"));
            } catch (const ERegistryException&) {
                require(!stored || stored->type != REG_DWORD || stored->data.size() > 4,
                        QStringLiteral("ReadInteger failed on a dword"));
            }
        }
    }

    bool written = false;
    try {
        writer.WriteInteger(valueName, 1);
        written = true;
    } catch (const ERegistryException& e) {
        require(e.reason().contains(path),
                QStringLiteral("the write's error does not name the hive: ") + e.reason());
        require(!parsed || e.reason().endsWith(QStringLiteral("cannot be written back unchanged")),
                QStringLiteral("a write to a good hive failed: ") + e.reason());
    }
    const QByteArray after = readAll(path);
    if (!written) {
        require(after == bytes, QStringLiteral("a refused write changed the hive"));
        reader.OpenKey(key, true);
        require(readAll(path) == bytes,
                QStringLiteral("a hive that can't be kept was written over by OpenKey"));
        return;
    }
    require(parsed, QStringLiteral("a hive that can't be parsed was written over"));
    RegistryHive stored;
    require(stored.parse(after, HKEY_LOCAL_MACHINE, &cause),
            QStringLiteral("the written hive does not parse: ") + cause);
    const std::optional<RegistryValue> value = stored.value(ferlo, valueName);
    require(value && value->type == REG_DWORD && value->data == QByteArray("\x01\0\0\0", 4),
            QStringLiteral("the written value is not there"));
    // Every other value as it was, each name spelled as it was.
    const QString writtenEntry = ferlo.toLower() + QLatin1Char('\n') + valueName.toLower();
    require(stored.values().size() == hive.values().size() + !hive.values().contains(writtenEntry),
            QStringLiteral("writing a value added or lost others"));
    for (auto it = hive.values().begin(); it != hive.values().end(); ++it) {
        const auto again = stored.values().find(it.key());
        require(again != stored.values().end() && again->name == it->name &&
                    again->path == it->path,
                QStringLiteral("writing a value lost or renamed another"));
        require(it.key() == writtenEntry ||
                    (again->value.type == it->value.type && again->value.data == it->value.data),
                QStringLiteral("writing a value changed another"));
    }
    writer.WriteInteger(valueName, 1);
    require(readAll(path) == after,
            QStringLiteral("writing the same value again changed the hive"));
}

// ---- Paths and label words --------------------------------------------------------------------

inline bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

inline void checkPathText(const QString& path) {
    const QString directory = directoryPart(path);
    const QString name = fileNamePart(path);
    require(path.startsWith(directory),
            QStringLiteral("directoryPart is not a prefix of the path"));
    require(path.endsWith(name), QStringLiteral("fileNamePart is not a suffix of the path"));
    require(!name.contains(QLatin1Char('/')), QStringLiteral("fileNamePart holds a separator"));
    if (path.startsWith(QLatin1Char('/')) && !path.contains(QStringLiteral("//")))
        require(joinPath(directory, name) == path,
                QStringLiteral("joinPath(directoryPart, fileNamePart) does not give back \"%1\"")
                    .arg(path));

    const QString label = MakeLabelText(path);
    // The word is made from the name's bytes on disk. A lone surrogate outside the stray-byte
    // range has no bytes (no file name on disk holds one) and comes back as "?".
    if (pathFromModel(modelPath(path)) == path)
        require(name.startsWith(label),
                QStringLiteral("the label word is not taken from the name"));
    require(isBlankLabel(label) || label.isEmpty() || !isAsciiDigit(label.back()),
            QStringLiteral("the label word \"%1\" ends in a digit").arg(label));
    const QString upper = labelInCase(label, true);
    const QString lower = labelInCase(label, false);
    require(isBlankLabel(label) == isBlankLabel(upper) &&
                isBlankLabel(label) == isBlankLabel(lower),
            QStringLiteral("changing the case changed whether the label is blank"));
    const QString sound = soundFilePath(path);
    require(sound.endsWith(QStringLiteral(".WAV")), QStringLiteral("a sound path without .WAV"));
}

// The bytes as a path in UTF-8, in the local 8-bit encoding, in Latin-1 and as UTF-16 units.
inline void checkPaths(const QByteArray& bytes) {
    // The bytes as a file name: the path text the program keeps leads back to exactly them, and
    // what it shows of the name is text.
    const QString kept = decodePath(bytes);
    require(encodePath(kept) == bytes,
            QStringLiteral("a file name's bytes do not come back from its path text"));
    require(displayName(kept).isValidUtf16(),
            QStringLiteral("a file name is shown with a lone surrogate"));
    checkPathText(QString::fromUtf8(bytes));
    checkPathText(QString::fromLocal8Bit(bytes));
    checkPathText(QString::fromLatin1(bytes));
    QString units(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(units.data(), bytes.constData(), size_t(units.size()) * 2);
    checkPathText(units);
}

// ---- Deck file --------------------------------------------------------------------------------

// One deck file (x.ferlo): read, or refused with a message naming the file; what is read keeps
// the promises of the model, is saved, and reads back the same.
inline void checkDeck(const QByteArray& bytes, const QString& scratch) {
    const QString path = writeScratch(scratch, QStringLiteral("x.ferlo"), bytes);
    Deck deck;
    try {
        deck = readDeck(path);
    } catch (const Error& e) {
        requireNamesFile(e, path);
        return;
    }
    for (const DeckCard& card : deck.cards) {
        // A grid or a sheet holds its own number of cards; a count is one of the five.
        const bool count = card.layout.kind == CardLayout::Kind::Count;
        require(count ? IsValidPicturesPerPage(card.perPage())
                      : card.perPage() >= 1 && card.perPage() <= MaxLayoutCells,
                QStringLiteral("a card of %1 pictures per page was read").arg(card.perPage()));
        require(card.cells.size() <= size_t(card.perPage()),
                QStringLiteral("a card holds more cells than its count"));
        for (const std::optional<DeckCell>& cell : card.cells) {
            if (cell && cell->symbol) {
                // A symbol names no file of its own: its hexcode can never reach another folder.
                const std::string& hexcode = cell->symbol->hexcode;
                require(cell->picture.empty() && !hexcode.empty() &&
                            hexcode.find_first_not_of("0123456789ABCDEFabcdef-") ==
                                std::string::npos,
                        QStringLiteral("a symbol cell with a file or a hexcode that is not hex"));
                continue;
            }
            if (cell && cell->word) {
                // A word card names no file.
                require(cell->picture.empty() && !cell->symbol && cell->label,
                        QStringLiteral("a word card with a file, a symbol or no word"));
                continue;
            }
            require(!cell || (cell->picture.size() > 1 && cell->picture.front() == '/' &&
                              cell->picture.find('\0') == std::string::npos),
                    QStringLiteral("a picture path that is not absolute or holds a NUL"));
        }
        // Every card read is a card the page is made from; a grid that does not fit its paper,
        // or a sheet that is not installed, is refused with a message instead.
        try {
            makeCardPage(CardModel(card));
        } catch (const Error& e) {
            require(!count && !e.message().isEmpty(),
                    QStringLiteral("a card that was read makes no page: ") + e.message());
        }
    }
    const QString savedPath = scratch + QStringLiteral("/saved.ferlo");
    try {
        writeDeck(savedPath, deck);
    } catch (const Error& e) {
        throw Finding(QStringLiteral("a deck that was read could not be saved: ") + e.message());
    }
    Deck again;
    try {
        again = readDeck(savedPath);
    } catch (const Error& e) {
        throw Finding(QStringLiteral("a saved deck does not read back: ") + e.message());
    }
    require(again == deck, QStringLiteral("saving a deck and reading it back changed it"));
    require(readAll(savedPath) == deckJson(again, savedPath),
            QStringLiteral("saving a deck twice gives different text"));
}

// A drawing from a user's folder: refused with the file's name, or read with a usable size and
// drawn at a small size and at a size of other proportions.
inline void checkSvg(const QByteArray& bytes, const QString& scratch) {
    const QString path = writeScratch(scratch, QStringLiteral("x.svg"), bytes);
    std::optional<SvgPicture> picture;
    try {
        picture = SvgPicture::fromFile(path);
    } catch (const Error& e) {
        requireNamesFile(e, QStringLiteral("x.svg"));
        return;
    }
    const double aspect = picture->aspect();
    require(std::isfinite(aspect) && aspect > 0, QStringLiteral("a drawing without proportions"));
    for (const QSize size : {QSize(32, 32), QSize(48, 20)}) {
        const QImage image = picture->toImage(size, Qt::white);
        require(image.size() == size, QStringLiteral("a drawing drawn at the wrong size"));
        pixelSink = pixelSink + image.pixel(size.width() / 2, size.height() / 2);
    }
}

} // namespace ferlo::fuzz
