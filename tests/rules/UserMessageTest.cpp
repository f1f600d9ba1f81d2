#include "rules/UserMessage.h"

#include "core/gpi/GPIIconError.h"
#include "core/gpi/GPIWriterError.h"
#include "core/import/ImportError.h"
#include "core/io/FileError.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace marklode;

namespace {

template <typename E> std::string wording(E error) {
    return userMessage(std::make_exception_ptr(std::move(error)));
}

FileError fileError(FileError::Operation operation, int code) {
    return FileError(operation, code, "/somewhere/file.csv");
}

} // namespace

TEST(UserMessageTest, WordsEveryKnownError) {
    using Op = FileError::Operation;
    struct Case {
        std::exception_ptr error;
        std::string text;
    };
    const Case cases[] = {
        {std::make_exception_ptr(ImportError::invalidXML(12, "mismatched tag")),
         "This GPX file is damaged or not valid XML (problem near line 12)."},
        {std::make_exception_ptr(ImportError::invalidXML(0, "")),
         "This GPX file is damaged or not valid XML (problem near line 0)."},
        {std::make_exception_ptr(ImportError::invalidXML(3, "x", ImportError::Document::kml)),
         "This KML file is damaged or not valid XML (problem near line 3)."},
        {std::make_exception_ptr(ImportError::invalidXML(4, "x", ImportError::Document::kmlInKMZ)),
         "The KML document inside this KMZ file is damaged or not valid XML (problem near line "
         "4)."},
        {std::make_exception_ptr(
             ImportError::invalidKMZ(ImportError::InvalidKMZ::Problem::damaged)),
         "This KMZ file is damaged or not a zip archive. Save or export it again and try again."},
        {std::make_exception_ptr(
             ImportError::invalidKMZ(ImportError::InvalidKMZ::Problem::noDocument)),
         "This KMZ file holds no KML document, so it has no places to import."},
        {std::make_exception_ptr(ImportError::invalidKMZ(
             ImportError::InvalidKMZ::Problem::documentTooLarge, std::uint64_t{1} << 30)),
         "The KML document inside this KMZ file unpacks to more than 1.07 GB, more than "
         "Marklode reads. Split it into smaller files."},
        {std::make_exception_ptr(ImportError::invalidJSON(7, "TAPE_ERROR")),
         "This GeoJSON file is damaged or not valid JSON (problem near line 7)."},
        {std::make_exception_ptr(ImportError::invalidJSON(0, "UNCLOSED_STRING")),
         "This GeoJSON file is damaged or not valid JSON."},
        {std::make_exception_ptr(ImportError::jsonNotUTF8()),
         "This GeoJSON file's text is not UTF-8, as JSON must be. Save it as UTF-8 and try again."},
        {std::make_exception_ptr(ImportError::notGeoJSON("")),
         "This file is not GeoJSON. Marklode reads a GeoJSON FeatureCollection or a single "
         "Feature."},
        {std::make_exception_ptr(ImportError::notGeoJSON("FeatureCollection")),
         "This GeoJSON FeatureCollection has no list of features."},
        {std::make_exception_ptr(ImportError::notGeoJSON("Topology")),
         "This file holds a \u201CTopology\u201D, but Marklode reads only a GeoJSON "
         "FeatureCollection or a single Feature."},
        {std::make_exception_ptr(ImportError::unreadableText()),
         "The file's text could not be read. Save it as UTF-8 or Windows-1252 and try again."},
        {std::make_exception_ptr(fileError(Op::read, EACCES)),
         "Marklode doesn't have permission to read this file."},
        {std::make_exception_ptr(fileError(Op::read, EPERM)),
         "Marklode doesn't have permission to read this file."},
        {std::make_exception_ptr(fileError(Op::write, EACCES)),
         "Marklode doesn't have permission to save there. Choose another folder."},
        {std::make_exception_ptr(fileError(Op::read, ENOENT)), "The file no longer exists."},
        // A missing folder when writing is not "no longer exists": it falls through.
        {std::make_exception_ptr(fileError(Op::write, ENOENT)),
         "Something went wrong: No such file or directory."},
        {std::make_exception_ptr(fileError(Op::read, EISDIR)),
         "Something went wrong: Is a directory."},
        {std::make_exception_ptr(GPIWriterError::tooManyCategories(65'537)),
         "A Garmin file can hold at most 65536 categories, but this one would have 65537. Use "
         "fewer files."},
        {std::make_exception_ptr(GPIWriterError::categoryTooLarge("Stops", 4'294'967'296)),
         "\u201CStops\u201D would take 4.294967296 GB in a Garmin file, but a category can take "
         "at most 4.294967295 GB. Split its POIs into smaller files."},
        {std::make_exception_ptr(GPIWriterError::categoryTooLarge("Stops", 5'000'000'000)),
         "\u201CStops\u201D would take 5 GB in a Garmin file, but a category can take at most "
         "4.29 GB. Split its POIs into smaller files."},
        {std::make_exception_ptr(GPIIconError::unsupportedBitDepth(32)),
         "The icon can't be used. The icon must be a 24-bit BMP; this one is 32-bit. Use a "
         "24-bit BMP of at most 24\u00D724 pixels."},
        {std::make_exception_ptr(GPIIconError::notAnImage()),
         "The icon can't be used. The icon is not a PNG, JPEG or BMP file. Use a PNG or JPEG "
         "image, or a 24-bit BMP of at most 24\u00D724 pixels."},
        {std::make_exception_ptr(GPIIconError::damaged(ImageFormat::png)),
         "The icon can't be used. The PNG file is damaged or incomplete. Save it again from an "
         "image editor, or use another image."},
        {std::make_exception_ptr(GPIIconError::tooLarge(5000, 20)),
         "The icon can't be used. The image must be at most 4096x4096 pixels; this one is "
         "5000x20. Use a smaller image."},
        {std::make_exception_ptr(std::runtime_error("boom")), "Something went wrong: boom"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(userMessage(c.error), c.text);
}
