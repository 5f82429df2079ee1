// Output devices for the mixer.
#pragma once

#include <cstdint>
#include <functional>

// An output device: opened once, closed once.
class audiodevice {
  public:
    virtual ~audiodevice() = default;
    // False when no output could be opened.
    virtual bool init() = 0;
    virtual void close() = 0;
};

// The hardware end of a ring device: something that plays a ring of 44100 Hz
// stereo 16-bit samples round and round and can tell how far it has got.
class waveport {
  public:
    virtual ~waveport() = default;
    // Gets ready to play the ring, without playing yet. False: no output.
    virtual bool open(const std::int16_t* ring, int ring_bytes) = 0;
    // Starts playing from the start of the ring. False when that failed.
    virtual bool start() = 0;
    // Stops playing and sets the position back to 0. When it returns the
    // ring is not being read.
    virtual void reset() = 0;
    // Bytes played since the last reset (or the open).
    virtual std::uint64_t position() = 0;
    // Everything mixed into the ring so far (samples_written samples since
    // the last reset) may be played: makes those writes visible to the
    // thread that plays.
    virtual void publish(std::uint64_t samples_written) { (void)samples_written; }
    // Called once on the thread that will keep the ring fed, when it starts:
    // the port may have that thread scheduled as urgently as its own.
    virtual void serve_from_this_thread() {}
    // Where no thread can keep the ring fed: `step` is to run each time the
    // hardware takes samples, just before it reads them. False when the
    // port cannot do that.
    virtual bool serve_on_playback(std::function<void()> step) { return (void)step, false; }
    virtual void close() = 0;
};
