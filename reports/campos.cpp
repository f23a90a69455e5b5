#include "reports/campos.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "input/arquivo.h"

namespace {

// Right-aligns the n characters of s in w columns, or fills them with
// asterisks when they do not fit.
void alinha(char* destino, const char* s, int n, int w) {
  if (n > w) {
    std::memset(destino, '*', static_cast<std::size_t>(w));
    return;
  }
  std::memset(destino, ' ', static_cast<std::size_t>(w - n));
  std::memcpy(destino + (w - n), s, static_cast<std::size_t>(n));
}

bool nao_finito(char* destino, double v, int w) {
  if (std::isnan(v)) {
    alinha(destino, "NaN", 3, w);
  } else if (std::isinf(v)) {
    if (v < 0) {
      alinha(destino, "-Infinity", 9, w);
    } else {
      alinha(destino, "Infinity", 8, w);
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

void formata_inteiro(char* destino, int64_t v, int w) {
  char s[24];
  int n = std::snprintf(s, sizeof s, "%lld", static_cast<long long>(v));
  alinha(destino, s, n, w);
}

void formata_fixo(char* destino, double v, int w, int d) {
  if (nao_finito(destino, v, w)) return;
  char s[400];
  int n = std::snprintf(s, sizeof s, "%.*f", d, v);
  alinha(destino, s, n, w);
}

void formata_cientifico(char* destino, double v, int w, int d) {
  if (nao_finito(destino, v, w)) return;
  char s[64];
  int n = std::snprintf(s, sizeof s, "%.*E", d, v);
  // printf writes at least two exponent digits after E and its sign; a
  // three-digit exponent drops the E.
  char* e = std::strchr(s, 'E');
  if (std::strlen(e + 2) == 3) {
    std::memmove(e, e + 1, std::strlen(e + 1) + 1);
    --n;
  }
  alinha(destino, s, n, w);
}

namespace {

char* lugar(RegistroFixo& r, std::size_t n) {
  if (r.texto.size() < r.col + n) r.texto.resize(r.col + n, ' ');
  char* destino = r.texto.data() + r.col;
  r.col += n;
  return destino;
}

}  // namespace

void literal(RegistroFixo& r, std::string_view t) {
  if (!t.empty()) std::memcpy(lugar(r, t.size()), t.data(), t.size());
}
void inteiro(RegistroFixo& r, int64_t v, int w) {
  formata_inteiro(lugar(r, static_cast<std::size_t>(w)), v, w);
}
void fixo(RegistroFixo& r, double v, int w, int d) {
  formata_fixo(lugar(r, static_cast<std::size_t>(w)), v, w, d);
}
void cientifico(RegistroFixo& r, double v, int w, int d) {
  formata_cientifico(lugar(r, static_cast<std::size_t>(w)), v, w, d);
}
void tab(RegistroFixo& r, int coluna) { r.col = static_cast<std::size_t>(coluna - 1); }
void pula(RegistroFixo& r, int n) { r.col += static_cast<std::size_t>(n); }

void termina(RegistroFixo& r, ArquivoSaida& saida) {
  r.texto += "\r\n";
  saida.escreve(r.texto);
  r.texto.clear();
  r.col = 0;
}
