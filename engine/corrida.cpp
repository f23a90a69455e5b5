#include "engine/corrida.h"

#include <optional>

#include "engine/despressurizacao.h"
#include "engine/estado.h"
#include "engine/passo.h"
#include "engine/queima.h"
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
    StepRecord s;
    if (!passo_queima(e, caso, g, tabela, totais, s)) return false;  // burnt out, no row
    grava_linha(serie, s);
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
  // Burn-rate table, grain, time-series file.
  std::optional<BurnRateTable> tabela;
  if (caso.tab_pq == 1) tabela = le_tabela();
  const BurnRateTable* t = tabela ? &*tabela : nullptr;
  GrainGeometry g = inicia_grao(caso, console);
  const std::string titulo = titulo_aparado(caso);
  Serie serie = abre_serie(titulo);

  // Burn.
  EstadoPasso e = estado_inicial(caso, t);
  RunTotals totais;
  mensagem(console, "::: INCIANDO CALCULOS :::");
  const bool queimou = queima(e, caso, g, t, serie, totais, console);
  mensagem(console, "::: DESPRESSURIZOU :::");

  // Tail-off, only after a burnout with steps left (never for type 4).
  const double t_queima = totais.t_fim;
  if (queimou && caso.grao != 4 && e.i < caso.npassos) {
    if (despressuriza(e, caso, g, t, serie, totais) > 0) totais.t_desp = totais.t_fim - t_queima;
  }
  fecha_serie(serie);
  grava_livre(console, {});
  grava_livre(console, {});
  mensagem(console, "::: FIM DOS CALCULOS :::");

  // Reports.
  caso.a = e.a;  // the summary echoes the law in force at the end
  caso.n = e.n;
  grava_resultados(caso, g, totais);
  grava_graficos(titulo);
  grava_animacao(titulo, caso, g);
}
