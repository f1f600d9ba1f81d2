#include "core/devices/DeviceScanner.h"

#include "core/import/XMLChunks.h"
#include "core/text/UnicodeText.h"

#include <algorithm>
#include <climits>
#include <expat.h>
#include <memory>

namespace marklode {

namespace {

std::string lowercasedASCII(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

// With namespace processing expat reports "uri<sep>local"; only the local name is compared.
constexpr XML_Char namespaceSeparator = ' ';

std::string_view localName(const XML_Char* name) {
    std::string_view full(name);
    std::size_t separator = full.rfind(namespaceSeparator);
    return separator == std::string_view::npos ? full : full.substr(separator + 1);
}

struct Finder {
    XML_Parser parser = nullptr;
    std::vector<std::string> path;
    std::string text;
    std::optional<std::string> result;
    int cdataDepth = 0;   // text inside CDATA sections is not collected
    bool tooDeep = false; // stopped: the end tags expat may still report match nothing

    static void XMLCALL start(void* data, const XML_Char* name, const XML_Char**) {
        auto* finder = static_cast<Finder*>(data);
        if (finder->path.size() == DeviceScanner::maxDeviceXMLDepth) {
            finder->tooDeep = true;
            XML_StopParser(finder->parser, XML_FALSE);
            return;
        }
        finder->path.emplace_back(localName(name));
        finder->text.clear();
    }

    static void XMLCALL characters(void* data, const XML_Char* chars, int length) {
        auto* finder = static_cast<Finder*>(data);
        if (finder->cdataDepth == 0)
            finder->text.append(chars, static_cast<std::size_t>(length));
    }

    static void XMLCALL end(void* data, const XML_Char*) {
        auto* finder = static_cast<Finder*>(data);
        if (finder->tooDeep)
            return;
        auto& path = finder->path;
        if (!finder->result && path.size() >= 2 && path[path.size() - 2] == "Model" &&
            path.back() == "Description") {
            std::string model = unicode::trimmed(finder->text);
            if (!model.empty()) {
                finder->result = std::move(model);
                XML_StopParser(finder->parser, XML_FALSE);
            }
        }
        if (!path.empty())
            path.pop_back();
    }

    static void XMLCALL startCDATA(void* data) { ++static_cast<Finder*>(data)->cdataDepth; }
    static void XMLCALL endCDATA(void* data) { --static_cast<Finder*>(data)->cdataDepth; }
};

} // namespace

std::optional<std::string> DeviceScanner::modelName(std::span<const std::uint8_t> deviceXML) {
    std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreateNS(nullptr, namespaceSeparator), XML_ParserFree);
    if (!parser)
        return std::nullopt;
    Finder finder;
    finder.parser = parser.get();
    XML_SetUserData(parser.get(), &finder);
    XML_SetElementHandler(parser.get(), Finder::start, Finder::end);
    XML_SetCharacterDataHandler(parser.get(), Finder::characters);
    XML_SetCdataSectionHandler(parser.get(), Finder::startCDATA, Finder::endCDATA);

    // An error or the stop after a match ends the parse: either way the answer is final.
    parseInChunks(parser.get(), std::string_view(reinterpret_cast<const char*>(deviceXML.data()),
                                                 deviceXML.size()));
    return finder.result;
}

std::optional<GarminDevice> DeviceScanner::device(const Path& volumeURL) const {
    std::vector<Path> entries;
    try {
        entries = fs->contentsOfDirectory(volumeURL);
    } catch (...) {
        return std::nullopt;
    }
    auto garmin = std::find_if(entries.begin(), entries.end(), [&](const Path& entry) {
        return lowercasedASCII(entry.filename().string()) == "garmin" && fs->isDirectory(entry);
    });
    if (garmin == entries.end())
        return std::nullopt;

    GarminDevice device{volumeURL, *garmin, std::nullopt, false};
    std::vector<Path> garminEntries;
    try {
        garminEntries = fs->contentsOfDirectory(device.garminFolder);
    } catch (...) {
        return device;
    }
    auto xml = std::find_if(garminEntries.begin(), garminEntries.end(), [](const Path& entry) {
        return lowercasedASCII(entry.filename().string()) == "garmindevice.xml";
    });
    if (xml == garminEntries.end())
        return device;
    device.hasDeviceXML = true;
    try {
        device.modelName = modelName(fs->readData(*xml, maxDeviceXMLBytes));
    } catch (...) {
        // An unreadable description leaves the model unknown; the volume name is shown instead.
    }
    return device;
}

std::vector<GarminDevice> DeviceScanner::scan(const std::vector<Path>& volumes) const {
    std::vector<GarminDevice> devices;
    for (const Path& volume : volumes)
        if (auto found = device(volume))
            devices.push_back(std::move(*found));
    return devices;
}

} // namespace marklode
