#include "graphics/gl_api.h"

#include "platform/platform.h"

GLApi& gl() {
    static auto* table = new GLApi;
    return *table;
}

bool load_gl_api() {
    GLApi loaded;
    bool complete = true;
#define ORV_GL_LOAD(name)                                                                          \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(platform::gl_proc_address("gl" #name));  \
    complete = complete && loaded.name;
    ORV_GL_FUNCTIONS(ORV_GL_LOAD)
#undef ORV_GL_LOAD
    if (complete) gl() = loaded;
    return complete;
}
