#include "system/file_stream.h"

#include "platform/files.h"

TFileStream::TFileStream(std::FILE* file, int mode) : file_(file), mode_(mode) {
    position_ = static_cast<std::int32_t>(std::ftell(file));
    std::fseek(file, 0, SEEK_END);
    length_ = static_cast<std::int32_t>(std::ftell(file));
    std::fseek(file, position_, SEEK_SET);
}

TFileStream::~TFileStream() {
    close();
}

int TFileStream::pos() {
    return position_;
}
int TFileStream::size() {
    return length_;
}

int TFileStream::seek(int position) {
    if (!file_) return -1;
    std::fseek(file_, position, SEEK_SET);
    position_ = static_cast<std::int32_t>(std::ftell(file_));
    return position_;
}

void TFileStream::flush() {
    if (file_) std::fflush(file_);
}

void TFileStream::close() {
    if (!file_) return;
    flush();
    std::fclose(file_);
    file_ = nullptr;
    position_ = 0;
    length_ = 0;
}

int TFileStream::read(void* buffer, int count) {
    if (!file_ || count <= 0) return 0;
    int got = static_cast<int>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
    position_ += got;
    return got;
}

int TFileStream::write(const void* buffer, int count) {
    if (!file_ || count <= 0) return 0;
    int put = static_cast<int>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
    position_ += put;
    if (position_ > length_) length_ = position_;
    return put;
}

StreamRef open_file_stream(const std::string& path, int readable, int writeable) {
    std::string native = path;
    for (char& c : native)
        if (c == '\\') c = '/';
    std::FILE* file = platform::open_regular_file(native, readable != 0, writeable != 0);
    if (!file) return nullptr;
    int stream_mode = (readable && writeable) ? 3 : writeable ? 2 : 1;
    return std::make_shared<TFileStream>(file, stream_mode);
}
