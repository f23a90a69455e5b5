// Faults around the run, end to end against the real program: a full disk
// under each kind of output file, missing or wrong folders, plotters that
// cannot start or fail, and input files with odd bytes and line ends. The
// program either ends normally with every file whole, or stops with the one
// fatal-error line that names the file; never a success with a file cut short.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "execucao.h"

namespace fs = std::filesystem;

namespace {

// The tube grain of the default case, stopped after 1000 steps: its series
// (213 bytes a row) is larger than the program's 64 KiB write buffer, so a
// full disk shows while the run is still going.
CasoTeste caso_tubo() {
  CasoTeste c;
  c.npassos = "1000";
  return c;
}

// The reference activation-front grain cut at 20 steps: four frames, the
// outline and the animation script.
CasoTeste caso_frente_curto() {
  CasoTeste c = caso_frente();
  c.npassos = "20";
  return c;
}

// A plotter that takes the script and draws nothing, so that standard error
// holds only what the program itself writes.
void plotter(const DiretorioTrabalho& dir, const std::string& texto,
             fs::perms modo = fs::perms::owner_all) {
  fs::create_directories(dir.caminho() / "gnuplot");
  dir.escreve("gnuplot/gnuplot", texto);
  fs::permissions(dir.caminho() / "gnuplot/gnuplot", modo);
}
constexpr const char* plotter_mudo = "#!/bin/sh\n/bin/cat >/dev/null\n";

// The fatal-error line for `nome` under the working directory.
std::string linha_de_erro(const DiretorioTrabalho& dir, int status, const std::string& tipo,
                          const std::string& nome) {
  return "erro fatal (" + std::to_string(status) + "): " + tipo + ", arquivo " +
         (fs::canonical(dir.caminho()) / nome).string() + "\n";
}

// Every file under `pasta` of the working directory, by name.
std::vector<std::pair<std::string, std::string>> arquivos(const DiretorioTrabalho& dir,
                                                          const std::string& pasta) {
  std::vector<std::pair<std::string, std::string>> r;
  for (const auto& e : fs::directory_iterator(dir.caminho() / pasta))
    if (e.is_regular_file()) {
      const std::string nome = pasta + "/" + e.path().filename().string();
      r.emplace_back(nome, dir.le(nome));
    }
  std::sort(r.begin(), r.end());
  return r;
}

TEST(Falhas, FullDiskUnderEachKindOfOutputFileIsAWriteError) {
  const struct {
    const char* arquivo;
    bool frente;
  } casos[] = {
      {"output/teste.txt", false},             // the time series, mid-run
      {"output/teste_resultados.txt", false},  // the summary
      {"output/teste_forca.gnu", false},       // the first plot script
      {"output/teste_ve.gnu", false},          // the last one
      {"temp/00001.txt", true},                // a frame file
      {"temp/grao.txt", true},                 // the grain outline
      {"output/frenteplot_gif.gnu", true},     // the animation script
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.arquivo);
    DiretorioTrabalho dir;
    prepara_caso(dir, c.frente ? caso_frente_curto() : caso_tubo());
    plotter(dir, plotter_mudo);
    fs::create_symlink("/dev/full", dir.caminho() / c.arquivo);

    Execucao r = dir.executa();

    EXPECT_EQ(r.status, 38);
    EXPECT_EQ(r.erro, linha_de_erro(dir, 38, "erro de escrita", c.arquivo));
  }
}

TEST(Falhas, MissingOrWrongFolders) {
  enum Pasta { sem_output, output_arquivo, sem_temp, temp_arquivo };
  const struct {
    const char* nome;
    Pasta pasta;
    bool frente;
    int status;
    const char* arquivo;  // named in the error
  } casos[] = {
      {"no output folder", sem_output, false, 29, "output/teste.txt"},
      {"output is a file", output_arquivo, false, 29, "output/teste.txt"},
      {"no temp folder with frames", sem_temp, true, 29, "temp/00001.txt"},
      {"temp is a file with frames", temp_arquivo, true, 29, "temp/00001.txt"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    prepara_caso(dir, c.frente ? caso_frente_curto() : caso_tubo());
    plotter(dir, plotter_mudo);
    const char* pasta = c.pasta == sem_output || c.pasta == output_arquivo ? "output" : "temp";
    fs::remove(dir.caminho() / pasta);
    if (c.pasta == output_arquivo || c.pasta == temp_arquivo) dir.escreve(pasta, "x");

    Execucao r = dir.executa();

    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.erro, linha_de_erro(dir, c.status, "arquivo nao encontrado", c.arquivo));
  }
}

// Without frames the activation-front grain writes nothing to temp/, and the
// clean-up of a temp/ that is not there is no error.
TEST(Falhas, NoTempFolderIsFineWithoutFrames) {
  DiretorioTrabalho dir;
  CasoTeste c = caso_frente_curto();
  c.freq = "0";
  prepara_caso(dir, c);
  plotter(dir, plotter_mudo);
  fs::remove(dir.caminho() / "temp");

  Execucao r = dir.executa();

  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.erro, "");
  EXPECT_TRUE(dir.existe("output/frente_resultados.txt"));
}

// Whatever the plotter does, the run goes on: status 0, every text file as a
// run with a well-behaved plotter leaves it, and the frame files cleaned up.
TEST(Falhas, PlotterThatCannotStartOrFailsLeavesTheRunWhole) {
  DiretorioTrabalho referencia;
  prepara_caso(referencia, caso_frente_curto());
  plotter(referencia, plotter_mudo);
  ASSERT_EQ(referencia.executa().status, 0);
  const auto esperados = arquivos(referencia, "output");

  const struct {
    const char* nome;
    const char* script;  // ./gnuplot/gnuplot, or none
    fs::perms modo;
    const char* erro;  // what standard error holds, once per plotter run
  } casos[] = {
      {"missing", nullptr, fs::perms::none,
       "gnuplot: nao foi possivel iniciar o programa: No such file or directory\n"},
      {"not executable", plotter_mudo, fs::perms::owner_read | fs::perms::owner_write,
       "gnuplot: nao foi possivel iniciar o programa: No such file or directory\n"},
      {"garbage executable",
       "\x7f"
       "ELF\x01\x02garbage\n",
       fs::perms::owner_all,
       "./gnuplot/gnuplot: nao foi possivel iniciar o programa: Exec format error\n"},
      {"exits with an error", "#!/bin/sh\n/bin/cat >/dev/null\nexit 3\n", fs::perms::owner_all, ""},
      {"exits without reading", "#!/bin/sh\nexit 1\n", fs::perms::owner_all, ""},
      {"killed by a signal", "#!/bin/sh\nkill -9 $$\n", fs::perms::owner_all, ""},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    prepara_caso(dir, caso_frente_curto());
    if (c.script) plotter(dir, c.script, c.modo);

    Execucao r = dir.executa();

    EXPECT_EQ(r.status, 0);
    std::string erro;
    for (int k = 0; k < 6; ++k) erro += c.erro;  // five plots and the animation
    EXPECT_EQ(r.erro, erro);
    EXPECT_TRUE(arquivos(dir, "output") == esperados);
    EXPECT_TRUE(arquivos(dir, "temp").empty());
  }
}

// Started with its standard input closed, the program's pipe to the plotter
// may take descriptor 0; the plotter must still get every script.
TEST(Falhas, PlotterGetsItsScriptsWhenStandardInputIsClosed) {
  DiretorioTrabalho dir;
  CasoTeste c;
  c.npassos = "50";
  prepara_caso(dir, c);
  plotter(dir, "#!/bin/sh\n/bin/cat >>recebido\n");

  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.caminho().c_str()) != 0) _exit(127);
    int nada = open("/dev/null", O_WRONLY);
    dup2(nada, 1);
    dup2(nada, 2);
    close(nada);
    close(0);
    execl(TAVRUM_BIN, "tavrum", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);

  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::string esperado;
  for (const char* g : {"_forca", "_pressao", "_Kn", "_fm", "_ve"})
    for (char b : dir.le(std::string("output/teste") + g + ".gnu"))
      if (b != '\r') esperado += b;
  ASSERT_TRUE(dir.existe("recebido"));
  EXPECT_EQ(dir.le("recebido"), esperado);
}

// The case file as engineers write it, and the same case with odd bytes or
// line ends. Rows that end normally must leave exactly the reference files.
TEST(Falhas, OddBytesAndLineEndsInTheInputFiles) {
  CasoTeste base;
  base.npassos = "200";
  const std::string caso = base.texto();  // CR LF records
  auto troca = [](std::string s, const std::string& de, const std::string& para) {
    for (std::size_t i = s.find(de); i != std::string::npos; i = s.find(de, i + para.size()))
      s.replace(i, de.size(), para);
    return s;
  };
  auto com = [&](std::string CasoTeste::*campo, const std::string& valor) {
    CasoTeste c = base;
    c.*campo = valor;
    return c.texto();
  };
  const std::string comando = "'caso.txt'\r\n";

  DiretorioTrabalho referencia;
  referencia.escreve("tavrum_1p4.in", comando);
  referencia.escreve("caso.txt", caso);
  plotter(referencia, plotter_mudo);
  ASSERT_EQ(referencia.executa().status, 0);
  const auto esperados = arquivos(referencia, "output");

  const std::string nul(1, '\0');
  const struct {
    const char* nome;
    std::string comando, caso;
    int status;
    const char* tipo;     // error kind, when status is not 0
    std::string arquivo;  // the file it names
  } casos[] = {
      {"line feeds only", "'caso.txt'\n", troca(caso, "\r\n", "\n"), 0, "", ""},
      {"no final line feed", "'caso.txt'", caso.substr(0, caso.size() - 2), 0, "", ""},
      {"lone carriage returns: one record", comando, troca(caso, "\r\n", "\r"), 24,
       "fim de arquivo durante a leitura", "caso.txt"},
      {"NUL in a comment", comando, troca(caso, ":: registro 3", ":: " + nul + "3"), 0, "", ""},
      {"NUL inside a number", comando, com(&CasoTeste::Dg, "0.0" + nul + "10"), 59,
       "erro de sintaxe na leitura", "caso.txt"},
      // Cut at the NUL the name would be another file's: the summary would
      // have overwritten the series.
      {"NUL in the title", comando, com(&CasoTeste::titulo, "'te" + nul + "ste'"), 30,
       "falha ao abrir o arquivo", "output/te\\0ste.txt"},
      {"NUL in the case-file name", "'caso.txt" + nul + "x'\r\n", caso, 30,
       "falha ao abrir o arquivo", "caso.txt\\0x"},
      {"Windows-1252 and invalid UTF-8 in comments", comando,
       troca(caso, ":: registro", ":: \xe7\xe3o \xff\xfe\xc3\x28 registro"), 0, "", ""},
      {"a comment line of 1 MB", comando,
       troca(caso, ":: registro 5", ":: " + std::string(1 << 20, 'x')), 0, "", ""},
      {"a command file line of 1 MB", "'caso.txt' " + std::string(1 << 20, ' ') + "x\r\n", caso, 0,
       "", ""},
      {"a value of 2049 characters", comando, com(&CasoTeste::Dg, "0.010" + std::string(2044, '0')),
       0, "", ""},
      {"a value of 2050 characters", comando, com(&CasoTeste::Dg, "0.010" + std::string(2045, '0')),
       59, "erro de sintaxe na leitura", "caso.txt"},
      {"a title of 2050 characters", comando,
       com(&CasoTeste::titulo, "'" + std::string(2050, 't') + "'"), 59,
       "erro de sintaxe na leitura", "caso.txt"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    dir.escreve("tavrum_1p4.in", c.comando);
    dir.escreve("caso.txt", c.caso);
    plotter(dir, plotter_mudo);

    Execucao r = dir.executa();

    EXPECT_EQ(r.status, c.status);
    if (c.status == 0) {
      EXPECT_EQ(r.erro, "");
      EXPECT_TRUE(arquivos(dir, "output") == esperados);
    } else {
      EXPECT_EQ(r.erro, linha_de_erro(dir, c.status, c.tipo, c.arquivo));
      EXPECT_TRUE(arquivos(dir, "output").empty());
    }
  }
}

// A title's bytes name the files and are echoed as read, whatever their
// encoding: Windows-1252 letters and bytes that are no UTF-8.
TEST(Falhas, TitleBytesNameTheFilesAsRead) {
  for (const std::string titulo : {"gr\xe3o", "\xc3\x28\xff"}) {
    SCOPED_TRACE(titulo);
    DiretorioTrabalho dir;
    CasoTeste c;
    c.titulo = "'" + titulo + "'";
    c.npassos = "50";
    prepara_caso(dir, c);
    plotter(dir, plotter_mudo);

    Execucao r = dir.executa();

    EXPECT_EQ(r.status, 0);
    ASSERT_TRUE(dir.existe("output/" + titulo + ".txt"));
    EXPECT_TRUE(dir.existe("output/" + titulo + "_forca.gnu"));
    EXPECT_NE(dir.le("output/" + titulo + "_resultados.txt")
                  .find("\r\n'" + titulo + "' :: Titulo (At\xe9 128 caracteres)\r\n"),
              std::string::npos);
  }
}

}  // namespace
