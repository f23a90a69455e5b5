#include "engine/queima.h"

#include <cmath>

#include "engine/solver.h"

EstadoPasso estado_inicial(const CaseParameters& caso, const BurnRateTable* tabela) {
  EstadoPasso e;
  e.p = caso.pa;
  e.a = caso.a;
  e.n = caso.n;
  if (tabela) {
    ParametrosQueima q = consulta_tabela(*tabela, caso.pa);
    e.a = q.a;
    e.n = q.n;
  }
  e.gas = avalia_gas(e.p, caso);
  return e;
}

bool passo_queima(EstadoPasso& e, const CaseParameters& caso, GrainGeometry& g,
                  const BurnRateTable* tabela, RunTotals& totais, StepRecord& s) {
  // Burn-rate law and rate: both from the previous step's pressure, never
  // from the pressure being solved.
  e.Vc_ant = g.Vc;
  const double p_ant = e.p;
  if (tabela) {
    ParametrosQueima q = consulta_tabela(*tabela, p_ant);
    e.a = q.a;
    e.n = q.n;
  }
  const double r = e.a * std::pow(p_ant, e.n);
  const double t = static_cast<double>(e.i) * caso.dt;

  // Advance of the burning surfaces.
  const double dx = r * caso.dt;
  e.x = e.x + dx;
  totais.t_fim = t;
  if (avanca_grao(g, e.x, dx, e.i, caso.freq)) return false;

  // Chamber pressure. The gas at the solved pressure is usually the one the
  // last trial evaluated: it is evaluated again only when a clamp or a
  // fall-back moved the pressure.
  EntradaSolver entrada{p_ant, e.Vc_ant, g.Vc, g.Ab, e.a, e.n, g.At, true};
  Solucao sol = resolve_pressao(entrada, caso, e.dp, e.gas);
  e.p = sol.p;
  e.dp = sol.dp;
  e.gas = sol.ultimo.p == e.p ? sol.ultimo : avalia_gas(e.p, caso);

  // Performance.
  Desempenho d = desempenho(e.gas, caso.Cd, g.At, e.fmt);
  if (std::isnan(d.Is)) d.Is = 0.0;

  // Totals. A maximum is left alone by a NaN.
  totais.It += caso.dt * d.Fd;
  totais.soma_fmt += d.fmt;
  if (d.Fd > totais.Fd_max) totais.Fd_max = d.Fd;
  if (e.p > totais.p_max) totais.p_max = e.p;
  if (e.p > caso.pa) totais.soma_pdt += caso.dt * e.p;

  s = StepRecord{e.i, t,    d.Fd, r,    e.p,  g.Ab / g.At,   d.fmt, d.Ve,
                 e.x, d.Cf, d.Is, e.dp, sol.iteracoes, e.a,   e.n};
  return true;
}
