#include "engine/bocal.h"

#include <cmath>

#include "models/constantes.h"

void vazao(const PropellantProperties& q, double M, double p, double Cd, double At, double& fmt) {
  const double k = q.k, R = q.R, T = q.T;
  const double e = -(k + 1.0) / (k - 1.0);
  // The power first, then k / R / T, then the root: the order of the
  // published results.
  if (M < 1.0) {
    const double g = 1.0 + (k - 1.0) / 2.0 * (M * M);
    fmt = Cd * At * M * p * std::sqrt(std::pow(g, e) * k / R / T);
  } else if (M >= 1.0) {
    fmt = Cd * At * p * std::sqrt(std::pow((k + 1.0) / 2.0, e) * k / R / T);
  }
}

Gas avalia_gas(double p, const CaseParameters& caso) {
  Gas gas{p, propriedades(caso.prop, p, caso.Et), 0.0};
  gas.M = mach(p, caso.pa, gas.q.k);
  return gas;
}

Desempenho desempenho(double p, double pa, double Cd, double Et, double At, int prop,
                      double& fmt) {
  const PropellantProperties q = propriedades(prop, p, Et);
  return desempenho(Gas{p, q, mach(p, pa, q.k)}, Cd, At, fmt);
}

Desempenho desempenho(const Gas& gas, double Cd, double At, double& fmt) {
  const PropellantProperties& q = gas.q;
  const double p = gas.p, M = gas.M;
  vazao(q, M, p, Cd, At, fmt);
  Desempenho d;
  d.fmt = fmt;
  const double g = 1.0 + (q.k - 1.0) / 2.0 * (M * M);
  // A choked throat keeps its supersonic M: the jet is taken as expanded
  // exactly to ambient pressure, and there is no pressure thrust.
  d.Ve = M * std::sqrt(q.T * q.R * q.k / g);
  d.Fd = d.fmt * d.Ve;
  d.Cf = d.Fd / (At * p);
  d.Is = d.Fd / (d.fmt * g0);
  return d;
}
