#include "core/devices/ErrorDescription.h"

#include "core/gpi/GPIReader.h"
#include "core/io/FileError.h"
#include "core/text/Translation.h"

#include <system_error>

namespace marklode {

std::string errorDescription(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::system_error& systemError) { // FileError included
        // The reader's own reasons are worded here, the operating system words its errors.
        if (systemError.code() == FileProblem::notRegularFile)
            return translate("ErrorDescription", "Not a regular file");
        if (systemError.code() == FileProblem::tooLarge)
            return translate("ErrorDescription", "File too large");
        return systemError.code().message();
    } catch (const GPIReaderError& readerError) {
        if (const auto* damaged = std::get_if<GPIReaderError::Damaged>(&readerError.kind))
            return formatted(translate("ErrorDescription", "The file is damaged at byte %1."),
                             {std::to_string(damaged->offset)});
        return translate("ErrorDescription", "The file is not a Garmin POI file.");
    } catch (const std::exception& other) {
        return other.what();
    } catch (...) {
        return translate("ErrorDescription", "An unknown error occurred.");
    }
}

} // namespace marklode
