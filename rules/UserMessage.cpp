#include "rules/UserMessage.h"

#include "core/devices/DeviceTransferError.h"
#include "core/devices/RestoreError.h"
#include "core/gpi/CoordinateFormat.h"
#include "core/gpi/GPIIconError.h"
#include "core/gpi/GPIReader.h"
#include "core/gpi/GPIWriter.h"
#include "core/gpi/GPIWriterError.h"
#include "core/import/ImportError.h"
#include "core/io/FileError.h"
#include "core/text/ByteCount.h"
#include "core/text/CurlyQuotes.h"
#include "core/text/Translation.h"
#include "rules/LibraryMessages.h"
#include "rules/LoadError.h"
#include "rules/ProximityRule.h"
#include "rules/TransferMessages.h"

namespace marklode {

namespace {

std::string importMessage(const ImportError& error) {
    using Document = ImportError::Document;
    if (const auto* xml = std::get_if<ImportError::InvalidXML>(&error.kind)) {
        const std::string line = std::to_string(xml->line);
        switch (xml->document) {
        case Document::gpx:
            return formatted(translate("UserMessage", "This GPX file is damaged or not valid XML "
                                                      "(problem near line %1)."),
                             {line});
        case Document::kml:
            return formatted(translate("UserMessage", "This KML file is damaged or not valid XML "
                                                      "(problem near line %1)."),
                             {line});
        case Document::kmlInKMZ:
            return formatted(translate("UserMessage",
                                       "The KML document inside this KMZ file is damaged or not "
                                       "valid XML (problem near line %1)."),
                             {line});
        }
    }
    if (const auto* kmz = std::get_if<ImportError::InvalidKMZ>(&error.kind)) {
        using Problem = ImportError::InvalidKMZ::Problem;
        switch (kmz->problem) {
        case Problem::damaged:
            return translate("UserMessage", "This KMZ file is damaged or not a zip archive. Save "
                                            "or export it again and try again.");
        case Problem::noDocument:
            return translate("UserMessage", "This KMZ file holds no KML document, so it has no "
                                            "places to import.");
        case Problem::documentTooLarge:
            return formatted(
                translate("UserMessage",
                          "The KML document inside this KMZ file unpacks to more than %1, more "
                          "than Marklode reads. Split it into smaller files."),
                {formattedByteCount(static_cast<std::int64_t>(kmz->limitBytes))});
        }
    }
    if (const auto* json = std::get_if<ImportError::InvalidJSON>(&error.kind))
        return json->line > 0
                   ? formatted(translate("UserMessage", "This GeoJSON file is damaged or not "
                                                        "valid JSON (problem near line %1)."),
                               {std::to_string(json->line)})
                   : translate("UserMessage", "This GeoJSON file is damaged or not valid JSON.");
    if (std::holds_alternative<ImportError::JSONNotUTF8>(error.kind))
        return translate("UserMessage", "This GeoJSON file's text is not UTF-8, as JSON must be. "
                                        "Save it as UTF-8 and try again.");
    if (const auto* other = std::get_if<ImportError::NotGeoJSON>(&error.kind)) {
        if (other->type.empty())
            return translate("UserMessage", "This file is not GeoJSON. Marklode reads a GeoJSON "
                                            "FeatureCollection or a single Feature.");
        if (other->type == "FeatureCollection")
            return translate("UserMessage",
                             "This GeoJSON FeatureCollection has no list of features.");
        //: %1 is the GeoJSON type the file holds, such as "Point".
        return formatted(translate("UserMessage",
                                   "This file holds a %1, but Marklode reads only a GeoJSON "
                                   "FeatureCollection or a single Feature."),
                         {curlyQuoted(other->type)});
    }
    return translate("UserMessage", "The file's text could not be read. Save it as UTF-8 or "
                                    "Windows-1252 and try again.");
}

std::string writerMessage(const GPIWriterError& error) {
    using E = GPIWriterError;
    if (const auto* coordinate = std::get_if<E::InvalidCoordinate>(&error.kind))
        //: %1 is the POI's name, %2 and %3 its latitude and longitude.
        return formatted(translate("UserMessage", "%1 has an invalid position (%2, %3)."),
                         {curlyQuoted(coordinate->name), formatCoordinate(coordinate->latitude),
                          formatCoordinate(coordinate->longitude)});
    if (std::holds_alternative<E::StringTooLong>(error.kind))
        return translate("UserMessage", "A name or comment is too long to store in a Garmin file.");
    if (const auto* alert = std::get_if<E::InvalidAlertValue>(&error.kind))
        return formatted(
            translate("UserMessage", "%1 has a speed or distance that is too large or negative."),
            {curlyQuoted(alert->name)});
    if (const auto* many = std::get_if<E::TooManyCategories>(&error.kind))
        return formatted(translate("UserMessage",
                                   "A Garmin file can hold at most %1 categories, but this one "
                                   "would have %2. Use fewer files."),
                         {std::to_string(GPIWriter::maxCategories), std::to_string(many->count)});
    if (const auto* large = std::get_if<E::CategoryTooLarge>(&error.kind)) {
        auto [length, most] = distinctByteCounts(static_cast<std::int64_t>(large->length),
                                                 GPIWriter::maxCategoryLength);
        //: %1 is the category's name, %2 and %3 sizes such as "1.2 MB".
        return formatted(translate("UserMessage",
                                   "%1 would take %2 in a Garmin file, but a category can take "
                                   "at most %3. Split its POIs into smaller files."),
                         {curlyQuoted(large->name), length, most});
    }
    return translate("UserMessage", "Enter a category name before saving.");
}

std::string restoreMessage(const RestoreError& error) {
    using E = RestoreError;
    if (const auto* damaged = std::get_if<E::Damaged>(&error.kind))
        return formatted(translate("UserMessage",
                                   "The backup %1 is damaged or not a Garmin POI file, so "
                                   "nothing was changed on the device."),
                         {curlyQuoted(damaged->backup)});
    if (const auto* unreadable = std::get_if<E::Unreadable>(&error.kind))
        //: %2 is the system's own description of the error.
        return formatted(translate("UserMessage", "The backup %1 couldn't be read, so nothing "
                                                  "was changed on the device. %2"),
                         {curlyQuoted(unreadable->backup), unreadable->detail});
    if (const auto* none = std::get_if<E::NoBackups>(&error.kind))
        return noBackupsMessage(none->device);
    const auto& unknown = std::get<E::UnknownBackup>(error.kind);
    //: %1 is the name of a backup, %2 the device's name.
    return formatted(translate("UserMessage", "%1 is not one of the backups of %2."),
                     {curlyQuoted(unknown.backup), curlyQuoted(unknown.device)});
}

// What to use instead: a BMP's own limits for a BMP, the formats an icon can be for anything
// else, since a PNG or JPEG is scaled down to fit.
std::string iconAdvice(const GPIIconError& error) {
    using E = GPIIconError;
    if (error.isAboutBMP())
        return translate("UserMessage", "Use a 24-bit BMP of at most 24×24 pixels.");
    if (std::holds_alternative<E::TooLarge>(error.kind))
        return translate("UserMessage", "Use a smaller image.");
    if (std::holds_alternative<E::Damaged>(error.kind))
        return translate("UserMessage",
                         "Save it again from an image editor, or use another image.");
    return translate("UserMessage",
                     "Use a PNG or JPEG image, or a 24-bit BMP of at most 24×24 pixels.");
}

bool isPermissionError(const std::error_code& code) {
    return code == std::errc::permission_denied || code == std::errc::operation_not_permitted;
}

std::string fileMessage(const FileError& error) {
    if (error.code() == FileProblem::notRegularFile)
        return translate("UserMessage",
                         "Marklode reads only regular files, not pipes, devices or sockets.");
    if (error.code() == FileProblem::tooLarge)
        return translate("UserMessage", "The file is too large for Marklode to read.");
    if (isPermissionError(error.code()))
        return error.operation == FileError::Operation::read
                   ? translate("UserMessage", "Marklode doesn't have permission to read this file.")
                   : translate("UserMessage", "Marklode doesn't have permission to save there. "
                                              "Choose another folder.");
    if (error.operation == FileError::Operation::read &&
        error.code() == std::errc::no_such_file_or_directory)
        return translate("UserMessage", "The file no longer exists.");
    //: %1 is the system's own description of the error.
    return formatted(translate("UserMessage", "Something went wrong: %1."),
                     {error.code().message()});
}

} // namespace

std::string userMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const GPIIconError& iconError) {
        //: %1 says what is wrong with the icon, %2 what to use instead.
        return formatted(translate("UserMessage", "The icon can't be used. %1 %2"),
                         {iconError.description(), iconAdvice(iconError)});
    } catch (const ImportError& importError) {
        return importMessage(importError);
    } catch (const GPIWriterError& writerError) {
        return writerMessage(writerError);
    } catch (const FileError& fileError) {
        return fileMessage(fileError);
    } catch (const DeviceTransferError& transferError) {
        return transferError.description();
    } catch (const RestoreError& restoreError) {
        return restoreMessage(restoreError);
    } catch (const GPIReaderError&) {
        return translate("UserMessage", "The Garmin file Marklode built is damaged, so nothing "
                                        "was written. Please report this.");
    } catch (const LoadError& loadError) {
        return loadError.message;
    } catch (const FixedProximityError& proximityError) {
        return fixedProximityRangeMessage(proximityError.unit);
    } catch (const std::exception& other) {
        //: %1 is the program's own description of the error.
        return formatted(translate("UserMessage", "Something went wrong: %1"), {other.what()});
    } catch (...) {
        return translate("UserMessage", "Something went wrong: an unknown error occurred.");
    }
}

} // namespace marklode
