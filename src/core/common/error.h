#pragma once
/// The error type every fallible core operation returns: the system's own message, shown as it stands.
#include <expected>
#include <string>

namespace p3::core {

struct Error {
    std::string message;
};

template <typename T> using Result = std::expected<T, Error>;

using Status = std::expected<void, Error>;

inline std::unexpected<Error> fail(std::string message) {
    return std::unexpected(Error{std::move(message)});
}

} // namespace p3::core
