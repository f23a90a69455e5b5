// Nozzle flow and performance.

#include "engine/bocal.h"

#include <gtest/gtest.h>

#include <cmath>

#include "models/propelente.h"

namespace {

constexpr double g0 = 9.80665;

// The motor of the worked example: k 1.2, R 200, T 1600, Cd 1, At 1e-4,
// p 4 MPa into 100 kPa.
TEST(Bocal, ExemploResolvido) {
  const PropellantProperties q{1.2, 200.0, 1600.0, 0.0};
  const double p = 4e6, pa = 1e5, Cd = 1.0, At = 1e-4;
  const double M = mach(p, pa, q.k);
  EXPECT_NEAR(M, 2.914, 5e-4);

  double fmt = 0.0;
  vazao(q, M, p, Cd, At, fmt);
  const double g = 1.0 + (q.k - 1.0) / 2.0 * (M * M);
  const double Ve = M * std::sqrt(q.T * q.R * q.k / g);
  const double Fd = fmt * Ve;
  const double Cf = Fd / (At * p);
  const double Is = Fd / (fmt * g0);
  EXPECT_NEAR(fmt, 0.4586, 5e-5);
  EXPECT_NEAR(Ve, 1328.0, 0.05);
  EXPECT_NEAR(Fd, 609.0, 0.05);
  EXPECT_NEAR(Cf, 1.522, 5e-4);
  EXPECT_NEAR(Is, 135.4, 0.05);
}

// Choked: the flow does not depend on M. Subsonic: the isentropic flow at M.
TEST(Bocal, FormaDaVazaoPorMach) {
  const PropellantProperties q{1.2, 200.0, 1600.0, 0.0};
  const double p = 1.5e5, Cd = 0.9, At = 2e-4;
  const double e = -(q.k + 1.0) / (q.k - 1.0);
  const double critico = Cd * At * p * std::sqrt(std::pow(1.1, e) * q.k / q.R / q.T);
  const double Ms[] = {1.0, 1.5, 2.914, 7.0};
  for (double M : Ms) {
    double fmt = -1.0;
    vazao(q, M, p, Cd, At, fmt);
    EXPECT_NEAR(fmt, critico, 1e-14 * critico) << "M " << M;
  }
  const double subsonicos[] = {0.1, 0.5, 0.9};
  for (double M : subsonicos) {
    const double g = 1.0 + (q.k - 1.0) / 2.0 * (M * M);
    const double esperado = Cd * At * M * p * std::sqrt(std::pow(g, e) * q.k / q.R / q.T);
    double fmt = -1.0;
    vazao(q, M, p, Cd, At, fmt);
    EXPECT_NEAR(fmt, esperado, 1e-14 * esperado) << "M " << M;
    EXPECT_LT(fmt, critico);
  }
  double fmt = -1.0;
  vazao(q, 0.0, p, Cd, At, fmt);
  EXPECT_EQ(fmt, 0.0);
}

TEST(Bocal, VazaoContinuaEmMachUm) {
  const PropellantProperties q = propriedades(0, 3e5, 0.95);
  double abaixo = 0.0, em_um = 0.0;
  vazao(q, std::nextafter(1.0, 0.0), 3e5, 1.0, 1e-4, abaixo);
  vazao(q, 1.0, 3e5, 1.0, 1e-4, em_um);
  EXPECT_GT(em_um, 0.0);
  EXPECT_NEAR(abaixo, em_um, 1e-12 * em_um);
}

// Neither form applies to a Mach number that is not a number: the flow
// keeps the value it had.
TEST(Bocal, MachNaNMantemVazao) {
  const PropellantProperties q{1.2, 200.0, 1600.0, 0.0};
  double fmt = 0.123;
  vazao(q, NAN, 4e6, 1.0, 1e-4, fmt);
  EXPECT_EQ(fmt, 0.123);

  // Below ambient the performance keeps the step's flow and the rest is NaN.
  fmt = 0.25;
  const Desempenho d = desempenho(0.9e5, 1e5, 1.0, 1.0, 1e-4, 0, fmt);
  EXPECT_EQ(fmt, 0.25);
  EXPECT_EQ(d.fmt, 0.25);
  EXPECT_TRUE(std::isnan(d.Ve));
  EXPECT_TRUE(std::isnan(d.Fd));
  EXPECT_TRUE(std::isnan(d.Cf));
}

// At ambient pressure M is 0: nothing flows. Is is 0/0 here; the burning
// step replaces it, the tail-off writes it as it is.
TEST(Bocal, PressaoAmbienteDaZeros) {
  double fmt = 0.7;
  const Desempenho d = desempenho(101325.0, 101325.0, 0.9, 0.95, 7.85e-5, 0, fmt);
  EXPECT_EQ(fmt, 0.0);
  EXPECT_EQ(d.fmt, 0.0);
  EXPECT_EQ(d.Ve, 0.0);
  EXPECT_EQ(d.Fd, 0.0);
  EXPECT_EQ(d.Cf, 0.0);
  EXPECT_TRUE(std::isnan(d.Is));
}

// The performance at a chamber pressure, from the fits of the case's
// propellant, worked out formula by formula.
TEST(Bocal, DesempenhoComAsPropriedadesDoPropelente) {
  struct {
    int prop;
    double p, pa, Cd, Et, At;
    bool subsonico;
  } const casos[] = {
      {0, 4e6, 101325.0, 1.0, 1.0, 7.853981633974483e-05, false},
      {2, 1.2e6, 92000.0, 0.92, 0.95, 1.2e-4, false},
      {1, 1.5e5, 101325.0, 0.85, 0.9, 3e-4, true},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.prop);
    const PropellantProperties q = propriedades(c.prop, c.p, c.Et);
    const double M = mach(c.p, c.pa, q.k);
    ASSERT_EQ(M < 1.0, c.subsonico);
    const double e = -(q.k + 1.0) / (q.k - 1.0);
    const double g = 1.0 + (q.k - 1.0) / 2.0 * (M * M);
    const double base = M < 1.0 ? std::pow(g, e) : std::pow((q.k + 1.0) / 2.0, e);
    const double fmt = c.Cd * c.At * std::fmin(M, 1.0) * c.p * std::sqrt(base * q.k / q.R / q.T);
    const double Ve = M * std::sqrt(q.T * q.R * q.k / g);

    double estado = -1.0;
    const Desempenho d = desempenho(c.p, c.pa, c.Cd, c.Et, c.At, c.prop, estado);
    EXPECT_EQ(estado, d.fmt);
    EXPECT_NEAR(d.fmt, fmt, 1e-13 * fmt);
    EXPECT_NEAR(d.Ve, Ve, 1e-13 * Ve);
    EXPECT_NEAR(d.Fd, fmt * Ve, 1e-12 * fmt * Ve);
    EXPECT_NEAR(d.Cf, fmt * Ve / (c.At * c.p), 1e-12 * d.Cf);
    EXPECT_NEAR(d.Is, Ve / g0, 1e-12 * d.Is);
  }
}

}  // namespace
