#include "models/propelente.h"

#include <cmath>

namespace {

// The fits were made in single precision: each coefficient is the float of
// the decimal given, widened to double (not the decimal read as a double).
struct Ajuste {
  float c[10];
};

// [property][prop]: k, R, adiabatic flame temperature, condensed fraction.
// Propellants: 0 KNSu 65/35, 1 black powder, 2 KNSu 60/40, 3 KNSu 70/30.
constexpr Ajuste ajustes[4][4] = {
    {
        {{3.0951085f, -3.4778829f, 2.6858902f, -1.1923354f, 0.333445f, -0.060884718f,
          0.007254336f, -0.00054362026f, 2.3250284e-05f, -4.3268312e-07f}},
        {{5.780922f, -9.311753f, 8.132986f, -4.100999f, 1.3157116f, -0.27840048f, 0.038829498f,
          -0.0034395475f, 0.0001754049f, -3.918675e-06f}},
        {{-0.61104316f, 2.9805846f, -2.2556472f, 0.96775645f, -0.26021436f, 0.04544192f,
          -0.0051537766f, 0.00036645055f, -1.48496165e-05f, 2.6184492e-07f}},
        {{2.1113114f, -1.488726f, 1.0257176f, -0.4045373f, 0.09825972f, -0.015103557f,
          0.0014469057f, -8.090744e-05f, 2.2413503e-06f, -1.8414543e-08f}},
    },
    {
        {{393.26196f, -278.26144f, 221.73183f, -100.20726f, 27.432138f, -4.6764164f, 0.48689133f,
          -0.028765135f, 0.00080006185f, -5.329042e-06f}},
        {{-46181.664f, 92608.94f, -81266.35f, 41105.688f, -13202.776f, 2791.2852f, -388.24475f,
          34.23963f, -1.7361522f, 0.03853312f}},
        {{6717.326f, -11388.037f, 8769.495f, -3873.7483f, 1080.9486f, -197.57718f, 23.649298f,
          -1.7869078f, 0.07731503f, -0.0014594004f}},
        {{247.64589f, 116.17354f, -208.98853f, 146.93976f, -57.33583f, 13.629065f, -2.0238094f,
          0.18326911f, -0.009247303f, 0.00019903923f}},
    },
    {
        {{-13788.899f, 26326.977f, -20374.232f, 9024.487f, -2508.435f, 453.32404f, -53.192577f,
          3.9042182f, -0.16267249f, 0.0029350703f}},
        {{-181135.95f, 363202.97f, -318593.44f, 161107.08f, -51730.305f, 10932.968f, -1520.1108f,
          134.00153f, -6.791176f, 0.150634f}},
        {{-39383.363f, 71517.64f, -55424.832f, 24694.14f, -6960.718f, 1287.0007f, -155.98483f,
          11.93852f, -0.52311486f, 0.0099929925f}},
        {{-2476.45f, 4225.3467f, -1603.1558f, -48.09706f, 241.31955f, -88.37486f, 16.143118f,
          -1.6543493f, 0.09063036f, -0.002067981f}},
    },
    {
        {{-20.479965f, 36.211334f, -27.729147f, 12.146681f, -3.3493686f, 0.6026535f,
          -0.070722036f, 0.005218764f, -0.00021983037f, 4.030904e-06f}},
        {{72.604355f, -144.05937f, 126.20742f, -63.717793f, 20.421572f, -4.3067713f, 0.59732187f,
          -0.052503005f, 0.0026518418f, -5.8585476e-05f}},
        {{16.246027f, -27.693092f, 20.763996f, -8.85836f, 2.3709817f, -0.41269124f, 0.046733905f,
          -0.0033243007f, 0.00013501015f, -2.3895811e-06f}},
        {{1.9983717f, -4.703224f, 4.6689196f, -2.5494685f, 0.8563768f, -0.18434806f,
          0.025520582f, -0.0021947697f, 0.00010650963f, -2.2249496e-06f}},
    },
};

enum Propriedade { prop_k_, prop_R_, prop_T_, prop_fc_ };

constexpr Ajuste zero{};

const Ajuste& ajuste(Propriedade q, int32_t prop) {
  if (prop < 0 || prop > 3) return zero;
  return ajustes[q][prop];
}

// c0 + c1 L + ... + c9 L^9, summed in exactly this grouping: the published
// values depend on it to the last bit.
double polinomio(const Ajuste& a, double L) {
  double c0 = a.c[0], c1 = a.c[1], c2 = a.c[2], c3 = a.c[3], c4 = a.c[4];
  double c5 = a.c[5], c6 = a.c[6], c7 = a.c[7], c8 = a.c[8], c9 = a.c[9];
  double L2 = L * L;
  double L4 = L2 * L2;
  double L6 = L2 * L4;
  double L8 = L4 * L4;
  return ((c3 * L + c2) * L + (((c5 * L4 + c7 * L6) + c9 * L8) + c1)) * L +
         (((c0 + c4 * L4) + c6 * L6) + c8 * L8);
}

}  // namespace

double prop_k(int32_t prop, double p) { return polinomio(ajuste(prop_k_, prop), std::log10(p)); }
double prop_R(int32_t prop, double p) { return polinomio(ajuste(prop_R_, prop), std::log10(p)); }
double prop_T(int32_t prop, double p) { return polinomio(ajuste(prop_T_, prop), std::log10(p)); }
double prop_fc(int32_t prop, double p) { return polinomio(ajuste(prop_fc_, prop), std::log10(p)); }

PropellantProperties propriedades(int32_t prop, double p, double Et) {
  double L = std::log10(p);
  PropellantProperties q;
  q.k = polinomio(ajuste(prop_k_, prop), L);
  q.R = polinomio(ajuste(prop_R_, prop), L);
  q.T = polinomio(ajuste(prop_T_, prop), L) * Et;
  q.fc = polinomio(ajuste(prop_fc_, prop), L);
  return q;
}

double mach(double p0, double pa, double k) {
  double razao = p0 / pa;
  double potencia = std::pow(razao, (k - 1.0) / k);
  return std::sqrt((potencia - 1.0) * 2.0 / (k - 1.0));
}
