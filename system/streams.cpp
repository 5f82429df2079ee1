#include "system/streams.h"

#include "platform/files.h"
#include "system/file_stream.h"
#include "system/forward_stream.h"
#include "system/game_files.h"

#include <vector>

namespace {

// Newest first. Never destroyed: handlers may be asked during exit.
std::vector<std::shared_ptr<TProtocolHandler>>& handlers() {
    static auto* list = new std::vector<std::shared_ptr<TProtocolHandler>>;
    return *list;
}

std::string ascii_lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

void register_protocol_handler(std::shared_ptr<TProtocolHandler> handler) {
    if (handler) handlers().insert(handlers().begin(), std::move(handler));
}

StreamRef open_stream(const StreamRef& stream, int, int) {
    if (!stream) return nullptr;
    return std::make_shared<TForwardStream>(stream);
}

StreamRef open_stream(const std::string& url, int readable, int writeable) {
    std::string protocol;
    std::string path;
    if (!url.empty()) {
        size_t split = url.find("::");
        if (split == std::string::npos) {
            std::string file = writeable ? file_to_write(url) : file_to_read(url);
            return open_file_stream(file, readable, writeable);
        }
        protocol = ascii_lower(url.substr(0, split));
        path = url.substr(split + 2);
    }
    for (const auto& handler : handlers()) {
        StreamRef stream = handler->create_stream(url, protocol, path, readable, writeable);
        if (stream) return stream;
    }
    return nullptr;
}

StreamRef open_read_stream(const std::string& url) {
    return open_stream(url, 1, 0);
}
StreamRef open_write_stream(const std::string& url) {
    return open_stream(url, 0, 1);
}

void close_stream(const StreamRef& stream) {
    if (stream) stream->close();
}

std::int32_t read_int(const StreamRef& stream) {
    return stream ? stream->read_int() : 0;
}
std::string read_line(const StreamRef& stream) {
    return stream ? stream->read_line() : "";
}

void write_int(const StreamRef& stream, std::int32_t value) {
    if (stream) stream->write_int(value);
}

void write_string(const StreamRef& stream, std::string_view text) {
    if (stream) stream->write_string(text);
}

void write_string(const StreamRef& stream, std::u16string_view text) {
    write_string(stream, std::string_view(to_8bit(text)));
}

int write_line(const StreamRef& stream, std::string_view text) {
    return stream ? stream->write_line(text) : 0;
}

int write_line(const StreamRef& stream, std::u16string_view text) {
    return write_line(stream, std::string_view(to_8bit(text)));
}

std::string read_all(const StreamRef& stream) {
    std::string bytes;
    if (!stream) return bytes;
    int size = stream->size();
    int pos = stream->pos();
    if (size > 0 && pos >= 0 && size > pos) bytes.reserve(static_cast<size_t>(size - pos));
    char chunk[65536];
    for (;;) {
        int got = stream->read(chunk, sizeof chunk);
        if (got <= 0) break;
        bytes.append(chunk, static_cast<size_t>(got));
    }
    return bytes;
}

int file_type(const std::string& path) {
    std::string native = file_to_read(path);
    for (char& c : native)
        if (c == '\\') c = '/';
    switch (platform::file_kind(native)) {
    case platform::FileKind::Regular:
        return 1;
    case platform::FileKind::Folder:
        return 2;
    default:
        return 0;
    }
}
