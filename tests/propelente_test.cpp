// Propellant property fits and the Mach number of the expansion.

#include "models/propelente.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Half a unit in the sixth significant digit of `ref`.
double seis_digitos(double ref) {
  return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(ref))) - 5);
}

TEST(Propelente, ValoresA1MPaComSeisDigitos) {
  struct {
    int32_t prop;
    double k, R, T, fc;
  } const casos[] = {
      {0, 1.05111, 203.606, 1635.48, 0.377961},
      {1, 1.09982, 161.549, 1165.43, 0.412909},
      {2, 1.04837, 224.536, 1457.91, 0.400077},
      {3, 1.06102, 187.166, 1765.36, 0.314900},
  };
  const double p = 1e6;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.prop);
    EXPECT_NEAR(prop_k(c.prop, p), c.k, seis_digitos(c.k));
    EXPECT_NEAR(prop_R(c.prop, p), c.R, seis_digitos(c.R));
    EXPECT_NEAR(prop_T(c.prop, p), c.T, seis_digitos(c.T));
    EXPECT_NEAR(prop_fc(c.prop, p), c.fc, seis_digitos(c.fc));
  }
}

// The solver uses the shared-logarithm form; the single fits must give the
// very same bits, and Et must scale the temperature only.
TEST(Propelente, PropriedadesIguaisAosAjustesBitABit) {
  const double pressoes[] = {101325.0, 3.7e5, 1e6, 4.2e6, 1.5e7};
  const double eficiencias[] = {1.0, 0.93};
  for (int32_t prop = 0; prop <= 3; ++prop) {
    for (double p : pressoes) {
      for (double Et : eficiencias) {
        SCOPED_TRACE(testing::Message() << "prop " << prop << " p " << p << " Et " << Et);
        const PropellantProperties q = propriedades(prop, p, Et);
        EXPECT_EQ(q.k, prop_k(prop, p));
        EXPECT_EQ(q.R, prop_R(prop, p));
        EXPECT_EQ(q.T, prop_T(prop, p) * Et);
        EXPECT_EQ(q.fc, prop_fc(prop, p));
      }
    }
  }
}

TEST(Propelente, CodigoDesconhecidoDaZeros) {
  const int32_t codigos[] = {4, -1, 100, std::numeric_limits<int32_t>::min()};
  const double pressoes[] = {0.5, 1.0, 101325.0, 1e7};
  for (int32_t prop : codigos) {
    for (double p : pressoes) {
      SCOPED_TRACE(testing::Message() << "prop " << prop << " p " << p);
      EXPECT_EQ(prop_k(prop, p), 0.0);
      EXPECT_EQ(prop_R(prop, p), 0.0);
      EXPECT_EQ(prop_T(prop, p), 0.0);
      EXPECT_EQ(prop_fc(prop, p), 0.0);
      const PropellantProperties q = propriedades(prop, p, 0.9);
      EXPECT_EQ(q.k, 0.0);
      EXPECT_EQ(q.R, 0.0);
      EXPECT_EQ(q.T, 0.0);
      EXPECT_EQ(q.fc, 0.0);
    }
  }
}

// Below zero log10 is NaN, and so is every property, of an unknown code too.
// At zero it is -inf: the powers of L are infinite and so are the fits (NaN
// where infinities of both signs meet, as with the zero coefficients of an
// unknown code); nothing finite comes out.
TEST(Propelente, PressaoNaoPositivaNaoDaValorFinito) {
  const int32_t codigos[] = {0, 1, 2, 3, 4};
  for (int32_t prop : codigos) {
    for (double p : {-1.0, -2e5}) {
      SCOPED_TRACE(testing::Message() << "prop " << prop << " p " << p);
      EXPECT_TRUE(std::isnan(prop_k(prop, p)));
      EXPECT_TRUE(std::isnan(prop_R(prop, p)));
      EXPECT_TRUE(std::isnan(prop_T(prop, p)));
      EXPECT_TRUE(std::isnan(prop_fc(prop, p)));
      const PropellantProperties q = propriedades(prop, p, 1.0);
      EXPECT_TRUE(std::isnan(q.k) && std::isnan(q.R) && std::isnan(q.T) && std::isnan(q.fc));
    }
    for (double p : {0.0, -0.0}) {
      SCOPED_TRACE(testing::Message() << "prop " << prop << " p " << p);
      const PropellantProperties q = propriedades(prop, p, 1.0);
      EXPECT_FALSE(std::isfinite(q.k) || std::isfinite(q.R) || std::isfinite(q.T) ||
                   std::isfinite(q.fc));
      EXPECT_FALSE(std::isfinite(prop_k(prop, p)));
    }
  }
  EXPECT_TRUE(std::isnan(prop_k(4, 0.0)));
}

TEST(Propelente, Mach) {
  const double pa = 1e5;
  EXPECT_EQ(mach(pa, pa, 1.2), 0.0);
  EXPECT_EQ(mach(pa, pa, 1.05), 0.0);
  EXPECT_NEAR(mach(40 * pa, pa, 1.2), 2.914, 5e-4);
  // Just above ambient: subsonic.
  EXPECT_GT(mach(1.01 * pa, pa, 1.2), 0.0);
  EXPECT_LT(mach(1.01 * pa, pa, 1.2), 1.0);
  // The sonic pressure ratio ((k+1)/2)^(k/(k-1)) gives M = 1.
  EXPECT_NEAR(mach(std::pow(1.1, 6.0) * pa, pa, 1.2), 1.0, 1e-12);
  EXPECT_TRUE(std::isnan(mach(0.99 * pa, pa, 1.2)));
  EXPECT_TRUE(std::isnan(mach(0.0, pa, 1.2)));
}

}  // namespace
