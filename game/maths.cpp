#include "game/maths.h"

#include <cmath>

namespace {

constexpr double RADIANS_PER_DEGREE = 0.017453292519943295;

} // namespace

double sin_deg(double degrees) {
    return std::sin(degrees * RADIANS_PER_DEGREE);
}

double cos_deg(double degrees) {
    return std::cos(degrees * RADIANS_PER_DEGREE);
}

double power(double x, double y) {
    return std::pow(x, y);
}
