#pragma once
// Opening the program's files, with the fatal errors every file shares.
//
// Output files go through ArquivoSaida: bytes are gathered in a buffer and
// handed to the system in large writes; any failed write, flush or close ends
// the run with the write error, so no file is ever left truncated while the
// run reports success.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// Opens `caminho` for reading in binary mode. An absent file is created
// empty first, so that the first read of it fails with end of file.
std::FILE* abre_entrada(const std::string& caminho);

class ArquivoSaida {
 public:
  // Creates or replaces the file `caminho` (binary: the program writes its
  // own CR LF record ends).
  explicit ArquivoSaida(const std::string& caminho);
  // Standard output: the console. Its write errors are not fatal.
  ArquivoSaida();
  ~ArquivoSaida();
  ArquivoSaida(const ArquivoSaida&) = delete;
  ArquivoSaida& operator=(const ArquivoSaida&) = delete;

  void escreve(std::string_view bytes) { escreve(bytes.data(), bytes.size()); }
  void escreve(const char* bytes, std::size_t n) {
    if (n <= sizeof(buffer_) - usado_) {
      for (std::size_t k = 0; k < n; ++k) buffer_[usado_ + k] = bytes[k];
      usado_ += n;
    } else {
      escreve_longo(bytes, n);
    }
  }
  // Hands every buffered byte to the system.
  void descarrega();
  // Flushes and closes; a failure is the write error.
  void fecha();
  const std::string& caminho() const { return caminho_; }

 private:
  void escreve_longo(const char* bytes, std::size_t n);
  std::FILE* arquivo_;
  std::string caminho_;
  bool console_;
  std::size_t usado_ = 0;
  char buffer_[1 << 16];
};
