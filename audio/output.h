// Something whose sound can be shaped: rate, volume, pan and depth.
//
// Values are fixed point: rate in 16.16 (0x10000 plays at the recorded
// pitch), volume, pan and depth in 4.12 (4096 is 1.0). Each getter takes 0
// for the value in use now and 1 for the target the mixer is moving to.
#pragma once

#include <cstdint>

class output {
  public:
    virtual ~output() = default;
    virtual void set_rate(std::int32_t rate) { (void)rate; }
    virtual void set_volume(std::int32_t volume) { (void)volume; }
    virtual void set_pan(std::int32_t pan) { (void)pan; }
    virtual void set_depth(std::int32_t depth) { (void)depth; }
    virtual std::int32_t get_rate(int target) { return (void)target, 0; }
    virtual std::int32_t get_volume(int target) { return (void)target, 0; }
    virtual std::int32_t get_pan(int target) { return (void)target, 0; }
    virtual std::int32_t get_depth(int target) { return (void)target, 0; }
};
