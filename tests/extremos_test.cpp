// Extreme case values, end to end against the real program. Case values are
// not validated: each run either goes to its end with whole files and no
// more rows than its step limit, or stops with the one error a rule names
// (an activation-front grain without a valid cell count). None crashes or
// hangs; in the sanitizer build none leaves a report on standard error.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "execucao.h"

namespace fs = std::filesystem;

namespace {

using Campo = std::string CasoTeste::*;
using Valores = std::vector<std::pair<Campo, std::string>>;

// The default tube grain, cut at 50 steps: it is still burning then.
CasoTeste caso_curto() {
  CasoTeste c;
  c.npassos = "50";
  return c;
}

// The reference activation-front grain, cut like the other cases.
CasoTeste caso_frente_curto() {
  CasoTeste c = caso_frente();
  c.npassos = caso_curto().npassos;
  return c;
}

// Standard error less the lines of the plotter that is not there.
std::string erro_sem_plotter(std::string erro) {
  const std::string linha =
      "gnuplot: nao foi possivel iniciar o programa: No such file or directory\n";
  for (std::size_t i = erro.find(linha); i != std::string::npos; i = erro.find(linha))
    erro.erase(i, linha.size());
  return erro;
}

// A run that went to its end: the console's closing line, a series of whole
// 211-column rows numbered from 1 and no more of them than `limite`, the
// summary and the five plot scripts, no frame file left in temp/. Returns
// the number of rows.
int confere_corrida(const DiretorioTrabalho& dir, const Execucao& r, const std::string& titulo,
                    int limite) {
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(erro_sem_plotter(r.erro), "");
  const std::string fim = "\r\n\r\n ::: FIM DOS CALCULOS :::\r\n";
  EXPECT_TRUE(r.saida.size() >= fim.size() &&
              r.saida.compare(r.saida.size() - fim.size(), fim.size(), fim) == 0)
      << r.saida;
  if (!dir.existe("output/" + titulo + ".txt")) {
    ADD_FAILURE() << "no series";
    return -1;
  }
  const std::string serie = dir.le("output/" + titulo + ".txt");
  std::size_t pos = serie.find("\r\n");
  EXPECT_NE(pos, std::string::npos);
  pos += 2;
  int linhas = 0;
  constexpr std::size_t largura = 211;
  while (pos < serie.size()) {
    ++linhas;
    if (serie.size() - pos < largura + 2 || serie.compare(pos + largura, 2, "\r\n") != 0) {
      ADD_FAILURE() << "row " << linhas << " is not 211 columns and CR LF";
      break;
    }
    EXPECT_EQ(std::atoi(serie.substr(pos, 8).c_str()), linhas);
    pos += largura + 2;
  }
  EXPECT_LE(linhas, limite < 0 ? 0 : limite);
  EXPECT_TRUE(dir.existe("output/" + titulo + "_resultados.txt"));
  for (const char* g : {"_forca", "_pressao", "_Kn", "_fm", "_ve"})
    EXPECT_TRUE(dir.existe("output/" + titulo + g + ".gnu")) << g;
  for (const auto& e : fs::directory_iterator(dir.caminho() / "temp"))
    EXPECT_NE(e.path().extension(), ".txt") << e.path();
  return linhas;
}

struct Extremo {
  std::string nome;
  CasoTeste caso;
  int status;  // 0, or 1 for a grain 4 without a valid cell count
  int linhas;  // rows expected, or -1 for any number up to the step limit
};

void executa_tabela(const std::vector<Extremo>& casos) {
  for (const Extremo& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    prepara_caso(dir, c.caso);

    Execucao r = dir.executa();

    std::string titulo = c.caso.titulo.substr(1, c.caso.titulo.size() - 2);
    if (c.status == 1) {
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.erro.rfind("erro fatal: grao tipo 4 sem numero de celulas valido (", 0), 0u)
          << r.erro;
      EXPECT_EQ(r.erro.find('\n'), r.erro.size() - 1) << "one line";
      EXPECT_TRUE(fs::is_empty(dir.caminho() / "output"));
      continue;
    }
    const int limite = std::atoi(c.caso.npassos.c_str());
    const int linhas = confere_corrida(dir, r, titulo, limite);
    if (c.linhas >= 0) {
      EXPECT_EQ(linhas, c.linhas);
    }
  }
}

CasoTeste com(CasoTeste c, const Valores& valores) {
  for (const auto& [campo, valor] : valores) c.*campo = valor;
  return c;
}

TEST(Extremos, InfinityAndNaNInEveryRealField) {
  const struct {
    const char* nome;
    Campo campo;
  } reais[] = {
      {"Dg", &CasoTeste::Dg},
      {"De", &CasoTeste::De},
      {"Di", &CasoTeste::Di},
      {"L", &CasoTeste::L},
      {"tx_ativ", &CasoTeste::tx_ativ},
      {"rho_p", &CasoTeste::rho_p},
      {"a", &CasoTeste::a},
      {"n", &CasoTeste::n},
      {"pa", &CasoTeste::pa},
      {"dt", &CasoTeste::dt},
      {"tol", &CasoTeste::tol},
      {"relax", &CasoTeste::relax},
      {"ho", &CasoTeste::ho},
      {"Cd", &CasoTeste::Cd},
      {"Et", &CasoTeste::Et},
  };
  std::vector<Extremo> casos;
  for (const auto& r : reais)
    for (const char* v : {"INF", "-Infinity", "NaN"})
      casos.push_back({std::string(r.nome) + " = " + v, com(caso_curto(), {{r.campo, v}}), 0, -1});
  executa_tabela(casos);
}

TEST(Extremos, ActivationFrontGrainOnlyRunsWithAValidCellCount) {
  // The cell count is trunc((L / tx_ativ) / dt) + 1, which must lie in 1 to
  // 2147483647; L / inf is 0, so an infinite tx_ativ or dt gives one cell.
  const CasoTeste f = caso_frente_curto();
  std::vector<Extremo> casos = {
      {"the front grain as it is", f, 0, 50},
      {"tx_ativ = 0", com(f, {{&CasoTeste::tx_ativ, "0.0"}}), 1, 0},
      {"tx_ativ < 0", com(f, {{&CasoTeste::tx_ativ, "-0.25"}}), 1, 0},
      {"tx_ativ = NaN", com(f, {{&CasoTeste::tx_ativ, "NaN"}}), 1, 0},
      {"tx_ativ = -INF", com(f, {{&CasoTeste::tx_ativ, "-INF"}}), 1, 0},
      {"tx_ativ = INF", com(f, {{&CasoTeste::tx_ativ, "INF"}}), 0, -1},
      {"dt = 0", com(f, {{&CasoTeste::dt, "0"}}), 1, 0},
      {"dt < 0", com(f, {{&CasoTeste::dt, "-1.0e-3"}}), 1, 0},
      {"dt = NaN", com(f, {{&CasoTeste::dt, "NaN"}}), 1, 0},
      {"dt = -INF", com(f, {{&CasoTeste::dt, "-INF"}}), 1, 0},
      {"dt = INF", com(f, {{&CasoTeste::dt, "INF"}}), 0, -1},
      {"L = INF", com(f, {{&CasoTeste::L, "INF"}}), 1, 0},
      {"L = NaN", com(f, {{&CasoTeste::L, "NaN"}}), 1, 0},
      {"L < 0", com(f, {{&CasoTeste::L, "-0.05"}}), 1, 0},
      {"cells beyond 32 bits", com(f, {{&CasoTeste::L, "1.0"}, {&CasoTeste::tx_ativ, "1.0e-9"}}), 1,
       0},
      {"Di > De", com(f, {{&CasoTeste::Di, "0.040"}}), 0, -1},
      {"De = NaN", com(f, {{&CasoTeste::De, "NaN"}}), 0, -1},
  };
  executa_tabela(casos);
}

TEST(Extremos, ZeroAndNegativeControlsAndCrossedDiameters) {
  const CasoTeste c = caso_curto();
  std::vector<Extremo> casos = {
      {"dt = 0", com(c, {{&CasoTeste::dt, "0.0"}}), 0, 50},
      {"dt < 0", com(c, {{&CasoTeste::dt, "-5.0e-4"}}), 0, -1},
      {"tol = 0", com(c, {{&CasoTeste::tol, "0.0"}}), 0, -1},
      {"tol < 0", com(c, {{&CasoTeste::tol, "-1.0"}}), 0, -1},
      {"relax = 0", com(c, {{&CasoTeste::relax, "0.0"}}), 0, -1},
      {"relax < 0", com(c, {{&CasoTeste::relax, "-0.25"}}), 0, -1},
      {"ho = 0", com(c, {{&CasoTeste::ho, "0.0"}}), 0, -1},
      {"ho < 0", com(c, {{&CasoTeste::ho, "-1000.0"}}), 0, -1},
      {"Cd = 0", com(c, {{&CasoTeste::Cd, "0.0"}}), 0, -1},
      {"Cd < 0", com(c, {{&CasoTeste::Cd, "-1.0"}}), 0, -1},
      {"Et = 0", com(c, {{&CasoTeste::Et, "0.0"}}), 0, -1},
      {"Et < 0", com(c, {{&CasoTeste::Et, "-1.0"}}), 0, -1},
      {"itmax = 0", com(c, {{&CasoTeste::itmax, "0"}}), 0, 50},
      {"itmax = 1", com(c, {{&CasoTeste::itmax, "1"}}), 0, 50},
      {"itmax < 0", com(c, {{&CasoTeste::itmax, "-1"}}), 0, 50},
      {"npassos = 0", com(c, {{&CasoTeste::npassos, "0"}}), 0, 0},
      {"npassos < 0", com(c, {{&CasoTeste::npassos, "-2147483648"}}), 0, 0},
  };
  for (const char* grao : {"1", "2", "3", "5", "6", "7", "8"})
    casos.push_back({std::string("Di > De, grain ") + grao,
                     com(c, {{&CasoTeste::grao, grao}, {&CasoTeste::Di, "0.060"}}), 0, -1});
  executa_tabela(casos);
}

TEST(Extremos, EveryGrainAndPropellantCode) {
  std::vector<Extremo> casos;
  for (int grao = -1; grao <= 9; ++grao) {
    // Grain 4 with the tube's tx_ativ of 0 has no cell count.
    casos.push_back({"grain " + std::to_string(grao),
                     com(caso_curto(), {{&CasoTeste::grao, std::to_string(grao)}}),
                     grao == 4 ? 1 : 0, -1});
  }
  for (int prop = -1; prop <= 4; ++prop)
    casos.push_back({"propellant " + std::to_string(prop),
                     com(caso_curto(), {{&CasoTeste::prop, std::to_string(prop)}}), 0, -1});
  executa_tabela(casos);
}

// The largest step limit with burns that end early: the runs are those of
// the reference files, row for row.
TEST(Extremos, LargestStepLimitWithABurnThatEndsEarly) {
  const struct {
    const char* nome;
    CasoTeste caso;
    const char* referencia;  // the same run's series
  } casos[] = {
      {"tube, tail-off", com(CasoTeste{}, {{&CasoTeste::titulo, "'bates'"}}),
       "bates-knsu/expected/output/bates.txt"},
      {"activation front", com(caso_frente_curto(), {{&CasoTeste::freq, "50"}}),
       "activation/expected/output/frente.txt"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    prepara_caso(dir, com(c.caso, {{&CasoTeste::npassos, "2147483647"}}));

    Execucao r = dir.executa();

    const std::string titulo = c.caso.titulo.substr(1, c.caso.titulo.size() - 2);
    confere_corrida(dir, r, titulo, 2147483647);
    EXPECT_TRUE(dir.le("output/" + titulo + ".txt") ==
                le_arquivo(dados_testes() / "golden" / c.referencia));
  }
}

}  // namespace
