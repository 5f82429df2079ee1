// Start-up of the graphics layer.
#pragma once

// Installs the OpenGL render driver, the PNG picture loader, the FreeType
// font loader and the built-in font's data. Safe to call more than once.
void graphics_startup();
