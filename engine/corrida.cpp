#include "engine/corrida.h"

#include <cmath>
#include <optional>

#include "engine/bocal.h"
#include "engine/despressurizacao.h"
#include "engine/estado.h"
#include "engine/passo.h"
#include "engine/solver.h"
#include "input/arquivo.h"
#include "input/caso.h"
#include "input/escritor.h"
#include "input/tabela.h"
#include "models/grao.h"
#include "reports/animacao.h"
#include "reports/graficos.h"
#include "reports/resultados.h"
#include "reports/serie.h"

namespace {

void mensagem(ArquivoSaida& console, const char* texto) {
  grava_livre(console, {texto});
  console.descarrega();
}

// The burning steps. True when the burn ended by fim_de_queima, the one end
// that leads to a tail-off; e.i is then the last burning step.
bool queima(EstadoPasso& e, CaseParameters& caso, GrainGeometry& g, const BurnRateTable* tabela,
            Serie& serie, RunTotals& totais, ArquivoSaida& console) {
  if (caso.npassos < 1) return false;
  for (;; ++e.i) {
    e.Vc_ant = g.Vc;
    const double p_ant = e.p;
    if (tabela) {
      ParametrosQueima q = consulta_tabela(*tabela, p_ant);
      e.a = q.a;
      e.n = q.n;
    }
    // The burn rate of a step comes from the previous step's pressure.
    const double r = e.a * std::pow(p_ant, e.n);
    const double t = static_cast<double>(e.i) * caso.dt;
    const double dx = r * caso.dt;
    e.x = e.x + dx;
    if (avanca_grao(g, e.x, dx, e.i, caso.freq)) {
      totais.t_fim = t;  // burnt out: this step is neither solved nor written
      return false;
    }

    EntradaSolver entrada{p_ant, e.Vc_ant, g.Vc, g.Ab, e.a, e.n, g.At, true};
    Solucao sol = resolve_pressao(entrada, caso, e.dp);
    e.p = sol.p;
    e.dp = sol.dp;
    Desempenho d = desempenho(e.p, caso.pa, caso.Cd, caso.Et, g.At, caso.prop, e.fmt);
    if (std::isnan(d.Is)) d.Is = 0.0;

    totais.It += caso.dt * d.Fd;
    totais.soma_fmt += d.fmt;
    if (d.Fd > totais.Fd_max) totais.Fd_max = d.Fd;  // a NaN leaves the maximum alone
    if (e.p > totais.p_max) totais.p_max = e.p;
    if (e.p > caso.pa) totais.soma_pdt += caso.dt * e.p;

    StepRecord s{e.i,  t,    d.Fd, r,    e.p,  g.Ab / g.At,   d.fmt, d.Ve,
                 e.x,  d.Cf, d.Is, e.dp, sol.iteracoes, e.a,   e.n};
    grava_linha(serie, s);
    totais.t_fim = t;
    if (fim_de_queima(g, e.x, caso, console)) return true;
    if (e.i >= caso.npassos) return false;  // the step limit
  }
}

}  // namespace

void executa_corrida(ArquivoSaida& console) {
  CaseParameters caso = le_caso();
  executa_caso(caso, console);
}

void executa_caso(CaseParameters& caso, ArquivoSaida& console) {
  std::optional<BurnRateTable> tabela;
  if (caso.tab_pq == 1) tabela = le_tabela();
  const BurnRateTable* t = tabela ? &*tabela : nullptr;
  GrainGeometry g = inicia_grao(caso, console);
  const std::string titulo = titulo_aparado(caso);
  Serie serie = abre_serie(titulo);

  EstadoPasso e;
  e.p = caso.pa;
  e.a = caso.a;
  e.n = caso.n;
  if (t) {
    ParametrosQueima q = consulta_tabela(*t, caso.pa);
    e.a = q.a;
    e.n = q.n;
  }
  RunTotals totais;
  mensagem(console, "::: INCIANDO CALCULOS :::");

  const bool queimou = queima(e, caso, g, t, serie, totais, console);
  mensagem(console, "::: DESPRESSURIZOU :::");

  const double t_queima = totais.t_fim;
  if (queimou && caso.grao != 4 && e.i < caso.npassos) {
    if (despressuriza(e, caso, g, t, serie, totais) > 0) totais.t_desp = totais.t_fim - t_queima;
  }
  fecha_serie(serie);
  grava_livre(console, {});
  grava_livre(console, {});
  mensagem(console, "::: FIM DOS CALCULOS :::");

  caso.a = e.a;  // the summary echoes the law in force at the end
  caso.n = e.n;
  grava_resultados(caso, g, totais);
  grava_graficos(titulo);
  grava_animacao(titulo, caso, g);
}
