// Colour keying and resampling of pixmaps.
#include "graphics/pixmap.h"

#include <algorithm>
#include <cmath>
#include <vector>

PixmapRef mask_pixmap(const PixmapRef& pixmap, int r, int g, int b) {
    if (!pixmap) return nullptr;
    PixmapRef source =
        pixmap->format == FORMAT_RGBA8888 ? pixmap : pixmap->convert(FORMAT_RGBA8888);
    int w = source->width, h = source->height;
    PixmapRef result = create_pixmap(w, h, FORMAT_RGBA8888, 4);
    auto is_key = [&](const std::uint8_t* p) { return p[0] == r && p[1] == g && p[2] == b; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* in = source->pixel_ptr(x, y);
            std::uint8_t* out = result->pixel_ptr(x, y);
            if (!is_key(in)) {
                out[0] = in[0], out[1] = in[1], out[2] = in[2], out[3] = 255;
                continue;
            }
            // The transparent pixel takes its neighbours' colour, so that
            // filtering at the picture's edge blends toward it, not the key.
            int sum[3] = {0, 0, 0}, count = 0;
            for (int ny = y - 1; ny <= y + 1; ++ny) {
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                    const std::uint8_t* n = source->pixel_ptr(nx, ny);
                    if (is_key(n)) continue;
                    sum[0] += n[0], sum[1] += n[1], sum[2] += n[2];
                    ++count;
                }
            }
            for (int c = 0; c < 3; ++c) out[c] = count ? std::uint8_t(sum[c] / count) : 0;
            out[3] = 0;
        }
    }
    return result;
}

namespace {

// Where destination index i of n samples falls in a source of `size`:
// the lower source index and the fraction toward the next one.
struct Sample {
    int index;
    float fraction;
};

Sample sample_at(int i, int n, int size) {
    float s = (i + 0.5f) * (static_cast<float>(size) / n) - 0.5f;
    int low = static_cast<int>(std::floor(s));
    if (low < 0) return {0, 0.0f};
    if (low >= size - 1) return {size - 1, 0.0f};
    return {low, s - low};
}

} // namespace

PixmapRef resize_pixmap(const PixmapRef& pixmap, int w, int h) {
    if (!pixmap) return nullptr;
    PixmapRef source =
        pixmap->format == FORMAT_RGBA8888 ? pixmap : pixmap->convert(FORMAT_RGBA8888);
    PixmapRef result = create_pixmap(w, h, FORMAT_RGBA8888, 4);
    if (source->width <= 0 || source->height <= 0) return result;
    std::vector<Sample> columns(static_cast<std::size_t>(std::max(w, 0)));
    for (int i = 0; i < w; ++i) columns[i] = sample_at(i, w, source->width);
    for (int j = 0; j < h; ++j) {
        Sample row = sample_at(j, h, source->height);
        const std::uint8_t* upper = source->pixel_ptr(0, row.index);
        const std::uint8_t* lower = row.fraction > 0 ? source->pixel_ptr(0, row.index + 1) : upper;
        std::uint8_t* out = result->pixel_ptr(0, j);
        for (int i = 0; i < w; ++i, out += 4) {
            Sample col = columns[i];
            int next = col.fraction > 0 ? col.index + 1 : col.index;
            for (int c = 0; c < 4; ++c) {
                float top = upper[col.index * 4 + c] +
                            (upper[next * 4 + c] - upper[col.index * 4 + c]) * col.fraction;
                float bottom = lower[col.index * 4 + c] +
                               (lower[next * 4 + c] - lower[col.index * 4 + c]) * col.fraction;
                out[c] = static_cast<std::uint8_t>(top + (bottom - top) * row.fraction);
            }
        }
    }
    return pixmap->format == FORMAT_RGBA8888 ? result : result->convert(pixmap->format);
}
