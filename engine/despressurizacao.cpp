#include "engine/despressurizacao.h"

#include "engine/bocal.h"
#include "engine/solver.h"
#include "models/constantes.h"

int32_t despressuriza(EstadoPasso& e, const CaseParameters& caso, const GrainGeometry& g,
                      const BurnRateTable* tabela, Serie& serie, RunTotals& totais) {
  // The volume the last burning step started from serves the whole tail-off.
  const double Vdesp = e.Vc_ant;
  e.dp = 0.0;
  int32_t linhas = 0;
  for (int64_t j = static_cast<int64_t>(e.i) + 1; j <= caso.npassos; ++j) {
    const double p_ant = e.p;
    if (tabela) {
      ParametrosQueima q = consulta_tabela(*tabela, p_ant);
      e.a = q.a;
      e.n = q.n;
    }
    const double t = static_cast<double>(j) * caso.dt;

    EntradaSolver entrada{p_ant, Vdesp, Vdesp, 0.0, e.a, e.n, g.At, false};
    Solucao sol = resolve_pressao(entrada, caso, e.dp, e.gas);
    e.p = sol.p;
    e.dp = sol.dp;
    e.gas = sol.ultimo.p == e.p ? sol.ultimo : avalia_gas(e.p, caso);
    Desempenho d = desempenho(e.gas, caso.Cd, g.At, e.fmt);

    totais.It += caso.dt * d.Fd;
    totais.soma_fmt += d.fmt;

    // No burning: no rate, no Kn, the distance of burnout, and the specific
    // impulse as it comes, 0/0 included.
    StepRecord s{static_cast<int32_t>(j), t,        d.Fd, 0.0,  e.p,  0.0 / g.At, d.fmt, d.Ve,
                 e.x,                     d.Cf,     d.Is, e.dp, sol.iteracoes, e.a, e.n};
    grava_linha(serie, s);
    totais.t_fim = t;
    ++linhas;
    if (d.Fd <= empuxo_final) break;
  }
  return linhas;
}
