// The burn-rate table: loading "tabela_pq.txt", the step-function lookup,
// and the a and n that a run takes from it step by step.

#include "input/tabela.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "execucao.h"
#include "input/erro.h"

namespace fs = std::filesystem;

namespace {

// le_tabela reads from the working directory: each test runs in its own.
class TabelaQueima : public testing::Test {
 protected:
  void SetUp() override {
    anterior_ = fs::current_path();
    fs::current_path(dir_.caminho());
  }
  void TearDown() override { fs::current_path(anterior_); }
  fs::path tabela() const { return fs::canonical(dir_.caminho()) / "tabela_pq.txt"; }

  DiretorioTrabalho dir_{false};
  fs::path anterior_;
};

const char* const tabela_exemplo =
    "p (Pa)   n   a\r\n"
    "1e5 0.3 1e-4\r\n"
    "2e6 0.4 5e-5\r\n"
    "1e7 0.5 1e-5\r\n";

TEST_F(TabelaQueima, LookupIsAStepFunctionInFileOrder) {
  dir_.escreve("tabela_pq.txt", tabela_exemplo);
  const BurnRateTable t = le_tabela();
  ASSERT_EQ(t.N, 3);

  const double inf = std::numeric_limits<double>::infinity();
  struct {
    double p;
    double a, n;
  } casos[] = {
      {5e4, 1e-4, 0.3},         // below the first pressure: row 1
      {1e5, 1e-4, 0.3},         // equal takes the row
      {2e6, 5e-5, 0.4},
      {2.000001e6, 1e-5, 0.5},  // just above row 2: row 3
      {3e7, 1e-5, 0.5},         // above every row: the last
      {std::nan(""), 1e-5, 0.5},  // compares with no row: the last
      {inf, 1e-5, 0.5},
      {-inf, 1e-4, 0.3},
  };
  for (const auto& c : casos) {
    const ParametrosQueima q = consulta_tabela(t, c.p);
    EXPECT_EQ(q.a, c.a) << "p = " << c.p;
    EXPECT_EQ(q.n, c.n) << "p = " << c.p;
  }
}

TEST_F(TabelaQueima, TiesAndUnsortedRowsGoByFileOrder) {
  dir_.escreve("tabela_pq.txt", "p n a\n1e6 0.1 1e-3\n1e6 0.2 2e-3\n5e5 0.3 3e-3\n");
  const BurnRateTable t = le_tabela();
  EXPECT_EQ(consulta_tabela(t, 1e6).n, 0.1);
  EXPECT_EQ(consulta_tabela(t, 4e5).n, 0.1);   // the first row already qualifies
  EXPECT_EQ(consulta_tabela(t, 2e6).n, 0.3);   // none does: the last row
}

TEST_F(TabelaQueima, LoadsAtMost10000Rows) {
  std::ostringstream f;
  f << "p n a\r\n";
  for (int i = 1; i <= 12000; ++i) f << i * 100 << ' ' << i << ' ' << i << "e-9\r\n";
  dir_.escreve("tabela_pq.txt", f.str());

  const BurnRateTable t = le_tabela();

  ASSERT_EQ(t.N, 10000);
  EXPECT_EQ(t.p_tab.back(), 1e6);
  EXPECT_EQ(consulta_tabela(t, 999950.0).n, 10000.0);
  EXPECT_EQ(consulta_tabela(t, 5e8).n, 10000.0);
  EXPECT_EQ(consulta_tabela(t, 5e8).a, 10000e-9);
}

struct Arquivo {
  const char* nome;
  const char* conteudo;
  int32_t N;       // rows loaded; 0 when the load fails
  int status;      // the fatal error, or 0
  double p1 = 0;   // pressure of the first row
};

TEST_F(TabelaQueima, LoadingAndItsFailures) {
  const Arquivo casos[] = {
      {"three rows", tabela_exemplo, 3, 0, 1e5},
      {"no line end after the last row", "p n a\r\n1e5 0.3 1e-4\r\n2e6 0.4 5e-5", 2, 0, 1e5},
      {"heading holding three numbers", "1 2 3\r\n4e5 0.5 2e-5\r\n", 1, 0, 4e5},
      {"commas, tabs and notes after the third value",
       "p n a\r\n1e5,0.3,1e-4 9 :: nota\r\n2e6\t0.4\t5e-5\r\n", 2, 0, 1e5},
      {"empty file", "", 0, 24},
      {"heading only", "p n a\r\n", 0, 24},
      {"heading only, no line end", "p n a", 0, 24},
      // The blank line counts as a row, and then there is no value for it.
      {"extra blank final line", "p n a\r\n1e5 0.3 1e-4\r\n\r\n", 0, 24},
      {"short row", "p n a\r\n1e5 0.3\r\n2e6 0.4 5e-5\r\n", 0, 24},
      {"a value that is no number", "p n a\r\n1e5 abc 1e-4\r\n", 0, 59},
  };
  for (const Arquivo& c : casos) {
    SCOPED_TRACE(c.nome);
    dir_.escreve("tabela_pq.txt", c.conteudo);
    try {
      const BurnRateTable t = le_tabela();
      EXPECT_EQ(c.status, 0) << "no error";
      EXPECT_EQ(t.N, c.N);
      ASSERT_EQ(t.p_tab.size(), static_cast<std::size_t>(c.N));
      ASSERT_EQ(t.n_tab.size(), static_cast<std::size_t>(c.N));
      ASSERT_EQ(t.a_tab.size(), static_cast<std::size_t>(c.N));
      EXPECT_EQ(t.p_tab[0], c.p1);
    } catch (const ErroFatal& e) {
      EXPECT_EQ(e.status, c.status);
      EXPECT_NE(std::string(e.what()).find(", arquivo " + tabela().string()), std::string::npos)
          << e.what();
    }
  }
}

TEST_F(TabelaQueima, AbsentTableIsCreatedEmpty) {
  try {
    le_tabela();
    ADD_FAILURE() << "no error";
  } catch (const ErroFatal& e) {
    EXPECT_EQ(e.status, 24);
    EXPECT_EQ(std::string(e.what()),
              "erro fatal (24): fim de arquivo durante a leitura, arquivo " + tabela().string());
  }
  ASSERT_TRUE(fs::exists(tabela()));
  EXPECT_EQ(fs::file_size(tabela()), 0u);
}

// A case whose thin grain burns out quickly, so that the run has a tail-off.
CasoTeste caso_com_tabela() {
  CasoTeste c;
  c.De = "0.026";
  c.dt = "1.0e-3";
  c.npassos = "3000";
  c.tab_pq = "1";
  return c;
}

// Band edges (Pa) and the exponent and coefficient of each band.
struct Faixa {
  double p, n, a;
};
const Faixa faixas[] = {
    {2.0e5, 0.30, 1.0e-4}, {5.0e5, 0.31, 1.1e-4}, {8.0e5, 0.32, 1.2e-4}, {1.0e8, 0.33, 1.3e-4}};

const Faixa& faixa_de(double p) {
  for (const Faixa& f : faixas)
    if (f.p >= p) return f;
  return faixas[std::size(faixas) - 1];
}

double coluna(const std::string& linha, int primeira, int ultima) {
  return std::strtod(linha.substr(primeira - 1, ultima - primeira + 1).c_str(), nullptr);
}

TEST(TabelaQueimaCorrida, EachRowTakesAAndNAtThePreviousRowsPressure) {
  DiretorioTrabalho dir;
  prepara_caso(dir, caso_com_tabela());
  std::string tabela = "p (Pa)  n  a\r\n";
  for (const Faixa& f : faixas) {
    std::ostringstream s;
    s << f.p << ' ' << f.n << ' ' << f.a << "\r\n";
    tabela += s.str();
  }
  dir.escreve("tabela_pq.txt", tabela);

  const Execucao r = dir.executa();
  ASSERT_EQ(r.status, 0) << r.erro;

  std::istringstream serie(dir.le("output/teste.txt"));
  std::string linha;
  std::getline(serie, linha);  // header
  double p_ant = 101325.0;     // the first step looks up at ambient pressure
  int linhas = 0;
  std::set<double> usadas;
  while (std::getline(serie, linha)) {
    ASSERT_EQ(linha.size(), 212u) << linha;  // 211 columns and the CR
    ++linhas;
    // Columns 54-68 hold p in bar with five digits: a pressure that close to
    // a band edge cannot tell which band it was in.
    bool na_borda = false;
    for (const Faixa& f : faixas) na_borda |= std::fabs(p_ant - f.p) <= 1e-4 * f.p;
    if (!na_borda) {
      const Faixa& f = faixa_de(p_ant);
      EXPECT_EQ(coluna(linha, 182, 196), f.a) << "row " << linhas;
      EXPECT_EQ(coluna(linha, 197, 211), f.n) << "row " << linhas;
      usadas.insert(f.p);
    }
    p_ant = coluna(linha, 54, 68) * 1e5;
  }
  // The run must have crossed bands both ways for this to mean anything.
  EXPECT_GE(usadas.size(), 3u);
  EXPECT_LT(p_ant, faixas[0].p);  // it ended in the tail-off, back in band 1
  EXPECT_GT(linhas, 50);
}

TEST(TabelaQueimaCorrida, TableErrorsStopTheRunBeforeAnyOutput) {
  struct {
    const char* nome;
    const char* tabela;  // nullptr: no table file
    int status;
    const char* tipo;
  } casos[] = {
      {"absent", nullptr, 24, "fim de arquivo durante a leitura"},
      {"heading only", "p n a\r\n", 24, "fim de arquivo durante a leitura"},
      {"no number", "p n a\r\n1e5 0.3 x\r\n", 59, "erro de sintaxe na leitura"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    prepara_caso(dir, caso_com_tabela());
    if (c.tabela) dir.escreve("tabela_pq.txt", c.tabela);

    const Execucao r = dir.executa();

    EXPECT_EQ(r.status, c.status);
    std::string linha = r.erro;  // one line, whichever line end
    if (!linha.empty() && linha.back() == '\n') linha.pop_back();
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    EXPECT_EQ(linha, "erro fatal (" + std::to_string(c.status) + "): " + c.tipo + ", arquivo " +
                         (fs::canonical(dir.caminho()) / "tabela_pq.txt").string());
    EXPECT_TRUE(dir.existe("tabela_pq.txt"));
    EXPECT_TRUE(fs::is_empty(dir.caminho() / "output"));
  }
}

TEST(TabelaQueimaCorrida, OnlyTabPq1ReadsTheTable) {
  CasoTeste c = caso_com_tabela();
  c.tab_pq = "2";
  c.npassos = "20";
  DiretorioTrabalho dir;
  prepara_caso(dir, c);

  const Execucao r = dir.executa();

  ASSERT_EQ(r.status, 0) << r.erro;
  EXPECT_FALSE(dir.existe("tabela_pq.txt"));
  std::istringstream serie(dir.le("output/teste.txt"));
  std::string linha;
  std::getline(serie, linha);
  while (std::getline(serie, linha)) {
    EXPECT_EQ(coluna(linha, 182, 196), 1.007e-4);
    EXPECT_EQ(coluna(linha, 197, 211), 0.319);
  }
}

}  // namespace
