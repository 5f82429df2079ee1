#include "system/stream.h"

#include "system/runtime_error.h"

#include <cstring>

int TStreamIO::eof() { return pos() == size(); }
int TStreamIO::pos() { return -1; }
int TStreamIO::size() { return 0; }
int TStreamIO::seek(int) { return -1; }
void TStreamIO::flush() {}
void TStreamIO::close() {}
int TStreamIO::read(void*, int) { raise_runtime_error("Stream is not readable"); }
int TStreamIO::write(const void*, int) { raise_runtime_error("Stream is not writeable"); }

int TByteStream::read_bytes(void* buffer, int count) {
    auto* at = static_cast<unsigned char*>(buffer);
    int left = count;
    while (left > 0 && !eof()) {
        int got = read(at, left);
        if (got <= 0) raise_stream_read_error();
        left -= got;
        at += got;
    }
    return count;
}

int TByteStream::write_bytes(const void* buffer, int count) {
    const auto* at = static_cast<const unsigned char*>(buffer);
    int left = count;
    while (left > 0) {
        int put = write(at, left);
        if (put <= 0) raise_stream_write_error();
        left -= put;
        at += put;
    }
    return count;
}

int TByteStream::skip_bytes(int count) {
    unsigned char scratch[1024];
    int left = count;
    while (left > 0 && !eof()) {
        int chunk = left < 1024 ? left : 1024;
        int got = read(scratch, chunk);
        if (got <= 0) raise_stream_read_error();
        left -= got;
    }
    return count;
}

namespace {

// Reads n little-endian bytes into the low bytes of a zeroed value, so a
// value cut short by the end of the stream keeps only what arrived.
std::uint64_t read_le(TByteStream& stream, int n) {
    unsigned char bytes[8] = {};
    stream.read_bytes(bytes, n);
    std::uint64_t value = 0;
    for (int i = n - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

void write_le(TByteStream& stream, std::uint64_t value, int n) {
    unsigned char bytes[8];
    for (int i = 0; i < n; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    stream.write_bytes(bytes, n);
}

} // namespace

int TByteStream::read_byte() { return static_cast<int>(read_le(*this, 1)); }
void TByteStream::write_byte(int value) { write_le(*this, static_cast<std::uint64_t>(value), 1); }
int TByteStream::read_short() { return static_cast<int>(read_le(*this, 2)); }
void TByteStream::write_short(int value) { write_le(*this, static_cast<std::uint64_t>(value), 2); }

std::int32_t TByteStream::read_int() {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(read_le(*this, 4)));
}

void TByteStream::write_int(std::int32_t value) {
    write_le(*this, static_cast<std::uint32_t>(value), 4);
}

std::int64_t TByteStream::read_long() { return static_cast<std::int64_t>(read_le(*this, 8)); }

void TByteStream::write_long(std::int64_t value) {
    write_le(*this, static_cast<std::uint64_t>(value), 8);
}

float TByteStream::read_float() {
    std::uint32_t bits = static_cast<std::uint32_t>(read_le(*this, 4));
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

void TByteStream::write_float(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    write_le(*this, bits, 4);
}

double TByteStream::read_double() {
    std::uint64_t bits = read_le(*this, 8);
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

void TByteStream::write_double(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    write_le(*this, bits, 8);
}

std::string TByteStream::read_line() {
    std::string line;
    char chunk[1024];
    int used = 0;
    for (;;) {
        unsigned char byte;
        if (read(&byte, 1) != 1) break;
        if (byte == 0 || byte == 10) break;
        if (byte == 13) continue;
        chunk[used++] = static_cast<char>(byte);
        if (used == 1024) {
            line.append(chunk, 1024);
            used = 0;
        }
    }
    line.append(chunk, static_cast<size_t>(used));
    return line;
}

int TByteStream::write_line(std::string_view text) {
    int length = static_cast<int>(text.size());
    if (length > 0 && write(text.data(), length) != length) return 0;
    static const char crlf[2] = {13, 10};
    return write(crlf, 2) == 2 ? 1 : 0;
}

std::string TByteStream::read_string(int length) {
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');
    read_bytes(text.data(), length);
    return text;
}

void TByteStream::write_string(std::string_view text) {
    write_bytes(text.data(), static_cast<int>(text.size()));
}

void TByteStream::read_object() { raise_runtime_error("Unable to read object"); }
void TByteStream::write_object() { raise_runtime_error("Unable to write object"); }

std::string to_8bit(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) bytes[i] = static_cast<char>(text[i] & 0xff);
    return bytes;
}
