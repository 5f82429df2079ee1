#include "system/buffer_stream.h"

#include <algorithm>
#include <cstring>

int TBufferStream::seek(int position) {
    position_ = std::clamp(position, 0, size());
    return position_;
}

int TBufferStream::read(void* buffer, int count) {
    int n = std::min(count, size() - position_);
    if (n <= 0) return 0;
    std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int TBufferStream::write(const void* buffer, int count) {
    if (count <= 0) return 0;
    size_t end = static_cast<size_t>(position_) + static_cast<size_t>(count);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ += count;
    return count;
}
