// The one exception type of the library layer. A runtime error is a hard
// failure that the game does not catch: the program entry prints its text to
// standard error and exits with status 255.
#pragma once

#include <stdexcept>
#include <string>

class TRuntimeError : public std::runtime_error {
  public:
    explicit TRuntimeError(const std::string& message) : std::runtime_error(message) {}
};

// A stream that failed to deliver or accept bytes. Loaders that try one
// decoder after another treat it as "this decoder does not take the data".
class TStreamError : public TRuntimeError {
  public:
    explicit TStreamError(const std::string& message) : TRuntimeError(message) {}
};

[[noreturn]] void raise_runtime_error(const std::string& message);
[[noreturn]] void raise_stream_read_error();  // "Error reading from stream"
[[noreturn]] void raise_stream_write_error(); // "Error writing to stream"
