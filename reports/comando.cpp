#include "reports/comando.h"

#include <cstdio>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;
#endif

#ifdef _WIN32

int executa_comando(const std::string& linha) {
  std::string texto = linha;
  while (!texto.empty() && texto.back() == ' ') texto.pop_back();
  char sistema[MAX_PATH];
  UINT n = GetSystemDirectoryA(sistema, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return -1;
  std::string comando = std::string(sistema) + "\\cmd.exe /c " + texto;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::fflush(stdout);
  if (!CreateProcessA(nullptr, comando.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1;
  DWORD codigo = 0;
  bool ok = WaitForSingleObject(pi.hProcess, INFINITE) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(pi.hProcess, &codigo);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ok ? static_cast<int>(codigo) : -1;
}

int executa_gnuplot(const std::string& script) {
  // The path in double quotes, so that a title with a blank still plots.
  return executa_comando(".\\gnuplot\\gnuplot \"" + script + "\"");
}

void apaga_quadros() { executa_comando("del .\\temp\\*.txt"); }

#else

int executa_comando(const std::string&) { return -1; }

namespace {

// The script's bytes without the carriage return that ends each line: the
// plotter reads a CR here as part of the line.
std::string sem_cr(const std::string& caminho) {
  std::string texto;
  std::FILE* f = std::fopen(caminho.c_str(), "rb");
  if (!f) return texto;
  char bloco[4096];
  std::size_t n;
  while ((n = std::fread(bloco, 1, sizeof bloco, f)) > 0) texto.append(bloco, n);
  (void)std::fclose(f);
  std::string limpo;
  limpo.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size(); ++i)
    if (!(texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n')) limpo += texto[i];
  return limpo;
}

}  // namespace

int executa_gnuplot(const std::string& script) {
  const char* local = "./gnuplot/gnuplot";
  const bool tem_local = access(local, X_OK) == 0;
  const char* programa = tem_local ? local : "gnuplot";
  std::string texto = sem_cr(script);

  int tubo[2];
  if (pipe(tubo) != 0) return -1;
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_adddup2(&acoes, tubo[0], STDIN_FILENO);
  // With our own standard input closed the pipe's read end may already be
  // descriptor 0: closing it then would leave the plotter without its script.
  if (tubo[0] != STDIN_FILENO) posix_spawn_file_actions_addclose(&acoes, tubo[0]);
  // The plotter must not hold the write end, or it would never see the end
  // of the script.
  posix_spawn_file_actions_addclose(&acoes, tubo[1]);
  char* argv[] = {const_cast<char*>(programa), nullptr};
  (void)std::fflush(stdout);
  pid_t pid;
  int erro = tem_local ? posix_spawn(&pid, programa, &acoes, nullptr, argv, environ)
                       : posix_spawnp(&pid, programa, &acoes, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&acoes);
  close(tubo[0]);
  if (erro != 0) {
    close(tubo[1]);
    (void)std::fprintf(stderr, "%s: nao foi possivel iniciar o programa: %s\n", programa,
                       std::strerror(erro));
    return -1;
  }

  // A plotter that stops reading early must not take the run down with it.
  struct sigaction ignora {}, antes {};
  ignora.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignora, &antes);
  const char* p = texto.data();
  std::size_t falta = texto.size();
  while (falta > 0) {
    ssize_t n = write(tubo[1], p, falta);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    p += n;
    falta -= static_cast<std::size_t>(n);
  }
  close(tubo[1]);
  sigaction(SIGPIPE, &antes, nullptr);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void apaga_quadros() {
  std::error_code ec;
  for (std::filesystem::directory_iterator it("./temp", ec), fim; !ec && it != fim;
       it.increment(ec)) {
    const std::filesystem::path& p = it->path();
    std::error_code ec2;
    if (p.extension() == ".txt" && it->is_regular_file(ec2))
      std::filesystem::remove(p, ec2);
  }
}

#endif
