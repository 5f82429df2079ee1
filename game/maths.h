// Angles in degrees and the double-precision power the rules are written in.
#pragma once

double sin_deg(double degrees);
double cos_deg(double degrees);
// x raised to y, in double precision.
double power(double x, double y);
