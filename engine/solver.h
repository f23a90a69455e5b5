#pragma once
// Chamber pressure of one step: the pressure at which the chamber's gas-mass
// balance over the step closes, by a relaxed secant iteration with a fixed
// first step, clamps that keep trials above ambient and below 1e10 Pa, and
// fall-backs to ambient pressure.

#include <cstdint>

#include "engine/bocal.h"
#include "input/caso.h"

// What one solve starts from.
struct EntradaSolver {
  double p_ant;   // previous step's pressure (Pa): the start
  double Vc_ant;  // free volume the previous step ended with (m3)
  double Vc;      // this step's free volume (m3)
  double Ab;      // this step's burning area (m2)
  double a, n;    // burn-rate law in force
  double At;      // throat area (m2)
  bool queima;    // burning step; false in the tail-off (no generation, Vc = Vc_ant)
};

struct Solucao {
  double p;           // the step's pressure (Pa)
  double dp;          // size of the last trial's change (Pa)
  int32_t iteracoes;  // trials made, or itmax + 1 when they ran out
  Gas ultimo;         // the gas at the last pressure the solve evaluated
};

// Gas-mass residual (kg over the step) at trial pressure p with Mach number M.
double residuo(const EntradaSolver& e, const CaseParameters& caso, double p, double M);

// Solves one step. `dp` is the previous step's value, kept when no trial is
// made; `inicio` is the gas at e.p_ant, where the solve starts.
Solucao resolve_pressao(const EntradaSolver& e, const CaseParameters& caso, double dp,
                        const Gas& inicio);
Solucao resolve_pressao(const EntradaSolver& e, const CaseParameters& caso, double dp);

// Trials at or above this pressure (Pa) are pulled back halfway to it.
inline constexpr double p_limite = 1e10;
