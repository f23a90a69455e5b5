#pragma once
// Runs the real program in a scratch working directory, for the tests that
// check what it writes, prints and returns.

#include <filesystem>
#include <string>

#include "input/caso.h"

struct Execucao {
  int status;          // exit status (-1 when killed by a signal)
  std::string saida;   // standard output, bytes as written
  std::string erro;    // standard error
};

class DiretorioTrabalho {
 public:
  // A new empty directory with output/ and temp/ in it (unless told not to).
  explicit DiretorioTrabalho(bool com_pastas = true);
  ~DiretorioTrabalho();

  const std::filesystem::path& caminho() const { return raiz_; }
  void escreve(const std::string& nome, const std::string& bytes) const;
  std::string le(const std::string& nome) const;
  bool existe(const std::string& nome) const;
  // Copies every file of `origem` into the directory.
  void copia_de(const std::filesystem::path& origem) const;

  // Runs the program here. The plotter is looked up on `path` (by default a
  // PATH with no plotter on it).
  Execucao executa(const std::string& path = "/nonexistent") const;

 private:
  std::filesystem::path raiz_;
};

// A complete case file: the values in record order, each followed by a
// blank and a comment, as engineers write them.
struct CasoTeste {
  std::string titulo = "'teste'";
  std::string Dg = "0.010", De = "0.050", Di = "0.020", L = "0.080";
  std::string grao = "6", freq = "0", tx_ativ = "0.0", rho_p = "1800.0";
  std::string a = "1.007e-4", n = "0.319", pa = "101325.0", dt = "5.0e-4";
  std::string npassos = "100000", itmax = "300", tol = "1.0", relax = "0.25", ho = "1000.0";
  std::string Cd = "1.0", Et = "1.0", tab_pq = "0", prop = "0";
  std::string texto() const;
};

// An activation-front grain (type 4) of 201 cells, lit at 0.25 m/s in steps
// of 1 ms, with a frame every 5 steps: the reference "frente" motor.
CasoTeste caso_frente();

// The reference tube as read from its case file: 50 x 20 x 80 mm burning
// on its core and ends (type 6), KNSu 65/35, a 10 mm throat, steps of 0.5 ms.
CaseParameters tubo_referencia();

// Every byte of a file (empty when it cannot be read).
std::string le_arquivo(const std::filesystem::path& p);

// Writes tavrum_1p4.in naming caso.txt, and caso.txt from `caso`.
void prepara_caso(const DiretorioTrabalho& dir, const CasoTeste& caso);

// Folder of the tests' data files (the golden runs).
std::filesystem::path dados_testes();
