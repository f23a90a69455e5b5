// The free-form writer, byte for byte: the 24-character double field, the
// 12-character integer field, blanks between items and the 80-column wrap.

#include "input/escritor.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "execucao.h"
#include "input/arquivo.h"

namespace {

// Runs `escreve` on a fresh output file and returns the bytes it left.
std::string grava(const std::function<void(ArquivoSaida&)>& escreve) {
  DiretorioTrabalho dir(false);
  {
    ArquivoSaida saida((dir.caminho() / "saida.txt").string());
    escreve(saida);
    saida.fecha();
  }
  return dir.le("saida.txt");
}

struct Real {
  double v;
  const char* campo;  // the 24 characters
};

TEST(EscritorLivre, DoubleFieldForms) {
  const double inf = std::numeric_limits<double>::infinity();
  const Real casos[] = {
      {0.1, "  0.100000000000000     "},
      {1.0, "   1.00000000000000     "},
      {0.002, "  2.000000000000000E-003"},
      {-250000.0, "  -250000.000000000     "},
      {-0.1, " -0.100000000000000     "},
      {12.5, "   12.5000000000000     "},
      {-0.002, " -2.000000000000000E-003"},
      {1e-300, "  1.000000000000000E-300"},
      {1.5e300, "  1.500000000000000E+300"},
      {1e15, "  1.000000000000000E+015"},
      // Zero has no sign, whatever its sign bit.
      {0.0, "  0.000000000000000E+000"},
      {-0.0, "  0.000000000000000E+000"},
      {inf, "                Infinity"},
      {-inf, "               -Infinity"},
      {std::numeric_limits<double>::quiet_NaN(), "                     NaN"},
      // The form follows the value rounded to 15 digits: this one rounds up
      // to 0.1, so it is fixed...
      {0.09999999999999999, "  0.100000000000000     "},
      // ...and one that stays below 0.1 is not.
      {0.0999999999999999, "  9.999999999999989E-002"},
      // Rounding up to 1e15 goes the other way, into the exponent form.
      {999999999999999.9, "  9.999999999999999E+014"},
      // Fifteen integer digits leave no decimals, but the point stays.
      {999999999999999.0, "   999999999999999.     "},
      {123456789012345.6, "   123456789012346.     "},
  };
  for (const Real& c : casos)
    EXPECT_EQ(grava([&](ArquivoSaida& s) { grava_livre(s, {c.v}); }), std::string(c.campo) + "\r\n")
        << c.v;
}

struct Registro {
  const char* nome;
  std::function<void(ArquivoSaida&)> escreve;
  std::string esperado;
};

const std::string texto100 = [] {
  std::string t;
  for (int k = 0; k < 100; ++k) t += static_cast<char>('a' + k % 26);
  return t;
}();

TEST(EscritorLivre, RecordsAndWrapping) {
  const Registro casos[] = {
      {"text then a double",
       [](ArquivoSaida& s) { grava_livre(s, {"delta_grao = ", 0.002}); },
       " delta_grao =   2.000000000000000E-003\r\n"},
      {"text then an integer",
       [](ArquivoSaida& s) { grava_livre(s, {"ativacao = ", int32_t{40}}); },
       " ativacao =           40\r\n"},
      {"two doubles, no leading blank",
       [](ArquivoSaida& s) { grava_livre(s, {0.05, 0.02}); },
       "  5.000000000000000E-002  2.000000000000000E-002\r\n"},
      {"integer extremes",
       [](ArquivoSaida& s) {
         grava_livre(s, {int32_t{-5}, std::numeric_limits<int32_t>::min()});
       },
       "          -5 -2147483648\r\n"},
      {"text after a number gets one blank",
       [](ArquivoSaida& s) { grava_livre(s, {int32_t{1}, "a", 1.0, "b"}); },
       "           1 a   1.00000000000000      b\r\n"},
      {"text after text joins",
       [](ArquivoSaida& s) { grava_livre(s, {"set ", "out", "'x'"}); },
       " set out'x'\r\n"},
      {"trailing blanks of a text are kept",
       [](ArquivoSaida& s) { grava_livre(s, {"a  "}); },
       " a  \r\n"},
      {"empty record", [](ArquivoSaida& s) { grava_livre(s, {}); }, "\r\n"},
      {"the fourth double starts a new record",
       [](ArquivoSaida& s) { grava_livre(s, {1.0, 2.0, 3.0, 4.0}); },
       "   1.00000000000000        2.00000000000000        3.00000000000000     \r\n"
       "   4.00000000000000     \r\n"},
      {"the seventh integer starts a new record",
       [](ArquivoSaida& s) {
         grava_livre(s, {int32_t{1}, int32_t{2}, int32_t{3}, int32_t{4}, int32_t{5},
                         int32_t{6}, int32_t{7}});
       },
       "           1           2           3           4           5           6\r\n"
       "           7\r\n"},
      {"a double that just fits",
       [](ArquivoSaida& s) { grava_livre(s, {std::string(55, 't'), 0.5}); },
       std::string(" ") + std::string(55, 't') + "  0.500000000000000     \r\n"},
      {"a double one column too wide",
       [](ArquivoSaida& s) { grava_livre(s, {std::string(56, 't'), 0.5}); },
       std::string(" ") + std::string(56, 't') + "\r\n  0.500000000000000     \r\n"},
      {"a text that just fits after three doubles",
       [](ArquivoSaida& s) { grava_livre(s, {1.0, 2.0, 3.0, "1234567"}); },
       "   1.00000000000000        2.00000000000000        3.00000000000000      1234567\r\n"},
      {"a text one column too wide goes to a new record",
       [](ArquivoSaida& s) { grava_livre(s, {1.0, 2.0, 3.0, "12345678"}); },
       "   1.00000000000000        2.00000000000000        3.00000000000000     \r\n"
       " 12345678\r\n"},
      {"79 characters fill one record",
       [](ArquivoSaida& s) { grava_livre(s, {std::string(79, 'q')}); },
       std::string(" ") + std::string(79, 'q') + "\r\n"},
      {"a 100-character text wraps into 80 and 22",
       [](ArquivoSaida& s) { grava_livre(s, {texto100}); },
       std::string(" ") + texto100.substr(0, 79) + "\r\n " + texto100.substr(79) + "\r\n"},
  };
  for (const Registro& c : casos) EXPECT_EQ(grava(c.escreve), c.esperado) << c.nome;
}

TEST(EscritorLivre, ConsecutiveRecordsFollowEachOther) {
  EXPECT_EQ(grava([](ArquivoSaida& s) {
              grava_livre(s, {"::: INCIANDO CALCULOS :::"});
              grava_livre(s, {});
              grava_livre(s, {int32_t{3}});
            }),
            " ::: INCIANDO CALCULOS :::\r\n\r\n           3\r\n");
}

}  // namespace
