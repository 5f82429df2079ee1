// The OpenGL entry points the render driver calls, looked up through the
// platform layer once a context exists. Going through this table rather than
// linking libGL's symbols makes the calls reach whichever context the window
// system gave us (GLX or EGL), and lets tests watch the calls.
#pragma once

#include <GL/gl.h>
// Windows' gl.h stops at OpenGL 1.1; the later names are all in glext.h.
#include <GL/glext.h>

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
    X(GetError)                                                                                    \
    X(GetIntegerv)                                                                                 \
    X(GetString)                                                                                   \
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

// Entry points the driver can do without: looked up with the others, but a
// missing one only turns off what needs it (framebuffer objects and their
// blits, from OpenGL 3.0, for copying pictures without drawing them).
struct GLOptionalApi {
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC FramebufferTexture2D = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer = nullptr;
    PFNGLCLEARBUFFERFVPROC ClearBufferfv = nullptr;
    PFNGLCLIPCONTROLPROC ClipControl = nullptr;

    bool has_framebuffers() const {
        return GenFramebuffers && DeleteFramebuffers && BindFramebuffer && FramebufferTexture2D &&
               CheckFramebufferStatus && BlitFramebuffer;
    }
};

// The table; empty until load_gl_api() succeeded.
GLApi& gl();
// The optional ones, filled by load_gl_api() as far as they exist.
GLOptionalApi& gl_optional();

// Whether the context is a browser's WebGL 1.0, under emscripten's emulation
// of OpenGL 1.1's calls. It lacks polygons (fans of triangles draw the same),
// lines wider than a pixel, sized texture formats and proxy textures, the row
// length of pixel uploads, pixel rectangles (glDrawPixels, glBitmap,
// glPixelZoom, glRasterPos) and framebuffer blits. The driver then takes its
// general path, with an equivalent way wherever even that calls for one of
// these; the entry points of pixel rectangles may be missing.
bool gl_webgl();
// Makes a desktop context keep to those limits, as if it were WebGL (tests
// prove the browser's ways on it); false goes back to what the context is.
void keep_to_webgl_limits(bool on);

// Fills the table from the current context. False (and the table left
// empty) when an entry point is missing.
//
// Built with ORVESSA_GL_CHECKS (the sanitizer build), every entry point
// asks for OpenGL's error after the call and ends the program with the
// call's name when there is one: a call made in the wrong state shows as a
// failing test, not as a wrong picture.
bool load_gl_api();
