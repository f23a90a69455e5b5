// Fixed-layout field kinds, formatted records, and the time-series header and
// row built from them.

#include "reports/campos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include "execucao.h"
#include "input/arquivo.h"
#include "reports/serie.h"

namespace fs = std::filesystem;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct Campo {
  enum { inteiro, fixo, cientifico } tipo;
  double v;
  int w, d;
  const char* esperado;
};

const Campo campos[] = {
    // Scientific: one digit before the point, E and two exponent digits, or
    // three digits without the E.
    {Campo::cientifico, 0.0125, 15, 4, "     1.2500E-02"},
    {Campo::cientifico, -0.0125, 15, 4, "    -1.2500E-02"},
    {Campo::cientifico, 0.0, 15, 4, "     0.0000E+00"},
    {Campo::cientifico, -0.0, 15, 4, "    -0.0000E+00"},
    {Campo::cientifico, 1e100, 15, 4, "     1.0000+100"},
    {Campo::cientifico, -1e100, 15, 4, "    -1.0000+100"},
    {Campo::cientifico, 1.234e-200, 15, 4, "     1.2340-200"},
    {Campo::cientifico, 1.5e308, 15, 4, "     1.5000+308"},
    {Campo::cientifico, 9.99996e99, 15, 4, "     1.0000+100"},    // rounds into 3 digits
    {Campo::cientifico, 9.99996e-100, 15, 4, "     1.0000E-99"},  // and out of them
    {Campo::cientifico, 1.03125, 15, 4, "     1.0312E+00"},       // ties to even
    {Campo::cientifico, 1.09375, 15, 4, "     1.0938E+00"},
    {Campo::cientifico, 0.00390625, 15, 4, "     3.9062E-03"},
    {Campo::cientifico, 0.140625, 15, 4, "     1.4062E-01"},
    {Campo::cientifico, 22187500000.0, 15, 4, "     2.2188E+10"},
    {Campo::cientifico, std::nextafter(1.03125, 2.0), 15, 4, "     1.0313E+00"},
    {Campo::cientifico, std::nextafter(1.09375, 0.0), 15, 4, "     1.0937E+00"},
    {Campo::cientifico, 1.23454995, 15, 4, "     1.2345E+00"},  // near ties
    {Campo::cientifico, 1.23455005, 15, 4, "     1.2346E+00"},
    {Campo::cientifico, -98765.4449, 15, 4, "    -9.8765E+04"},
    {Campo::cientifico, 9.999951, 15, 4, "     1.0000E+01"},  // carries into the exponent
    {Campo::cientifico, 9.999949, 15, 4, "     9.9999E+00"},
    {Campo::cientifico, 4.9406564584124654e-324, 15, 4, "     4.9407-324"},  // denormal
    {Campo::cientifico, 101325.0, 10, 3, " 1.013E+05"},
    {Campo::cientifico, 0.147741851300548, 22, 15, " 1.477418513005480E-01"},
    {Campo::cientifico, 1.0, 10, 4, "1.0000E+00"},
    {Campo::cientifico, -1.0, 10, 4, "**********"},
    {Campo::cientifico, 1.0, 8, 4, "********"},
    // Integer.
    {Campo::inteiro, 12, 8, 0, "      12"},
    {Campo::inteiro, -12, 8, 0, "     -12"},
    {Campo::inteiro, 0, 8, 0, "       0"},
    {Campo::inteiro, 12345678, 8, 0, "12345678"},
    {Campo::inteiro, 123456789, 8, 0, "********"},
    {Campo::inteiro, -1234567, 8, 0, "-1234567"},
    {Campo::inteiro, -12345678, 8, 0, "********"},
    {Campo::inteiro, -2147483648.0, 12, 0, " -2147483648"},
    // Fixed: ties to even on the exact binary value, the minus kept when a
    // negative value rounds to zero.
    {Campo::fixo, 0.125, 6, 2, "  0.12"},
    {Campo::fixo, 0.375, 6, 2, "  0.38"},
    {Campo::fixo, 2.675, 6, 2, "  2.67"},  // 2.67499999... in binary
    {Campo::fixo, -0.04, 6, 1, "  -0.0"},
    {Campo::fixo, -0.0, 6, 1, "  -0.0"},
    {Campo::fixo, -0.004, 15, 2, "          -0.00"},
    {Campo::fixo, 2.5, 15, 4, "         2.5000"},
    {Campo::fixo, 94.16289, 15, 2, "          94.16"},
    {Campo::fixo, 12345.678, 6, 2, "******"},
    {Campo::fixo, -1.5, 4, 2, "****"},
    {Campo::fixo, 1e300, 15, 4, "***************"},
    // Not finite: the word right-aligned, asterisks when it does not fit.
    {Campo::cientifico, NAN, 15, 4, "            NaN"},
    {Campo::cientifico, inf, 15, 4, "       Infinity"},
    {Campo::cientifico, -inf, 15, 4, "      -Infinity"},
    {Campo::cientifico, NAN, 3, 4, "NaN"},
    {Campo::cientifico, NAN, 2, 4, "**"},
    {Campo::cientifico, inf, 7, 4, "*******"},
    {Campo::cientifico, -inf, 8, 4, "********"},
    {Campo::fixo, NAN, 6, 2, "   NaN"},
    {Campo::fixo, inf, 8, 2, "Infinity"},
    {Campo::fixo, inf, 6, 2, "******"},
    {Campo::fixo, -inf, 9, 2, "-Infinity"},
    {Campo::fixo, -inf, 8, 2, "********"},
};

TEST(Campos, ValoresFormatados) {
  for (const Campo& c : campos) {
    SCOPED_TRACE(testing::Message() << c.esperado << " <- " << c.v);
    std::string s(static_cast<std::size_t>(c.w), '?');
    switch (c.tipo) {
      case Campo::inteiro:
        formata_inteiro(s.data(), static_cast<int64_t>(c.v), c.w);
        break;
      case Campo::fixo:
        formata_fixo(s.data(), c.v, c.w, c.d);
        break;
      case Campo::cientifico:
        formata_cientifico(s.data(), c.v, c.w, c.d);
        break;
    }
    EXPECT_EQ(s, c.esperado);
  }
}

// A working directory with output/, made current for the test: the series
// file goes to ./output.
class CamposEmArquivo : public testing::Test {
 protected:
  void SetUp() override {
    anterior_ = fs::current_path();
    fs::current_path(dir_.caminho());
  }
  void TearDown() override { fs::current_path(anterior_); }
  DiretorioTrabalho dir_;

 private:
  fs::path anterior_;
};

// Records: tabs and skips place the next character; columns only skipped
// over at the end are not written; blanks that belong to an item are.
TEST_F(CamposEmArquivo, RegistroFixo) {
  {
    ArquivoSaida f("./output/registros.txt");
    RegistroFixo r;
    tab(r, 5);
    literal(r, "ab");
    pula(r, 3);
    literal(r, "c");
    termina(r, f);

    literal(r, "ab");
    pula(r, 5);
    termina(r, f);

    tab(r, 40);
    termina(r, f);

    literal(r, "ab  ");
    termina(r, f);

    literal(r, "x");
    tab(r, 10);
    inteiro(r, 12, 4);
    fixo(r, 0.125, 6, 2);
    cientifico(r, 0.0125, 15, 4);
    literal(r, " :: fim");
    termina(r, f);

    literal(r, "abcdef");
    tab(r, 3);
    literal(r, "X");
    termina(r, f);
    f.fecha();
  }
  EXPECT_EQ(dir_.le("output/registros.txt"),
            "    ab   c\r\n"
            "ab\r\n"
            "\r\n"
            "ab  \r\n"
            "x          12  0.12     1.2500E-02 :: fim\r\n"
            "abXdef\r\n");
}

// 205 columns of titles, "iterações" in Windows-1252 at column 175.
const std::string cabecalho =
    "#      i      tempo (s)      Fd (N)         r (mm/s)       p (bar)        K (adim.)      "
    "fmt (kg/s)     Ve (m/s)       x (mm)         Cf (adim.)     Is (s)         dp (Pa)   "
    "itera\xE7\xF5"
    "es      a              n\r\n";

TEST_F(CamposEmArquivo, SerieCabecalhoELinha) {
  ASSERT_EQ(cabecalho.size(), 205u + 2);
  ASSERT_EQ(cabecalho.substr(174, 9),
            "itera\xE7\xF5"
            "es");

  const StepRecord s{12,     0.0125, 609.0, 0.0039797, 4e6,       106.01,   0.4586, 1328.0,
                     0.0015, 1.522,  NAN,   0.0,       123456789, 1.007e-4, -0.319};
  const std::string linha =
      "      12"
      "     1.2500E-02"  // t
      "     6.0900E+02"  // Fd
      "     3.9797E+00"  // r in mm/s
      "     4.0000E+01"  // p in bar
      "     1.0601E+02"  // Kn
      "     4.5860E+02"  // fmt in g/s
      "     1.3280E+03"  // Ve
      "     1.5000E+00"  // x in mm
      "     1.5220E+00"  // Cf
      "            NaN"  // Is
      "     0.0000E+00"  // dp
      "********"         // iteracoes
      "     1.0070E-04"  // a
      "    -3.1900E-01"  // n
      "\r\n";
  ASSERT_EQ(linha.size(), 211u + 2);

  char bytes[largura_linha + 2];
  formata_linha(s, bytes);
  EXPECT_EQ(std::string(bytes, sizeof bytes), linha);

  Serie serie = abre_serie("motor A");
  grava_linha(serie, s);
  grava_linha(serie, s);
  fecha_serie(serie);
  EXPECT_EQ(dir_.le("output/motor A.txt"), cabecalho + linha + linha);
}

}  // namespace
