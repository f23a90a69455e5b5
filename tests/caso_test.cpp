// The command file and the case file, through the real program: every way
// reading them can stop the run, and case files written differently that
// must run exactly like the plain one.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "execucao.h"

namespace fs = std::filesystem;

namespace {

// The test case, kept short.
CasoTeste caso_curto() {
  CasoTeste c;
  c.npassos = "200";
  return c;
}

// The first `n` records of the case file of `c`.
std::string primeiros_registros(const CasoTeste& c, int n) {
  const std::string t = c.texto();
  std::size_t fim = 0;
  for (int k = 0; k < n; ++k) fim = t.find("\r\n", fim) + 2;
  return t.substr(0, fim);
}

// stderr must be the one fatal-error line: the kind, its number and the
// absolute path of the file.
void confere_erro(const Execucao& r, int status, const std::string& tipo, const fs::path& arquivo) {
  EXPECT_EQ(r.status, status);
  std::string linha = r.erro;
  if (linha.size() >= 1 && linha.back() == '\n') linha.pop_back();
  if (linha.size() >= 1 && linha.back() == '\r') linha.pop_back();
  EXPECT_EQ(linha, "erro fatal (" + std::to_string(status) + "): " + tipo + ", arquivo " +
                       arquivo.string());
  EXPECT_EQ(r.saida, "");  // nothing was written before the case was read
}

constexpr const char* fim_de_arquivo = "fim de arquivo durante a leitura";
constexpr const char* sintaxe = "erro de sintaxe na leitura";
constexpr const char* conversao = "erro de conversao na leitura";

struct CasoErrado {
  const char* nome;
  const char* comando;           // the command file; nullptr: none
  int registros;                 // records of the case file written; -1: no case file
  std::string CasoTeste::*campo;  // a value to replace, or nullptr
  const char* valor;
  int status;
  const char* tipo;
  const char* arquivo;  // the file the message names, relative to the directory
  bool criado_vazio;    // the program created that file empty
};

TEST(CasoEntrada, ReadingErrorsStopTheRunBeforeAnyOutput) {
  const CasoErrado casos[] = {
      {"command file absent", nullptr, 22, nullptr, nullptr, 24, fim_de_arquivo,
       "tavrum_1p4.in", true},
      {"command file of blank lines", "\r\n   \r\n", 22, nullptr, nullptr, 24, fim_de_arquivo,
       "tavrum_1p4.in", false},
      {"case file absent", "'caso.txt'\r\n", -1, nullptr, nullptr, 24, fim_de_arquivo,
       "caso.txt", true},
      {"case file in a missing folder", "'nada/caso.txt'\r\n", 22, nullptr, nullptr, 29,
       "arquivo nao encontrado", "nada/caso.txt", false},
      // The undelimited name ends at the slash: "casos" is opened.
      {"undelimited path", "casos/m1.txt\r\n", 22, nullptr, nullptr, 24, fim_de_arquivo, "casos",
       true},
      {"21 values", "'caso.txt'\r\n", 21, nullptr, nullptr, 24, fim_de_arquivo, "caso.txt",
       false},
      {"title never closed", "'caso.txt'\r\n", 22, &CasoTeste::titulo, "'teste", 24,
       fim_de_arquivo, "caso.txt", false},
      {"comment against the value", "'caso.txt'\r\n", 22, &CasoTeste::Dg, "0.025::", 59, sintaxe,
       "caso.txt", false},
      {"only a comment where a real is due", "'caso.txt'\r\n", 22, &CasoTeste::Dg, "::", 59,
       sintaxe, "caso.txt", false},
      {"only a comment where an integer is due", "'caso.txt'\r\n", 22, &CasoTeste::grao, "::", 59,
       sintaxe, "caso.txt", false},
      {"decimal point in the grain type", "'caso.txt'\r\n", 22, &CasoTeste::grao, "2.0", 64,
       conversao, "caso.txt", false},
      {"step limit out of range", "'caso.txt'\r\n", 22, &CasoTeste::npassos, "2147483648", 64,
       conversao, "caso.txt", false},
  };
  for (const CasoErrado& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    CasoTeste caso = caso_curto();
    if (c.campo) caso.*c.campo = c.valor;
    if (c.comando) dir.escreve("tavrum_1p4.in", c.comando);
    if (c.registros >= 0) dir.escreve("caso.txt", primeiros_registros(caso, c.registros));

    Execucao r = dir.executa();

    const fs::path raiz = fs::canonical(dir.caminho());
    confere_erro(r, c.status, c.tipo, raiz / c.arquivo);
    if (c.criado_vazio) {
      ASSERT_TRUE(fs::is_regular_file(raiz / c.arquivo));
      EXPECT_EQ(fs::file_size(raiz / c.arquivo), 0u);
    }
    EXPECT_TRUE(fs::is_empty(raiz / "output"));
  }
}

struct CasoEquivalente {
  const char* nome;
  const char* comando;
  std::string (*arquivo)(CasoTeste);  // the case file, from the plain case
};

// Everything a run writes to the console and to output/.
std::string resultado(const DiretorioTrabalho& dir, const Execucao& r) {
  return "status " + std::to_string(r.status) + "\n" + r.saida + dir.le("output/teste.txt") +
         dir.le("output/teste_resultados.txt");
}

TEST(CasoEntrada, EquivalentCaseFilesRunAlike) {
  const CasoEquivalente casos[] = {
      {"blank lines between records and notes after the last",
       "'caso.txt'\r\n",
       [](CasoTeste c) {
         return primeiros_registros(c, 5) + "\r\n \t \r\n" +
                c.texto().substr(primeiros_registros(c, 5).size()) +
                "notas do ensaio\r\n1 2 3\r\n'nunca fechado\r\n";
       }},
      {"other number forms",
       "'caso.txt'\r\n",
       [](CasoTeste c) {
         c.Dg = "1.0d-2";
         c.De = "5.0E-2";
         c.Di = ".02";
         c.L = "8q-2";
         c.rho_p = "1800";
         c.pa = "+101325";
         c.npassos = "+200";
         return c.texto();
       }},
      // Fields start at zero, and a null or a slash leaves that zero.
      {"nulls and slashes where the value is zero",
       "'caso.txt'\r\n",
       [](CasoTeste c) {
         c.freq = ",";
         c.tx_ativ = "/";
         c.tab_pq = ", 1";
         c.prop = "/ 3";
         return c.texto();
       }},
      {"tabs, commas and an undelimited title",
       "'caso.txt'\r\n",
       [](CasoTeste c) {
         c.titulo = "teste";
         c.Dg = "\t0.010\t";
         c.De = "0.050,";
         c.dt = "5.0e-4,9";
         return c.texto();
       }},
      {"LF record ends and no line end after the last record",
       "'caso.txt'\r\n",
       [](CasoTeste c) {
         std::string t;
         for (char ch : c.texto())
           if (ch != '\r') t += ch;
         t.pop_back();
         return t;
       }},
      {"leading blanks inside the apostrophes of the name",
       "'   caso.txt'  outros valores\r\n'nao lido'\r\n",
       [](CasoTeste c) { return c.texto(); }},
      {"name between double quotes, no line end", "\"caso.txt\"",
       [](CasoTeste c) { return c.texto(); }},
  };

  DiretorioTrabalho base;
  prepara_caso(base, caso_curto());
  const Execucao r0 = base.executa();
  ASSERT_EQ(r0.status, 0) << r0.erro;
  const std::string esperado = resultado(base, r0);

  for (const CasoEquivalente& c : casos) {
    SCOPED_TRACE(c.nome);
    DiretorioTrabalho dir;
    dir.escreve("tavrum_1p4.in", c.comando);
    dir.escreve("caso.txt", c.arquivo(caso_curto()));
    const Execucao r = dir.executa();
    ASSERT_EQ(r.status, 0) << r.erro;
    EXPECT_TRUE(resultado(dir, r) == esperado) << "output differs";
  }
}

TEST(CasoEntrada, LongTitleIsCutTo128AndTrimmed) {
  // Two blanks, 150 a's, 48 b's: the field keeps the blanks and 126 a's, and
  // the file names use them without the blanks.
  CasoTeste c = caso_curto();
  c.titulo = "'  " + std::string(150, 'a') + std::string(48, 'b') + "'";
  DiretorioTrabalho dir;
  prepara_caso(dir, c);

  const Execucao r = dir.executa();

  ASSERT_EQ(r.status, 0) << r.erro;
  const std::string t(126, 'a');
  EXPECT_TRUE(dir.existe("output/" + t + ".txt"));
  EXPECT_TRUE(dir.existe("output/" + t + "_resultados.txt"));
  for (const auto& e : fs::directory_iterator(dir.caminho() / "output"))
    EXPECT_EQ(e.path().filename().string().find('b'), std::string::npos) << e.path();
}

}  // namespace
