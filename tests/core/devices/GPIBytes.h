#pragma once

#include "core/io/FileSystem.h"

#include <string>
#include <utility>
#include <vector>

namespace marklode::test {

// A small .gpi file with the record structure the reader checks: per category a name and one
// area holding that many waypoints.
inline Bytes gpiFile(const std::vector<std::pair<std::string, int>>& categories) {
    Bytes out;
    auto u16 = [&](unsigned value) {
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
        out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    };
    auto u32 = [&](std::size_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    };
    auto text = [&](std::string_view bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); };

    u16(0), u16(0), u32(8), text("GRMREC00");
    for (const auto& [name, waypoints] : categories) {
        std::size_t nameLength = 8 + name.size();
        std::size_t areaLength = 4 + 8 * static_cast<std::size_t>(waypoints);
        std::size_t main = nameLength + 12 + areaLength;
        u16(9), u16(8), u32(main), u32(main);
        u32(4 + name.size()), text("EN"), u16(static_cast<unsigned>(name.size())), text(name);
        u16(8), u16(8), u32(areaLength), u32(4), u32(0);
        for (int i = 0; i < waypoints; ++i)
            u16(2), u16(0), u32(0);
    }
    u16(0xFFFF), u16(0), u32(0);
    return out;
}

// The same file grown to exactly size bytes by a record the reader skips.
inline Bytes paddedTo(Bytes gpi, std::size_t size) {
    std::size_t filler = size - gpi.size() - 8;
    Bytes record = {0x07, 0x00, 0x00, 0x00};
    for (int shift = 0; shift < 32; shift += 8)
        record.push_back(static_cast<std::uint8_t>((filler >> shift) & 0xFF));
    record.resize(record.size() + filler, 0);
    gpi.insert(gpi.end() - 8, record.begin(), record.end());
    return gpi;
}

} // namespace marklode::test
