// The application's title line, shown as the caption of its window.
#pragma once

#include <string>

void set_app_title(const std::string& title);
const std::string& app_title();
