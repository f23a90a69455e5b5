#include "input/escritor.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "input/arquivo.h"

void formata_real_livre(double v, char campo[largura_real_livre]) {
  std::memset(campo, ' ', largura_real_livre);
  auto alinha_direita = [&](const char* s, int n, int fim) {
    std::memcpy(campo + fim - n, s, static_cast<std::size_t>(n));
  };
  if (std::isnan(v)) return alinha_direita("NaN", 3, largura_real_livre);
  if (std::isinf(v)) {
    if (v < 0) return alinha_direita("-Infinity", 9, largura_real_livre);
    return alinha_direita("Infinity", 8, largura_real_livre);
  }
  if (v == 0.0) return alinha_direita("0.000000000000000E+000", 22, largura_real_livre);

  // The form is chosen by the magnitude after rounding to 15 digits.
  char d15[32];
  (void)std::snprintf(d15, sizeof d15, "%.14e", std::fabs(v));
  int expoente = std::atoi(std::strchr(d15, 'e') + 1);
  char s[48];
  int n;
  if (expoente >= -1 && expoente < 15) {
    // Fixed: the 15 digits, with 15 - k after the point (k integer digits).
    int k = expoente + 1;
    // The point stays even with no decimals after it (15 integer digits).
    n = std::snprintf(s, sizeof s, "%#.*f", 15 - k, v);
    return alinha_direita(s, n, 19);
  }
  // Exponent form: one digit, the point, 15 more, E, sign, 3 digits.
  (void)std::snprintf(s, sizeof s, "%.15E", v);
  char* e = std::strchr(s, 'E');
  int ex = std::atoi(e + 1);
  n = static_cast<int>(e - s) +
      std::snprintf(e, sizeof s - static_cast<std::size_t>(e - s), "E%c%03d", ex < 0 ? '-' : '+',
                    ex < 0 ? -ex : ex);
  alinha_direita(s, n, largura_real_livre);
}

void grava_livre(ArquivoSaida& saida, std::initializer_list<ItemLivre> itens) {
  char registro[largura_registro_livre + 2];
  int col = 0;             // characters in the record so far
  bool apos_numero = false;
  auto termina = [&]() {
    registro[col++] = '\r';
    registro[col++] = '\n';
    saida.escreve(registro, static_cast<std::size_t>(col));
    col = 0;
    apos_numero = false;
  };
  for (const ItemLivre& item : itens) {
    if (item.tipo == ItemLivre::texto) {
      std::size_t n = item.t.size();
      bool branco = col == 0 || apos_numero;
      if (col > 0 && col + (branco ? 1 : 0) + static_cast<int>(n) > largura_registro_livre) {
        termina();
        branco = true;
      }
      if (branco) registro[col++] = ' ';
      for (char c : item.t) {
        if (col == largura_registro_livre) {
          termina();
          registro[col++] = ' ';
        }
        registro[col++] = c;
      }
      apos_numero = false;
      continue;
    }
    int largura = item.tipo == ItemLivre::inteiro ? largura_inteiro_livre : largura_real_livre;
    if (col + largura > largura_registro_livre) termina();
    if (item.tipo == ItemLivre::inteiro) {
      char s[16];
      int n = std::snprintf(s, sizeof s, "%12d", static_cast<int>(item.i));
      std::memcpy(registro + col, s, static_cast<std::size_t>(n));
    } else {
      formata_real_livre(item.d, registro + col);
    }
    col += largura;
    apos_numero = true;
  }
  termina();
}
