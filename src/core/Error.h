#pragma once
// Failures are reported by throwing an exception that carries the message the
// user will read; the application's top-level handler shows it and carries on.
#include <stdexcept>
#include <string>

namespace pp {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) { }
    std::string Message() const { return what(); }
};

// A stream could not deliver the bytes asked for.
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") { }
    explicit EReadError(const std::string& message) : Exception(message) { }
};

class EWriteError : public Exception {
public:
    EWriteError() : Exception("Stream write error") { }
};

// A file could not be opened.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// Text that does not convert to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An image, package or options file that cannot be used.
class EInvalidData : public Exception {
public:
    using Exception::Exception;
};

} // namespace pp
