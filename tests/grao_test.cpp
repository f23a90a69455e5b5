// Grain geometry: setup, burning area and free volume of each grain type, the
// end of the burn and the propellant volume.

#include "models/grao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "execucao.h"
#include "input/arquivo.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr double pi_4 = 0.7853981633974483;
constexpr double dois_pi = 6.283185307179586;

double acima(double v) { return std::nextafter(v, INFINITY); }
double abaixo(double v) { return std::nextafter(v, -INFINITY); }

// The console as a file, to see the bytes of the end-of-burn lines.
class Console {
 public:
  Console()
      : nome_("console" + std::to_string(contador_++) + ".txt"),
        arquivo_(std::make_unique<ArquivoSaida>((pasta().caminho() / nome_).string())) {}
  ArquivoSaida& operator*() { return *arquivo_; }
  std::string bytes() {
    arquivo_->fecha();
    return pasta().le(nome_);
  }

 private:
  static const DiretorioTrabalho& pasta() {
    static const DiretorioTrabalho dir(false);
    return dir;
  }
  static inline int contador_ = 0;
  std::string nome_;
  std::unique_ptr<ArquivoSaida> arquivo_;
};

// A tube of 50 x 20 x 80 mm behind a 10 mm throat.
CaseParameters caso_grao(int grao, double De = 0.05, double Di = 0.02, double L = 0.08) {
  CaseParameters c;
  c.Dg = 0.01;
  c.De = De;
  c.Di = Di;
  c.L = L;
  c.grao = grao;
  c.tol = 1.0;
  return c;
}

GrainGeometry inicia(CaseParameters& c) {
  Console console;
  GrainGeometry g = inicia_grao(c, *console);
  EXPECT_EQ(console.bytes(), "");
  return g;
}

TEST(Grao, Inicio) {
  for (int grao : {0, 1, 2, 3, 5, 6, 7, 8, 9}) {
    SCOPED_TRACE(grao);
    CaseParameters c = caso_grao(grao);
    const GrainGeometry g = inicia(c);
    EXPECT_EQ(g.grao, grao);
    EXPECT_EQ(g.Re, 0.025);
    EXPECT_EQ(g.Ri, 0.01);
    EXPECT_EQ(g.At, pi_4 * 0.01 * 0.01);
    EXPECT_EQ(g.V0, pi_4 * 0.02 * 0.02 * 0.08);
    EXPECT_EQ(g.Ab, pi_4 * 0.05 * 0.05);
    EXPECT_EQ(g.Vc, g.V0);
    // Types 2 and 3 end at a burnt distance, which replaces the case length;
    // their formulas keep the length as read.
    double L = 0.08;
    if (grao == 2) L = 0.05 * 0.5 - 0.02 * 0.5;
    if (grao == 3) L = (0.05 - 0.02) * 0.25;
    EXPECT_EQ(c.L, L);
    EXPECT_EQ(g.L, L);
    if (grao == 2 || grao == 3) {
      EXPECT_EQ(g.L0, 0.08);
    }
  }
}

// With nothing burnt the chamber is the core, except for type 3, whose
// formula counts the core twice.
TEST(Grao, VolumeLivreSemQueima) {
  for (int grao : {1, 2, 3, 5, 6, 7, 8}) {
    SCOPED_TRACE(grao);
    CaseParameters c = caso_grao(grao);
    GrainGeometry g = inicia(c);
    EXPECT_FALSE(avanca_grao(g, 0.0, 0.0, 1, 0));
    const double esperado = grao == 3 ? 2.0 * g.V0 : g.V0;
    EXPECT_NEAR(g.Vc, esperado, 1e-14 * esperado);
  }
}

// Areas and volumes from the shapes: the surfaces that burn and the
// propellant burnt away.
struct Forma {
  int grao;
  double (*Ab)(double x);
  double (*Vc)(double x);
};

constexpr double Re = 0.025, Ri = 0.01, L = 0.08;
constexpr double V0 = pi * Ri * Ri * L;

// A type-6 tube of length Ls: core surface and two annular faces.
double tubo(double Ls, double x) {
  const double Rc = Ri + x;
  return 2 * pi * Rc * (Ls - 2 * x) + 2 * pi * (Re * Re - Rc * Rc);
}
double nucleo(double x) { return pi * ((Ri + x) * (Ri + x) - Ri * Ri); }

const Forma formas[] = {
    {1, [](double) { return pi / 4 * 0.05 * 0.05; },
     [](double x) { return V0 + x * (pi / 4 * 0.05 * 0.05); }},
    {2, [](double x) { return 2 * pi * L * (Ri + x); },
     [](double x) { return pi * L * (Ri + x) * (Ri + x); }},
    {3,
     [](double x) {
       const double Rc = Ri + x, Rx = Re - x, Lx = L - 2 * x;
       return 2 * pi * Rc * Lx + 2 * pi * Rx * Lx + 2 * pi * (Rx * Rx - Rc * Rc);
     },
     [](double x) {
       const double Rc = Ri + x, Rx = Re - x;
       const double queimado =
           pi * (Re * Re - Ri * Ri) * L - pi * (Rx * Rx - Rc * Rc) * (L - 2 * x);
       return 2 * V0 + queimado;
     }},
    {5,
     [](double x) {
       const double Rx = Re - x;
       return 2 * pi * Rx * (L - 2 * x) + 2 * pi * Rx * Rx;
     },
     [](double x) {
       const double Rx = Re - x;
       return V0 + pi * Re * Re * L - pi * Rx * Rx * (L - 2 * x);
     }},
    {6, [](double x) { return tubo(L, x); }, [](double x) { return V0 + L * nucleo(x); }},
    {7, [](double x) { return 4 * tubo(L / 4, x); }, [](double x) { return V0 + L * nucleo(x); }},
    {8, [](double x) { return tubo(L, x) + tubo(L / 2, x); },
     [](double x) { return V0 + 1.5 * L * nucleo(x); }},
};

TEST(Grao, AreaEVolumePorTipo) {
  for (const Forma& f : formas) {
    // 25 mm is past L/4 and past the web: types 7 and 8 go on by the formulas.
    for (double x : {0.0005, 0.004, 0.012, 0.025}) {
      SCOPED_TRACE(testing::Message() << "grao " << f.grao << " x " << x);
      CaseParameters c = caso_grao(f.grao);
      GrainGeometry g = inicia(c);
      EXPECT_FALSE(avanca_grao(g, x, 0.0001, 7, 0));
      const double Ab = f.Ab(x), Vc = f.Vc(x);
      EXPECT_NEAR(g.Ab, Ab, 1e-11 * std::fabs(Ab));
      EXPECT_NEAR(g.Vc, Vc, 1e-11 * std::fabs(Vc));
    }
  }
}

TEST(Grao, TipoDesconhecidoNaoMuda) {
  for (int grao : {0, 9, -1}) {
    SCOPED_TRACE(grao);
    CaseParameters c = caso_grao(grao);
    GrainGeometry g = inicia(c);
    const double Ab = g.Ab, Vc = g.Vc;
    EXPECT_FALSE(avanca_grao(g, 0.01, 0.001, 3, 0));
    EXPECT_EQ(g.Ab, Ab);
    EXPECT_EQ(g.Vc, Vc);
  }
}

TEST(Grao, FimDeQueima) {
  struct {
    const char* nome;
    int grao;
    double L;
    double (*x)(const GrainGeometry&);
    bool fim;
    const char* console;
  } const casos[] = {
      {"1 em L", 1, 0.08, [](const GrainGeometry& g) { return g.L; }, false, ""},
      {"1 passa L", 1, 0.08, [](const GrainGeometry& g) { return acima(g.L); }, true, ""},
      {"2 na alma", 2, 0.08, [](const GrainGeometry& g) { return g.Re - g.Ri; }, false, ""},
      {"2 passa a alma", 2, 0.08, [](const GrainGeometry& g) { return acima(g.Re - g.Ri); }, true,
       ""},
      {"3 na meia alma", 3, 0.08, [](const GrainGeometry&) { return (0.05 - 0.02) * 0.25; }, false,
       ""},
      {"3 passa a meia alma", 3, 0.08,
       [](const GrainGeometry&) { return acima((0.05 - 0.02) * 0.25); }, true, ""},
      {"6 logo antes da alma", 6, 0.08, [](const GrainGeometry& g) { return abaixo(g.Re - g.Ri); },
       false, ""},
      {"6 exatamente na alma", 6, 0.08, [](const GrainGeometry& g) { return g.Re - g.Ri; }, true,
       " x > (Re-Ri)\r\n"},
      {"6 curto em L/2", 6, 0.02, [](const GrainGeometry& g) { return g.L * 0.5; }, false, ""},
      {"6 curto passa L/2", 6, 0.02, [](const GrainGeometry& g) { return acima(g.L * 0.5); }, true,
       " x > L/2\r\n"},
      {"6 curto na alma", 6, 0.02, [](const GrainGeometry& g) { return g.Re - g.Ri; }, true,
       " x > (Re-Ri)\r\n"},
      {"7 em L/8", 7, 0.08, [](const GrainGeometry& g) { return (g.L / 4.0) * 0.5; }, false, ""},
      {"7 passa L/8", 7, 0.08, [](const GrainGeometry& g) { return acima((g.L / 4.0) * 0.5); },
       true, ""},
      {"7 longo antes da alma", 7, 0.2, [](const GrainGeometry& g) { return abaixo(g.Re - g.Ri); },
       false, ""},
      {"7 longo na alma", 7, 0.2, [](const GrainGeometry& g) { return g.Re - g.Ri; }, true, ""},
      {"8 na alma", 8, 0.08, [](const GrainGeometry& g) { return g.Re - g.Ri; }, false, ""},
      {"8 em L", 8, 0.08, [](const GrainGeometry& g) { return g.L; }, false, ""},
      {"8 passa L", 8, 0.08, [](const GrainGeometry& g) { return acima(g.L); }, true, ""},
      {"0 em L", 0, 0.08, [](const GrainGeometry& g) { return g.L; }, false, ""},
      {"9 passa L", 9, 0.08, [](const GrainGeometry& g) { return acima(g.L); }, true, ""},
      {"-1 passa L", -1, 0.08, [](const GrainGeometry& g) { return acima(g.L); }, true, ""},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    CaseParameters caso = caso_grao(c.grao, 0.05, 0.02, c.L);
    const GrainGeometry g = inicia(caso);
    Console console;
    EXPECT_EQ(fim_de_queima(g, c.x(g), caso, *console), c.fim);
    EXPECT_EQ(console.bytes(), c.console);
  }
}

// Type 5 ends on the solver's tolerance taken as the smallest area, not on
// a distance.
TEST(Grao, Tipo5TerminaQuandoAAreaFicaAbaixoDeTol) {
  CaseParameters caso = caso_grao(5);
  caso.tol = 1e-4;
  GrainGeometry g = inicia(caso);
  Console console;
  g.Ab = 1e-4;
  EXPECT_FALSE(fim_de_queima(g, 1.0, caso, *console));
  g.Ab = abaixo(1e-4);
  EXPECT_TRUE(fim_de_queima(g, 0.0, caso, *console));
  EXPECT_EQ(console.bytes(), "");
}

// A short solid cylinder (L < De) keeps burning past L/2, until its area
// 2 pi (Re - x)(L + Re - 3x) falls below tol, near x = (L + Re)/3.
TEST(Grao, Tipo5CilindroCurto) {
  CaseParameters caso = caso_grao(5, 0.05, 0.0, 0.03);
  caso.tol = 1e-6;
  GrainGeometry g = inicia(caso);
  Console console;
  double x = 0.0;
  bool fim = false;
  while (!fim && x < 0.05) {
    x += 1e-6;
    avanca_grao(g, x, 1e-6, 1, 0);
    fim = fim_de_queima(g, x, caso, *console);
  }
  EXPECT_TRUE(fim);
  EXPECT_GT(x, 0.015);
  EXPECT_NEAR(x, (0.03 + 0.025) / 3.0, 2e-5);
  EXPECT_EQ(console.bytes(), "");
}

// Each product left to right, as written: with these dimensions any other
// grouping gives other last bits.
TEST(Grao, VolumeDePropelente) {
  const double De = 0.0619, Di = 0.009, L = 0.0777;
  struct {
    int grao;
    std::optional<double> volume;
  } const casos[] = {
      {1, pi_4 * De * De * L},
      {5, pi_4 * De * De * L},
      // The length as read, not the burnt distance that replaced it.
      {2, pi_4 * L * (De * De - Di * Di)},
      {3, pi_4 * L * (De * De - Di * Di)},
      {4, pi_4 * (De * De - Di * Di) * L},
      {6, pi_4 * (De * De - Di * Di) * L},
      {7, std::nullopt},
      {8, std::nullopt},
      {0, std::nullopt},
      {9, std::nullopt},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.grao);
    // Type 4's own setup needs its activation data; the volume needs none.
    CaseParameters caso = caso_grao(c.grao == 4 ? 6 : c.grao, De, Di, L);
    GrainGeometry g = inicia(caso);
    g.grao = c.grao;
    caso.grao = c.grao;
    const std::optional<double> v = volume_propelente(g, caso);
    ASSERT_EQ(v.has_value(), c.volume.has_value());
    if (v) {
      EXPECT_EQ(*v, *c.volume);
    }
  }
}

}  // namespace
