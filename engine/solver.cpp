#include "engine/solver.h"

#include <cmath>

#include "engine/bocal.h"
#include "models/propelente.h"

namespace {

double residuo_com(const EntradaSolver& e, const CaseParameters& caso, double p, double M,
                   const PropellantProperties& q) {
  const double R = q.R, T = q.T;
  // A Mach number that is not a number gives a flow that is not one either.
  double fmt = NAN;
  vazao(q, M, p, caso.Cd, e.At, fmt);
  if (!e.queima) {
    // The chamber empties through the nozzle at a fixed volume.
    return caso.dt * (-fmt) - e.Vc * (p - e.p_ant) / R / T;
  }
  // Gas generated less its condensed part, gas filling the volume freed at
  // the trial burn rate, gas leaving through the nozzle, and the change of
  // the gas stored from the previous step to this trial.
  const double gerado = (1.0 - q.fc) * caso.rho_p * e.Ab * e.a * std::pow(p, e.n);
  const double enchimento = e.a * e.Ab * std::pow(p, e.n + 1.0) / R / T;
  const double armazenado = (e.Vc * p - e.Vc_ant * e.p_ant) / R / T;
  return caso.dt * (gerado - enchimento - fmt) - armazenado;
}

}  // namespace

double residuo(const EntradaSolver& e, const CaseParameters& caso, double p, double M) {
  return residuo_com(e, caso, p, M, propriedades(caso.prop, p, caso.Et));
}

Solucao resolve_pressao(const EntradaSolver& e, const CaseParameters& caso, double dp) {
  return resolve_pressao(e, caso, dp, avalia_gas(e.p_ant, caso));
}

Solucao resolve_pressao(const EntradaSolver& e, const CaseParameters& caso, double dp,
                        const Gas& inicio) {
  const double pa = caso.pa;
  double p = e.p_ant;
  Gas gas = inicio;
  double f_ant = residuo_com(e, caso, p, gas.M, gas.q);
  double anterior = p;  // the previous trial before its clamp
  double s = caso.ho;
  int64_t contador = 1;  // wide: itmax + 1 must not overflow

  if (caso.itmax > 0) {
    for (;;) {
      const double p0 = p;
      p = p0 + s;
      gas = avalia_gas(p, caso);
      double M = gas.M;
      if (std::isnan(M) || M == 0.0) M = 0.1;
      const double f = residuo_com(e, caso, p, M, gas.q);
      // Secant through the previous trial, relaxed, and added to this trial
      // after its clamp.
      s = -caso.relax * f_ant * (p - anterior) / (f - f_ant);
      f_ant = f;
      anterior = p;
      dp = std::fabs(p - p0);
      if (p <= pa) {
        p = std::fabs(p) + pa;
      } else if (p >= p_limite) {
        p = (std::fabs(p) + p_limite) / 2.0;
      }
      if (std::isnan(p)) {
        p = pa;
        break;
      }
      if (dp < caso.tol) break;
      ++contador;
      if (contador > caso.itmax) break;
    }
  }
  // A burning step whose trials ran out falls back to ambient pressure; the
  // tail-off keeps its last trial.
  if (e.queima && contador == int64_t{caso.itmax} + 1) p = pa;
  return {p, dp, static_cast<int32_t>(contador), gas};
}
