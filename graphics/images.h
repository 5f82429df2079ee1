// Images: pictures of one or more equal frames, drawn with the current
// drawing state about their handle.
#pragma once

#include <memory>
#include <string>

class TImage;
class TPixmap;
using ImageRef = std::shared_ptr<TImage>;
using PixmapRef = std::shared_ptr<TPixmap>;

// Image flags.
enum ImageFlags : int {
    IMAGE_MASKED = 1,    // pixels of the mask colour are transparent (pictures without alpha)
    IMAGE_FILTERED = 2,  // bilinear magnification
    IMAGE_MIPMAPPED = 4, // mipmaps and trilinear minification
    IMAGE_DYNAMIC = 8,   // always set by create_image
};

// flags -1 means the automatic image flags (masked and filtered once a
// display has been opened, none before). Null when the picture cannot be read.
ImageRef load_image(const std::string& url, int flags);
// The same for a picture already in memory (used as it is, not copied).
ImageRef load_image(const PixmapRef& pixmap, int flags);
// A sheet cut into cells of cell_width x cell_height, numbered left to right,
// then top to bottom; frames are cells first_cell .. first_cell + cell_count - 1.
ImageRef load_image_strip(const std::string& url, int cell_width, int cell_height, int first_cell,
                          int cell_count, int flags);
ImageRef create_image(int width, int height, int frame_count, int flags);

// Copies the back-buffer block at (x, y) of the image's size into a frame.
void capture_image(const ImageRef& image, int x, int y, int frame);

// Draws one frame with its handle at (x, y). A Null image draws nothing.
void draw_image(const ImageRef& image, float x, float y, int frame);

void set_image_handle(const ImageRef& image, float x, float y);
void center_image_handle(const ImageRef& image);
int image_width(const ImageRef& image);
int image_height(const ImageRef& image);

// The mask colour and flags given to images made from now on.
void set_mask_color(int r, int g, int b);
void default_image_flags(int flags); // -1 leaves it unchanged
void auto_center_handle(int enable);

PixmapRef load_pixmap(const std::string& url);
