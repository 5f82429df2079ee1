// The OpenGL entry points the render driver calls, looked up through the
// platform layer once a context exists. Going through this table rather than
// linking libGL's symbols makes the calls reach whichever context the window
// system gave us (GLX or EGL), and lets tests watch the calls.
#pragma once

#include <GL/gl.h>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

#define ORV_GL_FUNCTIONS(X)                                                                        \
    X(AlphaFunc)                                                                                   \
    X(Begin)                                                                                       \
    X(BindTexture)                                                                                 \
    X(Bitmap)                                                                                      \
    X(BlendFunc)                                                                                   \
    X(Clear)                                                                                       \
    X(ClearColor)                                                                                  \
    X(Color4ubv)                                                                                   \
    X(DeleteTextures)                                                                              \
    X(Disable)                                                                                     \
    X(DrawPixels)                                                                                  \
    X(Enable)                                                                                      \
    X(End)                                                                                         \
    X(GenTextures)                                                                                 \
    X(GetTexImage)                                                                                 \
    X(GetTexLevelParameteriv)                                                                      \
    X(LineWidth)                                                                                   \
    X(LoadIdentity)                                                                                \
    X(MatrixMode)                                                                                  \
    X(Ortho)                                                                                       \
    X(PixelStorei)                                                                                 \
    X(PixelZoom)                                                                                   \
    X(RasterPos2f)                                                                                 \
    X(ReadPixels)                                                                                  \
    X(Scissor)                                                                                     \
    X(TexCoord2f)                                                                                  \
    X(TexEnvi)                                                                                     \
    X(TexImage2D)                                                                                  \
    X(TexParameteri)                                                                               \
    X(TexSubImage2D)                                                                               \
    X(Vertex2f)                                                                                    \
    X(Viewport)

struct GLApi {
#define ORV_GL_SLOT(name) decltype(&::gl##name) name = nullptr;
    ORV_GL_FUNCTIONS(ORV_GL_SLOT)
#undef ORV_GL_SLOT
};

// The table; empty until load_gl_api() succeeded.
GLApi& gl();

// Fills the table from the current context. False (and the table left
// empty) when an entry point is missing.
bool load_gl_api();
