#include "symbols/WordCards.h"

#include "layout/CardModel.h"
#include "pictures/PictureFormats.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "symbols/SvgPicture.h"
#include "symbols/SymbolCells.h"
#include "symbols/SymbolIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>

namespace ferlo {

namespace {

// Control characters and the ends' blanks are no part of a word.
QString cleanWord(QString word) {
    for (QChar& c : word)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return word.trimmed();
}

} // namespace

QStringList splitWords(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,\\r\\n]"));
    QStringList words;
    for (const QString& part : text.split(separators)) {
        const QString word = cleanWord(part);
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

QStringList readWordsFile(const QString& path) {
    const QByteArray bytes = readBoundedFile(path, kMaxWordsFileBytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw Error(QCoreApplication::translate("WordCards",
                                                "Cannot read the words of %1: it is not UTF-8 text")
                        .arg(displayName(path)));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList words;
    for (const QString& line : text.split(u'\n')) {
        const QString word = cleanWord(line);
        if (!word.isEmpty())
            words << word;
    }
    if (words.isEmpty())
        throw Error(QCoreApplication::translate("WordCards",
                                                "Cannot read the words of %1: it holds no words")
                        .arg(displayName(path)));
    return words;
}

QString pictureNamedAfter(const QString& word, const QStringList& folders) {
    for (const QString& folder : folders) {
        for (const QString& name : listDirectory(folder, EntryKind::PlainFile)) {
            if (!isPictureFileName(name))
                continue;
            const QString own = pathFromModel(MakeLabelText(modelPath(name))).trimmed();
            if (own.compare(word, Qt::CaseInsensitive) == 0)
                return QDir(folder).filePath(name);
        }
    }
    return {};
}

QList<WordCell> findWordCells(const WordList& list, const SymbolIndex& index) {
    for (const QString& folder : list.pictureDirs)
        if (pathKind(folder) != PathKind::Directory)
            throw Error(QCoreApplication::translate(
                            "WordCards", "Cannot look for pictures in %1: it is not a folder")
                            .arg(displayName(folder)));
    // The list's language first (English follows within each search), then every other
    // language of the index, so that a list of words of several languages finds them all.
    QStringList languages{list.language.isEmpty() ? QStringLiteral("en") : list.language};
    for (const QString& language : index.languages())
        if (!languages.contains(language))
            languages << language;
    QList<WordCell> cells;
    QStringList missing;
    for (const QString& word : list.words) {
        WordCell cell{word, pictureNamedAfter(word, list.pictureDirs), {}};
        if (cell.picture.isEmpty() && index.available()) {
            for (const QString& language : languages) {
                // The installed set only: a user's own symbol file is a picture given with
                // --pictures.
                const std::optional<SymbolMatch> match = index.best(word, language, {});
                if (!match || match->kind != SymbolMatch::Kind::OpenMoji)
                    continue;
                const SymbolRef symbol{"openmoji", match->hexcode.toStdString(), list.style};
                if (!installedSymbolFile(symbol).isEmpty()) {
                    cell.symbol = symbol;
                    break;
                }
            }
        }
        if (cell.picture.isEmpty() && !cell.symbol)
            missing << QStringLiteral("\"%1\"").arg(word);
        cells << cell;
    }
    if (missing.isEmpty())
        return cells;
    QString message = QCoreApplication::translate("WordCards", "No picture or symbol found for %1")
                          .arg(missing.join(QStringLiteral(", ")));
    if (!index.available())
        message += QStringLiteral(" (%1)").arg(index.missingReason());
    throw Error(message);
}

int wordsPerPage(int words) {
    for (int count : {1, 2, 4, 6})
        if (words <= count)
            return count;
    return 8;
}

bool setWordCell(CardModel& card, int index, const WordCell& cell) {
    const std::string word = cell.word.toStdString();
    if (cell.symbol)
        return card.setSymbol(index, *cell.symbol, word);
    return card.setPicture(index, modelPath(cell.picture)) && card.editWord(index, word);
}

} // namespace ferlo
