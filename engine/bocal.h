#pragma once
// Nozzle flow and performance: an isentropic expansion from the chamber
// pressure to ambient, through a subsonic (M < 1) or choked (M >= 1) throat.

#include "input/caso.h"
#include "models/propelente.h"

// The motor at one chamber pressure.
struct Desempenho {
  double fmt;  // mass flow (kg/s)
  double Ve;   // exhaust velocity (m/s)
  double Fd;   // thrust (N)
  double Cf;   // thrust coefficient
  double Is;   // specific impulse (s)
};

// The gas at one chamber pressure p: its properties (T already times Et)
// and the Mach number of its expansion to ambient, as computed (a NaN or 0
// not replaced).
struct Gas {
  double p;
  PropellantProperties q;
  double M;
};
Gas avalia_gas(double p, const CaseParameters& caso);

// Mass flow through the throat of area At at chamber pressure p with the
// expansion's Mach number M. `fmt` keeps its value when M is not a number,
// for then neither form of the flow applies.
void vazao(const PropellantProperties& q, double M, double p, double Cd, double At, double& fmt);

// Properties, Mach number, flow, velocity, thrust, thrust coefficient and
// specific impulse at the step's final pressure p. `fmt` is the step state's
// flow, which stays as it was when M is not a number.
Desempenho desempenho(double p, double pa, double Cd, double Et, double At, int prop,
                      double& fmt);
// The same from the gas already evaluated at the step's pressure.
Desempenho desempenho(const Gas& gas, double Cd, double At, double& fmt);
