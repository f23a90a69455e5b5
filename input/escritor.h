#pragma once
// The free-form writer: every console line, every plot-script line written
// without a fixed layout and every row of the burn-front frame files.
//
// A record holds at most 80 characters and ends in CR LF. A text item goes in
// as it is, after one blank when it opens a record or follows a number; an
// integer takes a right-aligned field of 12 characters and a double one of 24
// (15 significant digits in fixed form for 0.1 <= |v| < 1e15, else one digit,
// the point, 15 more and a three-digit exponent). A number that does not fit
// in what is left of the record starts a new one; so does a text item, and a
// text longer than a whole record runs on over as many records as it needs.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class ArquivoSaida;

struct ItemLivre {
  enum Tipo { texto, inteiro, real } tipo;
  std::string_view t;
  int32_t i = 0;
  double d = 0.0;
  ItemLivre(std::string_view t) : tipo(texto), t(t) {}
  ItemLivre(const char* t) : tipo(texto), t(t) {}
  ItemLivre(const std::string& t) : tipo(texto), t(t) {}
  ItemLivre(int32_t i) : tipo(inteiro), i(i) {}
  ItemLivre(double d) : tipo(real), d(d) {}
};

// Writes one record (more only when its items wrap).
void grava_livre(ArquivoSaida& saida, std::initializer_list<ItemLivre> itens);

// Widths of the free-form number fields and of a record.
constexpr int largura_inteiro_livre = 12;
constexpr int largura_real_livre = 24;
constexpr int largura_registro_livre = 80;

// The 24 characters of a double in a free-form record, into `campo`.
void formata_real_livre(double v, char campo[largura_real_livre]);
