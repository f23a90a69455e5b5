// Chamber pressure solver: the residual, the secant trials, the clamps and the
// fall-backs.

#include "engine/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/bocal.h"
#include "models/propelente.h"
#include "execucao.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr double pi_4 = 0.7853981633974483;
constexpr double dois_pi = 6.283185307179586;

// The tube of 50 x 20 x 80 mm, burning on its core and ends, KNSu 65/35,
// 10 mm throat, in its first step from ambient pressure.
struct Motor {
  CaseParameters caso;
  EntradaSolver e;
  Motor() {
    caso = tubo_referencia();
    const double Re = 0.025, Ri = 0.01, L = 0.08;
    const double V0 = pi_4 * 0.02 * 0.02 * L;
    const double x = caso.a * std::pow(caso.pa, caso.n) * caso.dt;
    const double Rc = Ri + x;
    e.p_ant = caso.pa;
    e.Vc_ant = V0;
    e.Ab = dois_pi * (((L - 2.0 * x) - Rc) * Rc + Re * Re);
    e.Vc = (dois_pi * x + pi * (L - 2.0 * x)) * (Rc * Rc - Ri * Ri) + V0;
    e.a = caso.a;
    e.n = caso.n;
    e.At = pi_4 * 0.01 * 0.01;
    e.queima = true;
  }
};

// The next pressure step of the relaxed secant: the previous trial's residual
// f_ant against the current f, from the previous trial q (before its clamp)
// to the current trial p.
double passo_secante(double relax, double f_ant, double f, double q, double p) {
  return -relax * f_ant * (p - q) / (f - f_ant);
}

// Keeps a trial above ambient pressure and below 1e10 Pa.
double grampo(double p, double pa) {
  if (p <= pa) return std::fabs(p) + pa;
  if (p >= 1e10) return (std::fabs(p) + 1e10) / 2.0;
  return p;
}

struct Tentativa {
  double p;   // after its clamp
  double dp;  // size of the change that produced it
};

// The first n trials of a solve, worked out from the residual by the rules
// of the iteration.
std::vector<Tentativa> tentativas(const EntradaSolver& e, const CaseParameters& c, int n) {
  double p = e.p_ant;
  double f_ant = residuo(e, c, p, mach(p, c.pa, prop_k(c.prop, p)));
  double q = p, s = c.ho;
  std::vector<Tentativa> r;
  for (int k = 0; k < n; ++k) {
    const double p0 = p;
    p = p0 + s;
    double M = mach(p, c.pa, prop_k(c.prop, p));
    if (std::isnan(M) || M == 0.0) M = 0.1;
    const double f = residuo(e, c, p, M);
    s = passo_secante(c.relax, f_ant, f, q, p);
    f_ant = f;
    q = p;
    const double dp = std::fabs(p - p0);
    p = grampo(p, c.pa);
    r.push_back({p, dp});
  }
  return r;
}

TEST(Solver, PassoSecanteEmNumerosSimples) {
  const double s = passo_secante(0.5, 4.0, 1.0, 2e5, 3e5);
  EXPECT_NEAR(s, 66666.67, 0.005);
  EXPECT_NEAR(grampo(3e5, 1e5) + s, 366666.67, 0.005);
  EXPECT_EQ(grampo(-2e5, 1e5), 3e5);
  EXPECT_EQ(grampo(1e5, 1e5), 2e5);
  EXPECT_EQ(grampo(3e10, 1e5), 2e10);
}

// The burning residual is generation less condensed products, less the gas
// that fills the freed volume, less the nozzle flow, less the change of the
// stored gas; the tail-off keeps only the flow and the stored gas at a fixed
// volume.
TEST(Solver, ResiduoTermoATermo) {
  Motor m;
  const CaseParameters& c = m.caso;
  const double pressoes[] = {1.5e5, 3e5, 2e6};
  for (double p : pressoes) {
    SCOPED_TRACE(p);
    const PropellantProperties q = propriedades(c.prop, p, c.Et);
    const double M = mach(p, c.pa, q.k);
    double fmt = 0.0;
    vazao(q, M, p, c.Cd, m.e.At, fmt);
    const double RT = q.R * q.T;
    const double gerado = (1.0 - q.fc) * c.rho_p * m.e.Ab * c.a * std::pow(p, c.n);
    const double enchimento = c.a * m.e.Ab * std::pow(p, c.n + 1.0) / RT;
    const double armazenado = (m.e.Vc * p - m.e.Vc_ant * m.e.p_ant) / RT;
    const double esperado = c.dt * (gerado - enchimento - fmt) - armazenado;
    EXPECT_NEAR(residuo(m.e, c, p, M), esperado, 1e-12 * (c.dt * gerado));

    EntradaSolver fim = m.e;
    fim.queima = false;
    fim.Vc = fim.Vc_ant;
    // The volume times the pressure difference, divided by R and then by T.
    const double esvaziando = c.dt * -fmt - fim.Vc * (p - fim.p_ant) / q.R / q.T;
    EXPECT_EQ(residuo(fim, c, p, M), esvaziando);
  }
  // At the start of a tail-off solve only the flow is left.
  EntradaSolver fim = m.e;
  fim.queima = false;
  fim.p_ant = 5e5;
  fim.Vc = fim.Vc_ant;
  const PropellantProperties q = propriedades(c.prop, 5e5, c.Et);
  const double M = mach(5e5, c.pa, q.k);
  double fmt = 0.0;
  vazao(q, M, 5e5, c.Cd, m.e.At, fmt);
  EXPECT_EQ(residuo(fim, c, 5e5, M), -fmt * c.dt);
}

// The first step of the reference motor: the pressure and trial count of
// its first row (2.9620 bar after 24 trials, last change 0.94266 Pa), and a
// balance that closes.
TEST(Solver, ConvergeNoPrimeiroPasso) {
  Motor m;
  const Solucao s = resolve_pressao(m.e, m.caso, 0.0);
  EXPECT_NEAR(s.p / 1e5, 2.9620, 5e-5);
  EXPECT_EQ(s.iteracoes, 24);
  EXPECT_NEAR(s.dp, 0.94266, 5e-6);

  m.caso.tol = 1e-4;
  const Solucao fina = resolve_pressao(m.e, m.caso, 0.0);
  ASSERT_LT(fina.iteracoes, m.caso.itmax + 1);
  const double gerado = m.caso.dt * m.caso.rho_p * m.e.Ab * m.caso.a * std::pow(fina.p, m.caso.n);
  const double M = mach(fina.p, m.caso.pa, prop_k(0, fina.p));
  EXPECT_LT(std::fabs(residuo(m.e, m.caso, fina.p, M)), 1e-6 * gerado);
}

// The tail-off keeps its last trial when the trials run out, so a solve
// limited to n trials shows trial n: each is the previous clamped trial plus
// the relaxed secant step through the previous residual.
TEST(Solver, TentativasSeguemORegraDoSecante) {
  struct {
    const char* nome;
    double p_ant, ho;
  } const casos[] = {
      {"subindo de 5 bar", 5e5, 1000.0},
      {"descendo de 5 bar", 5e5, -20000.0},
      // The first trial, 0.5 bar, is reflected to 1.5 bar; the secant goes
      // on from the unclamped 0.5 bar.
      {"primeira refletida", 2e5, -1.5e5},
      // A trial exactly at ambient has M = 0, taken as 0.1 for its residual.
      {"primeira no ambiente", 201325.0, -1e5},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    Motor m;
    m.caso.ho = c.ho;
    m.caso.tol = 1e-9;
    m.e.p_ant = c.p_ant;
    m.e.queima = false;
    m.e.Ab = 0.0;
    m.e.Vc = m.e.Vc_ant;
    const std::vector<Tentativa> ref = tentativas(m.e, m.caso, 4);
    for (int n = 1; n <= 4; ++n) {
      SCOPED_TRACE(n);
      ASSERT_FALSE(std::isnan(ref[n - 1].p));
      ASSERT_GE(ref[n - 1].dp, m.caso.tol);
      m.caso.itmax = n;
      const Solucao s = resolve_pressao(m.e, m.caso, 0.0);
      EXPECT_DOUBLE_EQ(s.p, ref[n - 1].p);
      EXPECT_DOUBLE_EQ(s.dp, ref[n - 1].dp);
      EXPECT_EQ(s.iteracoes, n + 1);
    }
  }
}

// A burning solve that meets the tolerance on its second trial returns that
// trial: the first trial's clamped pressure plus the secant step.
TEST(Solver, QueimaConvergeNaSegundaTentativa) {
  Motor m;
  m.caso.ho = 1e5;
  m.caso.relax = 0.5;
  const std::vector<Tentativa> ref = tentativas(m.e, m.caso, 2);
  ASSERT_LT(ref[1].dp, ref[0].dp);
  m.caso.tol = (ref[0].dp + ref[1].dp) / 2.0;
  const Solucao s = resolve_pressao(m.e, m.caso, 0.0);
  EXPECT_EQ(s.iteracoes, 2);
  EXPECT_DOUBLE_EQ(s.p, ref[1].p);
  EXPECT_DOUBLE_EQ(s.dp, ref[1].dp);
}

// A first step below the tolerance ends the solve at once, clamps included.
TEST(Solver, PrimeiroPassoAbaixoDaTolerancia) {
  struct {
    double p_ant, ho, p;
  } const casos[] = {
      {5e5, 1000.0, 501000.0},                     // no clamp
      {5e5, -1000.0, 499000.0}, {1e5, -3e5, 3e5},  // -2 bar: reflected above ambient
      {2e5, -1.5e5, 1.5e5},                        // 0.5 bar: reflected
      {3e5, -2e5, 2e5},                            // exactly ambient: twice ambient
      {1e10, 2e10, 2e10},                          // 3e10: halfway back to 1e10
  };
  for (bool queima : {true, false}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(testing::Message()
                   << (queima ? "queima " : "despressurizacao ") << c.p_ant << " + " << c.ho);
      Motor m;
      m.caso.pa = 1e5;
      m.caso.ho = c.ho;
      m.caso.tol = 1e12;
      m.e.p_ant = c.p_ant;
      m.e.queima = queima;
      const Solucao s = resolve_pressao(m.e, m.caso, 0.0);
      EXPECT_EQ(s.p, c.p);
      EXPECT_EQ(s.dp, std::fabs(c.ho));
      EXPECT_EQ(s.iteracoes, 1);
    }
  }
}

// Trials run out: a burning step falls back to ambient pressure, the
// tail-off keeps its last trial.
TEST(Solver, TentativasEsgotadas) {
  for (int itmax : {1, 3}) {
    SCOPED_TRACE(itmax);
    Motor m;
    m.caso.itmax = itmax;
    m.caso.tol = 0.0;
    const std::vector<Tentativa> ref = tentativas(m.e, m.caso, itmax);
    const Solucao queima = resolve_pressao(m.e, m.caso, 0.0);
    EXPECT_EQ(queima.p, m.caso.pa);
    EXPECT_EQ(queima.iteracoes, itmax + 1);
    EXPECT_DOUBLE_EQ(queima.dp, ref.back().dp);

    m.e.queima = false;
    m.e.Ab = 0.0;
    m.e.Vc = m.e.Vc_ant;
    m.e.p_ant = 4e5;
    const std::vector<Tentativa> ref_fim = tentativas(m.e, m.caso, itmax);
    const Solucao fim = resolve_pressao(m.e, m.caso, 0.0);
    EXPECT_DOUBLE_EQ(fim.p, ref_fim.back().p);
    EXPECT_NE(fim.p, m.caso.pa);
    EXPECT_EQ(fim.iteracoes, itmax + 1);
  }
}

// The tolerance is strict: a change of exactly tol does not converge.
TEST(Solver, MudancaIgualATolNaoConverge) {
  for (bool queima : {true, false}) {
    SCOPED_TRACE(queima);
    Motor m;
    m.caso.itmax = 1;
    m.caso.tol = 1000.0;
    m.caso.ho = 1000.0;
    m.e.p_ant = 3e5;
    m.e.queima = queima;
    const Solucao s = resolve_pressao(m.e, m.caso, 0.0);
    EXPECT_EQ(s.iteracoes, 2);
    EXPECT_EQ(s.p, queima ? m.caso.pa : 301000.0);
  }
}

// No trial at all: dp keeps the previous step's value. itmax 0 counts as
// the trials having run out (a burning step goes to ambient), a negative
// itmax does not.
TEST(Solver, SemTentativas) {
  struct {
    int itmax;
    bool queima;
    bool ambiente;
  } const casos[] = {
      {0, true, true},
      {0, false, false},
      {-1, true, false},
      {-5, false, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << "itmax " << c.itmax << (c.queima ? " queima" : ""));
    Motor m;
    m.caso.itmax = c.itmax;
    m.e.p_ant = 4.5e5;
    m.e.queima = c.queima;
    const Solucao s = resolve_pressao(m.e, m.caso, 123.5);
    EXPECT_EQ(s.p, c.ambiente ? m.caso.pa : 4.5e5);
    EXPECT_EQ(s.dp, 123.5);
    EXPECT_EQ(s.iteracoes, 1);
  }
}

// A trial that is not a number falls back to ambient pressure in both modes
// and ends the solve with the count of that trial.
TEST(Solver, TentativaNaNVoltaAoAmbiente) {
  struct {
    const char* nome;
    double p_ant, ho;
  } const casos[] = {
      // The first trial, -2 bar, has no residual: the next step is NaN.
      {"tentativa negativa", 1e5, -3e5},
      {"tentativa em zero", 1e5, -1e5},
      // Below ambient at the start: the starting residual is NaN and is used
      // as it is, so the second step is NaN.
      {"inicio abaixo do ambiente", 0.5e5, 1000.0},
  };
  for (bool queima : {true, false}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(testing::Message() << c.nome << (queima ? " queima" : ""));
      Motor m;
      m.caso.pa = 1e5;
      m.caso.ho = c.ho;
      m.caso.tol = 1.0;
      m.caso.itmax = 10;
      m.e.p_ant = c.p_ant;
      m.e.queima = queima;
      if (!queima) {
        m.e.Ab = 0.0;
        m.e.Vc = m.e.Vc_ant;
      }
      const Solucao s = resolve_pressao(m.e, m.caso, 0.0);
      EXPECT_EQ(s.p, 1e5);
      EXPECT_EQ(s.iteracoes, 2);
      EXPECT_TRUE(std::isnan(s.dp));
    }
  }
}

}  // namespace
