// A render driver that draws nothing and writes down every call, so that
// drawing code can be checked without OpenGL.
//
//   TRecordingRenderDriver::Scope display; // installs it and opens 640 x 480
//   draw_rect(10, 20, 5, 3);
//   EXPECT_EQ(display.driver().last("draw_rect").text(), "draw_rect(0,0,5,3,10,20)");
//
// Frames made by create_frame_from_pixmap log their draws as "frame_draw",
// carrying the frame's id and the pixmap it was made from.
#pragma once

#include "graphics/draw_state.h"
#include "graphics/render_driver.h"

#include <string>
#include <vector>

struct RenderCall {
    std::string name;
    std::vector<float> args;
    int frame_id = 0;    // create_frame and frame_draw: which frame
    PixmapRef pixmap;    // create_frame, frame_draw, draw_pixmap: its pixels
    int image_flags = 0; // create_frame

    // "name(a,b,...)" with each number in shortest form (10, 0.5, -3.25;
    // -0 as 0).
    std::string text() const;
};

class TRecordingRenderDriver : public TRenderDriver,
                               public std::enable_shared_from_this<TRecordingRenderDriver> {
  public:
    std::vector<RenderCall> calls;
    // What capture_pixmap reads from (as if it were the back buffer); with
    // none, captures come back transparent black.
    PixmapRef back_buffer;
    // Set false to stop writing calls down (long pacing runs, say).
    bool recording = true;

    void clear() { calls.clear(); }
    // The calls of that name, in order.
    std::vector<RenderCall> named(const std::string& name) const;
    // The last call of that name (an empty call named "" when there is none).
    RenderCall last(const std::string& name) const;
    int count(const std::string& name) const;
    // Every call's text(), one a line.
    std::string log() const;

    std::vector<TGraphicsMode> display_modes() override;
    DrawStateRef attach_display(void* window, int flags) override;
    DrawStateRef create_display(int width, int height, int depth, int hz, int flags) override;
    void select_display(const DrawStateRef& display) override;
    void present_frame(int sync) override;
    ImageFrameRef create_frame_from_pixmap(const PixmapRef& pixmap, int image_flags) override;
    void set_blend(int mode) override;
    void set_alpha(float alpha) override;
    void set_color(int r, int g, int b) override;
    void set_clear_color(int r, int g, int b) override;
    void set_viewport(int x, int y, int width, int height) override;
    void set_transform(float ix, float iy, float jx, float jy) override;
    void set_line_width(float width) override;
    void clear_frame() override;
    void plot(float x, float y) override;
    void draw_line(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void draw_rect(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void draw_oval(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void draw_poly(std::span<const float> xy, float handle_x, float handle_y, float origin_x,
                   float origin_y) override;
    void draw_pixmap(const PixmapRef& pixmap, int x, int y) override;
    PixmapRef capture_pixmap(int x, int y, int width, int height) override;

    void record(RenderCall call);

    // Installs a recording driver as the render driver and opens a display
    // with it (the log is cleared after the opening); closes the display and
    // puts the previous driver back when it goes.
    class Scope {
      public:
        explicit Scope(int width = 640, int height = 480, int hz = 60);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        TRecordingRenderDriver& driver() { return *driver_; }
        const DrawStateRef& display() const { return display_; }

      private:
        std::shared_ptr<TRecordingRenderDriver> driver_;
        RenderDriverRef previous_;
        DrawStateRef display_;
    };

  private:
    int next_frame_id_ = 1;
};
