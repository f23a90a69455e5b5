#include "input/tabela.h"

#include "input/erro.h"
#include "input/leitor.h"

BurnRateTable le_tabela() {
  BurnRateTable t;
  {
    // Counting pass: every record after the heading is a row, blank or not.
    Leitor leitor(arquivo_tabela);
    leitor.pula_registro();
    int32_t conta = 1;
    while (leitor.tenta_pular_registro()) {
      ++conta;
      if (conta > linhas_maximas) break;
    }
    t.N = conta - 1;
  }
  // A table with only its heading has no row to look up.
  if (t.N == 0) erro_arquivo(fim_de_arquivo, arquivo_tabela);

  t.p_tab.resize(static_cast<std::size_t>(t.N));
  t.n_tab.resize(static_cast<std::size_t>(t.N));
  t.a_tab.resize(static_cast<std::size_t>(t.N));
  Leitor leitor(arquivo_tabela);
  leitor.pula_registro();
  for (std::size_t i = 0; i < t.p_tab.size(); ++i)
    leitor.le({Leitor::campo(t.p_tab[i]), Leitor::campo(t.n_tab[i]), Leitor::campo(t.a_tab[i])});
  return t;
}

ParametrosQueima consulta_tabela(const BurnRateTable& tabela, double p) {
  std::size_t i = 0;
  std::size_t ultima = tabela.p_tab.size() - 1;
  while (i < ultima && !(tabela.p_tab[i] >= p)) ++i;
  return {tabela.a_tab[i], tabela.n_tab[i]};
}
