// Start-up of the input layer.
#pragma once

// Connects the window's keyboard, mouse and window events to the event
// layer, where the polled state picks them up once a display is open. Safe to
// call more than once.
void input_startup();
