#include "execucao.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

DiretorioTrabalho::DiretorioTrabalho(bool com_pastas) {
  std::random_device rd;
  raiz_ = fs::temp_directory_path() / ("tavrum_teste_" + std::to_string(getpid()) + "_" +
                                       std::to_string(rd()));
  fs::create_directories(raiz_);
  if (com_pastas) {
    fs::create_directory(raiz_ / "output");
    fs::create_directory(raiz_ / "temp");
  }
}

DiretorioTrabalho::~DiretorioTrabalho() {
  std::error_code ec;
  fs::remove_all(raiz_, ec);
}

void DiretorioTrabalho::escreve(const std::string& nome, const std::string& bytes) const {
  std::ofstream f(raiz_ / nome, std::ios::binary);
  f << bytes;
}

std::string DiretorioTrabalho::le(const std::string& nome) const {
  std::ifstream f(raiz_ / nome, std::ios::binary);
  if (!f) throw std::runtime_error("arquivo ausente: " + nome);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool DiretorioTrabalho::existe(const std::string& nome) const { return fs::exists(raiz_ / nome); }

void DiretorioTrabalho::copia_de(const fs::path& origem) const {
  for (const auto& e : fs::directory_iterator(origem))
    fs::copy(e.path(), raiz_ / e.path().filename(), fs::copy_options::recursive);
}

Execucao DiretorioTrabalho::executa(const std::string& path) const {
  const fs::path saida = raiz_.string() + ".stdout", erro = raiz_.string() + ".stderr";
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(raiz_.c_str()) != 0) _exit(127);
    int o = open(saida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int e = open(erro.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int n = open("/dev/null", O_RDONLY);
    dup2(n, 0);
    dup2(o, 1);
    dup2(e, 2);
    setenv("PATH", path.c_str(), 1);
    execl(TAVRUM_BIN, "tavrum", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Execucao r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, le_arquivo(saida), le_arquivo(erro)};
  std::error_code ec;
  fs::remove(saida, ec);
  fs::remove(erro, ec);
  return r;
}

std::string CasoTeste::texto() const {
  const std::string* valores[] = {&titulo, &Dg,    &De,    &Di,      &L,     &grao,   &freq, &tx_ativ,
                                  &rho_p,  &a,     &n,     &pa,      &dt,    &npassos, &itmax, &tol,
                                  &relax,  &ho,    &Cd,    &Et,      &tab_pq, &prop};
  std::string t;
  int k = 1;
  for (const std::string* v : valores) t += *v + "  :: registro " + std::to_string(k++) + "\r\n";
  return t;
}

CasoTeste caso_frente() {
  CasoTeste c;
  c.titulo = "'frente'";
  c.Dg = "0.006";
  c.De = "0.030";
  c.Di = "0.010";
  c.L = "0.050";
  c.grao = "4";
  c.freq = "5";
  c.tx_ativ = "0.25";
  c.dt = "1.0e-3";
  return c;
}

CaseParameters tubo_referencia() {
  CaseParameters c;
  c.Dg = 0.01;
  c.De = 0.05;
  c.Di = 0.02;
  c.L = 0.08;
  c.grao = 6;
  c.rho_p = 1800.0;
  c.a = 1.007e-4;
  c.n = 0.319;
  c.pa = 101325.0;
  c.dt = 5e-4;
  c.npassos = 100000;
  c.itmax = 300;
  c.tol = 1.0;
  c.relax = 0.25;
  c.ho = 1000.0;
  c.Cd = 1.0;
  c.Et = 1.0;
  c.prop = 0;
  return c;
}

std::string le_arquivo(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void prepara_caso(const DiretorioTrabalho& dir, const CasoTeste& caso) {
  dir.escreve("tavrum_1p4.in", "'caso.txt'\r\n");
  dir.escreve("caso.txt", caso.texto());
}

fs::path dados_testes() { return TAVRUM_DADOS; }
