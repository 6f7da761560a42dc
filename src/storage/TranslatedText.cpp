#include "storage/TranslatedText.h"

#include <QCoreApplication>

namespace ferlo {

QString translatedText(const LayoutText& text) {
    if (!text.scope)
        return QString::fromStdString(text.text);
    std::vector<std::u16string> args;
    args.reserve(text.args.size());
    for (const LayoutText& arg : text.args)
        args.push_back(translatedText(arg).toStdU16String());
    const QString translated = QCoreApplication::translate(text.scope, text.text.c_str());
    return QString::fromStdU16String(fillPlaceholders(translated.toStdU16String(), args));
}

} // namespace ferlo
