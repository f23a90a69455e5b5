// The five plot scripts and the plotter runs: the scripts' bytes, what the
// plotter is handed, and real runs of gnuplot when it is installed.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "execucao.h"

namespace fs = std::filesystem;

namespace {

struct Grafico {
  const char* script;   // tail of the script's name
  const char* figura;   // tail of the picture's name
  const char* eixo;     // y-axis label
  const char* colunas;  // columns of the time series
};

// In the order they are written and run. The pictures of the mass flow and
// the exhaust velocity have no underscore before their tail.
const Grafico graficos[] = {
    {"_forca.gnu", "_forca.png", "F (N)", "2:3"},
    {"_pressao.gnu", "_pressao.png", "press\xE3o (bar)", "2:5"},
    {"_Kn.gnu", "_Kn.png", "Kn (adim)", "2:6"},
    {"_fm.gnu", "fm.png", "Fluxo de Massa (g/s)", "2:7"},
    {"_ve.gnu", "ve.png", "Velocidade de Eje\xE7\xE3o (m/s)", "2:8"},
};

// Seven free-form records (a blank in front), then the plot record with none.
std::string script_esperado(const std::string& T, const Grafico& g) {
  return std::string(" set term png nocrop enhanced size 1280, 720\r\n") +
         " set out './output/" + T + g.figura + "'\r\n" +
         " set style data lines\r\n"
         " set grid\r\n"
         " set xlabel 't (s)'\r\n"
         " set ylabel '" + g.eixo + "'\r\n" +
         " set time\r\n"
         "plot './output/" + T + ".txt' using " + g.colunas +
         " notitle with lines linetype -1 linewidth 2\r\n";
}

std::vector<std::string> linhas_de(const std::string& texto) {
  std::vector<std::string> r;
  std::size_t inicio = 0;
  for (std::size_t fim; (fim = texto.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
    r.push_back(texto.substr(inicio, fim - inicio));
  if (inicio < texto.size()) r.push_back(texto.substr(inicio));
  return r;
}

// Directory of an executable gnuplot on this process's PATH, or empty.
std::string pasta_do_gnuplot() {
  const char* path = std::getenv("PATH");
  std::string resto = path ? path : "";
  while (!resto.empty()) {
    const std::size_t k = resto.find(':');
    const std::string pasta = resto.substr(0, k);
    resto = k == std::string::npos ? "" : resto.substr(k + 1);
    if (!pasta.empty() && access((pasta + "/gnuplot").c_str(), X_OK) == 0) return pasta;
  }
  return "";
}

void instala_plotter(const DiretorioTrabalho& dir, const std::string& texto) {
  fs::create_directory(dir.caminho() / "gnuplot");
  dir.escreve("gnuplot/gnuplot", texto);
  fs::permissions(dir.caminho() / "gnuplot/gnuplot", fs::perms::owner_all);
}

TEST(ScriptsGraficos, FiveScriptsByteForByte) {
  DiretorioTrabalho dir;
  CasoTeste caso;
  caso.titulo = "'  motor A  '";
  caso.npassos = "0";  // no rows at all: the scripts are written all the same
  prepara_caso(dir, caso);
  // Scripts of an earlier run, longer than the new ones: they are replaced.
  for (const Grafico& g : graficos)
    dir.escreve(std::string("output/motor A") + g.script, std::string(2000, '#') + "\r\n");

  Execucao r = dir.executa();
  ASSERT_EQ(r.status, 0) << r.erro;
  for (const Grafico& g : graficos) {
    const std::string nome = std::string("output/motor A") + g.script;
    ASSERT_TRUE(dir.existe(nome)) << nome;
    EXPECT_EQ(dir.le(nome), script_esperado("motor A", g)) << nome;
  }
}

// The picture's record is one text item: a title long enough to push it past
// a record runs on over as many records as it needs, each opening with a blank.
TEST(ScriptsGraficos, LongTitleWrapsAsOneTextItem) {
  const std::string T(128, 'm');
  DiretorioTrabalho dir;
  CasoTeste caso;
  caso.titulo = "'" + T + "'";
  caso.npassos = "0";
  prepara_caso(dir, caso);
  ASSERT_EQ(dir.executa().status, 0);

  const struct {
    const Grafico& g;
    std::vector<std::string> registro2;  // the text of record 2, cut into records
  } casos[] = {
      // 18 + 128 + 11 = 157 characters: 79 and 78.
      {graficos[0], {"set out './output/" + T.substr(0, 61), T.substr(61) + "_forca.png'"}},
      // 18 + 128 + 13 = 159 characters: 79, 79 and the closing quote.
      {graficos[1],
       {"set out './output/" + T.substr(0, 61), T.substr(61) + "_pressao.png", "'"}},
  };
  for (const auto& c : casos) {
    const std::string nome = "output/" + T + c.g.script;
    std::string esperado = " set term png nocrop enhanced size 1280, 720\r\n";
    for (const std::string& parte : c.registro2) esperado += " " + parte + "\r\n";
    const std::string completo = script_esperado(T, c.g);
    // The other records as usual; the plot record is not wrapped.
    esperado += completo.substr(completo.find(" set style data lines"));
    EXPECT_EQ(dir.le(nome), esperado) << nome;
  }
}

TEST(ScriptsGraficos, RunWithoutAnyPlotterStillSucceeds) {
  DiretorioTrabalho dir;
  CasoTeste caso;
  caso.npassos = "20";
  prepara_caso(dir, caso);
  Execucao r = dir.executa("/nonexistent");  // no gnuplot on PATH, no ./gnuplot/gnuplot

  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.saida,
            " ::: INCIANDO CALCULOS :::\r\n ::: DESPRESSURIZOU :::\r\n\r\n\r\n"
            " ::: FIM DOS CALCULOS :::\r\n");
  for (const char* nome : {"teste.txt", "teste_resultados.txt", "teste_forca.gnu",
                           "teste_pressao.gnu", "teste_Kn.gnu", "teste_fm.gnu", "teste_ve.gnu"})
    EXPECT_TRUE(dir.existe(std::string("output/") + nome)) << nome;
  const std::string serie = dir.le("output/teste.txt");
  EXPECT_EQ(std::count(serie.begin(), serie.end(), '\n'), 21) << "header and 20 rows";
  // One line per plotter that could not be started, naming it.
  const std::vector<std::string> erros = linhas_de(r.erro);
  ASSERT_EQ(erros.size(), 5u) << r.erro;
  EXPECT_EQ(r.erro.back(), '\n');
  for (const std::string& e : erros) EXPECT_NE(e.find("gnuplot"), std::string::npos) << e;
}

// ./gnuplot/gnuplot comes before any gnuplot on PATH. It gets no argument and
// reads the script on its standard input, without the CR of each line end.
TEST(Plotador, LocalPlotterReadsTheScriptOnItsInput) {
  DiretorioTrabalho dir;
  CasoTeste caso;
  caso.titulo = "'motor A'";
  caso.npassos = "0";
  prepara_caso(dir, caso);
  instala_plotter(dir,
                  "#!/bin/sh\n"
                  "echo \"$#:$*\" >> argumentos.txt\n"
                  "/bin/cat >> entrada.txt\n");

  Execucao r = dir.executa("/usr/local/bin:/usr/bin:/bin");
  ASSERT_EQ(r.status, 0) << r.erro;
  EXPECT_EQ(r.erro, "");
  ASSERT_TRUE(dir.existe("argumentos.txt"));
  EXPECT_EQ(dir.le("argumentos.txt"), "0:\n0:\n0:\n0:\n0:\n");
  std::string esperado;
  for (const Grafico& g : graficos) {
    std::string s = script_esperado("motor A", g);
    for (std::size_t k; (k = s.find("\r\n")) != std::string::npos;) s.erase(k, 1);
    esperado += s;
  }
  ASSERT_TRUE(dir.existe("entrada.txt"));
  EXPECT_EQ(dir.le("entrada.txt"), esperado);
}

// Width and height of a PNG picture, from its IHDR chunk; 0 x 0 when the
// file is not one.
std::pair<uint32_t, uint32_t> tamanho_png(const std::string& b) {
  if (b.size() < 24 || b.compare(0, 8, "\x89PNG\r\n\x1A\n") != 0 || b.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  auto u32 = [&](std::size_t k) {
    uint32_t v = 0;
    for (std::size_t j = k; j < k + 4; ++j) v = (v << 8) | static_cast<unsigned char>(b[j]);
    return v;
  };
  return {u32(16), u32(20)};
}

// The real plotter draws the five pictures. A title with a blank and a
// semicolon is a file name and nothing else: no shell sees it.
TEST(Plotador, RealGnuplotDrawsFivePictures) {
  const std::string pasta = pasta_do_gnuplot();
  if (pasta.empty()) GTEST_SKIP() << "gnuplot is not installed (apt-get install -y gnuplot-nox)";

  for (const std::string T : {"curto", "motor A; touch PWNED"}) {
    SCOPED_TRACE(T);
    DiretorioTrabalho dir;
    CasoTeste caso;
    caso.titulo = "'" + T + "'";
    caso.npassos = "40";
    prepara_caso(dir, caso);
    Execucao r = dir.executa(pasta + ":/usr/bin:/bin");
    ASSERT_EQ(r.status, 0) << r.erro;

    for (const Grafico& g : graficos) {
      const std::string nome = "output/" + T + g.figura;
      ASSERT_TRUE(dir.existe(nome)) << nome << "\n" << r.erro;
      const auto [largura, altura] = tamanho_png(dir.le(nome));
      EXPECT_EQ(largura, 1280u) << nome;
      EXPECT_EQ(altura, 720u) << nome;
    }
    for (const auto& e : fs::recursive_directory_iterator(dir.caminho())) {
      const std::string nome = e.path().filename().string();
      if (nome.find("PWNED") == std::string::npos) continue;
      EXPECT_EQ(e.path().parent_path(), dir.caminho() / "output") << e.path();
      EXPECT_EQ(nome.rfind(T, 0), 0u) << e.path();
    }
  }
}

}  // namespace
