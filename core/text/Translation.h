#pragma once

#include <climits>
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// Marks a text for translation where it is defined, to be translated where it is used; the Qt
// programs' lupdate reads the mark, the compiler sees the text. Spelled as Qt spells it, so that
// either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace marklode {

// Words a text in the user's language. Returns the translation of `source`, in the plural form for
// `n` when n >= 0 and with %n left in place, or an empty string when there is none.
using Translator = std::string (*)(const char* context, const char* source,
                                   const char* disambiguation, int n);

// Set once at start-up by a program that has translations, before any other thread runs; without
// one, texts stay in English.
void setTranslator(Translator translator);

// The text in the user's language; with n >= 0 in the plural form for n, with n in place of %n.
// Named and shaped like Qt's own, so that lupdate finds every text the Qt-free layers show.
std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1);

// The count that picks a text's plural form. Counts beyond an int's range take the form of the
// largest rather than wrapping.
template <std::integral Count> constexpr int pluralCount(Count count) {
    if (std::cmp_less(count, 0))
        return 0;
    return std::cmp_greater(count, INT_MAX) ? INT_MAX : static_cast<int>(count);
}

// The template with %1 to %9 replaced by the arguments, wherever a translation has put them.
std::string formatted(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace marklode
