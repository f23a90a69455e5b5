#pragma once
// The step state the driver carries from one step to the next.

#include <cstdint>

#include "engine/bocal.h"

struct EstadoPasso {
  int32_t i = 1;        // index of the current step
  double x = 0.0;       // regression distance (m)
  double p = 0.0;       // chamber pressure: the previous step's until solved (Pa)
  double Vc_ant = 0.0;  // free volume the previous step ended with (m3)
  double a = 0.0;       // burn-rate law in force
  double n = 0.0;
  double fmt = 0.0;     // mass flow of the last step (kg/s)
  double dp = 0.0;      // last pressure change of the solver (Pa)
  Gas gas{};            // the gas at p: the next solve starts from it
};
