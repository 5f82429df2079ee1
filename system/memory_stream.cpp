#include "system/memory_stream.h"

#include <cstring>

TMemoryStream::TMemoryStream(const void* block, int length, int readable, int writeable)
    : length_(length < 0 ? 0 : length),
      // Writing needs a writeable block; read-only streams never write through it.
      block_(static_cast<unsigned char*>(const_cast<void*>(block))), readable_(readable),
      writeable_(writeable) {}

int TMemoryStream::seek(int position) {
    position_ = position < 0 ? 0 : position > length_ ? length_ : position;
    return position_;
}

int TMemoryStream::read(void* buffer, int count) {
    if (count <= 0 || !readable_) return 0;
    int n = count < length_ - position_ ? count : length_ - position_;
    if (n <= 0) return 0;
    std::memcpy(buffer, block_ + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int TMemoryStream::write(const void* buffer, int count) {
    if (count <= 0 || !writeable_) return 0;
    int n = count < length_ - position_ ? count : length_ - position_;
    if (n <= 0) return 0;
    std::memcpy(block_ + position_, buffer, static_cast<size_t>(n));
    position_ += n;
    return n;
}
