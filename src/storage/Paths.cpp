#include "storage/Paths.h"

#include "layout/CardModel.h"
#include "storage/NativePath.h"

#include <algorithm>

namespace ferlo {

namespace {
constexpr QChar kSeparator = QLatin1Char('/');
} // namespace

QString directoryPart(const QString& path) {
    const qsizetype last = path.lastIndexOf(kSeparator);
    if (last < 0)
        return QString();
    QString directory = path.left(last + 1);
    // A final separator goes unless it stands for the root (or doubles another separator).
    if (directory.size() >= 2 && directory[directory.size() - 2] != kSeparator)
        directory.chop(1);
    return directory;
}

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

QString joinPath(const QString& directory, const QString& name) {
    if (directory.endsWith(kSeparator))
        return directory + name;
    return directory + kSeparator + name;
}

QString MakeLabelText(const QString& fileName) {
    return pathFromModel(ferlo::MakeLabelText(modelPath(fileName)));
}

QString cellLabelText(const TCell& cell, bool upperCase) {
    if (cell.WordCard)
        return QString(); // the word stands in the cell itself, not under it
    return displayName(labelInCase(pathFromModel(LabelWord(cell)), upperCase));
}

QString labelInCase(const QString& text, bool upperCase) {
    return upperCase ? text.toUpper() : text.toLower();
}

bool isBlankLabel(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 32; });
}

} // namespace ferlo
