// Counts calls to one OpenGL entry point of the driver's table while alive.
//
//   GLWatch<&GLApi::Vertex2f> vertices;
//   draw_oval(...);
//   EXPECT_EQ(vertices.calls(), 12);
#pragma once

#include "graphics/gl_api.h"

#include <type_traits>

template <auto Slot, typename F = std::remove_reference_t<decltype(GLApi{}.*Slot)>> class GLWatch;

template <auto Slot, typename R, typename... A> class GLWatch<Slot, R (*)(A...)> {
  public:
    GLWatch() {
        original = gl().*Slot;
        calls_ = 0;
        gl().*Slot = &call;
    }
    ~GLWatch() {
        gl().*Slot = original;
        replacement = nullptr;
    }
    GLWatch(const GLWatch&) = delete;
    GLWatch& operator=(const GLWatch&) = delete;

    int calls() const { return calls_; }
    void reset() { calls_ = 0; }
    // Called in place of the real entry point when set; its result is returned.
    static inline R (*replacement)(A...) = nullptr;
    // The real entry point.
    static inline R (*original)(A...) = nullptr;

  private:
    static R call(A... args) {
        ++calls_;
        if (replacement) return replacement(args...);
        return original(args...);
    }
    static inline int calls_ = 0;
};
