#pragma once
// The burn-rate table "tabela_pq.txt": bands of chamber pressure, each with
// its own exponent and coefficient of r = a p^n.

#include <cstdint>
#include <vector>

struct BurnRateTable {
  int32_t N = 0;               // rows, at most linhas_maximas
  std::vector<double> p_tab;   // column 1: the row's pressure (Pa)
  std::vector<double> n_tab;   // column 2: exponent
  std::vector<double> a_tab;   // column 3: coefficient (m/s/Pa^n)
};

inline constexpr const char* arquivo_tabela = "tabela_pq.txt";
inline constexpr int32_t linhas_maximas = 10000;

// Reads the table: a heading record, then one row of pressure, exponent and
// coefficient per record. A table with no rows stops the run with the
// end-of-file error.
BurnRateTable le_tabela();

struct ParametrosQueima {
  double a;
  double n;
};

// The row in force at pressure p: the first row whose pressure is at least p,
// or the last row above them all. A step function, not an interpolation.
ParametrosQueima consulta_tabela(const BurnRateTable& tabela, double p);
