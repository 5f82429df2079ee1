// A cairo picture being drawn, and the shapes every picture of the game shares.
#pragma once

#include "tools/artgen/fonts.h"
#include "tools/artgen/palette.h"
#include "tools/artgen/png_out.h"

#include <cairo.h>
#include <string>

class Canvas {
  public:
    // A transparent ARGB32 picture.
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void save(const std::string& path, PngLayout layout) const {
        write_png(path, surface_, layout);
    }
    Pixels pixels(PngLayout layout) const { return pixels_from_surface(surface_, layout); }

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Flat-topped hexagon centred on (cx, cy): corners at (cx +- half_width, cy)
// and (cx +- half_top, cy +- half_height).
void hexagon_path(cairo_t* cr, double cx, double cy, double half_width, double half_top,
                  double half_height);
void rounded_rect_path(cairo_t* cr, double x, double y, double w, double h, double r);
// Regular polygon or star: `points` corners, the first at `angle` degrees
// (0 = right, clockwise); a star alternates between radius and inner radius.
void star_path(cairo_t* cr, double cx, double cy, int points, double radius, double inner,
               double angle);
void polygon_path(cairo_t* cr, double cx, double cy, int sides, double radius, double angle);

// A soft round glow of colour c fading out at `radius`.
void glow(cairo_t* cr, double cx, double cy, double radius, const Colour& c, double alpha);

// A dark translucent panel with a bronze rim, for lettering over a picture.
void panel(cairo_t* cr, double x, double y, double w, double h, double radius);

// Engraved lettering: a dark drop shadow, an ink outline and a vertical
// gradient from `top` to `bottom`.
void lettering(cairo_t* cr, const std::string& text, Face face, double size, double x,
               double baseline, Align align, const Colour& top, const Colour& bottom);

// Smooth value noise in 0..1, the same for the same seed on every machine.
double value_noise(double x, double y, unsigned seed);
// Several octaves of value noise, 0..1.
double fractal_noise(double x, double y, unsigned seed, int octaves);

// Adds a gentle stone texture over the whole canvas.
void stone_texture(Canvas& canvas, unsigned seed, double strength, double scale);
// A scatter of small stars over a region.
void starfield(cairo_t* cr, double x, double y, double w, double h, int count, unsigned seed);
