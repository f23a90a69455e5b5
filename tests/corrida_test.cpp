// Whole runs of the program: the burning loop, its ends, the tail-off, and
// what the rows, the console and the summary show of them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/bocal.h"
#include "engine/passo.h"
#include "engine/solver.h"
#include "execucao.h"
#include "input/arquivo.h"
#include "input/caso.h"
#include "models/grao.h"
#include "reports/serie.h"

namespace {

const std::string inicio = " ::: INCIANDO CALCULOS :::\r\n";
const std::string fim =
    " ::: DESPRESSURIZOU :::\r\n"
    "\r\n"
    "\r\n"
    " ::: FIM DOS CALCULOS :::\r\n";

// One row, read by its fixed columns; `texto` keeps the 211 columns.
struct Linha {
  std::string texto;
  int i, iteracoes;
  double t, Fd, r, p, Kn, fmt, Ve, x, Cf, Is, dp, a, n;
  std::string campo(int k) const { return texto.substr(8 + 15 * k, 15); }  // 0 = t, 10 = dp
};

Linha analisa(const std::string& s) {
  Linha l;
  l.texto = s;
  auto num = [&](std::size_t col, std::size_t w) {
    return std::strtod(s.substr(col, w).c_str(), nullptr);
  };
  l.i = std::atoi(s.substr(0, 8).c_str());
  double* campos[] = {&l.t, &l.Fd, &l.r, &l.p, &l.Kn, &l.fmt, &l.Ve, &l.x, &l.Cf, &l.Is, &l.dp};
  for (int k = 0; k < 11; ++k) *campos[k] = num(8 + 15 * static_cast<std::size_t>(k), 15);
  l.iteracoes = std::atoi(s.substr(173, 8).c_str());
  l.a = num(181, 15);
  l.n = num(196, 15);
  return l;
}

struct Corrida {
  Execucao execucao;
  std::string cabecalho;
  std::vector<Linha> linhas;
  std::string resumo;

  // A figure of the results summary: the 15 columns after its label.
  double figura(const std::string& rotulo) const {
    const std::size_t k = resumo.find(rotulo);
    if (k == std::string::npos) {
      ADD_FAILURE() << "no summary line " << rotulo;
      return NAN;
    }
    return std::strtod(resumo.substr(k + rotulo.size(), 15).c_str(), nullptr);
  }
  // Index of the last burning row: tail-off rows have no burn rate.
  std::size_t ultima_queima() const {
    std::size_t k = 0;
    while (k < linhas.size() && linhas[k].r != 0.0) ++k;
    return k - 1;
  }
};

const std::string tempo_total = "Tempo de queima total (s)     = ";
const std::string tempo_desp = "Tempo de despressuriza\xE7\xE3o (s) = ";
const std::string empuxo_max = "Empuxo m\xE1ximo (N)             = ";
const std::string impulso = "Impulso total (N.s)           = ";
const std::string pressao_max = "Press\xE3o m\xE1xima (bar)          = ";
const std::string pressao_media =
    "Press\xE3o m\xE9"
    "dia (bar)           = ";

Corrida corre(const CasoTeste& caso) {
  DiretorioTrabalho dir;
  prepara_caso(dir, caso);
  Corrida c;
  c.execucao = dir.executa();
  EXPECT_EQ(c.execucao.status, 0) << c.execucao.erro;
  const std::string serie = dir.le("output/teste.txt");
  std::size_t k = 0;
  while (k < serie.size()) {
    const std::size_t fim_registro = serie.find("\r\n", k);
    if (fim_registro == std::string::npos) {
      ADD_FAILURE() << "record without CR LF at byte " << k;
      break;
    }
    const std::string registro = serie.substr(k, fim_registro - k);
    if (k == 0) {
      c.cabecalho = registro;
    } else {
      EXPECT_EQ(registro.size(), 211u) << registro;
      c.linhas.push_back(analisa(registro));
    }
    k = fim_registro + 2;
  }
  c.resumo = dir.le("output/teste_resultados.txt");
  return c;
}

// A thin tube (30 x 20 x 80 mm, burning on its core and ends) behind an
// 8 mm throat, in steps of 2 ms: it burns through its 5 mm web in about 300
// steps, ending on "x > (Re-Ri)", and tails off in a few more.
CasoTeste tubo_fino() {
  CasoTeste c;
  c.Dg = "0.008";
  c.De = "0.030";
  c.Di = "0.020";
  c.L = "0.080";
  c.dt = "2.0e-3";
  return c;
}

TEST(Corrida, SemPassos) {
  for (const char* npassos : {"0", "-3"}) {
    SCOPED_TRACE(npassos);
    CasoTeste caso = tubo_fino();
    caso.npassos = npassos;
    const Corrida c = corre(caso);
    EXPECT_EQ(c.execucao.saida, inicio + fim);
    EXPECT_EQ(c.cabecalho.substr(0, 8), "#      i");
    EXPECT_TRUE(c.linhas.empty());
    EXPECT_EQ(c.figura(tempo_total), 0.0);
    EXPECT_EQ(c.figura(tempo_desp), 0.0);
    EXPECT_EQ(c.figura(empuxo_max), 0.0);
    EXPECT_EQ(c.figura(impulso), 0.0);
    EXPECT_EQ(c.figura(pressao_max), 0.0);
  }
}

// A case written with every digit its values need, so the program reads
// exactly the doubles the test computes with.
CasoTeste escreve(const CaseParameters& p) {
  auto d = [](double v) {
    char s[40];
    std::snprintf(s, sizeof s, "%.17g", v);
    return std::string(s);
  };
  auto i = [](int32_t v) { return std::to_string(v); };
  CasoTeste c;
  c.Dg = d(p.Dg);
  c.De = d(p.De);
  c.Di = d(p.Di);
  c.L = d(p.L);
  c.grao = i(p.grao);
  c.rho_p = d(p.rho_p);
  c.a = d(p.a);
  c.n = d(p.n);
  c.pa = d(p.pa);
  c.dt = d(p.dt);
  c.npassos = i(p.npassos);
  c.itmax = i(p.itmax);
  c.tol = d(p.tol);
  c.relax = d(p.relax);
  c.ho = d(p.ho);
  c.Cd = d(p.Cd);
  c.Et = d(p.Et);
  c.prop = i(p.prop);
  return c;
}

// The rows of a run worked out step by step from the models. Burning: the
// burn rate from the previous step's pressure (ambient in the first), the
// distance advanced before the geometry, the solve from the volume the
// previous step ended with, the performance at the solved pressure, a NaN Is
// shown as 0, the row, then the end test. Tail-off, after an end by the
// test with steps left: the volume the last burning step started from, no
// generation, no rate, no Kn, the burnout distance, Is as it comes, until
// the thrust is down to 0.3 N.
std::vector<std::string> simula(CaseParameters caso) {
  std::vector<std::string> linhas;
  auto grava = [&](const StepRecord& reg) {
    char bytes[largura_linha + 2];
    formata_linha(reg, bytes);
    linhas.emplace_back(bytes, largura_linha);
  };
  ArquivoSaida console;
  GrainGeometry g = inicia_grao(caso, console);
  double p = caso.pa, x = 0.0, fmt = 0.0, dp = 0.0, Vc_ant = g.Vc;
  int32_t i = 1;
  bool queimou = false;
  for (; i <= caso.npassos; ++i) {
    Vc_ant = g.Vc;
    const double r = caso.a * std::pow(p, caso.n);
    const double dx = r * caso.dt;
    x = x + dx;
    avanca_grao(g, x, dx, i, caso.freq);
    const EntradaSolver e{p, Vc_ant, g.Vc, g.Ab, caso.a, caso.n, g.At, true};
    const Solucao s = resolve_pressao(e, caso, dp);
    p = s.p;
    dp = s.dp;
    Desempenho d = desempenho(p, caso.pa, caso.Cd, caso.Et, g.At, caso.prop, fmt);
    if (std::isnan(d.Is)) d.Is = 0.0;
    grava({i, i * caso.dt, d.Fd, r, p, g.Ab / g.At, d.fmt, d.Ve, x, d.Cf, d.Is, dp, s.iteracoes,
           caso.a, caso.n});
    if (fim_de_queima(g, x, caso, console)) {
      queimou = true;
      break;
    }
  }
  if (!queimou) return linhas;
  dp = 0.0;
  for (int32_t j = i + 1; j <= caso.npassos; ++j) {
    const EntradaSolver e{p, Vc_ant, Vc_ant, 0.0, caso.a, caso.n, g.At, false};
    const Solucao s = resolve_pressao(e, caso, dp);
    p = s.p;
    dp = s.dp;
    const Desempenho d = desempenho(p, caso.pa, caso.Cd, caso.Et, g.At, caso.prop, fmt);
    grava({j, j * caso.dt, d.Fd, 0.0, p, 0.0, d.fmt, d.Ve, x, d.Cf, d.Is, dp, s.iteracoes, caso.a,
           caso.n});
    if (d.Fd <= 0.3) break;
  }
  return linhas;
}

TEST(Corrida, LinhasConferemComOPasso) {
  CaseParameters tubo = tubo_referencia();  // its first 4 steps
  tubo.npassos = 4;

  // Burning on the core only through a 0.2 mm web, another propellant and
  // nozzle: 119 burning rows, then 4 of tail-off.
  CaseParameters interno = tubo;
  interno.grao = 2;
  interno.De = 0.0204;
  interno.pa = 92000.0;
  interno.a = 8.26e-5;
  interno.n = 0.3;
  interno.npassos = 100000;
  interno.Cd = 0.9;
  interno.Et = 0.95;
  interno.prop = 2;

  const struct {
    CaseParameters caso;
    std::size_t queima, despressurizacao;  // rows of each phase
  } casos[] = {{tubo, 4, 0}, {interno, 119, 4}};
  for (const auto& [caso, queima, despressurizacao] : casos) {
    SCOPED_TRACE(caso.grao);
    const Corrida c = corre(escreve(caso));
    const std::vector<std::string> esperadas = simula(caso);
    ASSERT_EQ(c.linhas.size(), queima + despressurizacao);
    EXPECT_EQ(c.ultima_queima() + 1, queima);
    ASSERT_EQ(c.linhas.size(), esperadas.size());
    for (std::size_t k = 0; k < esperadas.size(); ++k)
      EXPECT_EQ(c.linhas[k].texto, esperadas[k]) << "row " << k + 1;

    const Linha& primeira = c.linhas[0];
    EXPECT_EQ(primeira.i, 1);
    EXPECT_EQ(primeira.t, caso.dt);
    const double r = caso.a * std::pow(caso.pa, caso.n);
    EXPECT_NEAR(primeira.r / 1000.0, r, 5e-5 * r);
    EXPECT_NEAR(primeira.x / 1000.0, r * caso.dt, 5e-5 * r * caso.dt);
  }
}

TEST(Corrida, LimiteDePassos) {
  CasoTeste caso = tubo_fino();
  caso.npassos = "50";
  const Corrida c = corre(caso);
  EXPECT_EQ(c.execucao.saida, inicio + fim);
  ASSERT_EQ(c.linhas.size(), 50u);
  for (std::size_t k = 0; k < 50; ++k) {
    EXPECT_EQ(c.linhas[k].i, static_cast<int>(k + 1));
    EXPECT_GT(c.linhas[k].r, 0.0) << k + 1;
    EXPECT_GT(c.linhas[k].Kn, 0.0) << k + 1;
  }
  EXPECT_DOUBLE_EQ(c.figura(tempo_total), 0.1);
  EXPECT_EQ(c.figura(tempo_desp), 0.0);
}

// The thin tube burns through its web: the row of the step that reached
// Re - Ri is written, then the console says so, then the tail-off goes on
// from that step until the thrust is down to 0.3 N.
TEST(Corrida, QueimaAteAAlmaEDespressuriza) {
  const Corrida c = corre(tubo_fino());
  EXPECT_EQ(c.execucao.saida, inicio + " x > (Re-Ri)\r\n" + fim);
  const std::size_t N = c.ultima_queima();
  ASSERT_GE(N, 1u);
  ASSERT_GE(c.linhas.size(), N + 3);
  EXPECT_GE(c.linhas[N].x, 5.0);  // mm: Re - Ri
  EXPECT_LT(c.linhas[N - 1].x, 5.0);

  double Fd_max = 0.0, p_max = 0.0, It = 0.0;
  for (std::size_t k = 0; k < c.linhas.size(); ++k) {
    const Linha& l = c.linhas[k];
    SCOPED_TRACE(l.texto);
    EXPECT_EQ(l.i, static_cast<int>(k + 1));
    EXPECT_NEAR(l.t, l.i * 2e-3, 5e-5 * l.t);
    It += l.Fd * 2e-3;
    if (k <= N) {
      Fd_max = std::fmax(Fd_max, l.Fd);
      p_max = std::fmax(p_max, l.p);
      continue;
    }
    EXPECT_EQ(l.campo(2), "     0.0000E+00");     // r
    EXPECT_EQ(l.campo(4), "     0.0000E+00");     // Kn
    EXPECT_EQ(l.campo(7), c.linhas[N].campo(7));  // x
    if (k + 1 < c.linhas.size()) {
      EXPECT_GT(l.Fd, 0.3);
    } else {
      EXPECT_LE(l.Fd, 0.3);
    }
  }
  const double t_fim = c.linhas.back().t;
  EXPECT_NEAR(c.figura(tempo_total), t_fim, 5e-5);
  EXPECT_NEAR(c.figura(tempo_desp), t_fim - c.linhas[N].t, 5e-5);
  EXPECT_NEAR(c.figura(empuxo_max), Fd_max, 1e-4 * Fd_max);
  EXPECT_NEAR(c.figura(pressao_max), p_max, 1e-4 * p_max);
  EXPECT_NEAR(c.figura(impulso), It, 1e-4 * It);
}

// Burnout on the last step allowed leaves no step for the tail-off; one
// more step allows exactly one tail-off row, the same as in the full run.
TEST(Corrida, QueimaTerminaNoUltimoPasso) {
  const Corrida completa = corre(tubo_fino());
  const std::size_t N = completa.ultima_queima() + 1;  // steps of the burn
  ASSERT_GT(completa.linhas.size(), N + 1);

  CasoTeste caso = tubo_fino();
  caso.npassos = std::to_string(N);
  const Corrida no_limite = corre(caso);
  EXPECT_EQ(no_limite.execucao.saida, inicio + " x > (Re-Ri)\r\n" + fim);
  ASSERT_EQ(no_limite.linhas.size(), N);
  EXPECT_EQ(no_limite.linhas.back().texto, completa.linhas[N - 1].texto);
  EXPECT_EQ(no_limite.figura(tempo_desp), 0.0);
  EXPECT_NEAR(no_limite.figura(tempo_total), completa.linhas[N - 1].t, 5e-5);

  caso.npassos = std::to_string(N + 1);
  const Corrida um_a_mais = corre(caso);
  ASSERT_EQ(um_a_mais.linhas.size(), N + 1);
  EXPECT_EQ(um_a_mais.linhas.back().texto, completa.linhas[N].texto);
  EXPECT_EQ(um_a_mais.linhas.back().r, 0.0);
}

// A short tube (L/2 below the web) ends on "x > L/2", at so low a pressure
// that its first tail-off step is already down to 0.3 N: one tail-off row.
TEST(Corrida, TuboCurtoTerminaEmMeioComprimento) {
  CasoTeste caso = tubo_fino();
  caso.De = "0.050";
  caso.L = "0.020";
  const Corrida c = corre(caso);
  EXPECT_EQ(c.execucao.saida, inicio + " x > L/2\r\n" + fim);
  const std::size_t N = c.ultima_queima();
  ASSERT_EQ(c.linhas.size(), N + 2);
  EXPECT_GT(c.linhas[N].x, 10.0);
  EXPECT_LE(c.linhas[N - 1].x, 10.0);
  EXPECT_GT(c.linhas[N].Fd, 0.3);
  EXPECT_LE(c.linhas.back().Fd, 0.3);
  EXPECT_EQ(c.linhas.back().i, static_cast<int>(N + 2));
}

// An end burner 1 um long burns out in step 1.
CasoTeste queima_num_passo() {
  CasoTeste c;
  c.Dg = "0.010";
  c.De = "0.030";
  c.Di = "0.020";
  c.L = "1.0e-6";
  c.grao = "1";
  c.pa = "100000.0";
  return c;
}

// One trial per solve: the burning step runs out and falls back to ambient
// (no thrust), while the tail-off keeps its trial, a step of ho above the
// previous one. The maxima must come from the burning row alone; the
// impulse takes every row.
TEST(Corrida, MaximosSoDaQueima) {
  CasoTeste caso = queima_num_passo();
  caso.itmax = "1";
  caso.tol = "1.0";
  caso.ho = "1.0e5";
  caso.npassos = "6";
  const Corrida c = corre(caso);
  EXPECT_EQ(c.execucao.saida, inicio + fim);
  ASSERT_EQ(c.linhas.size(), 6u);

  const Linha& queima = c.linhas[0];
  EXPECT_GT(queima.r, 0.0);
  EXPECT_EQ(queima.p, 1.0);  // bar
  EXPECT_EQ(queima.Fd, 0.0);
  EXPECT_EQ(queima.campo(9), "     0.0000E+00");  // Is: 0/0 shown as 0
  EXPECT_EQ(queima.iteracoes, 2);

  double It = 0.0;
  for (std::size_t k = 1; k < 6; ++k) {
    const Linha& l = c.linhas[k];
    SCOPED_TRACE(l.texto);
    EXPECT_EQ(l.r, 0.0);
    EXPECT_EQ(l.p, 1.0 + static_cast<double>(k));
    EXPECT_GT(l.Fd, 0.3);
    EXPECT_EQ(l.iteracoes, 2);
    It += l.Fd * 5e-4;
  }
  EXPECT_EQ(c.figura(empuxo_max), 0.0);
  EXPECT_EQ(c.figura(pressao_max), 1.0);
  EXPECT_EQ(c.figura(pressao_media), 0.0);  // a step at ambient adds no p dt
  EXPECT_NEAR(c.figura(impulso), It, 1e-3 * It + 5e-5);
  EXPECT_NEAR(c.figura(tempo_total), 6 * 5e-4, 5e-5);
}

// The solve falls back to ambient in the burning step and again in the
// first tail-off step, whose row has no thrust and ends the tail-off, with
// Is written as it comes, 0/0. Without trials the pressure is ambient and dp
// keeps its 0; a trial that is not a number (the one after -2 bar) leaves dp
// NaN.
TEST(Corrida, VoltaAoAmbienteUmaLinhaDeDespressurizacao) {
  struct {
    const char* itmax;
    const char* ho;
    int iteracoes;
    const char* dp;
  } const casos[] = {
      {"0", "1000.0", 1, "     0.0000E+00"},
      {"10", "-3.0e5", 2, "            NaN"},
  };
  for (const auto& k : casos) {
    SCOPED_TRACE(k.itmax);
    CasoTeste caso = queima_num_passo();
    caso.itmax = k.itmax;
    caso.ho = k.ho;
    const Corrida c = corre(caso);
    ASSERT_EQ(c.linhas.size(), 2u);
    for (const Linha& l : c.linhas) {
      SCOPED_TRACE(l.texto);
      EXPECT_EQ(l.p, 1.0);
      EXPECT_EQ(l.Fd, 0.0);
      EXPECT_EQ(l.iteracoes, k.iteracoes);
      EXPECT_EQ(l.campo(10), k.dp);
    }
    EXPECT_EQ(c.linhas[0].campo(9), "     0.0000E+00");
    EXPECT_EQ(c.linhas[1].campo(9), "            NaN");
    EXPECT_EQ(c.linhas[1].i, 2);
    EXPECT_EQ(c.linhas[1].r, 0.0);
    EXPECT_NEAR(c.figura(tempo_desp), 5e-4, 5e-5);
  }
}

}  // namespace
