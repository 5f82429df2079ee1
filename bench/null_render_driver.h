// A render driver that draws nothing and keeps nothing, so benchmarks time
// the code above the driver alone.
#pragma once

#include "graphics/draw_state.h"
#include "graphics/render_driver.h"

class TNullRenderDriver : public TRenderDriver,
                          public std::enable_shared_from_this<TNullRenderDriver> {
  public:
    std::vector<TGraphicsMode> display_modes() override { return {}; }
    DrawStateRef attach_display(void*, int) override { return nullptr; }
    DrawStateRef create_display(int width, int height, int depth, int hz, int flags) override {
        auto window = std::make_shared<Window>(GraphicsSettings{width, height, depth, hz, flags});
        return std::make_shared<TDrawState>(window, shared_from_this());
    }
    void select_display(const DrawStateRef&) override {}
    void present_frame(int) override {}
    ImageFrameRef create_frame_from_pixmap(const PixmapRef&, int) override {
        return std::make_shared<Frame>();
    }
    void set_blend(int) override {}
    void set_alpha(float) override {}
    void set_color(int, int, int) override {}
    void set_clear_color(int, int, int) override {}
    void set_viewport(int, int, int, int) override {}
    void set_transform(float, float, float, float) override {}
    void set_line_width(float) override {}
    void clear_frame() override {}
    void plot(float, float) override {}
    void draw_line(float, float, float, float, float, float) override {}
    void draw_rect(float, float, float, float, float, float) override {}
    void draw_oval(float, float, float, float, float, float) override {}
    void draw_poly(std::span<const float>, float, float, float, float) override {}
    void draw_pixmap(const PixmapRef&, int, int) override {}
    PixmapRef capture_pixmap(int, int, int, int) override { return nullptr; }

  private:
    class Window : public TGraphics {
      public:
        explicit Window(GraphicsSettings settings) : settings_(settings) {}
        void* driver() override { return this; }
        GraphicsSettings get_settings() override { return settings_; }
        void close() override {}

      private:
        GraphicsSettings settings_;
    };
    class Frame : public TImageFrame {
      public:
        void draw(float, float, float, float, float, float) override {}
    };
};
