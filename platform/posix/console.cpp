// A POSIX program always has its standard streams, and standard error is
// where it complains: nothing to set up or show here.
#include "platform/process.h"

namespace platform {

void use_parent_console() {}

void show_error_box(const std::string&, const std::string&) {}

} // namespace platform
