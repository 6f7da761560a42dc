#pragma once

#include "layout/Translatable.h"

#include <string>
#include <vector>

namespace ferlo {

// A text of the card model for the user, kept apart from its arguments so that the Qt side can
// translate it before filling them in: an English text with placeholders %1 to %9, the scope it
// is translated in, and the arguments, each a text of its own. A scope of nullptr marks data (a
// number, a label word, a paper's name), which is shown as it is.
struct LayoutText {
    const char* scope = nullptr;
    std::string text;
    std::vector<LayoutText> args;

    // The English text with its arguments filled in.
    std::string english() const;
    bool empty() const { return text.empty(); }
};

// A text marked with QT_TRANSLATE_NOOP(scope, ...) and its arguments.
LayoutText layoutText(const char* scope, const char* text, std::vector<LayoutText> args = {});
// A piece of data as an argument.
LayoutText layoutData(std::string data);

// Fills %1 to %9 in `text` with `args` in one pass, so that an argument holding "%2" stays as it
// is written; a placeholder without an argument stays too. Works on std::string and
// std::u16string alike, so the Qt side fills its translated texts the same way.
template <typename String>
String fillPlaceholders(const String& text, const std::vector<String>& args) {
    String filled;
    for (decltype(text.size()) i = 0; i < text.size(); ++i) {
        const auto c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = size_t(text[i + 1] - '1');
            if (n < args.size()) {
                filled += args[n];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

} // namespace ferlo
