#include "reports/graficos.h"

#include "input/arquivo.h"
#include "input/cp1252.h"
#include "input/escritor.h"
#include "reports/campos.h"
#include "reports/comando.h"

void grava_graficos(const std::string& titulo) {
  struct Grafico {
    const char* script;  // script file's tail
    const char* figura;  // picture's tail: no underscore for fm and ve
    const char* eixo_y;
    const char* colunas;  // time against the quantity's column of the series
  };
  static const Grafico graficos[] = {
      {"_forca.gnu", "_forca.png'", "set ylabel 'F (N)'", "2:3"},
      {"_pressao.gnu", "_pressao.png'", "set ylabel 'pressão (bar)'", "2:5"},
      {"_Kn.gnu", "_Kn.png'", "set ylabel 'Kn (adim)'", "2:6"},
      {"_fm.gnu", "fm.png'", "set ylabel 'Fluxo de Massa (g/s)'", "2:7"},
      {"_ve.gnu", "ve.png'", "set ylabel 'Velocidade de Ejeção (m/s)'", "2:8"},
  };
  for (const Grafico& g : graficos) {
    const std::string script = "./output/" + titulo + g.script;
    {
      ArquivoSaida f(script);
      grava_livre(f, {"set term png nocrop enhanced size 1280, 720"});
      const std::string saida = "set out './output/" + titulo + g.figura;
      grava_livre(f, {saida});
      grava_livre(f, {"set style data lines"});
      grava_livre(f, {"set grid"});
      grava_livre(f, {"set xlabel 't (s)'"});
      const std::string eixo = cp1252(g.eixo_y);
      grava_livre(f, {eixo});
      grava_livre(f, {"set time"});
      RegistroFixo r;
      literal(r, "plot './output/" + titulo + ".txt' using " + g.colunas +
                     " notitle with lines linetype -1 linewidth 2");
      termina(r, f);
      f.fecha();
    }
    executa_gnuplot(script);
  }
}
