#include "system/app_title.h"

#include "platform/platform.h"

namespace {

std::string& title() {
    static auto* text = new std::string("Orvessa");
    return *text;
}

} // namespace

void set_app_title(const std::string& text) {
    title() = text;
    platform::set_window_title(text);
}

const std::string& app_title() { return title(); }
