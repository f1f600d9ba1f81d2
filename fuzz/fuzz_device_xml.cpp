#include "core/devices/DeviceScanner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto model = marklode::DeviceScanner::modelName(std::span<const std::uint8_t>(data, size));
    // A model name is always trimmed and never empty.
    if (model && model->empty())
        __builtin_trap();
    return 0;
}
