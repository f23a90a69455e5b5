// Fuzz target: arbitrary bytes as the command file, the case file and the
// burn-rate table, read by le_caso and run for a few dozen steps in a scratch
// working directory.
//
// The input is the three files one after the other, split at the separator
// line "====": the command file, the case file, then tabela_pq.txt. A case
// file or a table that is missing is a file that is not there. Inputs that
// would make the run read or write outside the scratch directory (a case
// file named by an absolute path or through "..", a title with "..") are
// passed over, and so are runs too long to be worth fuzzing: the step limit
// is cut to passos_maximos, the solver's trial limit to trials_maximos, and
// an activation-front grain with more than celulas_maximas cells is skipped.
// The plotter is never started: PATH names an empty folder and no
// ./gnuplot/gnuplot exists.
//
// Besides crashes, leaks and undefined behaviour, a run that ends normally
// must leave its files whole: a series of whole rows, no more of them than
// the step limit, the summary and the five plot scripts, and no frame file
// in temp/. Anything else aborts, and the fuzzer keeps the input.

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "engine/corrida.h"
#include "engine/ponto_flutuante.h"
#include "input/arquivo.h"
#include "input/caso.h"
#include "input/erro.h"
#include "input/leitor.h"
#include "input/tabela.h"
#include "reports/serie.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view separador = "====\n";
constexpr int32_t passos_maximos = 40;
constexpr int32_t trials_maximos = 100;
constexpr double celulas_maximas = 4096;

fs::path base;      // the fuzzer's own folder under the system's temporary one
fs::path trabalho;  // the scratch working directory in it
fs::path origem;    // where the fuzzer runs: its corpus paths are relative to it

void grava(const char* nome, std::string_view bytes) {
  std::ofstream f(nome, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// An empty working directory with output/ and temp/.
void limpa() {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(trabalho, ec)) fs::remove_all(e.path(), ec);
  fs::create_directory(trabalho / "output");
  fs::create_directory(trabalho / "temp");
}

bool fora_do_trabalho(const std::string& caminho) {
  return (!caminho.empty() && caminho[0] == '/') || caminho.find("..") != std::string::npos;
}

// The case-file name, read as le_caso reads it.
std::string nome_do_caso() {
  std::string nome(tamanho_texto, ' ');
  try {
    Leitor comando(arquivo_comando);
    comando.le({Leitor::campo(nome)});
  } catch (const ErroFatal&) {
  }
  return apara(nome);
}

[[noreturn]] void falha(const std::string& o_que) {
  (void)std::fprintf(stderr, "caso_fuzz: %s\n", o_que.c_str());
  std::abort();
}

std::string conteudo(const std::string& nome) {
  std::ifstream f(nome, std::ios::binary);
  if (!f) falha(nome + " ausente");
  return {std::istreambuf_iterator<char>(f), {}};
}

void confere_arquivos(const CaseParameters& caso) {
  const std::string t = "output/" + titulo_aparado(caso);
  const std::string serie = conteudo(t + ".txt");
  const std::size_t cabecalho = serie.find("\r\n");
  if (cabecalho == std::string::npos) falha("serie sem cabecalho");
  const std::size_t corpo = serie.size() - cabecalho - 2;
  const std::size_t linha = largura_linha + 2;
  if (corpo % linha != 0) falha("serie com linha cortada");
  if (corpo / linha > static_cast<std::size_t>(std::max(caso.npassos, 0)))
    falha("serie com linhas alem de npassos");
  for (const char* fim :
       {"_resultados.txt", "_forca.gnu", "_pressao.gnu", "_Kn.gnu", "_fm.gnu", "_ve.gnu"})
    (void)conteudo(t + fim);
  for (const auto& e : fs::directory_iterator("temp"))
    if (e.path().extension() == ".txt") falha("quadro deixado em temp/");
}

// One input: the files written, the case read and run.
int executa(std::string_view resto) {
  std::string_view partes[3];
  int n = 0;  // parts present
  while (n < 3) {
    const std::size_t fim = n < 2 ? resto.find(separador) : std::string_view::npos;
    partes[n++] = resto.substr(0, fim);
    if (fim == std::string_view::npos) break;
    resto.remove_prefix(fim + separador.size());
  }
  grava(arquivo_comando, partes[0]);
  const std::string caso_nome = nome_do_caso();
  if (fora_do_trabalho(caso_nome)) return -1;
  if (n >= 2 && !caso_nome.empty()) grava(caso_nome.c_str(), partes[1]);
  if (n >= 3) grava(arquivo_tabela, partes[2]);
  // The case file may have been written over the command file.
  if (nome_do_caso() != caso_nome) return -1;

  try {
    CaseParameters caso = le_caso();
    if (fora_do_trabalho(titulo_aparado(caso))) return -1;
    if (caso.npassos > passos_maximos) caso.npassos = passos_maximos;
    if (caso.itmax > trials_maximos) caso.itmax = trials_maximos;
    if (caso.grao == 4 && caso.tx_ativ > 0.0 && caso.dt > 0.0 &&
        std::trunc((caso.L / caso.tx_ativ) / caso.dt) + 1.0 > celulas_maximas)
      return -1;
    ArquivoSaida console("console.txt");
    executa_caso(caso, console);
    confere_arquivos(caso);
  } catch (const ErroFatal&) {
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  desliga_denormais();
  base = fs::temp_directory_path() / ("tavrum_fuzz_" + std::to_string(getpid()));
  trabalho = base / "trabalho";
  fs::create_directories(trabalho);
  fs::create_directories(base / "sem_plotter");
  if (setenv("PATH", (base / "sem_plotter").c_str(), 1) != 0) std::abort();
  origem = fs::current_path();
  (void)std::atexit([] {
    std::error_code ec;
    fs::remove_all(base, ec);
  });
  return 0;
}

// Runs in the scratch directory and comes back, so that the fuzzer's own
// files land where it was started (give -artifact_prefix an absolute path:
// a crash leaves the process in the scratch directory).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  fs::current_path(trabalho);
  limpa();
  const int r = executa(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
  fs::current_path(origem);
  return r;
}
