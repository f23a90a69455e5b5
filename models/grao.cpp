#include "models/grao.h"

#include "input/escritor.h"
#include "models/constantes.h"
#include "models/frente.h"

GrainGeometry inicia_grao(CaseParameters& caso, ArquivoSaida& console) {
  GrainGeometry g;
  g.grao = caso.grao;
  g.V0 = pi_4 * caso.Di * caso.Di * caso.L;
  g.At = pi_4 * caso.Dg * caso.Dg;
  g.Re = caso.De * 0.5;
  g.Ri = caso.Di * 0.5;
  g.Ab = pi_4 * caso.De * caso.De;
  g.Vc = g.V0;
  if (caso.grao == 2) {
    g.L0 = caso.L;
    caso.L = g.Re - g.Ri;  // the burn ends when the web is gone
  } else if (caso.grao == 3) {
    g.L0 = caso.L;
    caso.L = (caso.De - caso.Di) * 0.25;  // burning from both sides: half the web
  }
  g.L = caso.L;
  if (caso.grao == 4) inicia_frente(g, caso, console);
  return g;
}

namespace {

// One type-6 tube of length Ls: its area term and its volume term. Each
// segment's terms are formed whole before the segments are added.
double area_segmento(double Ls, double x, double Rc, double Re) {
  return dois_pi * Rc * (Ls - 2.0 * x) + dois_pi * (Re * Re - Rc * Rc);
}
double volume_segmento(double Ls, double x, double Rc, double Ri) {
  return pi * (Rc * Rc - Ri * Ri) * (Ls - 2.0 * x) + dois_pi * x * (Rc * Rc - Ri * Ri);
}

}  // namespace

bool avanca_grao(GrainGeometry& g, double x, double dx, int32_t i, int32_t freq) {
  const double Re = g.Re, Ri = g.Ri, L = g.L, L0 = g.L0, V0 = g.V0;
  const double Rc = Ri + x;  // core radius
  const double Rx = Re - x;  // outer radius where the outside burns
  switch (g.grao) {
    case 1:
      g.Vc = V0 + x * g.Ab;
      break;
    case 2:
      g.Ab = dois_pi * L0 * Rc;
      g.Vc = V0 + pi * L0 * (Rc * Rc - Ri * Ri);
      break;
    case 3:
      g.Ab = dois_pi * (((L0 - 2.0 * x) - Rc) * Rc + Rx * (L0 - 2.0 * x) + Rx * Rx);
      g.Vc = pi * L0 * (Re * Re - Rx * Rx + Rc * Rc) + dois_pi * x * (Rx * Rx - Rc * Rc) + V0;
      break;
    case 4:
      return avanca_frente(g, dx, i, freq);
    case 5:
      g.Ab = dois_pi * ((L - 2.0 * x) * Rx + Rx * Rx);
      g.Vc = dois_pi * x * (Rx * Rx) + V0 + pi * (Re * Re - Rx * Rx) * L;
      break;
    case 6:
      g.Ab = dois_pi * (((L - 2.0 * x) - Rc) * Rc + Re * Re);
      g.Vc = (dois_pi * x + pi * (L - 2.0 * x)) * (Rc * Rc - Ri * Ri) + V0;
      break;
    case 7:
    case 8: {
      const double segmentos7[] = {L / 4.0, L / 4.0, L / 4.0, L / 4.0};
      const double segmentos8[] = {L / 1.0, L / 2.0};
      const double* Ls = g.grao == 7 ? segmentos7 : segmentos8;
      int n = g.grao == 7 ? 4 : 2;
      double area = 0.0, volume = 0.0;
      for (int s = 0; s < n; ++s) {
        area += area_segmento(Ls[s], x, Rc, Re);
        volume += volume_segmento(Ls[s], x, Rc, Ri);
      }
      g.Ab = area;
      g.Vc = V0 + volume;
      break;
    }
    default:
      break;
  }
  return false;
}

bool fim_de_queima(const GrainGeometry& g, double x, const CaseParameters& caso,
                   ArquivoSaida& console) {
  switch (g.grao) {
    case 5:
      // The solver's tolerance doubles as the smallest area worth burning.
      return caso.tol > g.Ab;
    case 6:
      // Greater-or-equal, although the message says ">".
      if (x >= g.Re - g.Ri) {
        grava_livre(console, {"x > (Re-Ri)"});
        return true;
      }
      if (x > g.L * 0.5) {
        grava_livre(console, {"x > L/2"});
        return true;
      }
      return false;
    case 7:
      return x >= g.Re - g.Ri || x > (g.L / 4.0) * 0.5;
    default:
      return x > g.L;
  }
}

std::optional<double> volume_propelente(const GrainGeometry& g, const CaseParameters& caso) {
  const double De = caso.De, Di = caso.Di;
  switch (g.grao) {
    case 1:
    case 5:
      return pi_4 * De * De * caso.L;
    case 2:
    case 3:
      return pi_4 * g.L0 * (De * De - Di * Di);
    case 4:
    case 6:
      return pi_4 * (De * De - Di * Di) * caso.L;
    default:
      return std::nullopt;
  }
}
