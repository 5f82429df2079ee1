// read_line over any bytes and three kinds of stream (the memory stream
// embedded files open as, a growing buffer, and a stream forwarding to
// another). Each line must be exactly the bytes read_line moved past, less
// CR bytes and the LF or 0 byte that ended it.
#include "system/buffer_stream.h"
#include "system/streams.h"
#include "tests/fuzz/fuzz_input.h"

#include <string>
#include <string_view>

namespace {

void check_lines(const StreamRef& stream, std::string_view bytes) {
    if (!stream) fuzz_fail("no stream");
    // Each line moves at least one byte, so this bounds the loop.
    for (std::size_t lines = 0; lines <= bytes.size() && !stream->eof(); ++lines) {
        int before = stream->pos();
        std::string line = read_line(stream);
        int after = stream->pos();
        if (before < 0 || after <= before || static_cast<std::size_t>(after) > bytes.size())
            fuzz_fail("read_line did not move forward within the data");
        std::string_view moved = bytes.substr(before, after - before);
        if (moved.back() == '\n' || moved.back() == '\0') moved.remove_suffix(1);
        std::string expected;
        for (char c : moved) {
            if (c == '\n' || c == '\0') fuzz_fail("read_line read past the end of a line");
            if (c != '\r') expected.push_back(c);
        }
        if (line != expected) fuzz_fail("read_line returned other bytes than it read");
    }
    if (!stream->eof()) fuzz_fail("lines did not reach the end");
    if (!read_line(stream).empty()) fuzz_fail("a line past the end");
    if (read_int(stream) != 0) fuzz_fail("a number past the end");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    serve_input(data, size);
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check_lines(open_read_stream("fuzz::lines.txt"), bytes);
    check_lines(std::make_shared<TBufferStream>(std::string(bytes)), bytes);
    check_lines(open_stream(open_read_stream("fuzz::lines.txt"), 1, 0), bytes);
    return 0;
}
