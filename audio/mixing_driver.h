// The driver that plays through the software mixer.
//
// Clips hold the decoded audio; playing one prepares a voice on the game
// thread and queues it for the mixer. Channels refer to voices by handle, so
// a channel that outlives its voice is harmless. Game thread only; the mixer
// itself is driven by an output device (or, in tests, by hand).
#pragma once

#include "audio/channel_table.h"
#include "audio/driver.h"
#include "audio/mixer.h"

#include <memory>
#include <vector>

class TMixingAudioDriver : public TAudioDriver,
                           public std::enable_shared_from_this<TMixingAudioDriver> {
  public:
    TMixingAudioDriver();
    ~TMixingAudioDriver() override;

    // The engine, shared with the device that mixes it.
    const std::shared_ptr<mixer>& engine() const { return mixer_; }

    SoundRef create_sound(const PcmSampleRef& sample, int flags, const std::string& url) override;
    SoundRef adopt_sound(PcmSampleRef&& sample, int flags, const std::string& url) override;
    // Waits until two more blocks are mixed (a stopped voice is free after
    // one and handed back after the next), 50 ms at most, then collects.
    void release_stopped_sounds() override;

    // Starts a voice of the data. temporary: free it as soon as it ends or
    // stops. Returns its handle; 0 when no handle was free (the voice then
    // plays untracked) or when the mixer could take no more voices (it does
    // not play; *started tells the two apart).
    std::int32_t start(const SoundDataRef& data, bool cued, bool temporary,
                       bool* started = nullptr);

    // The voice of a live handle, or null.
    sound* voice(std::int32_t handle) const { return channels_.find(handle); }
    int handles_in_use() const { return channels_.in_use(); }

    // Takes back the voices the mixer has finished with: their handles and
    // sound data are released and the voice objects kept for reuse. Runs by
    // itself whenever the main thread pumps its messages, so a stopped
    // sound's data goes within a block or two rather than at the next play.
    void collect_finished();

  private:
    std::shared_ptr<mixer> mixer_;
    channel_table channels_;
    std::vector<sound*> spare_;
};
