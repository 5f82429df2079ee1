// A stream over a fixed block of memory that it does not own.
#pragma once

#include "system/stream.h"

class TMemoryStream : public TByteStream {
  public:
    TMemoryStream(const void* block, int length, int readable, int writeable);

    int pos() override { return position_; }
    int size() override { return length_; }
    int seek(int position) override; // clamped to 0 .. size
    int read(void* buffer, int count) override;
    int write(const void* buffer, int count) override;

  private:
    std::int32_t position_ = 0;
    std::int32_t length_ = 0;
    unsigned char* block_ = nullptr;
    std::int32_t readable_ = 0;
    std::int32_t writeable_ = 0;
};
