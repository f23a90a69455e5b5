#include "reports/serie.h"

#include "input/cp1252.h"
#include "models/constantes.h"
#include "reports/campos.h"

Serie abre_serie(const std::string& titulo) {
  Serie serie;
  serie.arquivo = std::make_unique<ArquivoSaida>("./output/" + titulo + ".txt");
  struct Titulo {
    int coluna;
    const char* texto;
  };
  static const Titulo titulos[] = {
      {1, "#"},          {8, "i"},         {15, "tempo (s)"},   {30, "Fd (N)"},
      {45, "r (mm/s)"},  {60, "p (bar)"},  {75, "K (adim.)"},   {90, "fmt (kg/s)"},
      {105, "Ve (m/s)"}, {120, "x (mm)"},  {135, "Cf (adim.)"}, {150, "Is (s)"},
      {165, "dp (Pa)"},  {175, "iterações"}, {190, "a"},        {205, "n"},
  };
  RegistroFixo r;
  for (const Titulo& t : titulos) {
    tab(r, t.coluna);
    literal(r, cp1252(t.texto));
  }
  termina(r, *serie.arquivo);
  return serie;
}

void formata_linha(const StepRecord& s, char linha[largura_linha + 2]) {
  constexpr int w = 15, d = 4;
  char* c = linha;
  formata_inteiro(c, s.i, 8);
  c += 8;
  // Rates in mm/s, pressure in bar, flow in g/s, distance in mm.
  const double valores[] = {s.t,  s.Fd, s.r * 1000.0, s.p / pascal_por_bar, s.Kn, s.fmt * 1000.0,
                            s.Ve, s.x * 1000.0, s.Cf, s.Is, s.dp};
  for (double v : valores) {
    formata_cientifico(c, v, w, d);
    c += w;
  }
  formata_inteiro(c, s.iteracoes, 8);
  c += 8;
  formata_cientifico(c, s.a, w, d);
  c += w;
  formata_cientifico(c, s.n, w, d);
  c += w;
  c[0] = '\r';
  c[1] = '\n';
}

void grava_linha(Serie& serie, const StepRecord& s) {
  char linha[largura_linha + 2];
  formata_linha(s, linha);
  serie.arquivo->escreve(linha, sizeof linha);
}

void fecha_serie(Serie& serie) {
  serie.arquivo->fecha();
  serie.arquivo.reset();
}
