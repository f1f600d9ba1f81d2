#include "core/devices/DeviceScanner.h"

#include "MemoryFileSystem.h"
#include "core/io/LocalFileSystem.h"
#include "support/TempDir.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace marklode;
using marklode::test::MemoryFileSystem;
using marklode::test::TempDir;

namespace {

std::optional<std::string> modelOf(std::string_view xml) {
    Bytes bytes(xml.begin(), xml.end());
    return DeviceScanner::modelName(bytes);
}

// Model/Description below `wrappers` elements.
std::string nested(std::size_t wrappers) {
    std::string xml;
    for (std::size_t i = 0; i < wrappers; ++i)
        xml += "<a>";
    return xml + "<Model><Description>Deep</Description></Model>";
}

} // namespace

TEST(DeviceScannerTest, ModelNameFromDescriptionFile) {
    struct Case {
        const char* name;
        std::string xml;
        std::optional<std::string> model;
    };
    const std::string ns = R"(xmlns="http://www.garmin.com/xmlschemas/GarminDevice/v2")";
    const Case cases[] = {
        {"plain", "<Device><Model><Description>nüvi 2595</Description></Model></Device>",
         "nüvi 2595"},
        {"default namespace",
         "<Device " + ns + "><Model><Description>Drive 52</Description></Model></Device>",
         "Drive 52"},
        {"prefixed names",
         R"(<g:Device xmlns:g="urn:x"><g:Model><g:Description>Zumo</g:Description></g:Model></g:Device>)",
         "Zumo"},
        {"spaces and a line break trimmed",
         "<Device><Model><Description>   Camper 890\n</Description></Model></Device>",
         "Camper 890"},
        {"blank first match, second wins",
         "<D><Model><Description> \n\t</Description></Model>"
         "<Model><Description>Second</Description></Model></D>",
         "Second"},
        {"first non-empty match wins",
         "<D><Model><Description>First</Description></Model>"
         "<Model><Description>Second</Description></Model></D>",
         "First"},
        {"Description not directly in Model",
         "<Device><Model><Extensions><Description>No</Description></Extensions></Model></Device>",
         std::nullopt},
        {"Description beside Model", "<Device><Model/><Description>No</Description></Device>",
         std::nullopt},
        {"names compared with case",
         "<Device><model><description>No</description></model></Device>", std::nullopt},
        {"match at any depth",
         "<a><b><c><Model><Description>Deep</Description></Model></c></b></a>", "Deep"},
        {"text since the last element start",
         "<D><Model><Description>Head<b>x</b>Tail</Description></Model></D>", "xTail"},
        {"entities decoded", "<D><Model><Description>A &amp; B</Description></Model></D>", "A & B"},
        {"CDATA not collected",
         "<D><Model><Description><![CDATA[Hidden]]></Description></Model></D>", std::nullopt},
        {"not XML", "this is not xml", std::nullopt},
        {"empty", "", std::nullopt},
        {"found before a later error", "<D><Model><Description>Early</Description></Model><<<",
         "Early"},
        {"error before the match", "<D><Model><Description>Late</Model></D>", std::nullopt},
        {"no external entity is fetched",
         R"(<!DOCTYPE D [<!ENTITY e SYSTEM "file:///etc/passwd">]>)"
         "<D><Model><Description>&e;</Description></Model></D>",
         std::nullopt},
        {"nested as deep as allowed", nested(DeviceScanner::maxDeviceXMLDepth - 2), "Deep"},
        {"nested deeper than allowed", nested(DeviceScanner::maxDeviceXMLDepth - 1), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(modelOf(c.xml), c.model) << c.name;
}

TEST(DeviceScannerTest, RecognisesVolumesAndReadsTheirModels) {
    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addFile("/v/upper/GARMIN/GarminDevice.XML",
                "<Device><Model><Description>  Drive 53\n</Description></Model></Device>");
    fs->addFile("/v/fileonly/Garmin", "not a folder");
    fs->addDirectory("/v/plain/Garmin");
    fs->addFile("/v/broken/garmin/garmindevice.xml", "<<not xml");
    fs->addFile("/v/nomodel/Garmin/GarminDevice.xml", "<Device><Id>1</Id></Device>");
    fs->addFile("/v/both/Garmin", "a file named like the folder");
    fs->addDirectory("/v/both/garmin");
    fs->addDirectory("/v/empty");
    DeviceScanner scanner(fs);

    struct Case {
        const char* volume;
        std::optional<GarminDevice> device;
    };
    const Case cases[] = {
        {"/v/upper", GarminDevice{"/v/upper", "/v/upper/GARMIN", "Drive 53", true}},
        {"/v/fileonly", std::nullopt},
        {"/v/plain", GarminDevice{"/v/plain", "/v/plain/Garmin", std::nullopt, false}},
        {"/v/broken", GarminDevice{"/v/broken", "/v/broken/garmin", std::nullopt, true}},
        {"/v/nomodel", GarminDevice{"/v/nomodel", "/v/nomodel/Garmin", std::nullopt, true}},
        {"/v/both", GarminDevice{"/v/both", "/v/both/garmin", std::nullopt, false}},
        {"/v/empty", std::nullopt},
        {"/v/missing", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scanner.device(c.volume), c.device) << c.volume;

    GarminDevice upper = *scanner.device("/v/upper");
    EXPECT_EQ(upper.poiFileURL(), Path("/v/upper/GARMIN/POI/poi.gpi"));
    EXPECT_EQ(upper.displayName(), "Drive 53");
    EXPECT_EQ(scanner.device("/v/broken")->displayName(), "broken");

    auto devices = scanner.scan({"/v/upper", "/v/empty", "/v/plain"});
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].volumeURL, Path("/v/upper"));
    EXPECT_EQ(devices[1].volumeURL, Path("/v/plain"));
}

TEST(DeviceScannerTest, UnreadableGarminFolderOrDescriptionDegradesSilently) {
    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addFile("/v/g/Garmin/GarminDevice.xml",
                "<Device><Model><Description>X</Description></Model></Device>");
    DeviceScanner scanner(fs);
    fs->failCall(MemoryFileSystem::Op::contentsOfDirectory, 2);
    EXPECT_EQ(scanner.device("/v/g"), (GarminDevice{"/v/g", "/v/g/Garmin", std::nullopt, false}));
    fs->failCall(MemoryFileSystem::Op::readData, 1);
    EXPECT_EQ(scanner.device("/v/g"), (GarminDevice{"/v/g", "/v/g/Garmin", std::nullopt, true}));
    EXPECT_EQ(scanner.device("/v/g")->modelName, "X");
}

// A description file that is a pipe, a device or huge would hang or exhaust the scan: it is
// left unread and the device shows under its volume name.
TEST(DeviceScannerTest, HazardousDescriptionFilesAreLeftUnread) {
    const std::string model = "<Device><Model><Description>X</Description></Model></Device>";
    const std::function<void(const Path&)> hazards[] = {
        [](const Path& xml) { ASSERT_EQ(::mkfifo(xml.c_str(), 0644), 0); },
        [](const Path& xml) { std::filesystem::create_symlink("/dev/zero", xml); },
        [&](const Path& xml) {
            std::ofstream(xml) << model << std::string(DeviceScanner::maxDeviceXMLBytes, ' ');
        },
    };
    for (const auto& plant : hazards) {
        TempDir dir;
        std::filesystem::create_directories(dir / "vol/Garmin");
        plant(dir / "vol/Garmin/GarminDevice.xml");
        EXPECT_EQ(DeviceScanner(localFileSystem()).device(dir / "vol"),
                  (GarminDevice{dir / "vol", dir / "vol/Garmin", std::nullopt, true}));
    }
}
