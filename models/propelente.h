#pragma once
// Gas properties of the four propellants as functions of chamber pressure,
// and the Mach number of the expansion to ambient pressure.

#include <cstdint>

// Properties at one chamber pressure. T is the fitted flame temperature
// already multiplied by the case's efficiency Et.
struct PropellantProperties {
  double k;   // ratio of specific heats
  double R;   // gas constant (J/(kg K))
  double T;   // flame temperature used by the model (K)
  double fc;  // mass fraction of condensed products
};

// Degree-9 fits in log10 of the pressure (Pa). A code outside 0 to 3 has
// all-zero coefficients.
double prop_k(int32_t prop, double p);
double prop_R(int32_t prop, double p);
double prop_T(int32_t prop, double p);
double prop_fc(int32_t prop, double p);

// The four fits at p, sharing one log10: the same values, bit for bit, as
// prop_k, prop_R, prop_T (times Et) and prop_fc.
PropellantProperties propriedades(int32_t prop, double p, double Et);

// Mach number of the isentropic expansion from p0 to pa.
double mach(double p0, double pa, double k);
