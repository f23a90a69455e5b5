// The six reference runs: each working directory's input, and every byte the
// run must leave on the console, in output/ and (for the activation-front
// grain) in temp/ before the clean-up.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "execucao.h"

namespace fs = std::filesystem;

namespace {

// A stand-in plotter that keeps a copy of what temp/ holds when it runs, so
// that the frame files can be compared after the clean-up has removed them.
constexpr const char* plotter_copia =
    "#!/bin/sh\n"
    "/bin/mkdir -p capturados\n"
    "/bin/cp temp/*.txt capturados/ 2>/dev/null\n"
    "/bin/cat >/dev/null\n";

class Golden : public testing::TestWithParam<const char*> {};

TEST_P(Golden, ReproduzCadaByte) {
  const fs::path caso = dados_testes() / "golden" / GetParam();
  DiretorioTrabalho dir;
  dir.copia_de(caso / "input");
  fs::create_directory(dir.caminho() / "gnuplot");
  dir.escreve("gnuplot/gnuplot", plotter_copia);
  fs::permissions(dir.caminho() / "gnuplot/gnuplot", fs::perms::owner_all);

  Execucao r = dir.executa();

  EXPECT_EQ(std::to_string(r.status) + "\n", le_arquivo(caso / "expected/status"));
  EXPECT_EQ(r.saida, le_arquivo(caso / "expected/stdout"));
  EXPECT_EQ(r.erro, "");
  for (const auto& e : fs::directory_iterator(caso / "expected/output")) {
    const std::string nome = e.path().filename().string();
    ASSERT_TRUE(dir.existe("output/" + nome)) << nome;
    EXPECT_TRUE(dir.le("output/" + nome) == le_arquivo(e.path())) << nome << " differs";
  }
  if (fs::exists(caso / "expected/frames")) {
    for (const auto& e : fs::directory_iterator(caso / "expected/frames")) {
      const std::string nome = e.path().filename().string();
      ASSERT_TRUE(dir.existe("capturados/" + nome)) << nome;
      EXPECT_TRUE(dir.le("capturados/" + nome) == le_arquivo(e.path())) << nome << " differs";
    }
  }
  for (const auto& e : fs::directory_iterator(dir.caminho() / "temp"))
    EXPECT_NE(e.path().extension(), ".txt") << e.path() << " left in temp/";
}

INSTANTIATE_TEST_SUITE_P(Execucoes, Golden,
                         testing::Values("bates-knsu", "endburner-table", "tube-all",
                                         "cylinder-powder", "four-segments", "activation"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string nome = info.param;
                           for (char& c : nome)
                             if (c == '-') c = '_';
                           return nome;
                         });

}  // namespace
