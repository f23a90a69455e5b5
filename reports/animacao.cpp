#include "reports/animacao.h"

#include "input/arquivo.h"
#include "input/cp1252.h"
#include "input/escritor.h"
#include "models/frente.h"
#include "reports/campos.h"
#include "reports/comando.h"

namespace {

// Margin (m) around the grain in the picture's ranges.
constexpr double margem = 0.001;

void faixa(ArquivoSaida& f, const char* eixo, double limite) {
  RegistroFixo r;
  literal(r, std::string("set ") + eixo + "range [");
  fixo(r, -margem, 13, 4);
  literal(r, ":");
  fixo(r, limite + margem, 13, 4);
  literal(r, "]");
  termina(r, f);
}

}  // namespace

void grava_animacao(const std::string& titulo, const CaseParameters& caso, const GrainGeometry& g) {
  if (caso.grao != 4) return;
  if (caso.freq > 0) {
    grava_contorno(g);
    const std::string script = "./output/" + titulo + "plot_gif.gnu";
    {
      ArquivoSaida f(script);
      grava_livre(f, {"set terminal gif animate delay 10 size 1280, 720"});
      const std::string saida = "set out './output/" + titulo + "progresso.gif'";
      grava_livre(f, {saida});
      grava_livre(f, {"set style data lines"});
      grava_livre(f, {"set grid"});
      grava_livre(f, {"set xlabel 'x (m)'"});
      grava_livre(f, {"set ylabel 'r (m)'"});
      faixa(f, "x", caso.L);
      faixa(f, "y", g.Re);
      const std::string contorno =
          cp1252(", './temp/grao.txt' using 1:2 title 'Grão-propelente' lw 2 ");
      char nome[6] = {};
      for (int32_t j = 1; j <= g.nquadros; ++j) {
        nome_do_quadro(j, nome);
        const std::string plot =
            std::string("plot './temp/") + nome + ".txt' using 1:2 title 'Frente de chama' \\";
        grava_livre(f, {plot});
        grava_livre(f, {contorno});
      }
      f.fecha();
    }
    executa_gnuplot(script);
  }
  apaga_quadros();
}
