#include "system/runtime_error.h"

void raise_runtime_error(const std::string& message) { throw RuntimeError(message); }

void raise_stream_read_error() { throw StreamError("Error reading from stream"); }

void raise_stream_write_error() { throw StreamError("Error writing to stream"); }
