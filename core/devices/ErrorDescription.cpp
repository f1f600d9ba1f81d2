#include "core/devices/ErrorDescription.h"

#include "core/gpi/GPIReader.h"

#include <system_error>

namespace marklode {

std::string errorDescription(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::system_error& systemError) { // FileError included
        return systemError.code().message();
    } catch (const GPIReaderError& readerError) {
        if (const auto* damaged = std::get_if<GPIReaderError::Damaged>(&readerError.kind))
            return "The file is damaged at byte " + std::to_string(damaged->offset) + ".";
        return "The file is not a Garmin POI file.";
    } catch (const std::exception& other) {
        return other.what();
    } catch (...) {
        return "An unknown error occurred.";
    }
}

} // namespace marklode
