#include "system/runtime_error.h"

void raise_runtime_error(const std::string& message) {
    throw TRuntimeError(message);
}

void raise_stream_read_error() {
    throw TStreamError("Error reading from stream");
}

void raise_stream_write_error() {
    throw TStreamError("Error writing to stream");
}
