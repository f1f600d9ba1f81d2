#include "core/gpi/GPIReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

// Reading POIs checks more than counting does, so whatever it accepts, counting must accept with
// the same counts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> bytes(data, size);
    std::optional<marklode::GPIContents> counted;
    try {
        counted = marklode::GPIReader::read(bytes);
    } catch (const marklode::GPIReaderError&) {
    }
    try {
        marklode::GPIContents withPOIs = marklode::GPIReader::readWithPOIs(bytes);
        for (auto& category : withPOIs.categories)
            category.pois.clear();
        if (!counted || withPOIs != *counted)
            std::abort();
    } catch (const marklode::GPIReaderError&) {
    }
    return 0;
}
