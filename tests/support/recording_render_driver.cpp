#include "tests/support/recording_render_driver.h"

#include "graphics/startup.h"

#include <sstream>

namespace {

RenderCall make_call(std::string name, std::vector<float> args) {
    RenderCall call;
    call.name = std::move(name);
    call.args = std::move(args);
    return call;
}

std::string number_text(float value) {
    std::ostringstream out;
    out.precision(9);
    out << value + 0.0f; // -0 prints as 0
    return out.str();
}

// The display a recording driver "opens": it only remembers its settings.
class TRecordingGraphics : public TGraphics {
  public:
    TRecordingGraphics(TRecordingRenderDriver* owner, GraphicsSettings settings)
        : owner_(owner), settings_(settings) {}
    void* driver() override { return owner_; }
    GraphicsSettings get_settings() override { return settings_; }
    void close() override { owner_->record(make_call("close_display", {})); }
    void warp_pointer(int x, int y) override {
        owner_->record(make_call("warp_pointer", {float(x), float(y)}));
    }

  private:
    TRecordingRenderDriver* owner_;
    GraphicsSettings settings_;
};

class TRecordingFrame : public TImageFrame {
  public:
    TRecordingFrame(TRecordingRenderDriver* owner, int id, PixmapRef pixmap)
        : owner_(owner), id_(id), pixmap_(std::move(pixmap)) {}
    void draw(float x0, float y0, float x1, float y1, float tx, float ty) override {
        RenderCall call = make_call("frame_draw", {x0, y0, x1, y1, tx, ty});
        call.frame_id = id_;
        call.pixmap = pixmap_;
        owner_->record(std::move(call));
    }

  private:
    TRecordingRenderDriver* owner_;
    int id_;
    PixmapRef pixmap_;
};

} // namespace

std::string RenderCall::text() const {
    std::string out = name + "(";
    for (std::size_t i = 0; i < args.size(); ++i) out += (i ? "," : "") + number_text(args[i]);
    return out + ")";
}

std::vector<RenderCall> TRecordingRenderDriver::named(const std::string& name) const {
    std::vector<RenderCall> found;
    for (const RenderCall& call : calls)
        if (call.name == name) found.push_back(call);
    return found;
}

RenderCall TRecordingRenderDriver::last(const std::string& name) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->name == name) return *it;
    return RenderCall{};
}

int TRecordingRenderDriver::count(const std::string& name) const {
    return static_cast<int>(named(name).size());
}

std::string TRecordingRenderDriver::log() const {
    std::string out;
    for (const RenderCall& call : calls) out += call.text() + "\n";
    return out;
}

void TRecordingRenderDriver::record(RenderCall call) {
    if (recording) calls.push_back(std::move(call));
}

std::vector<TGraphicsMode> TRecordingRenderDriver::display_modes() {
    return {};
}

DrawStateRef TRecordingRenderDriver::attach_display(void*, int) {
    return nullptr;
}

DrawStateRef TRecordingRenderDriver::create_display(int width, int height, int depth, int hz,
                                                    int flags) {
    record(make_call("create_display",
                     {float(width), float(height), float(depth), float(hz), float(flags)}));
    auto graphics = std::make_shared<TRecordingGraphics>(
        this, GraphicsSettings{width, height, depth, hz, flags});
    return std::make_shared<TDrawState>(graphics, shared_from_this());
}

void TRecordingRenderDriver::select_display(const DrawStateRef& display) {
    record(make_call("select_display", {display ? 1.0f : 0.0f}));
}

void TRecordingRenderDriver::present_frame(int sync) {
    record(make_call("present_frame", {float(sync)}));
}

ImageFrameRef TRecordingRenderDriver::create_frame_from_pixmap(const PixmapRef& pixmap,
                                                               int image_flags) {
    int id = next_frame_id_++;
    RenderCall call = make_call("create_frame", {});
    if (pixmap) call.args = {float(pixmap->width), float(pixmap->height)};
    call.frame_id = id;
    call.pixmap = pixmap;
    call.image_flags = image_flags;
    record(std::move(call));
    return std::make_shared<TRecordingFrame>(this, id, pixmap);
}

void TRecordingRenderDriver::set_blend(int mode) {
    record(make_call("set_blend", {float(mode)}));
}
void TRecordingRenderDriver::set_alpha(float alpha) {
    record(make_call("set_alpha", {alpha}));
}
void TRecordingRenderDriver::set_color(int r, int g, int b) {
    record(make_call("set_color", {float(r), float(g), float(b)}));
}
void TRecordingRenderDriver::set_clear_color(int r, int g, int b) {
    record(make_call("set_clear_color", {float(r), float(g), float(b)}));
}
void TRecordingRenderDriver::set_viewport(int x, int y, int width, int height) {
    record(make_call("set_viewport", {float(x), float(y), float(width), float(height)}));
}
void TRecordingRenderDriver::set_transform(float ix, float iy, float jx, float jy) {
    record(make_call("set_transform", {ix, iy, jx, jy}));
}
void TRecordingRenderDriver::set_line_width(float width) {
    record(make_call("set_line_width", {width}));
}
void TRecordingRenderDriver::clear_frame() {
    record(make_call("clear_frame", {}));
}
void TRecordingRenderDriver::plot(float x, float y) {
    record(make_call("plot", {x, y}));
}
void TRecordingRenderDriver::draw_line(float x0, float y0, float x1, float y1, float tx, float ty) {
    record(make_call("draw_line", {x0, y0, x1, y1, tx, ty}));
}
void TRecordingRenderDriver::draw_rect(float x0, float y0, float x1, float y1, float tx, float ty) {
    record(make_call("draw_rect", {x0, y0, x1, y1, tx, ty}));
}
void TRecordingRenderDriver::draw_oval(float x0, float y0, float x1, float y1, float tx, float ty) {
    record(make_call("draw_oval", {x0, y0, x1, y1, tx, ty}));
}
void TRecordingRenderDriver::draw_poly(std::span<const float> xy, float handle_x, float handle_y,
                                       float origin_x, float origin_y) {
    RenderCall call = make_call("draw_poly", {xy.begin(), xy.end()});
    call.args.insert(call.args.end(), {handle_x, handle_y, origin_x, origin_y});
    record(std::move(call));
}
void TRecordingRenderDriver::draw_pixmap(const PixmapRef& pixmap, int x, int y) {
    RenderCall call = make_call("draw_pixmap", {float(x), float(y)});
    call.pixmap = pixmap;
    record(std::move(call));
}

PixmapRef TRecordingRenderDriver::capture_pixmap(int x, int y, int width, int height) {
    record(make_call("capture_pixmap", {float(x), float(y), float(width), float(height)}));
    PixmapRef pixmap = create_pixmap(width, height, FORMAT_RGBA8888, 4);
    if (back_buffer) pixmap->paste(back_buffer, -x, -y);
    return pixmap;
}

TRecordingRenderDriver::Scope::Scope(int width, int height, int hz)
    : driver_(std::make_shared<TRecordingRenderDriver>()), previous_(render_driver()) {
    graphics_startup();
    previous_ = render_driver();
    set_render_driver(driver_);
    display_ = open_display(width, height, 0, hz, 0);
    driver_->clear();
}

TRecordingRenderDriver::Scope::~Scope() {
    close_display();
    set_render_driver(previous_);
}
