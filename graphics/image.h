// A drawable image: one or more frames of equal size, each with its pixels
// and, made on demand, a drawable for the current display.
#pragma once

#include "graphics/display_internal.h"
#include "graphics/image_frame.h"
#include "graphics/images.h"
#include "graphics/pixmap.h"

#include <string>
#include <vector>

class TImage {
  public:
    int width = 0, height = 0; // of every frame
    int flags = 0;
    int mask_red = 0, mask_green = 0, mask_blue = 0; // the key colour when made
    float handle_x = 0.0f, handle_y = 0.0f;          // pivot, in image pixels
    std::vector<PixmapRef> pixmaps;                  // per frame; Null until set
    std::vector<ImageFrameRef> frames;               // per frame; the drawable, made lazily
    std::vector<TDisplayStamp> made;                 // per frame; when its drawable was made

    virtual ~TImage() = default;

    int frame_count() const { return static_cast<int>(pixmaps.size()); }

    // The frame's drawable for the current display, made from its pixels the
    // first time it is asked for after each opening of the display. Null for
    // an index out of range or when the driver can make none.
    virtual ImageFrameRef frame(int index);
    // The frame's pixels, made (as RGBA of the image size) if missing. Locking
    // for writing drops the drawable so it is made again from the pixels.
    virtual PixmapRef lock(int index, int read, int write);
    // Replaces the frame's pixels; a masked image keys pictures without alpha.
    virtual void set_pixmap(int index, PixmapRef pixmap);

    static ImageRef create(int width, int height, int frame_count, int flags, int mask_red,
                           int mask_green, int mask_blue);
    // A one-frame image of the picture; Null when it cannot be read.
    static ImageRef load(const std::string& url, int flags, int mask_red, int mask_green,
                         int mask_blue);
    static ImageRef load(const PixmapRef& pixmap, int flags, int mask_red, int mask_green,
                         int mask_blue);
    // Cells first_cell .. first_cell + cell_count - 1 of a sheet, numbered
    // left to right, then top to bottom; Null when the sheet has fewer.
    static ImageRef load_strip(const std::string& url, int cell_width, int cell_height,
                               int first_cell, int cell_count, int flags, int mask_red,
                               int mask_green, int mask_blue);
    static ImageRef load_strip(const PixmapRef& pixmap, int cell_width, int cell_height,
                               int first_cell, int cell_count, int flags, int mask_red,
                               int mask_green, int mask_blue);
};
