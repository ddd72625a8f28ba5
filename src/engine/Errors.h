#pragma once
// Exceptions that a handler does not catch. Each carries a Portuguese message that
// names the value, file or line at fault; the desktop shows it in a message box and
// the batch runner prints it and exits non-zero.
#include <stdexcept>
#include <string>

namespace engine {

class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have held a number (or an integer) did not.
class ConversionError : public EngineError {
public:
    using EngineError::EngineError;
};

// A file could not be opened, read or written.
class FileError : public EngineError {
public:
    using EngineError::EngineError;
};

// A call to the CAD application failed (after the busy-call retries).
class CadError : public EngineError {
public:
    using EngineError::EngineError;
};

// The CAD application rejected a call because it is busy. rejectionType follows the
// message-filter convention: 2 asks the caller to retry later, 1 rejects for good.
class CadBusyError : public CadError {
public:
    CadBusyError(const std::string& what, int rejectionType)
        : CadError(what), rejectionType_(rejectionType) {}
    int RejectionType() const { return rejectionType_; }

private:
    int rejectionType_;
};

// A drawing file that cannot be read or written.
class DrawingError : public EngineError {
public:
    using EngineError::EngineError;
};

}  // namespace engine
