// Pixel buffers in one of six formats.
//
// Row 0 is the top row. A pixmap either owns its memory or views memory that
// belongs to something else (a rectangle of another pixmap, or a buffer handed
// in); a view of another pixmap keeps that pixmap alive.
#pragma once

#include <cstdint>
#include <memory>

class TPixmap;
using PixmapRef = std::shared_ptr<TPixmap>;

enum PixelFormat : int {
    FORMAT_I8 = 1,       // grey
    FORMAT_A8 = 2,       // alpha only
    FORMAT_BGR888 = 3,   // B, G, R
    FORMAT_RGB888 = 4,   // R, G, B
    FORMAT_BGRA8888 = 5, // B, G, R, A
    FORMAT_RGBA8888 = 6, // R, G, B, A
};

// Bytes per pixel of a format (0 for an unknown format).
int format_bytes(int format);
// Whether the format carries alpha of its own.
bool format_has_alpha(int format);

class TPixmap : public std::enable_shared_from_this<TPixmap> {
  public:
    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    int format = 0;
    int capacity = 0; // bytes owned; -1 for a view

    virtual ~TPixmap() = default;

    virtual std::uint8_t* pixel_ptr(int x, int y);
    // A view of the rectangle, sharing this pixmap's memory and pitch.
    virtual PixmapRef window(int x, int y, int w, int h);
    // A pixmap with memory of its own holding the same pixels.
    virtual PixmapRef copy();
    // Copies the source in at (x, y), converting its format; the part that
    // would fall outside this pixmap is left out.
    virtual void paste(const PixmapRef& source, int x, int y);
    virtual PixmapRef convert(int to_format);
    // 0xAARRGGBB; 0 outside the pixmap.
    virtual std::uint32_t read_pixel(int x, int y);
    // Ignored outside the pixmap.
    virtual void write_pixel(int x, int y, std::uint32_t argb);

    // Fresh memory of pitch * height bytes, pitch the smallest multiple of
    // align not below width * bytes per pixel. The pixels start zeroed.
    static PixmapRef create(int width, int height, int format, int align = 4);
    // The same, but the pixels are left as they come, for a decoder that
    // writes every pixel: the memory is then only taken up as rows are
    // written, so a picture whose data ends early costs what it delivered.
    static PixmapRef create_unfilled(int width, int height, int format, int align = 4);
    // A view of memory the caller owns and keeps alive.
    static PixmapRef create_view(std::uint8_t* pixels, int width, int height, int pitch,
                                 int format);

  private:
    std::unique_ptr<std::uint8_t[]> owned_;
    PixmapRef viewed_; // what a window keeps alive
};

PixmapRef create_pixmap(int width, int height, int format, int align = 4);
PixmapRef create_view_pixmap(std::uint8_t* pixels, int width, int height, int pitch, int format);

// A copy in RGBA where each pixel of the key colour becomes transparent and
// takes the mean colour of its non-key neighbours (3 x 3, clipped), so that
// filtering does not bleed the key colour into the picture's edges. Every
// other pixel is opaque. Null for a Null pixmap.
PixmapRef mask_pixmap(const PixmapRef& pixmap, int r, int g, int b);

// A bilinear resampling to w x h in the source's format.
PixmapRef resize_pixmap(const PixmapRef& pixmap, int w, int h);
