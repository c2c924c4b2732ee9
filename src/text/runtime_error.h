// The run-time errors that the program's rules rely on (a negative length, a 16-bit overflow, ...).
// They are caught only where the program puts a guard: a timer tick, the identification, the cipher.
#pragma once
#include <stdexcept>
#include <string>

namespace wardo::text {

enum class ErrorCode {
    InvalidCall = 5,
    Overflow = 6,
    OutOfRange = 9,
    FileNotFound = 53,
    DeviceUnavailable = 68,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorCode code, const std::string& what) : std::runtime_error(what), code_(code) {}
    ErrorCode code() const { return code_; }

private:
    ErrorCode code_;
};

[[noreturn]] inline void fail(ErrorCode code, const char* what) {
    throw RuntimeError(code, what);
}

}  // namespace wardo::text
