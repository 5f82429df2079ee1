#include "system/embedded.h"

#include "system/memory_stream.h"
#include "system/streams.h"

#include <forward_list>

namespace {

// Newest first; entries are never removed.
std::forward_list<EmbeddedFile>& table() {
    static auto* entries = new std::forward_list<EmbeddedFile>;
    return *entries;
}

} // namespace

int register_embedded_file(const std::string& name, const void* data, int size) {
    if (find_embedded_file(name)) return 0;
    table().push_front(EmbeddedFile{name, data, size < 0 ? 0 : size});
    return 1;
}

const EmbeddedFile* find_embedded_file(std::string_view name) {
    for (const EmbeddedFile& entry : table())
        if (entry.name == name) return &entry;
    return nullptr;
}

// "incbin::name": read-only streams over the embedded table.
class TIncbinProtocol : public TProtocolHandler {
  public:
    StreamRef create_stream(const std::string&, const std::string& protocol,
                            const std::string& path, int readable, int writeable) override {
        if (protocol != "incbin" || writeable) return nullptr;
        const EmbeddedFile* entry = find_embedded_file(path);
        if (!entry) return nullptr;
        return std::make_shared<TMemoryStream>(entry->data, entry->size, readable, 0);
    }
};

void register_incbin_protocol() { register_protocol_handler(std::make_shared<TIncbinProtocol>()); }
