#include "input/erro.h"

#include <filesystem>

namespace {

const char* descricao(Erro tipo) {
  switch (tipo) {
    case fim_de_arquivo:
      return "fim de arquivo durante a leitura";
    case erro_de_sintaxe:
      return "erro de sintaxe na leitura";
    case erro_de_conversao:
      return "erro de conversao na leitura";
    case arquivo_nao_encontrado:
      return "arquivo nao encontrado";
    case falha_ao_abrir:
      return "falha ao abrir o arquivo";
    case erro_de_escrita:
      return "erro de escrita";
  }
  return "erro";
}

// A NUL byte in the name is shown as \0: printed as it is, it would end the
// message there.
std::string visivel(std::string texto) {
  for (std::size_t i = texto.find('\0'); i != std::string::npos; i = texto.find('\0', i + 2))
    texto.replace(i, 1, "\\0");
  return texto;
}

std::string caminho_absoluto(const std::string& caminho) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(caminho, ec);
  if (ec) return visivel(caminho);
  return visivel(p.lexically_normal().string());
}

}  // namespace

void erro_arquivo(Erro tipo, const std::string& caminho) {
  throw ErroFatal(tipo, "erro fatal (" + std::to_string(static_cast<int>(tipo)) +
                            "): " + descricao(tipo) + ", arquivo " +
                            caminho_absoluto(caminho));
}
