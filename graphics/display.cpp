// Opening, selecting and closing displays, and presenting frames.
#include "graphics/display.h"

#include "graphics/counters.h"
#include "graphics/display_internal.h"
#include "graphics/draw_state.h"
#include "graphics/frame_pacer.h"
#include "graphics/image_globals.h"
#include "graphics/images.h"
#include "graphics/render_driver.h"
#include "graphics/text_internal.h"
#include "input/input.h"
#include "platform/platform.h"
#include "system/event.h"
#include "system/messages.h"
#include "system/startup.h"

namespace {

struct DisplayLayer {
    RenderDriverRef driver;
    int default_flags = 0;
    DrawStateRef current;
    DrawStateRef opened; // the display open_display made, for close_display
    GraphicsSettings settings;
    int display_seq = 0;
    int soft_sync = 0;
    TFramePacer pacer;
    bool exit_hook_added = false;
    PacingClock clock = nullptr;
    PacingSleep sleep = nullptr;
};

DisplayLayer& layer() {
    static auto* state = new DisplayLayer;
    return *state;
}

std::int32_t now() {
    DisplayLayer& d = layer();
    return d.clock ? d.clock() : clock_ms();
}

void sleep_for(std::int32_t ms) {
    DisplayLayer& d = layer();
    if (d.sleep)
        d.sleep(ms);
    else
        delay(ms);
}

int since(std::int32_t start) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(now()) -
                                     static_cast<std::uint32_t>(start));
}

void advance_display_seq() {
    int& seq = layer().display_seq;
    seq = seq == 0x7fffffff ? 1 : seq + 1;
}

// Full-screen displays may wait for the vertical blank by themselves: if a
// flip with sync 1 takes one refresh period three times running, the
// hardware paces and the software does not need to.
bool hardware_paces(int hz) {
    DisplayLayer& d = layer();
    int period = 1000 / hz;
    int run = 0;
    std::int32_t started = now();
    while (since(started) < 1000) {
        std::int32_t before = now();
        d.driver->present_frame(1);
        int error = since(before) - period;
        run = error >= -1 && error <= 1 ? run + 1 : 0;
        if (run == 3) return true;
    }
    return false;
}

// The defaults every display starts from, applied the first time it is made
// current. They also reset the image-loading globals.
void validate(TDrawState& state) {
    FontRef font = built_in_font();
    set_blend(BLEND_MASK);
    set_color(255, 255, 255);
    set_clear_color(0, 0, 0);
    set_mask_color(0, 0, 0);
    set_alpha(1.0f);
    set_origin(0, 0);
    set_handle(0, 0);
    set_viewport(0, 0, display_width(), display_height());
    set_transform(0, 1, 1);
    set_line_width(1.0f);
    auto_center_handle(0);
    default_image_flags(IMAGE_MASKED | IMAGE_FILTERED);
    select_font(font);
    clear_frame();
    present_frame(0);
    clear_frame();
    present_frame(0);
    state.validated = 1;
}

} // namespace

int display_seq() {
    return layer().display_seq;
}

TDrawState* current_draw_state() {
    return layer().current.get();
}

void set_default_graphics_flags(int flags) {
    layer().default_flags = flags;
}

void set_pacing_clock(PacingClock clock, PacingSleep sleep) {
    layer().clock = clock;
    layer().sleep = sleep;
}

void set_app_title(const std::string& title) {
    platform::set_window_title(title);
}

void set_render_driver(RenderDriverRef driver, int default_flags) {
    layer().driver = std::move(driver);
    layer().default_flags = default_flags;
}

RenderDriverRef render_driver() {
    return layer().driver;
}

DrawStateRef current_display() {
    return layer().current;
}

int flip_hook_id() {
    static int id = allocate_hook_id();
    return id;
}

DrawStateRef open_display(int width, int height, int depth, int hz, int flags) {
    close_display();
    DisplayLayer& d = layer();
    if (!d.driver) return nullptr;
    DrawStateRef display =
        d.driver->create_display(width, height, depth, hz, flags | d.default_flags);
    if (!display) return nullptr;
    advance_display_seq();
    select_display(display);
    // A rate of 0 flips on the vertical blank; a negative one is paced in
    // software at no rate at all, which leaves frames unpaced.
    d.soft_sync = hz != 0 ? 1 : 0;
    if (hz > 0 && depth != 0 && hardware_paces(hz)) d.soft_sync = 0;
    d.pacer.start(hz, now());
    d.opened = display;
    enable_polled_input();
    display->warp_pointer(width / 2, height / 2);
    if (!d.exit_hook_added) {
        d.exit_hook_added = true;
        add_exit_hook(close_display);
    }
    return display;
}

void close_display() {
    DisplayLayer& d = layer();
    if (!d.opened) return;
    advance_display_seq();
    disable_polled_input();
    DrawStateRef display = std::move(d.opened);
    d.opened.reset();
    if (d.current == display) select_display(nullptr);
    display->close();
}

void select_display(const DrawStateRef& display) {
    DisplayLayer& d = layer();
    if (!display) {
        if (d.driver) d.driver->select_display(nullptr);
        d.current.reset();
        d.settings = GraphicsSettings{};
        return;
    }
    RenderDriverRef driver = display->driver_object ? display->driver_object : d.driver;
    if (driver != d.driver) {
        if (d.driver && d.current) d.driver->select_display(nullptr);
        d.driver = driver;
    }
    d.settings = display->get_settings();
    d.current = display;
    driver->select_display(display);
    if (!display->validated) validate(*display);
    driver->set_blend(display->blend_mode);
    driver->set_viewport(display->viewport_x, display->viewport_y, display->viewport_width,
                         display->viewport_height);
    driver->set_transform(display->matrix_ix, display->matrix_iy, display->matrix_jx,
                          display->matrix_jy);
    driver->set_color(display->color_red, display->color_green, display->color_blue);
    driver->set_alpha(display->color_alpha);
}

int display_width() {
    return layer().settings.width;
}
int display_height() {
    return layer().settings.height;
}

void present_frame(int sync) {
    run_hooks(flip_hook_id(), nullptr);
    DisplayLayer& d = layer();
    if (!d.driver) return;
    if (sync != -1) {
        d.driver->present_frame(sync);
    } else if (d.current != d.opened || !d.opened || !d.soft_sync) {
        d.driver->present_frame(1);
    } else {
        int wait = d.pacer.next_wait(now());
        if (wait > 0) sleep_for(wait);
        d.driver->present_frame(0);
    }
    note_frame_presented();
}
