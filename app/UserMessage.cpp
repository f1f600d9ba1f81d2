#include "app/UserMessage.h"

#include "core/import/FileError.h"
#include "core/import/ImportError.h"

#include <cerrno>
#include <type_traits>

namespace marklode {

namespace {

std::string importMessage(const ImportError& error) {
    if (const auto* xml = std::get_if<ImportError::InvalidXML>(&error.kind))
        return "This GPX file is damaged or not valid XML (problem near line " +
               std::to_string(xml->line) + ").";
    return "The file's text could not be read. Save it as UTF-8 or Windows-1252 and try again.";
}

bool isPermissionError(const std::error_code& code) {
    return code == std::errc::permission_denied || code == std::errc::operation_not_permitted;
}

std::string fileMessage(const FileError& error) {
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
    } catch (const ImportError& importError) {
        return importMessage(importError);
    } catch (const FileError& fileError) {
        return fileMessage(fileError);
    } catch (const std::exception& other) {
        return std::string("Something went wrong: ") + other.what();
    } catch (...) {
        return "Something went wrong: an unknown error occurred.";
    }
}

} // namespace marklode
