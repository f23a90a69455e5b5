#pragma once
// The case: the 22 values that describe one motor and one run.

#include <cstdint>
#include <string>

// Case-file records in file order. Every field starts at zero (the title all
// blanks), so a null value or a slash in its record leaves a defined zero.
struct CaseParameters {
  std::string titulo = std::string(128, ' ');  // 128 characters as read
  double Dg = 0.0;        // nozzle throat diameter (m)
  double De = 0.0;        // grain outer diameter (m)
  double Di = 0.0;        // grain core diameter (m)
  double L = 0.0;         // grain length (m); types 2 and 3 replace it by the burnt distance
  int32_t grao = 0;       // grain type code
  int32_t freq = 0;       // type 4: steps between frames of the animation, 0 for none
  double tx_ativ = 0.0;   // type 4: activation rate (m/s)
  double rho_p = 0.0;     // propellant density (kg/m3)
  double a = 0.0;         // burn-rate coefficient of r = a p^n (m/s/Pa^n)
  double n = 0.0;         // burn-rate exponent
  double pa = 0.0;        // ambient pressure (Pa)
  double dt = 0.0;        // time step (s)
  int32_t npassos = 0;    // step limit of the burn
  int32_t itmax = 0;      // trial limit of the pressure solver
  double tol = 0.0;       // solver tolerance on the pressure change (Pa)
  double relax = 0.0;     // solver relaxation factor
  double ho = 0.0;        // solver's first pressure step (Pa)
  double Cd = 0.0;        // nozzle discharge coefficient
  double Et = 0.0;        // efficiency applied to the flame temperature
  int32_t tab_pq = 0;     // 1: a and n from the burn-rate table
  int32_t prop = 0;       // propellant code 0 to 3
};

// Name of the command file, in the working directory.
inline constexpr const char* arquivo_comando = "tavrum_1p4.in";

// Reads the command file, whose first value names the case file, then the
// case file's 22 records.
CaseParameters le_caso();

// The title without its leading and trailing blanks: the stem of every
// output file name.
std::string titulo_aparado(const CaseParameters& caso);
