#pragma once
// What one step produces and what the run gathers over its steps.

#include <cstdint>

// One step, in row order, in SI units (the row converts some of them).
struct StepRecord {
  int32_t i;          // step index
  double t;           // time, i dt (s)
  double Fd;          // thrust (N)
  double r;           // burn rate (m/s)
  double p;           // chamber pressure (Pa)
  double Kn;          // burning area over throat area
  double fmt;         // mass flow (kg/s)
  double Ve;          // exhaust velocity (m/s)
  double x;           // regression distance (m)
  double Cf;          // thrust coefficient
  double Is;          // specific impulse (s)
  double dp;          // last pressure change of the solver (Pa)
  int32_t iteracoes;  // solver trials
  double a, n;        // burn-rate law in force
};

// Sums and maxima of the run, all zero before the first step.
struct RunTotals {
  double It = 0.0;        // total impulse (N s), every row
  double soma_fmt = 0.0;  // plain sum of the mass flows (kg/s), every row
  double Fd_max = 0.0;    // largest thrust of a burning row (N)
  double p_max = 0.0;     // largest pressure of a burning row (Pa)
  double soma_pdt = 0.0;  // sum of p dt over burning rows above ambient (Pa s)
  double t_fim = 0.0;     // time of the last row (s)
  double t_desp = 0.0;    // length of the tail-off: t_fim less the last burning step's time (s)
};
