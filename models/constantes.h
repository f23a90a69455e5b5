#pragma once
// Constants of the models, each stored as the double it must be: results are
// compared bit for bit, so pi, 2 pi and pi/4 are not derived from one another.

inline constexpr double pi = 3.141592653589793;
inline constexpr double dois_pi = 6.283185307179586;
inline constexpr double pi_4 = 0.7853981633974483;

// Standard gravity (m/s2), for the specific impulse.
inline constexpr double g0 = 9.80665;

// Pascals in one bar: pressures are written in bar.
inline constexpr double pascal_por_bar = 100000.0;
