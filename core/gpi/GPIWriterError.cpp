#include "core/gpi/GPIWriterError.h"

namespace marklode {

GPIWriterError GPIWriterError::invalidCoordinate(std::string name, double latitude,
                                                 double longitude) {
    return GPIWriterError{InvalidCoordinate{std::move(name), latitude, longitude}};
}

GPIWriterError GPIWriterError::stringTooLong(std::string text) {
    return GPIWriterError{StringTooLong{std::move(text)}};
}

GPIWriterError GPIWriterError::invalidAlertValue(std::string name) {
    return GPIWriterError{InvalidAlertValue{std::move(name)}};
}

GPIWriterError GPIWriterError::emptyCategoryName() {
    return GPIWriterError{EmptyCategoryName{}};
}

GPIWriterError GPIWriterError::tooManyCategories(std::size_t count) {
    return GPIWriterError{TooManyCategories{count}};
}

GPIWriterError GPIWriterError::categoryTooLarge(std::string name, std::uint64_t length) {
    return GPIWriterError{CategoryTooLarge{std::move(name), length}};
}

} // namespace marklode
