// Opening URLs, and the stream operations the game calls by name.
//
// A URL is either a plain path, opened as a file (a relative one where
// system/game_files.h finds it: beside the program, or in the player's or the
// installed data folder), or "protocol::path", handed to the protocol
// handler that owns the protocol. Protocol names are matched without
// regard to ASCII case; everything after "::" is passed on exactly.
#pragma once

#include "system/stream.h"

#include <memory>
#include <string>

class TProtocolHandler {
  public:
    virtual ~TProtocolHandler() = default;
    // A stream for the path, or Null when this handler does not take it.
    virtual StreamRef create_stream(const std::string& url, const std::string& protocol,
                                    const std::string& path, int readable, int writeable) = 0;
};

// Puts a handler at the head of the list: the newest handler is asked first.
void register_protocol_handler(std::shared_ptr<TProtocolHandler> handler);

// A stream for the URL, or Null. Never raises for a missing file, an unknown
// protocol or an unregistered embedded name.
StreamRef open_stream(const std::string& url, int readable, int writeable);
// A stream that forwards to an already open one.
StreamRef open_stream(const StreamRef& stream, int readable, int writeable);

StreamRef open_read_stream(const std::string& url);
StreamRef open_write_stream(const std::string& url);
void close_stream(const StreamRef& stream);

// These call the stream's method of the same name. A Null stream reads as
// empty and accepts nothing, so a file that could not be opened does no harm.
std::int32_t read_int(const StreamRef& stream);
std::string read_line(const StreamRef& stream);
void write_int(const StreamRef& stream, std::int32_t value);
void write_string(const StreamRef& stream, std::string_view text);
void write_string(const StreamRef& stream, std::u16string_view text);
int write_line(const StreamRef& stream, std::string_view text);
int write_line(const StreamRef& stream, std::u16string_view text);

// Reads everything from the stream's position to its end.
std::string read_all(const StreamRef& stream);

// 0 nothing there, 1 regular file, 2 folder. A relative path is looked up
// as open_stream() would read it.
int file_type(const std::string& path);
