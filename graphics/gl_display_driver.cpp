#include "graphics/gl_display_driver.h"

#include "graphics/counters.h"
#include "graphics/gl_api.h"
#include "platform/platform.h"

#include <cstring>

namespace {

// Rasterisers that draw on the CPU: Mesa's (llvmpipe, softpipe and the
// classic swrast) and Windows' own OpenGL 1.1.
bool renders_in_software() {
    const char* renderer = reinterpret_cast<const char*>(gl().GetString(GL_RENDERER));
    if (!renderer) return false;
    for (const char* name :
         {"llvmpipe", "softpipe", "swrast", "Software Rasterizer", "GDI Generic"})
        if (std::strstr(renderer, name)) return true;
    return false;
}

const char* route_name(TGLGraphics::Route route) {
    switch (route) {
    case TGLGraphics::Route::Framebuffer:
        return "gl-scaled";
    case TGLGraphics::Route::Pixels:
        return "cpu-scaled";
    default:
        return "window";
    }
}

} // namespace

void* TGLGraphics::driver() {
    return &TGLDisplayDriver::instance();
}

void TGLGraphics::close() {
    if (!window_) return;
    // The compositor's objects are deleted in their own context, while it lasts.
    if (compositor_.framebuffer() && platform::make_current(window_)) compositor_.release();
    note_picture_route(nullptr);
    TGLDisplayDriver::instance().forget(this);
    platform::close_window(window_);
    window_ = nullptr;
    note_textures_gone(textures_);
    textures_ = 0;
}

void TGLGraphics::texture_made() {
    ++textures_;
    note_texture_made();
}

void TGLGraphics::texture_deleted() {
    if (textures_ == 0) return;
    --textures_;
    note_textures_gone(1);
}

void TGLGraphics::choose_route(TGLState& state, std::optional<Route> wanted) {
    const bool pixels = wanted ? *wanted == Route::Pixels : renders_in_software();
    const platform::PictureRoute shown = platform::show_scaled_window(
        window_, pixels ? platform::PictureRoute::Pixels : platform::PictureRoute::OpenGL);
    if (shown == platform::PictureRoute::Pixels) {
        // Read back from a framebuffer object of the window's byte order
        // with an alpha channel, the picture is a plain copy; from a window
        // without alpha it is converted pixel by pixel, ten times the cost.
        route_ = Route::Pixels;
        compositor_.make(settings_.width, settings_.height, state);
        pixels_.start(settings_.width, settings_.height);
    } else if (wanted != Route::Window &&
               compositor_.make(settings_.width, settings_.height, state)) {
        route_ = Route::Framebuffer;
    } else {
        platform::stop_scaling(window_);
    }
    note_picture_route(route_name(route_));
}

void TGLGraphics::show(TGLState& state) {
    if (route_ == Route::Framebuffer) compositor_.show(window_, state);
    if (route_ == Route::Pixels) pixels_.show(window_, state);
}

PixmapRef TGLGraphics::read_window(TGLState& state) {
    if (route_ == Route::Pixels) return pixels_.read_window(window_);
    return compositor_.read_window(window_, state);
}

void TGLGraphics::warp_pointer(int x, int y) {
    if (window_) platform::warp_pointer(window_, x, y);
}

TGLDisplayDriver& TGLDisplayDriver::instance() {
    static auto* driver = new TGLDisplayDriver;
    return *driver;
}

std::vector<TGraphicsMode> TGLDisplayDriver::display_modes() {
    std::vector<TGraphicsMode> modes;
    for (const platform::DisplayMode& mode : platform::display_modes()) {
        if (mode.bits < 16) continue;
        modes.push_back({mode.width, mode.height, mode.bits, mode.hz});
        if (modes.size() == 1024) break;
    }
    return modes;
}

std::shared_ptr<TGLGraphics> TGLDisplayDriver::create_graphics(int width, int height, int depth,
                                                               int hz, int flags, TGLState& state) {
    platform::WindowSpec spec;
    spec.width = width;
    spec.height = height;
    spec.fullscreen = depth != 0;
    // A window shows its picture scaled; a full-screen display switches the
    // screen's mode to the picture's size instead.
    spec.scaled = depth == 0;
    spec.double_buffer = (flags & GRAPHICS_BACKBUFFER) != 0;
    spec.alpha_bits = (flags & GRAPHICS_ALPHABUFFER) != 0;
    spec.depth_bits = (flags & GRAPHICS_DEPTHBUFFER) != 0;
    spec.stencil_bits = (flags & GRAPHICS_STENCILBUFFER) != 0;
    spec.accum_bits = (flags & GRAPHICS_ACCUMBUFFER) != 0;
    platform::Window* window = platform::open_window(spec);
    if (!window) return nullptr;
    // The window's context is current now; the entry points come from it.
    // They are looked up for every new window: the window system may unload
    // and reload its OpenGL library when the last window closes.
    if (!load_gl_api()) {
        platform::close_window(window);
        return nullptr;
    }
    // A new context: nothing the driver recorded of the last one holds.
    state.reset(0);
    int mode = depth != 0 ? TGraphics::MODE_FULLSCREEN : TGraphics::MODE_WINDOWED;
    auto graphics = std::make_shared<TGLGraphics>(
        window, mode, GraphicsSettings{width, height, depth, hz, flags});
    if (spec.scaled)
        graphics->choose_route(state, preferred_route_);
    else
        note_picture_route(route_name(TGLGraphics::Route::Window));
    current_ = graphics.get();
    return graphics;
}

void TGLDisplayDriver::make_current(TGLGraphics* graphics) {
    current_ = graphics && graphics->window() ? graphics : nullptr;
    platform::make_current(current_ ? current_->window() : nullptr);
}

void TGLDisplayDriver::flip(int sync, TGLState& state) {
    if (!current_) return;
    current_->show(state);
    // Where the driver refuses an interval, frames are simply swapped.
    platform::set_swap_interval(sync ? 1 : 0);
    platform::swap_window(current_->window());
}

void TGLDisplayDriver::forget(TGLGraphics* graphics) {
    if (current_ == graphics) current_ = nullptr;
}
