// The free-form reader on small files: separators, nulls, slashes,
// repetition, text, number tokens, record ends and the fatal errors.

#include "input/leitor.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "execucao.h"
#include "input/erro.h"

namespace fs = std::filesystem;

namespace {

// What a field holds before a read: a read that leaves it alone shows these.
constexpr int32_t inteiro_antes = 7777;
constexpr double real_antes = -1.5;
const std::string texto_antes = "~";

std::string mostra(double v) {
  if (std::isnan(v)) return "nan";
  char s[64];
  auto r = std::to_chars(s, s + sizeof s, v);  // shortest form that reads back
  return std::string(s, r.ptr);
}

std::string mostra(const std::string& texto) {
  if (texto.size() != tamanho_texto) return "<length " + std::to_string(texto.size()) + ">";
  return texto.substr(0, texto.find_last_not_of(' ') + 1);
}

// Reads `arquivo` with the reads described by `leituras`: one word per call of
// le, one letter per field (t text, i integer, r real). Returns every field
// afterwards, joined by '|'.
std::string le_tudo(const fs::path& arquivo, const std::string& leituras) {
  Leitor leitor(arquivo.string());
  std::string resultado;
  bool primeiro = true;
  std::size_t inicio = 0;
  while (inicio < leituras.size()) {
    std::size_t fim = leituras.find(' ', inicio);
    if (fim == std::string::npos) fim = leituras.size();
    const std::string tipos = leituras.substr(inicio, fim - inicio);
    inicio = fim + 1;

    std::vector<std::string> textos(tipos.size());
    std::vector<int32_t> inteiros(tipos.size(), inteiro_antes);
    std::vector<double> reais(tipos.size(), real_antes);
    std::vector<Leitor::Campo> c;
    for (std::size_t k = 0; k < tipos.size(); ++k) {
      textos[k] = texto_antes + std::string(tamanho_texto - 1, ' ');
      if (tipos[k] == 't') c.push_back(Leitor::campo(textos[k]));
      if (tipos[k] == 'i') c.push_back(Leitor::campo(inteiros[k]));
      if (tipos[k] == 'r') c.push_back(Leitor::campo(reais[k]));
    }
    switch (c.size()) {
      case 1: leitor.le({c[0]}); break;
      case 2: leitor.le({c[0], c[1]}); break;
      case 3: leitor.le({c[0], c[1], c[2]}); break;
      case 4: leitor.le({c[0], c[1], c[2], c[3]}); break;
      default: ADD_FAILURE() << "bad read description " << tipos;
    }
    for (std::size_t k = 0; k < tipos.size(); ++k) {
      if (!primeiro) resultado += '|';
      primeiro = false;
      if (tipos[k] == 't') resultado += mostra(textos[k]);
      if (tipos[k] == 'i') resultado += std::to_string(inteiros[k]);
      if (tipos[k] == 'r') resultado += mostra(reais[k]);
    }
  }
  return resultado;
}

std::string entre_apostrofos(const std::string& t) {
  std::string s(1, '\'');
  s += t;
  s += '\'';
  return s;
}

std::string mensagem(int status, const fs::path& arquivo) {
  const char* kind = status == 24   ? "fim de arquivo durante a leitura"
                     : status == 59 ? "erro de sintaxe na leitura"
                     : status == 64 ? "erro de conversao na leitura"
                                    : "?";
  return "erro fatal (" + std::to_string(status) + "): " + kind + ", arquivo " + arquivo.string();
}

class LeitorLivre : public testing::Test {
 protected:
  fs::path grava(const std::string& bytes) {
    dir_.escreve("dados.txt", bytes);
    return dir_.caminho() / "dados.txt";
  }
  DiretorioTrabalho dir_{false};
};

struct Leitura {
  const char* nome;
  std::string arquivo;
  const char* leituras;
  std::string esperado;
};

TEST_F(LeitorLivre, ReadsValuesByTheFreeFormRules) {
  const std::string x128(128, 'x'), x200(200, 'x');
  const std::string zeros2048(2048, '0');
  const std::vector<Leitura> casos = {
      // Separators.
      {"blanks", "1 2 3", "iii", "1|2|3"},
      {"tabs and a comma", "1\t2,3", "iii", "1|2|3"},
      {"comma with blanks around", "1 , 2 ,\t3", "iii", "1|2|3"},
      {"record ends are blanks", "1\n\n  \n2\n3", "iii", "1|2|3"},
      {"blank lines before a value", "\n\n \t\n  42  :: nota", "i", "42"},
      {"semicolon is not a separator", "'a;b' c;d", "tt", "a;b|c;d"},
      // Nulls and slashes keep what the field held.
      {"two commas are a null", "1,,3", "iii", "1|7777|3"},
      {"comma first is a null", ",2,3", "iii", "7777|2|3"},
      {"trailing comma then next record", "1,2,\n9", "iii", "1|2|9"},
      {"comma after a record end separates", "5\n,6", "ii", "5|6"},
      {"second comma over a record end is a null", "5,\n,6", "ii", "5|7777"},
      {"slash ends the read", "1 / 2 3", "iii", "1|7777|7777"},
      {"slash right after a value", "1/2", "ii", "1|7777"},
      {"slash alone", "/", "t", "~"},
      {"slash then the next read", "1 / 2\n5", "ii i", "1|7777|5"},
      {"a null, then the next read", ",\n7", "r i", "-1.5|7"},
      // Repetition.
      {"r*v", "3*5", "iii", "5|5|5"},
      {"r*v then a value", "2*5 7", "iii", "5|5|7"},
      {"r*v of reals", "2*1.5,4", "rrr", "1.5|1.5|4"},
      {"r*v of text", "2*'a b'", "tt", "a b|a b"},
      {"r* alone is r nulls", "2* 7", "iii", "7777|7777|7"},
      {"r* before a comma", "2*,3", "iii", "7777|7777|3"},
      {"r* at the record end", "2*\n5", "iii", "7777|7777|5"},
      {"unused copies are discarded", "4*1\n9", "ii i", "1|1|9"},
      {"largest repeat count", "2147483647*8", "i", "8"},
      // Text.
      {"apostrophes", "'Motor A' :: titulo", "t", "Motor A"},
      {"undelimited stops at a blank", "Motor A", "t", "Motor"},
      {"double quotes", "\"It's\"", "t", "It's"},
      {"doubled apostrophe", "'It''s'", "t", "It's"},
      {"doubled double quote", "\"say \"\"hi\"\"\"", "t", "say \"hi\""},
      {"delimited keeps blanks, commas and slashes", "'  a, b/c  '", "t", "  a, b/c"},
      {"delimited runs over a record end", "'ab\ncd' 5\n7", "t i", "abcd|7"},
      {"empty delimited text", "'' 3", "ti", "|3"},
      {"undelimited path stops at the slash", "casos/m1.txt", "t", "casos"},
      {"undelimited stops at a comma", "ab,cd", "tt", "ab|cd"},
      {"bytes copied as read", "'Op\xE7\xE3o'", "t", "Op\xE7\xE3o"},
      {"200 characters keep the first 128", entre_apostrofos(x200), "t", x128},
      {"undelimited 200 characters too", x200, "t", x128},
      // Integer tokens.
      {"signed integer after blanks", "  +3 :: nota", "i", "3"},
      {"negative integer", "-12", "i", "-12"},
      {"leading zeros", "007", "i", "7"},
      {"32-bit limits", "2147483647 -2147483648", "ii", "2147483647|-2147483648"},
      // Real tokens.
      {"D exponent", "2.5D-3", "r", "0.0025"},
      {"e exponent", "2.5e-3", "r", "0.0025"},
      {"E exponent, no point", "25E-4", "r", "0.0025"},
      {"d and q exponents", "2.5d-3 2.5q-3 2.5Q-3", "rrr", "0.0025|0.0025|0.0025"},
      {"point first", ".0025", "r", "0.0025"},
      {"point last", "3.", "r", "3"},
      {"integer form into a real", "3", "r", "3"},
      {"signed exponent", "-1.5E+02", "r", "-150"},
      {"comment after a blank", "0.025 :: Diametro da garganta (m)", "r", "0.025"},
      {"infinity words", "INF -inf +Infinity", "rrr", "inf|-inf|inf"},
      {"nan words", "nan -NaN NAN(0x1f)", "rrr", "nan|nan|nan"},
      // The longest value is 2049 characters; a record may be longer.
      {"2049-character token", zeros2048 + "5\n" + zeros2048 + "5", "r i", "5|5"},
      {"2049-character text", entre_apostrofos(std::string(2049, 'x')), "t", x128},
      {"long comment after a value", "1 " + std::string(5000, 'c'), "i", "1"},
      // Record ends.
      {"CR LF", "1\r\n2\r\n", "i i", "1|2"},
      {"CR is not part of an undelimited text", "abc\r\n'd'\r\n", "t t", "abc|d"},
      {"last line without a line feed", "1\n2", "i i", "1|2"},
  };
  for (const Leitura& c : casos) {
    SCOPED_TRACE(c.nome);
    fs::path arquivo = grava(c.arquivo);
    try {
      EXPECT_EQ(le_tudo(arquivo, c.leituras), c.esperado);
    } catch (const ErroFatal& e) {
      ADD_FAILURE() << "fatal error " << e.status << ": " << e.what();
    }
  }
}

struct LeituraErrada {
  const char* nome;
  std::string arquivo;
  const char* leituras;
  int status;
};

TEST_F(LeitorLivre, FatalErrorsNameTheirKindAndFile) {
  const std::vector<LeituraErrada> casos = {
      {"empty file", "", "i", 24},
      {"blank lines only", "\r\n  \r\n", "i", 24},
      {"too few values", "1 2", "iii", 24},
      {"next read after the last record", "1 2 3\n", "i i", 24},
      {"unterminated text", "'abc\ndef", "t", 24},
      // Characters no number holds: syntax, whatever the field.
      {"colons against an integer", "6:: grao", "i", 59},
      {"only a comment where an integer is due", ":: grao", "i", 59},
      {"colons against a real", "0.025:: Dg", "r", 59},
      {"letter in an integer", "12a", "i", 59},
      {"semicolon in an integer", "1;2", "i", 59},
      {"two points in an integer", "1.2.3", "i", 59},
      {"infinity word in an integer", "inf", "i", 59},
      // Number characters wrongly arranged: conversion in an integer field.
      {"decimal point in an integer", "1.0", "i", 64},
      {"exponent in an integer", "1e5", "i", 64},
      {"lone sign in an integer", "+", "i", 64},
      {"sign after the digits in an integer", "3.0+2", "i", 64},
      {"integer one past the top", "2147483648", "i", 64},
      {"integer one past the bottom", "-2147483649", "i", 64},
      {"integer far out of range", "99999999999999999999", "i", 64},
      // ...and syntax in a real field.
      {"exponent letter without digits", "1e", "r", 59},
      {"exponent sign without digits", "1.0e+", "r", 59},
      {"lone sign", "+", "r", 59},
      {"lone point", ".", "r", 59},
      {"exponent without its letter", "3.0+2", "r", 59},
      {"sign inside the digits", "1-2", "r", 59},
      {"two points", "1.2.3", "r", 59},
      {"letters", "abc", "r", 59},
      {"exponent without a mantissa", "e5", "r", 59},
      {"not quite infinity", "INFIN", "r", 59},
      {"nan with an open parenthesis", "NAN(", "r", 59},
      // Repeat counts.
      {"zero repeat count", "0*5", "i", 59},
      {"zero nulls", "0*", "i", 59},
      {"repeat count out of range", "2147483648*1", "i", 59},
      // Longer than 2049 characters.
      {"2050-character token", std::string(2049, '0') + "5", "r", 59},
      {"2050-character delimited text", entre_apostrofos(std::string(2050, 'x')), "t", 59},
      {"2050-character undelimited text", std::string(2050, 'x'), "t", 59},
  };
  for (const LeituraErrada& c : casos) {
    SCOPED_TRACE(c.nome);
    fs::path arquivo = grava(c.arquivo);
    try {
      std::string lido = le_tudo(arquivo, c.leituras);
      ADD_FAILURE() << "no error; read " << lido;
    } catch (const ErroFatal& e) {
      EXPECT_EQ(e.status, c.status);
      EXPECT_EQ(std::string(e.what()), mensagem(c.status, arquivo));
    }
  }
}

TEST_F(LeitorLivre, AbsentFileIsCreatedEmptyAndEndsAtOnce) {
  const fs::path arquivo = dir_.caminho() / "novo.txt";
  try {
    le_tudo(arquivo, "i");
    ADD_FAILURE() << "no error";
  } catch (const ErroFatal& e) {
    EXPECT_EQ(e.status, 24);
    EXPECT_EQ(std::string(e.what()), mensagem(24, arquivo));
  }
  ASSERT_TRUE(fs::exists(arquivo));
  EXPECT_EQ(fs::file_size(arquivo), 0u);
}

TEST_F(LeitorLivre, SkippingConsumesOneRecordWhateverItHolds) {
  // Heading, a blank record, a malformed one, and a last line without LF.
  Leitor leitor(grava("p n a\r\n\r\n1.2.3 :: x\r\n4 5").string());
  leitor.pula_registro();
  EXPECT_TRUE(leitor.tenta_pular_registro());
  EXPECT_TRUE(leitor.tenta_pular_registro());
  EXPECT_TRUE(leitor.tenta_pular_registro());
  EXPECT_FALSE(leitor.tenta_pular_registro());
  EXPECT_FALSE(leitor.tenta_pular_registro());
  try {
    leitor.pula_registro();
    ADD_FAILURE() << "no error";
  } catch (const ErroFatal& e) {
    EXPECT_EQ(e.status, 24);
  }
}

TEST_F(LeitorLivre, ReadsAndSkipsShareTheRecordSequence) {
  // A read discards the rest of its record, so the skip takes the next one.
  Leitor leitor(grava("1 2\n3\n4\n").string());
  int32_t a = 0, b = 0;
  leitor.le({Leitor::campo(a)});
  leitor.pula_registro();
  leitor.le({Leitor::campo(b)});
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 4);
  EXPECT_FALSE(leitor.tenta_pular_registro());
}

TEST(Apara, RemovesOnlyBlanks) {
  struct {
    const char* texto;
    const char* esperado;
  } casos[] = {
      {"  caso.txt   ", "caso.txt"},
      {"motor A", "motor A"},
      {"   ", ""},
      {"\tcaso.txt\t ", "\tcaso.txt\t"},
  };
  for (const auto& c : casos) EXPECT_EQ(apara(c.texto), c.esperado) << '[' << c.texto << ']';
}

}  // namespace
