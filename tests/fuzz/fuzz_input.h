// What the harnesses share.
//
// Each harness hands its input to the code under test the way the game
// hands it a file: through open_stream and a URL. serve_input makes the bytes
// readable as "fuzz::<any name>" (a read-only memory stream, as embedded
// files are), so loaders run through the protocol list, the stream layer and
// their own decoders exactly as for "incbin::" names.
#pragma once

#include <cstddef>
#include <cstdint>

class TRecordingRenderDriver;

// Serves these bytes under "fuzz::" until the next call. The bytes are not
// copied: they must stay valid while streams over them are read.
void serve_input(const std::uint8_t* data, std::size_t size);

// Opens a 640 x 480 display on a render driver that draws nothing and keeps
// no log, once per process, so that text and images can be made and drawn
// without OpenGL. Later calls return the same driver.
TRecordingRenderDriver& fuzz_display();

// Ends the process with a message when a harness's own check fails: the
// fuzzer reports it as a crash and keeps the input.
[[noreturn]] void fuzz_fail(const char* what);
