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
  char* c = s + sizeof s;
  uint64_t u = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  do {
    *--c = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u > 0);
  if (v < 0) *--c = '-';
  alinha(destino, c, static_cast<int>(s + sizeof s - c), w);
}

void formata_fixo(char* destino, double v, int w, int d) {
  if (nao_finito(destino, v, w)) return;
  char s[400];
  int n = std::snprintf(s, sizeof s, "%.*f", d, v);
  alinha(destino, s, n, w);
}

void formata_cientifico_exato(char* destino, double v, int w, int d) {
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

// Powers of ten exact in a double: 10^0 to 10^22.
constexpr double p10_exato[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr uint64_t p10_inteiro[] = {1,      10,      100,      1000,      10000,
                                    100000, 1000000, 10000000, 100000000, 1000000000};

// The digits of |v| rounded to d + 1 significant figures, as the integer n
// (10^d <= n < 10^(d+1)) and the decimal exponent e of its first digit.
// Scales by one exact power of ten, so the scaled value carries a single
// rounding; false when it cannot decide (a value out of range, or a
// scaled value too near a tie), and the caller formats exactly instead.
bool digitos_rapidos(double a, int d, uint64_t& n, int& e) {
  if (!(a >= 1e-280 && a < 1e280)) return false;  // also rejects zero and NaN
  // First guess of the decimal exponent from the binary one (log10 2 is
  // about 78913 / 2^18); it may be one off either way, which the scaling
  // below sees and corrects.
  uint64_t bits;
  std::memcpy(&bits, &a, sizeof bits);
  const int e2 = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
  e = (e2 * 78913) >> 18;
  const double baixo = static_cast<double>(p10_inteiro[d]);
  const double alto = static_cast<double>(p10_inteiro[d + 1]);
  for (int tentativa = 0; tentativa < 3; ++tentativa) {
    int k = d - e;
    double m;
    if (k >= 0 && k <= 22) {
      m = a * p10_exato[k];
    } else if (k < 0 && k >= -22) {
      m = a / p10_exato[-k];
    } else {
      return false;
    }
    if (m < baixo) {
      --e;
      continue;
    }
    if (m >= alto) {
      ++e;
      continue;
    }
    // m < 10^(d+1) <= 10^9: its error is below 2^-23, far inside the margin.
    n = static_cast<uint64_t>(m);
    const double frac = m - static_cast<double>(n);
    if (std::fabs(frac - 0.5) < 1e-6) return false;
    if (frac > 0.5) ++n;
    if (n == p10_inteiro[d + 1]) {  // 9.99995 rounds up to 10.0000
      n = p10_inteiro[d];
      ++e;
    }
    return true;
  }
  return false;
}

}  // namespace

void formata_cientifico(char* destino, double v, int w, int d) {
  uint64_t n;
  int e;
  if (d < 1 || d > 8 || !digitos_rapidos(std::fabs(v), d, n, e))
    return formata_cientifico_exato(destino, v, w, d);
  // Sign, digit, point, d decimals, then E, sign and two digits, or sign and
  // three digits.
  const bool negativo = std::signbit(v);
  const int tamanho = negativo + 2 + d + 4;
  if (tamanho > w) {
    std::memset(destino, '*', static_cast<std::size_t>(w));
    return;
  }
  char* c = destino + w;
  const int ae = e < 0 ? -e : e;
  *--c = static_cast<char>('0' + ae % 10);
  *--c = static_cast<char>('0' + ae / 10 % 10);
  if (ae >= 100) {
    *--c = static_cast<char>('0' + ae / 100);
    *--c = e < 0 ? '-' : '+';
  } else {
    *--c = e < 0 ? '-' : '+';
    *--c = 'E';
  }
  for (int k = 0; k < d; ++k, n /= 10) *--c = static_cast<char>('0' + n % 10);
  *--c = '.';
  *--c = static_cast<char>('0' + n);
  if (negativo) *--c = '-';
  while (c > destino) *--c = ' ';
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
