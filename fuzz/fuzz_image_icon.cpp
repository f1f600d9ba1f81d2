#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIIconError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        marklode::GPIIcon icon = marklode::GPIIcon::fromImage({data, size});
        if (icon.width() < 1 || icon.width() > marklode::GPIIcon::maxSide || icon.height() < 1 ||
            icon.height() > marklode::GPIIcon::maxSide ||
            icon.pixelsBGR().size() != static_cast<std::size_t>(3 * icon.width() * icon.height()))
            std::abort();
    } catch (const marklode::GPIIconError& error) {
        (void)error.description();
    }
    return 0;
}
