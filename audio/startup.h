// Start-up of the sound layer.
#pragma once

// Installs the silent driver and the WAV and Ogg Vorbis decoders, then starts
// the software mixer on the default output device and makes it the current
// driver. Without a usable device the silent driver stays: sounds load and
// "play", and nothing is heard. The device is closed at exit. Safe to call
// more than once.
void audio_startup();
