#include "input/arquivo.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "input/erro.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// A file that cannot be opened: "not found" when its folder is missing (or a
// part of the path is not a folder), "open failure" for every other cause.
[[noreturn]] void falha_abertura(const std::string& caminho, int erro) {
  if (erro == ENOENT || erro == ENOTDIR) erro_arquivo(arquivo_nao_encontrado, caminho);
  erro_arquivo(falha_ao_abrir, caminho);
}

// A name with a NUL byte in it (a title or a case-file name can hold one)
// names no file: the system would stop reading it at the NUL and open another
// file, so that two outputs could end up in one.
void recusa_nul(const std::string& caminho) {
  if (caminho.find('\0') != std::string::npos) erro_arquivo(falha_ao_abrir, caminho);
}

}  // namespace

std::FILE* abre_entrada(const std::string& caminho) {
  recusa_nul(caminho);
  std::error_code ec;
  if (std::filesystem::is_directory(caminho, ec)) erro_arquivo(falha_ao_abrir, caminho);
  std::FILE* f = std::fopen(caminho.c_str(), "rb");
  if (f) return f;
  if (errno != ENOENT) falha_abertura(caminho, errno);
  // Absent: create it empty, then read it.
  std::FILE* novo = std::fopen(caminho.c_str(), "ab");
  if (!novo) falha_abertura(caminho, errno);
  (void)std::fclose(novo);
  f = std::fopen(caminho.c_str(), "rb");
  if (!f) falha_abertura(caminho, errno);
  return f;
}

ArquivoSaida::ArquivoSaida(const std::string& caminho) : caminho_(caminho), console_(false) {
  recusa_nul(caminho);
  std::error_code ec;
  if (std::filesystem::is_directory(caminho, ec)) erro_arquivo(falha_ao_abrir, caminho);
  arquivo_ = std::fopen(caminho.c_str(), "wb");
  if (!arquivo_) falha_abertura(caminho, errno);
  (void)std::setvbuf(arquivo_, nullptr, _IONBF, 0);  // our own buffer is enough
}

ArquivoSaida::ArquivoSaida() : arquivo_(stdout), console_(true) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

ArquivoSaida::~ArquivoSaida() {
  // Reached without fecha() only on the way out of a fatal error: the bytes
  // written so far stay, and no further error is raised.
  if (!arquivo_) return;
  if (usado_ > 0) (void)std::fwrite(buffer_, 1, usado_, arquivo_);
  if (console_) {
    (void)std::fflush(arquivo_);
  } else {
    (void)std::fclose(arquivo_);
  }
}

void ArquivoSaida::escreve_longo(const char* bytes, std::size_t n) {
  descarrega();
  if (n >= sizeof(buffer_)) {
    if (std::fwrite(bytes, 1, n, arquivo_) != n && !console_)
      erro_arquivo(erro_de_escrita, caminho_);
    return;
  }
  std::memcpy(buffer_, bytes, n);
  usado_ = n;
}

void ArquivoSaida::descarrega() {
  if (usado_ > 0) {
    std::size_t n = usado_;
    usado_ = 0;
    if (std::fwrite(buffer_, 1, n, arquivo_) != n && !console_)
      erro_arquivo(erro_de_escrita, caminho_);
  }
  if (console_) (void)std::fflush(arquivo_);  // the console's errors are not fatal
}

void ArquivoSaida::fecha() {
  descarrega();
  std::FILE* f = arquivo_;
  arquivo_ = nullptr;
  if (console_) return;
  if (std::fclose(f) != 0) erro_arquivo(erro_de_escrita, caminho_);
}
