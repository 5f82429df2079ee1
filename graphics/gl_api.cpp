#include "graphics/gl_api.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

GLApi& gl() {
    static auto* table = new GLApi;
    return *table;
}

GLOptionalApi& gl_optional() {
    static auto* table = new GLOptionalApi;
    return *table;
}

namespace {

bool context_is_webgl = false;
bool webgl_limits_kept = false;

// What emscripten's emulation has no entry point for: a browser's context
// works on without them.
bool webgl_may_lack(const char* name) {
    for (const char* missing : {"Bitmap", "DrawPixels", "GetTexImage", "PixelZoom", "RasterPos2f"})
        if (std::strcmp(name, missing) == 0) return true;
    return false;
}

// WebGL names itself in the version: "OpenGL ES 2.0 (WebGL 1.0)".
bool current_context_is_webgl() {
    using GetString = const GLubyte* (*)(GLenum);
    auto get_string = reinterpret_cast<GetString>(platform::gl_proc_address("glGetString"));
    const GLubyte* version = get_string ? get_string(GL_VERSION) : nullptr;
    return version && std::strstr(reinterpret_cast<const char*>(version), "WebGL");
}

template <typename F> void look_up(F& slot, const char* name) {
    slot = reinterpret_cast<F>(platform::gl_proc_address(name));
}

void load_optional() {
    GLOptionalApi& o = gl_optional();
    look_up(o.GenFramebuffers, "glGenFramebuffers");
    look_up(o.DeleteFramebuffers, "glDeleteFramebuffers");
    look_up(o.BindFramebuffer, "glBindFramebuffer");
    look_up(o.FramebufferTexture2D, "glFramebufferTexture2D");
    look_up(o.CheckFramebufferStatus, "glCheckFramebufferStatus");
    look_up(o.BlitFramebuffer, "glBlitFramebuffer");
    look_up(o.ClearBufferfv, "glClearBuffer"
                             "fv");
    look_up(o.ClipControl, "glClipControl");
}

#ifdef ORVESSA_GL_CHECKS
// The entry points as looked up, called by the checking ones in the tables.
template <typename Table> Table& real() {
    static auto* table = new Table;
    return *table;
}

// Between Begin and End asking for the error is itself an error; the
// primitive is checked once it ends.
bool inside_primitive = false;

void check(const char* name) {
    if (inside_primitive) return;
    const GLenum error = real<GLApi>().GetError();
    if (error == GL_NO_ERROR) return;
    std::fprintf(stderr, "OpenGL error 0x%04x after gl%s\n", error, name);
    std::abort();
}

#define ORV_GL_NAME(name) constexpr char name##_name[] = #name;
ORV_GL_FUNCTIONS(ORV_GL_NAME)
#undef ORV_GL_NAME
constexpr char GenFramebuffers_name[] = "GenFramebuffers";
constexpr char DeleteFramebuffers_name[] = "DeleteFramebuffers";
constexpr char BindFramebuffer_name[] = "BindFramebuffer";
constexpr char FramebufferTexture2D_name[] = "FramebufferTexture2D";
constexpr char CheckFramebufferStatus_name[] = "CheckFramebufferStatus";
constexpr char BlitFramebuffer_name[] = "BlitFramebuffer";
constexpr char ClearBufferfv_name[] = "ClearBufferfv";
constexpr char ClipControl_name[] = "ClipControl";

template <typename Table, auto Member, const char* Name, typename F> struct Checked;
template <typename Table, auto Member, const char* Name, typename R, typename... A>
struct Checked<Table, Member, Name, R (*)(A...)> {
    static R call(A... args) {
        if constexpr (Name == Begin_name) inside_primitive = true;
        if constexpr (Name == End_name) inside_primitive = false;
        if constexpr (std::is_void_v<R>) {
            (real<Table>().*Member)(args...);
            check(Name);
        } else {
            R result = (real<Table>().*Member)(args...);
            check(Name);
            return result;
        }
    }
};

template <typename Table, auto Member, const char* Name> void wrap(Table& table) {
    using F = std::remove_reference_t<decltype(table.*Member)>;
    (real<Table>().*Member) = table.*Member;
    if (table.*Member) table.*Member = &Checked<Table, Member, Name, F>::call;
}

void check_every_call() {
    GLApi& g = gl();
#define ORV_GL_WRAP(name) wrap<GLApi, &GLApi::name, name##_name>(g);
    ORV_GL_FUNCTIONS(ORV_GL_WRAP)
#undef ORV_GL_WRAP
    g.GetError = real<GLApi>().GetError; // the checks' own question
    GLOptionalApi& o = gl_optional();
    wrap<GLOptionalApi, &GLOptionalApi::GenFramebuffers, GenFramebuffers_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::DeleteFramebuffers, DeleteFramebuffers_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::BindFramebuffer, BindFramebuffer_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::FramebufferTexture2D, FramebufferTexture2D_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::CheckFramebufferStatus, CheckFramebufferStatus_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::BlitFramebuffer, BlitFramebuffer_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::ClearBufferfv, ClearBufferfv_name>(o);
    wrap<GLOptionalApi, &GLOptionalApi::ClipControl, ClipControl_name>(o);
}
#endif

} // namespace

bool gl_webgl() {
    return context_is_webgl || webgl_limits_kept;
}

void keep_to_webgl_limits(bool on) {
    webgl_limits_kept = on;
}

bool load_gl_api() {
    context_is_webgl = current_context_is_webgl();
    GLApi loaded;
    bool complete = true;
#define ORV_GL_LOAD(name)                                                                          \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(platform::gl_proc_address("gl" #name));  \
    complete = complete && (loaded.name || (context_is_webgl && webgl_may_lack(#name)));
    ORV_GL_FUNCTIONS(ORV_GL_LOAD)
#undef ORV_GL_LOAD
    if (complete) gl() = loaded;
    load_optional();
#ifdef ORVESSA_GL_CHECKS
    if (complete) check_every_call();
#endif
    return complete;
}
