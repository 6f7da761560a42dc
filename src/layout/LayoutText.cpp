#include "layout/LayoutText.h"

namespace ferlo {

std::string LayoutText::english() const {
    if (!scope)
        return text;
    std::vector<std::string> filled;
    filled.reserve(args.size());
    for (const LayoutText& arg : args)
        filled.push_back(arg.english());
    return fillPlaceholders(text, filled);
}

LayoutText layoutText(const char* scope, const char* text, std::vector<LayoutText> args) {
    return LayoutText{scope, text, std::move(args)};
}

LayoutText layoutData(std::string data) {
    return LayoutText{nullptr, std::move(data), {}};
}

} // namespace ferlo
