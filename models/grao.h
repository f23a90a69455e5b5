#pragma once
// Grain geometry: burning area and free chamber volume of each grain type as
// the surfaces recede, and the end of the burn.
//
// Grain types: 1 end burner; 2 tube burning on its core; 3 tube burning on
// every surface; 4 activation-front grain (frente.h); 5 solid cylinder burning
// on its outside and ends; 6 tube burning on its core and ends; 7 four type-6
// tubes of L/4; 8 two type-6 tubes of L and L/2. Any other code keeps its
// starting area and volume.

#include <cstdint>
#include <optional>
#include <vector>

#include "input/caso.h"

class ArquivoSaida;

struct GrainGeometry {
  int32_t grao = 0;
  double Re = 0.0;   // outer radius (m)
  double Ri = 0.0;   // core radius (m)
  double L = 0.0;    // the case's length after setup: the burnt distance for types 2 and 3 (m)
  double L0 = 0.0;   // types 2 and 3: the length as read (m)
  double At = 0.0;   // throat area (m2)
  double V0 = 0.0;   // initial free volume, core times the length as read (m3)
  double Ab = 0.0;   // burning area (m2)
  double Vc = 0.0;   // free chamber volume (m3)

  // Type 4 only: the grain in `ativacao` axial cells of `delta_grao`; the
  // front radius of cell j is frente[j - 1]; cells 1 to n_queimadas are burnt
  // through.
  int32_t ativacao = 0;
  double delta_grao = 0.0;
  double pi_delta = 0.0;  // pi times delta_grao, formed once
  std::vector<double> frente;
  int32_t n_queimadas = 0;
  int32_t nquadros = 0;     // frame files written so far
  char nome_quadro[6] = {};  // digits of the newest frame file's name
};

// Sets up the geometry from the case; rewrites the case's L for types 2 and 3.
GrainGeometry inicia_grao(CaseParameters& caso, ArquivoSaida& console);

// Sets Ab and Vc for the regression distance x (already advanced by dx in
// step i). True only when a type-4 grain has burnt out in this step: the step
// then ends without a solve or a row.
bool avanca_grao(GrainGeometry& g, double x, double dx, int32_t i, int32_t freq);

// True when the burn has ended at distance x; type 6 says which limit on the
// console.
bool fim_de_queima(const GrainGeometry& g, double x, const CaseParameters& caso,
                   ArquivoSaida& console);

// Volume of propellant loaded (m3); none for types 7, 8 and unknown codes.
std::optional<double> volume_propelente(const GrainGeometry& g, const CaseParameters& caso);
