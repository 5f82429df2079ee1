// Window events from the platform into emitted events.
#pragma once

#include "platform/platform.h"

// Emits the event that the window event stands for (the game window's events
// carry no source). Installed as the platform's window-event handler.
void emit_window_event(const platform::WindowEvent& event);
