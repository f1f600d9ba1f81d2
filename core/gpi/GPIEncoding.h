#pragma once

#include <cstdint>

namespace marklode {

// The text encoding of a whole file, stored as its code page in the format record.
enum class GPIEncoding { windows1252, utf8 };

constexpr std::uint16_t codePage(GPIEncoding encoding) {
    return encoding == GPIEncoding::utf8 ? 65001 : 1252;
}

} // namespace marklode
