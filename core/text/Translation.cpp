#include "core/text/Translation.h"

namespace marklode {

namespace {

Translator currentTranslator = nullptr;

std::string withCount(std::string text, int n) {
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at))
        text.replace(at, 2, count);
    return text;
}

} // namespace

void setTranslator(Translator translator) {
    currentTranslator = translator;
}

std::string translate(const char* context, const char* source, const char* disambiguation, int n) {
    std::string text;
    if (currentTranslator)
        text = currentTranslator(context, source, disambiguation, n);
    if (text.empty())
        text = source;
    return n >= 0 ? withCount(std::move(text), n) : text;
}

std::string formatted(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : 9;
        if (text[i] == '%' && index < 9 && index < arguments.size()) {
            result += arguments.begin()[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace marklode
