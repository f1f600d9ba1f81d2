#include "models/Appcast.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArrayView xml(data, static_cast<qsizetype>(size));
    marklode::AppcastParse parsed =
        marklode::parseAppcast(xml, QUrl(QStringLiteral("https://marklode.example/appcast.xml")));
    // A feed that can't be read as a whole offers nothing.
    if (parsed.error && !parsed.items.empty())
        __builtin_trap();
    (void)marklode::newestApplicable(parsed.items);
    return 0;
}
