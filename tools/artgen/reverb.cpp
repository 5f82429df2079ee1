#include "tools/artgen/reverb.h"

#include <vector>

namespace {

class Comb {
  public:
    explicit Comb(std::size_t length) : buffer_(length) {}
    float process(float x, float feedback, float damp) {
        float y = buffer_[index_];
        store_ = y * (1 - damp) + store_ * damp;
        buffer_[index_] = x + store_ * feedback;
        if (++index_ == buffer_.size()) index_ = 0;
        return y;
    }

  private:
    std::vector<float> buffer_;
    std::size_t index_ = 0;
    float store_ = 0;
};

class Allpass {
  public:
    explicit Allpass(std::size_t length) : buffer_(length) {}
    float process(float x) {
        float b = buffer_[index_];
        buffer_[index_] = x + b * 0.5f;
        if (++index_ == buffer_.size()) index_ = 0;
        return b - x;
    }

  private:
    std::vector<float> buffer_;
    std::size_t index_ = 0;
};

struct Channel {
    std::vector<Comb> combs;
    std::vector<Allpass> allpasses;
    Channel(std::size_t spread, double scale) {
        for (int len : {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617})
            combs.emplace_back(
                static_cast<std::size_t>((len + static_cast<double>(spread)) * scale));
        for (int len : {556, 441, 341, 225})
            allpasses.emplace_back(
                static_cast<std::size_t>((len + static_cast<double>(spread)) * scale));
    }
    float process(float x, float feedback, float damp) {
        float sum = 0;
        for (Comb& c : combs) sum += c.process(x, feedback, damp);
        for (Allpass& a : allpasses) sum = a.process(sum);
        return sum;
    }
};

} // namespace

AudioBuffer reverberate(const AudioBuffer& dry, double room, double damping, bool loop) {
    double scale = dry.rate / 44100.0;
    Channel left(0, scale), right(23, scale);
    float feedback = static_cast<float>(0.7 + 0.28 * room), damp = static_cast<float>(damping);
    AudioBuffer wet(dry.rate, dry.channels, dry.frames());
    std::size_t frames = dry.frames();
    for (int pass = loop ? 0 : 1; pass < 2; ++pass)
        for (std::size_t i = 0; i < frames; ++i) {
            float l = dry.at(i, 0), r = dry.at(i, dry.channels > 1 ? 1 : 0);
            float in = (l + r) * 0.015f;
            float wl = left.process(in, feedback, damp), wr = right.process(in, feedback, damp);
            if (pass == 1) {
                wet.at(i, 0) = wl;
                if (wet.channels > 1) wet.at(i, 1) = wr;
            }
        }
    return wet;
}
