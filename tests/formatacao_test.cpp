// The fast scientific field against the C library's correctly rounded
// conversion: the same bytes for random values over the whole range and for
// values at and around decimal ties, where a sloppy rounding shows first.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "reports/campos.h"

namespace {

struct Formato {
  int w, d;
};
constexpr Formato formatos[] = {{15, 4}, {10, 3}, {12, 6}, {9, 1}};

void compara(double v) {
  for (const Formato& f : formatos) {
    char rapido[64], exato[64];
    formata_cientifico(rapido, v, f.w, f.d);
    formata_cientifico_exato(exato, v, f.w, f.d);
    ASSERT_EQ(std::string(rapido, f.w), std::string(exato, f.w))
        << "valor " << std::hexfloat << v << " campo " << f.w << "." << f.d;
  }
}

TEST(CampoCientificoRapido, IgualAoExatoEmValoresAleatorios) {
  std::mt19937_64 gerador(20261211);
  // Any bit pattern: every exponent, subnormals, infinities and NaNs.
  for (int k = 0; k < 200000; ++k) {
    uint64_t bits = gerador();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    compara(v);
  }
  // The magnitudes a run writes, spread evenly over their decades.
  std::uniform_real_distribution<double> expoente(-30.0, 30.0);
  for (int k = 0; k < 200000; ++k) {
    double v = std::pow(10.0, expoente(gerador));
    compara(k % 2 ? v : -v);
  }
}

TEST(CampoCientificoRapido, IgualAoExatoPertoDeEmpates) {
  std::mt19937_64 gerador(7);
  std::uniform_int_distribution<int> mantissa(10000, 99999);
  std::uniform_int_distribution<int> expoente(-25, 25);
  for (int k = 0; k < 100000; ++k) {
    // The decimal half-way between two five-digit results, and the doubles
    // next to it on either side.
    char texto[48];
    std::snprintf(texto, sizeof texto, "%d5e%d", mantissa(gerador), expoente(gerador));
    double v = std::strtod(texto, nullptr);
    compara(v);
    compara(std::nextafter(v, 0.0));
    compara(std::nextafter(v, INFINITY));
  }
  // Exact ties: integers ending in 5 past the fifth digit, and powers of ten
  // with their neighbours (where the exponent carries).
  for (double v : {12345.5, 123455.0, 123465.0, 99999.5, 999995.0, 1e5, 1e-5, 1e22, 1e23}) {
    compara(v);
    compara(std::nextafter(v, 0.0));
    compara(std::nextafter(v, INFINITY));
  }
}

}  // namespace
