#include "core/gpi/GPIReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        marklode::GPIContents contents = marklode::GPIReader::read({data, size});
        (void)contents.poiCount();
    } catch (const marklode::GPIReaderError&) {
    }
    return 0;
}
