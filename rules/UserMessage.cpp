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
#include "rules/LibraryMessages.h"
#include "rules/LoadError.h"
#include "rules/ProximityRule.h"
#include "rules/TransferMessages.h"

namespace marklode {

namespace {

std::string importMessage(const ImportError& error) {
    using Document = ImportError::Document;
    if (const auto* xml = std::get_if<ImportError::InvalidXML>(&error.kind)) {
        std::string where = " (problem near line " + std::to_string(xml->line) + ").";
        switch (xml->document) {
        case Document::gpx:
            return "This GPX file is damaged or not valid XML" + where;
        case Document::kml:
            return "This KML file is damaged or not valid XML" + where;
        case Document::kmlInKMZ:
            return "The KML document inside this KMZ file is damaged or not valid XML" + where;
        }
    }
    if (const auto* kmz = std::get_if<ImportError::InvalidKMZ>(&error.kind)) {
        using Problem = ImportError::InvalidKMZ::Problem;
        switch (kmz->problem) {
        case Problem::damaged:
            return "This KMZ file is damaged or not a zip archive. Save or export it again and "
                   "try again.";
        case Problem::noDocument:
            return "This KMZ file holds no KML document, so it has no places to import.";
        case Problem::documentTooLarge:
            return "The KML document inside this KMZ file unpacks to more than " +
                   formattedByteCount(static_cast<std::int64_t>(kmz->limitBytes)) +
                   ", more than Marklode reads. Split it into smaller files.";
        }
    }
    if (const auto* json = std::get_if<ImportError::InvalidJSON>(&error.kind))
        return json->line > 0
                   ? "This GeoJSON file is damaged or not valid JSON (problem near line " +
                         std::to_string(json->line) + ")."
                   : "This GeoJSON file is damaged or not valid JSON.";
    if (std::holds_alternative<ImportError::JSONNotUTF8>(error.kind))
        return "This GeoJSON file's text is not UTF-8, as JSON must be. Save it as UTF-8 and try "
               "again.";
    if (const auto* other = std::get_if<ImportError::NotGeoJSON>(&error.kind)) {
        if (other->type.empty())
            return "This file is not GeoJSON. Marklode reads a GeoJSON FeatureCollection or a "
                   "single Feature.";
        if (other->type == "FeatureCollection")
            return "This GeoJSON FeatureCollection has no list of features.";
        return "This file holds a " + curlyQuoted(other->type) +
               ", but Marklode reads only a GeoJSON FeatureCollection or a single Feature.";
    }
    return "The file's text could not be read. Save it as UTF-8 or Windows-1252 and try again.";
}

std::string writerMessage(const GPIWriterError& error) {
    using E = GPIWriterError;
    if (const auto* coordinate = std::get_if<E::InvalidCoordinate>(&error.kind))
        return curlyQuoted(coordinate->name) + " has an invalid position (" +
               formatCoordinate(coordinate->latitude) + ", " +
               formatCoordinate(coordinate->longitude) + ").";
    if (std::holds_alternative<E::StringTooLong>(error.kind))
        return "A name or comment is too long to store in a Garmin file.";
    if (const auto* alert = std::get_if<E::InvalidAlertValue>(&error.kind))
        return curlyQuoted(alert->name) + " has a speed or distance that is too large or negative.";
    if (const auto* many = std::get_if<E::TooManyCategories>(&error.kind))
        return "A Garmin file can hold at most " + std::to_string(GPIWriter::maxCategories) +
               " categories, but this one would have " + std::to_string(many->count) +
               ". Use fewer files.";
    if (const auto* large = std::get_if<E::CategoryTooLarge>(&error.kind)) {
        auto [length, most] = distinctByteCounts(static_cast<std::int64_t>(large->length),
                                                 GPIWriter::maxCategoryLength);
        return curlyQuoted(large->name) + " would take " + length +
               " in a Garmin file, but a category can take at most " + most +
               ". Split its POIs into smaller files.";
    }
    return "Enter a category name before saving.";
}

std::string restoreMessage(const RestoreError& error) {
    using E = RestoreError;
    if (const auto* damaged = std::get_if<E::Damaged>(&error.kind))
        return "The backup " + curlyQuoted(damaged->backup) +
               " is damaged or not a Garmin POI file, so nothing was changed on the device.";
    if (const auto* unreadable = std::get_if<E::Unreadable>(&error.kind))
        return "The backup " + curlyQuoted(unreadable->backup) +
               " couldn't be read, so nothing was changed on the device. " + unreadable->detail;
    if (const auto* none = std::get_if<E::NoBackups>(&error.kind))
        return noBackupsMessage(none->device);
    const auto& unknown = std::get<E::UnknownBackup>(error.kind);
    return curlyQuoted(unknown.backup) + " is not one of the backups of " +
           curlyQuoted(unknown.device) + ".";
}

// What to use instead: a BMP's own limits for a BMP, the formats an icon can be for anything
// else, since a PNG or JPEG is scaled down to fit.
std::string iconAdvice(const GPIIconError& error) {
    using E = GPIIconError;
    if (error.isAboutBMP())
        return "Use a 24-bit BMP of at most 24\u00D724 pixels.";
    if (std::holds_alternative<E::TooLarge>(error.kind))
        return "Use a smaller image.";
    if (std::holds_alternative<E::Damaged>(error.kind))
        return "Save it again from an image editor, or use another image.";
    return "Use a PNG or JPEG image, or a 24-bit BMP of at most 24\u00D724 pixels.";
}

bool isPermissionError(const std::error_code& code) {
    return code == std::errc::permission_denied || code == std::errc::operation_not_permitted;
}

std::string fileMessage(const FileError& error) {
    if (error.code() == FileProblem::notRegularFile)
        return "Marklode reads only regular files, not pipes, devices or sockets.";
    if (error.code() == FileProblem::tooLarge)
        return "The file is too large for Marklode to read.";
    if (isPermissionError(error.code()))
        return error.operation == FileError::Operation::read
                   ? "Marklode doesn't have permission to read this file."
                   : "Marklode doesn't have permission to save there. Choose another folder.";
    if (error.operation == FileError::Operation::read &&
        error.code() == std::errc::no_such_file_or_directory)
        return "The file no longer exists.";
    return "Something went wrong: " + error.code().message() + ".";
}

} // namespace

std::string userMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const GPIIconError& iconError) {
        return "The icon can't be used. " + iconError.description() + " " + iconAdvice(iconError);
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
        return "The Garmin file Marklode built is damaged, so nothing was written. Please report "
               "this.";
    } catch (const LoadError& loadError) {
        return loadError.message;
    } catch (const FixedProximityError& proximityError) {
        return fixedProximityRangeMessage(proximityError.unit);
    } catch (const std::exception& other) {
        return std::string("Something went wrong: ") + other.what();
    } catch (...) {
        return "Something went wrong: an unknown error occurred.";
    }
}

} // namespace marklode
