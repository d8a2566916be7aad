// The two angle functions of the simulation, computed the same way on every
// system: the C libraries of Linux and Windows give different last bits for
// atan2 and tan, which a bounce would carry into the ball's path. These use
// only the arithmetic IEEE 754 rounds exactly, so a level plays out to the
// bit on both. Within an ulp of the true value.
#pragma once

// The angle of (x, y) from the x axis, in -pi..pi, as std::atan2.
double stableAtan2(double y, double x);

// The tangent of x, as std::tan, for |x| below about 1.6 million.
double stableTan(double x);
