#include "graphics/gl_api.h"

#include "platform/platform.h"

GLApi& gl() {
    static auto* table = new GLApi;
    return *table;
}

GLOptionalApi& gl_optional() {
    static auto* table = new GLOptionalApi;
    return *table;
}

namespace {

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
}

} // namespace

bool load_gl_api() {
    GLApi loaded;
    bool complete = true;
#define ORV_GL_LOAD(name)                                                                          \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(platform::gl_proc_address("gl" #name));  \
    complete = complete && loaded.name;
    ORV_GL_FUNCTIONS(ORV_GL_LOAD)
#undef ORV_GL_LOAD
    if (complete) gl() = loaded;
    load_optional();
    return complete;
}
