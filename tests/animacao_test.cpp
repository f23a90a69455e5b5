// The burn-front animation of the activation-front grain: its script, when
// it is written at all, and the clean-up of ./temp at the end of the run.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "execucao.h"

namespace fs = std::filesystem;

namespace {

// A type-4 grain of 401 cells that the run stops after 12 steps, long before
// it burns out.
CasoTeste caso_frente() {
  CasoTeste caso;
  caso.titulo = "'anim'";
  caso.Dg = "0.006";
  caso.De = "0.030";
  caso.Di = "0.010";
  caso.L = "0.1";
  caso.grao = "4";
  caso.freq = "5";
  caso.tx_ativ = "0.25";
  caso.dt = "1.0e-3";
  caso.npassos = "12";
  return caso;
}

const std::string cabecalho =
    " set terminal gif animate delay 10 size 1280, 720\r\n"
    " set out './output/animprogresso.gif'\r\n"
    " set style data lines\r\n"
    " set grid\r\n"
    " set xlabel 'x (m)'\r\n"
    " set ylabel 'r (m)'\r\n"
    "set xrange [      -0.0010:       0.1010]\r\n"
    "set yrange [      -0.0010:       0.0160]\r\n";

std::string quadro(const char* nome) {
  return std::string(" plot './temp/") + nome +
         ".txt' using 1:2 title 'Frente de chama' \\\r\n"
         " , './temp/grao.txt' using 1:2 title 'Gr\xE3o-propelente' lw 2 \r\n";
}

// Files and folders left in temp/, by name, sorted.
std::string conteudo_temp(const DiretorioTrabalho& dir) {
  std::vector<std::string> nomes;
  for (const auto& e : fs::directory_iterator(dir.caminho() / "temp"))
    nomes.push_back(e.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  std::string r;
  for (const std::string& n : nomes) r += n + "\n";
  return r;
}

std::size_t linhas(const std::string& texto) {
  return static_cast<std::size_t>(std::count(texto.begin(), texto.end(), '\n'));
}

// Frames at steps 5 and 10: one plot command of two records each.
TEST(Animacao, ScriptPlaysEveryFrameOverTheOutline) {
  DiretorioTrabalho dir;
  prepara_caso(dir, caso_frente());
  Execucao r = dir.executa();
  ASSERT_EQ(r.status, 0) << r.erro;
  EXPECT_EQ(dir.le("output/animplot_gif.gnu"), cabecalho + quadro("00001") + quadro("00002"));
  // Five plots and the animation, none of which could be started.
  EXPECT_EQ(linhas(r.erro), 6u) << r.erro;
}

// The range records: the grain's length and outer radius plus a margin of
// 1 mm, in fields of 13 columns.
TEST(Animacao, RangeRecords) {
  const struct {
    const char* L;
    const char* xrange;
  } casos[] = {
      {"0.1", "set xrange [      -0.0010:       0.1010]"},
      {"99999999.0", "set xrange [      -0.0010:99999999.0010]"},
      {"1.0e8", "set xrange [      -0.0010:*************]"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.L);
    DiretorioTrabalho dir;
    CasoTeste caso = caso_frente();
    caso.L = c.L;
    caso.tx_ativ = c.L;  // keeps the grain at 1001 cells
    prepara_caso(dir, caso);
    ASSERT_EQ(dir.executa().status, 0);
    const std::string script = dir.le("output/animplot_gif.gnu");
    EXPECT_NE(script.find(std::string("\r\n") + c.xrange + "\r\nset yrange [      -0.0010:" +
                          "       0.0160]\r\n"),
              std::string::npos)
        << script;
  }
}

// A step limit below the frame frequency: the outline and the heading, but
// no frame to play.
TEST(Animacao, BurnEndingBeforeTheFirstFrame) {
  DiretorioTrabalho dir;
  CasoTeste caso = caso_frente();
  caso.freq = "50";
  prepara_caso(dir, caso);
  ASSERT_EQ(dir.executa().status, 0);
  EXPECT_EQ(dir.le("output/animplot_gif.gnu"), cabecalho);
}

// The clean-up removes every .txt file of temp/ (frames, outline and any
// other), after the animation has been played, and nothing else.
TEST(Animacao, CleanUpRemovesOnlyTextFiles) {
  DiretorioTrabalho dir;
  prepara_caso(dir, caso_frente());
  dir.escreve("temp/velho.txt", "de outra corrida\r\n");
  dir.escreve("temp/manter.dat", "fica\r\n");
  fs::create_directory(dir.caminho() / "temp/pasta.txt");
  // A stand-in plotter that lists temp/ each time it is run.
  fs::create_directory(dir.caminho() / "gnuplot");
  dir.escreve("gnuplot/gnuplot",
              "#!/bin/sh\n"
              "/bin/cat >/dev/null\n"
              "echo -- >> lista.txt\n"
              "/bin/ls temp >> lista.txt\n");
  fs::permissions(dir.caminho() / "gnuplot/gnuplot", fs::perms::owner_all);

  Execucao r = dir.executa();
  ASSERT_EQ(r.status, 0) << r.erro;
  // The animation, the sixth run, sees the frames and the outline.
  const std::string lista = dir.le("lista.txt");
  const std::string antes = "00001.txt\n00002.txt\ngrao.txt\nmanter.dat\npasta.txt\nvelho.txt\n";
  EXPECT_EQ(lista.substr(lista.rfind("--\n") + 3), antes) << lista;
  std::size_t execucoes = 0;
  for (std::size_t k = 0; (k = lista.find("--\n", k)) != std::string::npos; k += 3) ++execucoes;
  EXPECT_EQ(execucoes, 6u);
  EXPECT_EQ(conteudo_temp(dir), "manter.dat\npasta.txt\n");
}

// Without frames there is nothing to animate, but the clean-up still runs.
TEST(Animacao, NoFramesWhenFreqIsZero) {
  DiretorioTrabalho dir;
  CasoTeste caso = caso_frente();
  caso.freq = "0";
  prepara_caso(dir, caso);
  dir.escreve("temp/velho.txt", "de outra corrida\r\n");
  dir.escreve("temp/manter.dat", "fica\r\n");
  Execucao r = dir.executa();
  ASSERT_EQ(r.status, 0) << r.erro;
  EXPECT_FALSE(dir.existe("output/animplot_gif.gnu"));
  EXPECT_EQ(conteudo_temp(dir), "manter.dat\n");
  EXPECT_EQ(linhas(r.erro), 5u) << "no animation to plot: " << r.erro;
}

// Other grain types have no animation, whatever freq says, and leave temp/
// as it was.
TEST(Animacao, OtherGrainTypesLeaveTempAlone) {
  DiretorioTrabalho dir;
  CasoTeste caso = caso_frente();
  caso.grao = "1";
  prepara_caso(dir, caso);
  dir.escreve("temp/velho.txt", "de outra corrida\r\n");
  Execucao r = dir.executa();
  ASSERT_EQ(r.status, 0) << r.erro;
  EXPECT_FALSE(dir.existe("output/animplot_gif.gnu"));
  EXPECT_EQ(conteudo_temp(dir), "velho.txt\n");
  EXPECT_EQ(dir.le("temp/velho.txt"), "de outra corrida\r\n");
  EXPECT_EQ(linhas(r.erro), 5u) << r.erro;
}

}  // namespace
