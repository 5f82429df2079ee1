// A stream into a growing block of memory: writes append (or overwrite at
// the position), reads come from the bytes written so far.
#pragma once

#include "system/stream.h"

#include <string>

class TBufferStream : public TByteStream {
  public:
    TBufferStream() = default;
    explicit TBufferStream(std::string bytes) : bytes_(std::move(bytes)) {}

    int pos() override { return position_; }
    int size() override { return static_cast<int>(bytes_.size()); }
    int seek(int position) override;
    int read(void* buffer, int count) override;
    int write(const void* buffer, int count) override;

    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
    int position_ = 0;
};
