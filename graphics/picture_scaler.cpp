#include "graphics/picture_scaler.h"

#include <algorithm>
#include <cstring>

namespace {

// (a * (256 - weight) + b * weight + 128) / 256 in each byte, as OpenGL's
// linear filter rounds it: across a row, each byte with weights of its own.
// Loops over plain arrays, which the compiler turns into vector
// instructions.
void mix_bytes(const std::uint32_t* first, const std::uint32_t* second,
               const std::uint16_t* first_weights, const std::uint16_t* second_weights,
               std::uint32_t* out, int width) {
    const auto* a = reinterpret_cast<const std::uint8_t*>(first);
    const auto* b = reinterpret_cast<const std::uint8_t*>(second);
    auto* o = reinterpret_cast<std::uint8_t*>(out);
    for (int i = 0; i < width * 4; ++i)
        o[i] = static_cast<std::uint8_t>(
            (a[i] * first_weights[i] + b[i] * second_weights[i] + 128) >> 8);
}

// Down a column, one weight for the whole row.
void mix_rows(const std::uint32_t* first, const std::uint32_t* second, int weight,
              std::uint32_t* out, int width) {
    const auto* a = reinterpret_cast<const std::uint8_t*>(first);
    const auto* b = reinterpret_cast<const std::uint8_t*>(second);
    auto* o = reinterpret_cast<std::uint8_t*>(out);
    const std::uint16_t wb = static_cast<std::uint16_t>(weight);
    const std::uint16_t wa = static_cast<std::uint16_t>(256 - weight);
    for (int i = 0; i < width * 4; ++i)
        o[i] = static_cast<std::uint8_t>((a[i] * wa + b[i] * wb + 128) >> 8);
}

// Each pixel twice, as one 64-bit store: the commonest multiple, and the
// one the compiler does not vectorise by itself.
void double_row(const std::uint32_t* in, std::uint32_t* out, int width) {
    for (int x = 0; x < width; ++x) {
        const std::uint64_t pair = in[x] * 0x100000001ull;
        std::memcpy(out + 2 * x, &pair, sizeof pair);
    }
}

void add_span(std::vector<platform::RowSpan>& spans, int top, int count) {
    if (!spans.empty() && spans.back().top + spans.back().count == top)
        spans.back().count += count;
    else
        spans.push_back({top, count});
}

} // namespace

std::vector<TPictureScaler::Tap> TPictureScaler::taps(int picture_size, int whole, int shown_size) {
    // OpenGL's linear filter samples the whole-multiple picture at each shown
    // pixel's centre, rounded to 256ths of a pixel, and weighs the pixels
    // whose centres lie either side of it.
    const long long source = static_cast<long long>(picture_size) * whole;
    std::vector<Tap> taps(static_cast<std::size_t>(std::max(shown_size, 0)));
    for (int i = 0; i < shown_size; ++i) {
        const long long centre = (2LL * i + 1) * source * 256; // / (2 * shown_size)
        const long long at = (2 * centre + 2LL * shown_size) / (4LL * shown_size) - 128;
        const long long first = at >= 0 ? at / 256 : -1;
        const long long second = std::min(first + 1, source - 1);
        Tap& tap = taps[static_cast<std::size_t>(i)];
        tap.first = static_cast<int>(std::max(first, 0LL) / whole);
        tap.second = static_cast<int>(second / whole);
        tap.weight = tap.first == tap.second ? 0 : static_cast<int>(at - first * 256);
    }
    return taps;
}

void TPictureScaler::plan(int picture_width, int picture_height,
                          const platform::PictureRect& rect) {
    width_ = picture_width;
    height_ = picture_height;
    rect_ = rect;
    const bool exact = rect.whole >= 1 && rect.width == picture_width * rect.whole &&
                       rect.height == picture_height * rect.whole;
    block_ = exact ? rect.whole : 0;
    columns_.clear();
    rows_.clear();
    across_.clear();
    if (exact || rect.width <= 0 || rect.height <= 0) return;
    // Scaled smoothly from the largest whole multiple that fits, as the
    // compositor does, or from the picture itself below twice its size.
    const int whole = rect.whole >= 2 ? rect.whole : 1;
    columns_ = taps(picture_width, whole, rect.width);
    rows_ = taps(picture_height, whole, rect.height);
    across_.resize(static_cast<std::size_t>(picture_height) * rect.width);
    firsts_.resize(columns_.size());
    seconds_.resize(columns_.size());
    first_weights_.clear();
    second_weights_.clear();
    for (const Tap& tap : columns_) {
        first_weights_.insert(first_weights_.end(), 4,
                              static_cast<std::uint16_t>(256 - tap.weight));
        second_weights_.insert(second_weights_.end(), 4, static_cast<std::uint16_t>(tap.weight));
    }
}

void TPictureScaler::scale(const std::uint32_t* picture, const std::vector<char>& changed,
                           const platform::WindowPixels& window,
                           std::vector<platform::RowSpan>& written) {
    if (rect_.x < 0 || rect_.y < 0 || rect_.x + rect_.width > window.width ||
        rect_.y + rect_.height > window.height)
        return;
    if (block_ > 0)
        scale_whole(picture, changed, window, written);
    else if (!rows_.empty())
        scale_smooth(picture, changed, window, written);
}

void TPictureScaler::scale_whole(const std::uint32_t* picture, const std::vector<char>& changed,
                                 const platform::WindowPixels& window,
                                 std::vector<platform::RowSpan>& written) {
    const int n = block_;
    for (int y = 0; y < height_; ++y) {
        if (!changed[static_cast<std::size_t>(y)]) continue;
        const std::uint32_t* in = picture + static_cast<std::size_t>(y) * width_;
        const int top = rect_.y + y * n;
        std::uint32_t* out = window.pixels + static_cast<std::size_t>(top) * window.pitch + rect_.x;
        if (n == 1) {
            std::memcpy(out, in, static_cast<std::size_t>(width_) * 4);
        } else {
            if (n == 2)
                double_row(in, out, width_);
            else
                for (int x = 0; x < width_; ++x)
                    for (int k = 0; k < n; ++k) out[x * n + k] = in[x];
            for (int k = 1; k < n; ++k)
                std::memcpy(out + static_cast<std::size_t>(k) * window.pitch, out,
                            static_cast<std::size_t>(rect_.width) * 4);
        }
        add_span(written, top, n);
    }
}

void TPictureScaler::scale_smooth(const std::uint32_t* picture, const std::vector<char>& changed,
                                  const platform::WindowPixels& window,
                                  std::vector<platform::RowSpan>& written) {
    const std::size_t across_width = static_cast<std::size_t>(rect_.width);
    for (int y = 0; y < height_; ++y) {
        if (!changed[static_cast<std::size_t>(y)]) continue;
        const std::uint32_t* in = picture + static_cast<std::size_t>(y) * width_;
        for (std::size_t x = 0; x < columns_.size(); ++x) {
            firsts_[x] = in[columns_[x].first];
            seconds_[x] = in[columns_[x].second];
        }
        mix_bytes(firsts_.data(), seconds_.data(), first_weights_.data(), second_weights_.data(),
                  across_.data() + static_cast<std::size_t>(y) * across_width, rect_.width);
    }
    for (int y = 0; y < rect_.height; ++y) {
        const Tap& tap = rows_[static_cast<std::size_t>(y)];
        if (!changed[static_cast<std::size_t>(tap.first)] &&
            !changed[static_cast<std::size_t>(tap.second)])
            continue;
        const std::uint32_t* first = across_.data() + tap.first * across_width;
        const std::uint32_t* second = across_.data() + tap.second * across_width;
        std::uint32_t* out =
            window.pixels + static_cast<std::size_t>(rect_.y + y) * window.pitch + rect_.x;
        if (tap.weight == 0)
            std::memcpy(out, first, across_width * 4);
        else
            mix_rows(first, second, tap.weight, out, rect_.width);
        add_span(written, rect_.y + y, 1);
    }
}
