#pragma once
// Fatal errors of the run. Every input and output failure ends the run at
// once: the I/O layer throws ErroFatal, and only main catches it, prints its
// one line on standard error and exits with its status, so that files close
// cleanly on the way out.

#include <stdexcept>
#include <string>

// Kinds of fatal error, numbered by the exit status they give.
enum Erro : int {
  fim_de_arquivo = 24,
  erro_de_sintaxe = 59,
  erro_de_conversao = 64,
  arquivo_nao_encontrado = 29,
  falha_ao_abrir = 30,
  erro_de_escrita = 38,
};

struct ErroFatal : std::runtime_error {
  int status;
  ErroFatal(int status, const std::string& mensagem)
      : std::runtime_error(mensagem), status(status) {}
};

// The error of kind `tipo` on the file `caminho` (relative to the working
// directory or absolute); the message names the file by its absolute path.
[[noreturn]] void erro_arquivo(Erro tipo, const std::string& caminho);
