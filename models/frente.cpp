#include "models/frente.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <new>
#include <string>

#include "input/arquivo.h"
#include "input/erro.h"
#include "input/escritor.h"
#include "models/constantes.h"

namespace {

// The area below which the grain counts as burnt out: 1e-12 as the single
// precision value it was stored as, widened to double.
constexpr double area_minima = static_cast<double>(1e-12f);

std::string real_texto(double v) {
  char s[32];
  (void)std::snprintf(s, sizeof s, "%.17g", v);
  return s;
}

[[noreturn]] void celulas_invalidas(const CaseParameters& caso, const char* motivo) {
  throw ErroFatal(1, std::string("erro fatal: grao tipo 4 sem numero de celulas valido (") +
                         motivo + "): L = " + real_texto(caso.L) +
                         ", tx_ativ = " + real_texto(caso.tx_ativ) +
                         ", dt = " + real_texto(caso.dt));
}

}  // namespace

void inicia_frente(GrainGeometry& g, const CaseParameters& caso, ArquivoSaida& console) {
  // One cell per step: the front crosses the grain in (L / tx_ativ) / dt steps.
  if (!(caso.tx_ativ > 0.0)) celulas_invalidas(caso, "tx_ativ deve ser positiva");
  if (!(caso.dt > 0.0)) celulas_invalidas(caso, "dt deve ser positivo");
  double quociente = (caso.L / caso.tx_ativ) / caso.dt;
  double inteiro = std::trunc(quociente);
  if (!std::isfinite(quociente) || inteiro < 0.0 ||
      inteiro + 1.0 > static_cast<double>(std::numeric_limits<int32_t>::max()))
    celulas_invalidas(caso, "(L / tx_ativ) / dt fora de 0 a 2147483646");
  int32_t N = static_cast<int32_t>(inteiro) + 1;
  try {
    g.frente.assign(static_cast<std::size_t>(N), g.Ri);
  } catch (const std::bad_alloc&) {
    celulas_invalidas(caso, "sem memoria para as celulas");
  }
  g.ativacao = N;
  g.delta_grao = caso.L / static_cast<double>(N);
  g.pi_delta = pi * g.delta_grao;
  grava_livre(console, {"delta_grao = ", g.delta_grao});
  grava_livre(console, {"ativacao = ", N});
  console.descarrega();
  g.n_queimadas = 0;
  g.nquadros = 0;
}

bool avanca_frente(GrainGeometry& g, double dx, int32_t i, int32_t freq) {
  const int32_t N = g.ativacao;
  const int32_t n_old = g.n_queimadas;
  const double Re = g.Re;
  // Cells are numbered from 1: cell j is f(j).
  double* const celulas = g.frente.data();
  auto f = [celulas](int64_t j) -> double& { return celulas[j - 1]; };

  // Growth: while cells are still being lit, every lit cell (burnt-through
  // ones too: the clamp puts them back); afterwards only the unburnt ones.
  // Cell numbers are counted in 64 bits: N may be the largest int32_t.
  int64_t primeira = i <= N ? 1 : static_cast<int64_t>(g.n_queimadas) + 1;
  int64_t ultima = i <= N ? i : N;
  for (int64_t j = primeira; j <= ultima; ++j) f(j) += dx;

  for (int64_t j = 1; j <= N; ++j) {
    if (f(j) > Re) {
      f(j) = Re;
      g.n_queimadas = static_cast<int32_t>(j);
    }
  }

  // Trapezoid sum of the front radii over the unburnt cells. In the first
  // step it starts from the last cell's radius, not the first cell's.
  double S = (i == 1 && i <= N) ? f(N) * 0.5 : 0.0;
  for (int64_t j = static_cast<int64_t>(g.n_queimadas) + 2; j <= ultima; ++j)
    S += (f(j - 1) + f(j)) * 0.5;
  if (g.n_queimadas - n_old > 0) S += static_cast<double>(g.n_queimadas - n_old) * Re;

  double V = 0.0;
  for (int32_t j = 1; j <= N - 1; ++j) {
    double r = (f(j) + f(j + 1)) * 0.5;
    V += r * r;
  }

  g.Ab = (S + S) * g.pi_delta;
  g.Vc = V * g.pi_delta;
  if (g.Ab <= area_minima) return true;
  if (freq > 0 && i % freq == 0) {
    ++g.nquadros;
    grava_quadro(g);
  }
  return false;
}

void nome_do_quadro(int32_t j, char nome[6]) {
  if (j < 1 || j >= 100000) return;  // from 100000 on the name of 99999 stays
  for (int k = 4; k >= 0; --k, j /= 10) nome[k] = static_cast<char>('0' + j % 10);
  nome[5] = '\0';
}

void grava_quadro(GrainGeometry& g) {
  nome_do_quadro(g.nquadros, g.nome_quadro);
  ArquivoSaida quadro(std::string("./temp/") + g.nome_quadro + ".txt");
  const int32_t N = g.ativacao;
  for (int64_t j = 1; j <= N; ++j)
    grava_livre(quadro, {static_cast<double>(j - 1) * g.delta_grao, g.frente[j - 1]});
  grava_livre(quadro, {static_cast<double>(N) * g.delta_grao, g.frente[N - 1]});
  quadro.fecha();
}

void grava_contorno(const GrainGeometry& g) {
  ArquivoSaida contorno("./temp/grao.txt");
  grava_livre(contorno, {0.0, g.Ri});
  grava_livre(contorno, {g.L, g.Ri});
  grava_livre(contorno, {g.L, g.Re});
  grava_livre(contorno, {0.0, g.Re});
  grava_livre(contorno, {0.0, g.Ri});
  contorno.fecha();
}
