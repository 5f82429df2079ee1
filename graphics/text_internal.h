// What the display layer needs from the text layer.
#pragma once

#include "graphics/text.h"

// The built-in font, made the first time it is asked for.
FontRef built_in_font();
