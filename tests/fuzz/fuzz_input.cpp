#include "tests/fuzz/fuzz_input.h"

#include "system/memory_stream.h"
#include "system/streams.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct Served {
    const std::uint8_t* data = nullptr;
    int size = 0;
};

Served& served() {
    static Served current;
    return current;
}

class TFuzzProtocol : public TProtocolHandler {
  public:
    StreamRef create_stream(const std::string&, const std::string& protocol, const std::string&,
                            int readable, int writeable) override {
        if (protocol != "fuzz" || !readable || writeable) return nullptr;
        return std::make_shared<TMemoryStream>(served().data, served().size, 1, 0);
    }
};

} // namespace

void serve_input(const std::uint8_t* data, std::size_t size) {
    static bool registered = false;
    if (!registered) {
        registered = true;
        register_protocol_handler(std::make_shared<TFuzzProtocol>());
    }
    // Inputs are capped far below this by the fuzzer's -max_len.
    served().data = data;
    served().size = size > 0x7fffffff ? 0x7fffffff : static_cast<int>(size);
}

void fuzz_fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
