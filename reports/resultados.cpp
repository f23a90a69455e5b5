#include "reports/resultados.h"

#include <cstdint>

#include "input/arquivo.h"
#include "input/cp1252.h"
#include "input/leitor.h"
#include "models/constantes.h"
#include "reports/campos.h"

namespace {

// Upper limits of total impulse (N s) per class. Each doubles the one before
// from 0.625 on, but the last is 10200, not 10240.
struct Classe {
  double limite;
  const char* nome;
};
constexpr Classe classes[] = {
    {0.3125, "Micro"}, {0.625, "1/4 A"}, {1.25, "1/2 A"}, {2.5, " A"},   {5, " B"},
    {10, " C"},        {20, " D"},       {40, " E"},      {80, " F"},    {160, " G"},
    {320, " H"},       {640, " I"},      {1280, " J"},    {2560, " K"},  {5120, " L"},
    {10200, " M"},
};

// Width of the class text.
constexpr std::size_t tamanho_classe = 128;

struct Eco {
  enum { real, inteiro } tipo;
  double d;
  int32_t i;
  const char* rotulo;
};

void vazio(RegistroFixo& r, ArquivoSaida& f) { termina(r, f); }

}  // namespace

std::string classe_impulso(double It, double Fd_med) {
  RegistroFixo r;
  fixo(r, Fd_med, 15, 2);
  std::string classe = r.texto;
  classe.resize(tamanho_classe, ' ');
  for (const Classe& c : classes) {
    if (c.limite >= It) {
      classe = std::string(c.nome) + " - " + apara(classe);
      classe.resize(tamanho_classe, ' ');
      break;
    }
  }
  return apara(classe);
}

void grava_resultados(const CaseParameters& caso, const GrainGeometry& g, const RunTotals& t) {
  const std::string titulo = apara(caso.titulo);
  ArquivoSaida f("./output/" + titulo + "_resultados.txt");
  RegistroFixo r;

  vazio(r, f);
  literal(r, cp1252("::: PARAMETROS DE ENTRADA DA SIMULAÇÃO :::"));
  termina(r, f);
  vazio(r, f);
  literal(r, "'" + titulo + cp1252("' :: Titulo (Até 128 caracteres)"));
  termina(r, f);

  // Types 2 and 3 keep the length as read apart from the burnt distance.
  const double L = (caso.grao == 2 || caso.grao == 3) ? g.L0 : caso.L;
  const Eco ecos[] = {
      {Eco::real, caso.Dg, 0, " :: Diâmetro da garganta (m)"},
      {Eco::real, caso.De, 0, " :: Diâmetro externo do grão (m)"},
      {Eco::real, caso.Di, 0, " :: Diâmetro da alma do grão (m)"},
      {Eco::real, L, 0, " :: Comprimento do grão (m)"},
      {Eco::inteiro, 0, caso.grao,
       " :: grao (1 = cilíndrico (queima cigarro), 2 = tubular (queima interna), 3 = tubular "
       "(queima em toda superfície), 4 = taxa de ativação constante (de fora pra dentro), 5 = "
       "Cilindrico com superfície externa (externa+coroas) desinibidas, 6 = Tubular com coroas "
       "desinibidas)"},
      {Eco::inteiro, 0, caso.freq,
       " :: P/ grao tipo 4: Frequencia para criacao da animacao gif (freq = 0 para desabilitar)"},
      {Eco::real, caso.tx_ativ, 0, " :: P/ grao tipo 4: Taxa de ativação do grão-propelente (m/s)"},
      {Eco::real, caso.rho_p, 0, " :: Massa específica do propelente antes da queima(kg/m3)"},
      {Eco::real, caso.a, 0, " :: a = m/s/Pa, Parâmetros da taxa de queima do propelente r=a*p^n"},
      {Eco::real, caso.n, 0, " :: n = adim, Parâmetros da taxa de queima do propelente r=a*p^n"},
      {Eco::real, caso.pa, 0, " :: Pressão atmosférica (Pa)"},
      {Eco::real, caso.dt, 0, " :: Passo de tempo (s)"},
      {Eco::inteiro, 0, caso.npassos, " :: Numero máximo de passos no tempo"},
      {Eco::inteiro, 0, caso.itmax, " :: Numero máximo de iterações para o ponto do calculado"},
      {Eco::real, caso.tol, 0, " :: Tolerância para cada ponto calculado"},
      {Eco::real, caso.relax, 0, " :: relax  = Fator de relaxamento do metodo da bisseção"},
      {Eco::real, caso.ho, 0, " :: ho  = Passo inicial do chute "},
      {Eco::real, caso.Cd, 0, " :: Cd = Coeficiente de Descarga"},
      {Eco::real, caso.Et, 0, " :: Et = Eficiência da temperatura adiabática de chama"},
      {Eco::inteiro, 0, caso.tab_pq,
       " :: tab_pq = 0: Não usa tabela dos paràmetros da taxa de queima, 1: usa"},
      {Eco::inteiro, 0, caso.prop,
       " :: prop: 0=KNSu 65/35, 1=Polvora Bandeirante (150/50/20), 2=KNSu 60/40, 3=KNSu 70/30"},
  };
  for (const Eco& eco : ecos) {
    if (eco.tipo == Eco::real) {
      cientifico(r, eco.d, 10, 3);
    } else {
      inteiro(r, eco.i, 10);
    }
    literal(r, cp1252(eco.rotulo));
    termina(r, f);
  }

  vazio(r, f);
  literal(r, cp1252("::: RESULTADOS DA SIMULAÇÃO :::"));
  termina(r, f);
  vazio(r, f);

  // Divisions in the order written; a zero divisor gives Infinity or NaN.
  const std::optional<double> volume = volume_propelente(g, caso);
  const double m_prop = volume ? caso.rho_p * *volume : 0.0;
  const double m_gas = caso.dt * t.soma_fmt;
  if (volume) {
    vazio(r, f);
    vazio(r, f);
    literal(r, "    ");
    cientifico(r, m_gas, 22, 15);
    literal(r, cp1252(" = Massa de gás ejetada "));
    termina(r, f);
    vazio(r, f);
    literal(r, "    ");
    cientifico(r, m_prop, 22, 15);
    literal(r, " = Massa total embarcada de propelente no motor ");
    termina(r, f);
    vazio(r, f);
    vazio(r, f);
  }
  vazio(r, f);

  const double Fd_med = t.It / t.t_fim;
  literal(r, "CLASSE: " + classe_impulso(t.It, Fd_med));
  termina(r, f);
  vazio(r, f);

  const double ve_media = t.It / t.soma_fmt / caso.dt;
  const struct {
    const char* rotulo;
    double valor;
  } figuras[] = {
      {"Tempo de queima total (s)     = ", t.t_fim},
      {"Tempo de despressurização (s) = ", t.t_desp},
      {"Empuxo médio (N)              = ", Fd_med},
      {"Empuxo máximo (N)             = ", t.Fd_max},
      {"Impulso total (N.s)           = ", t.It},
      {"Pressão média (bar)           = ", t.soma_pdt / t.t_fim / pascal_por_bar},
      {"Pressão máxima (bar)          = ", t.p_max / pascal_por_bar},
      {"Impulso específico (s)        = ", ve_media / g0},
      {"Velocidade de ejeção efetiva média (m/s)  = ", ve_media},
  };
  auto figura = [&](const char* rotulo, double valor) {
    literal(r, "     ");
    literal(r, cp1252(rotulo));
    fixo(r, valor, 15, 4);
    termina(r, f);
  };
  for (const auto& fig : figuras) figura(fig.rotulo, fig.valor);

  vazio(r, f);
  literal(r, "     ");
  literal(r, cp1252(":: Parâmetros baseados na massa de propelente embarcada (real) :: "));
  termina(r, f);
  figura("Impulso específico (s)        = ", t.It / m_prop / g0);
  figura("Velocidade de ejeção efetiva média (m/s)  = ", t.It / m_prop);
  f.fecha();
}
