// The activation-front grain (type 4): its cell count, the burning area and
// free volume summed over the cells step by step, the frame files, and the
// cases whose cell count cannot be formed.

#include "models/frente.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "execucao.h"
#include "input/arquivo.h"
#include "input/caso.h"
#include "models/grao.h"

namespace fs = std::filesystem;

namespace {

constexpr double pi = 3.141592653589793;

// Grain type 4 with the given length, activation rate and time step.
CaseParameters caso_frente(double L, double tx_ativ, double dt, double Di, double De) {
  CaseParameters caso;
  caso.grao = 4;
  caso.L = L;
  caso.tx_ativ = tx_ativ;
  caso.dt = dt;
  caso.Di = Di;
  caso.De = De;
  caso.Dg = 0.01;
  return caso;
}

// Sets the grain up with its console lines going to a file; returns them.
std::string inicia(GrainGeometry& g, CaseParameters& caso) {
  DiretorioTrabalho dir(false);
  const std::string caminho = (dir.caminho() / "console.txt").string();
  {
    ArquivoSaida console(caminho);
    g = inicia_grao(caso, console);
    console.fecha();
  }
  return dir.le("console.txt");
}

// Runs in a scratch working directory until the end of the scope: the frame
// files go to ./temp.
class NoDiretorio {
 public:
  explicit NoDiretorio(const DiretorioTrabalho& dir) : antes_(fs::current_path()) {
    fs::current_path(dir.caminho());
  }
  ~NoDiretorio() { fs::current_path(antes_); }

 private:
  fs::path antes_;
};

TEST(GraoFrente, CellCountAndTheFirstTwoSteps) {
  // 0.1 / 0.01 / 0.001 is 10000 exactly: one cell more than the quotient.
  CaseParameters caso = caso_frente(0.1, 0.01, 0.001, 0.02, 0.05);
  GrainGeometry g;
  EXPECT_EQ(inicia(g, caso),
            " delta_grao =   9.999000099990002E-006\r\n"
            " ativacao =        10001\r\n");
  ASSERT_EQ(g.ativacao, 10001);
  EXPECT_EQ(g.delta_grao, 0.1 / 10001.0);
  ASSERT_EQ(g.frente.size(), 10001u);
  const double Ri = 0.01;
  for (double f : g.frente) ASSERT_EQ(f, Ri);
  EXPECT_EQ(g.n_queimadas, 0);
  EXPECT_EQ(g.nquadros, 0);
  const double pi_delta = pi * g.delta_grao;

  // The first step takes its area from the last cell, still at Ri, although
  // cell 1 has grown already.
  const double dx1 = 2.0e-5, dx2 = 3.0e-5;
  EXPECT_FALSE(avanca_grao(g, dx1, dx1, 1, 0));
  EXPECT_EQ(g.frente[0], Ri + dx1);
  EXPECT_EQ(g.frente[1], Ri);
  EXPECT_EQ(g.Ab, Ri * pi_delta);
  // The free volume is the core over all cells but one, without V0.
  const double Vc = pi * Ri * Ri * (0.1 - g.delta_grao);
  EXPECT_NEAR(g.Vc, Vc, Vc * 1e-6);

  EXPECT_FALSE(avanca_grao(g, dx1 + dx2, dx2, 2, 0));
  const double f1 = (Ri + dx1) + dx2, f2 = Ri + dx2;
  EXPECT_EQ(g.frente[0], f1);
  EXPECT_EQ(g.frente[1], f2);
  EXPECT_EQ(g.frente[2], Ri);
  const double S = (f1 + f2) * 0.5;
  EXPECT_EQ(g.Ab, (S + S) * pi_delta);
}

// Step by step, on grains of a few cells with radii and increments that are
// exact in binary, so every sum is known exactly: Ri = 0.25, Re = 0.5.
TEST(GraoFrente, AreaAndVolumeOverTheCells) {
  struct Passo {
    double dx;
    double S;   // trapezoid sum of the radii, burnt-through cells counted as Re
    double V;   // sum of the squared mean radii of neighbouring cells
    bool fim;   // burnt out: the area has vanished
  };
  const struct {
    const char* nome;
    double L, tx_ativ, dt;
    int32_t N;
    std::vector<Passo> passos;
  } casos[] = {
      {"four cells lit one by one, then burning through",
       1.5, 1.0, 0.5, 4,
       {
           // The first step's sum starts from cell 4 (0.25 / 2), not cell 1.
           {0.125, 0.125, 0.22265625, false},
           {0.125, 0.4375, 0.3515625, false},
           // Cell 1 burns through: its Re joins the sum once.
           {0.125, 0.9375, 0.5390625, false},
           // Cell 1 grows past Re again and is clamped back; cell 2 burns
           // through and is the last one counted.
           {0.125, 0.9375, 0.69140625, false},
           // All lit: only cells 3 and 4 grow; 3 burns through.
           {0.125, 0.5, 0.75, false},
           {0.125, 0.5, 0.75, false},
           {0.125, 0.0, 0.75, true},
       }},
      {"only the last cell left, still burning",
       1.5, 1.0, 0.5, 4,
       {
           {0.125, 0.125, 0.22265625, false},
           {0.125, 0.4375, 0.3515625, false},
           {0.125, 0.9375, 0.5390625, false},
           {0.125, 0.9375, 0.69140625, false},
           {0.0625, 0.5, 0.7197265625, false},
           // Cell 4 is at 0.46875 and growing, but no pair of cells is left
           // to sum: the area is 0 and the burn ends.
           {0.03125, 0.0, 0.734619140625, true},
       }},
      {"one cell", 0.375, 1.0, 1.0, 1,
       {
           {0.125, 0.1875, 0.0, false},
           // From the second step on there is no pair of cells to sum.
           {0.0625, 0.0, 0.0, true},
       }},
      {"one cell burning through in the second step", 0.375, 1.0, 1.0, 1,
       {
           {0.125, 0.1875, 0.0, false},
           {0.25, 0.5, 0.0, false},
           {0.25, 0.0, 0.0, true},
       }},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    CaseParameters caso = caso_frente(c.L, c.tx_ativ, c.dt, 0.5, 1.0);
    GrainGeometry g;
    inicia(g, caso);
    ASSERT_EQ(g.ativacao, c.N);
    const double pi_delta = pi * (c.L / c.N);
    double x = 0.0;
    int32_t i = 0;
    for (const Passo& p : c.passos) {
      ++i;
      x += p.dx;
      EXPECT_EQ(avanca_grao(g, x, p.dx, i, 0), p.fim) << "step " << i;
      EXPECT_EQ(g.Ab, (p.S + p.S) * pi_delta) << "step " << i;
      EXPECT_EQ(g.Vc, p.V * pi_delta) << "step " << i;
    }
  }
}

// The burnt-out area is 1e-12 as a single-precision value: at it the burn
// ends, just above it it goes on.
TEST(GraoFrente, BurntOutAtTheSinglePrecisionAreaFloor) {
  constexpr double limite = 9.999999960041972e-13;
  static_assert(limite == static_cast<double>(1e-12f));
  static_assert(limite < 1e-12);
  // One cell of length 1/pi, whose pi x length is exactly 1: the first
  // step's area is then the cell's radius, Ri + dx with Ri = 0.
  const double L = 1.0 / pi;
  ASSERT_EQ(pi * L, 1.0);
  const struct {
    double dx;
    bool fim;
  } casos[] = {
      {limite, true},
      {std::nextafter(limite, 1.0), false},
      {0.0, true},
  };
  for (const auto& c : casos) {
    CaseParameters caso = caso_frente(L, 1.0, 1.0, 0.0, 1.0);
    GrainGeometry g;
    inicia(g, caso);
    ASSERT_EQ(g.ativacao, 1);
    EXPECT_EQ(avanca_grao(g, c.dx, c.dx, 1, 0), c.fim) << c.dx;
    EXPECT_EQ(g.Ab, c.dx);
  }
}

TEST(NomeQuadro, FiveDigitsWithLeadingZeros) {
  const struct {
    int32_t j;
    const char* nome;
  } casos[] = {
      {1, "00001"},   {9, "00009"},   {10, "00010"},  {99, "00099"},
      {100, "00100"}, {999, "00999"}, {1000, "01000"}, {9999, "09999"},
      {10000, "10000"}, {12345, "12345"}, {99999, "99999"},
  };
  for (const auto& c : casos) {
    char nome[6] = {};
    nome_do_quadro(c.j, nome);
    EXPECT_STREQ(nome, c.nome) << c.j;
  }
  // From frame 100000 on, every frame keeps the name of frame 99999.
  char nome[6] = {};
  nome_do_quadro(99999, nome);
  for (int32_t j : {100000, 100001, 2147483647}) {
    nome_do_quadro(j, nome);
    EXPECT_STREQ(nome, "99999") << j;
  }
}

// Four cells of 0.375 m, a frame in every step: N + 1 records of two doubles,
// position and front radius, the last closing the profile at the grain's end.
TEST(GraoFrente, FrameFilesOfAFourCellGrain) {
  DiretorioTrabalho dir;
  CaseParameters caso = caso_frente(1.5, 1.0, 0.5, 0.5, 1.0);
  GrainGeometry g;
  inicia(g, caso);
  ASSERT_EQ(g.ativacao, 4);
  {
    NoDiretorio aqui(dir);
    double x = 0.0;
    bool fim = false;
    int32_t i = 0;
    while (!fim && i < 10) {
      ++i;
      x += 0.125;
      fim = avanca_grao(g, x, 0.125, i, 1);
    }
    EXPECT_EQ(i, 7);
    grava_contorno(g);
  }
  // Steps 1 to 6 left a frame each; step 7, burnt out, none.
  EXPECT_EQ(g.nquadros, 6);
  for (const char* nome : {"00001", "00002", "00003", "00004", "00005", "00006"})
    EXPECT_TRUE(dir.existe(std::string("temp/") + nome + ".txt")) << nome;
  EXPECT_FALSE(dir.existe("temp/00007.txt"));

  const std::string zero = "  0.000000000000000E+000";
  const std::string r0250 = "  0.250000000000000     ", r0375 = "  0.375000000000000     ",
                    r0500 = "  0.500000000000000     ", r0750 = "  0.750000000000000     ",
                    r1125 = "   1.12500000000000     ", r1500 = "   1.50000000000000     ";
  // After step 1: cell 1 at Ri + 0.125, the rest at Ri.
  EXPECT_EQ(dir.le("temp/00001.txt"), zero + r0375 + "\r\n" +   //
                                          r0375 + r0250 + "\r\n" +  //
                                          r0750 + r0250 + "\r\n" +  //
                                          r1125 + r0250 + "\r\n" +  //
                                          r1500 + r0250 + "\r\n");
  // After step 4: cells 1 and 2 held at Re, cell 3 just at Re.
  EXPECT_EQ(dir.le("temp/00004.txt"), zero + r0500 + "\r\n" +   //
                                          r0375 + r0500 + "\r\n" +  //
                                          r0750 + r0500 + "\r\n" +  //
                                          r1125 + r0375 + "\r\n" +  //
                                          r1500 + r0375 + "\r\n");
  // The half-section outline: axial position, radius.
  EXPECT_EQ(dir.le("temp/grao.txt"), zero + r0250 + "\r\n" +   //
                                         r1500 + r0250 + "\r\n" +  //
                                         r1500 + r0500 + "\r\n" +  //
                                         zero + r0500 + "\r\n" +   //
                                         zero + r0250 + "\r\n");
}

// A case whose cell count cannot be formed stops at grain setup with status
// 1, before any file is written, naming the values at fault.
TEST(GraoFrente, NoValidCellCountStopsTheRun) {
  const struct {
    const char* L;
    const char* tx_ativ;
    const char* dt;
    std::vector<const char*> nomeia;
  } casos[] = {
      {"0.1", "0.0", "0.001", {"tx_ativ"}},
      {"0.1", "-0.01", "0.001", {"tx_ativ"}},
      {"0.1", "NaN", "0.001", {"tx_ativ"}},
      {"0.1", "0.01", "0.0", {"dt"}},
      {"0.1", "0.01", "-0.001", {"dt"}},
      // The quotient: not a number, infinite, too large for N, negative.
      {"NaN", "0.01", "0.001", {"L", "tx_ativ", "dt"}},
      {"0.1", "1.0e-300", "0.001", {"L", "tx_ativ", "dt"}},
      {"1.0", "1.0", "1.0e-12", {"L", "tx_ativ", "dt"}},
      {"1.0", "1.0", "4.656612873077393e-10", {"L", "tx_ativ", "dt"}},  // 2^31: N would be 2^31 + 1
      {"-0.1", "0.01", "0.001", {"L", "tx_ativ", "dt"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string("L ") + c.L + ", tx_ativ " + c.tx_ativ + ", dt " + c.dt);
    DiretorioTrabalho dir;
    CasoTeste caso;
    caso.grao = "4";
    caso.freq = "1";
    caso.L = c.L;
    caso.tx_ativ = c.tx_ativ;
    caso.dt = c.dt;
    prepara_caso(dir, caso);
    Execucao r = dir.executa();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida, "");
    ASSERT_FALSE(r.erro.empty());
    EXPECT_EQ(r.erro.find('\n'), r.erro.size() - 1) << "one line: " << r.erro;
    for (const char* nome : c.nomeia) EXPECT_NE(r.erro.find(nome), std::string::npos) << r.erro;
    EXPECT_TRUE(fs::is_empty(dir.caminho() / "output"));
    EXPECT_TRUE(fs::is_empty(dir.caminho() / "temp"));
  }
}

}  // namespace
