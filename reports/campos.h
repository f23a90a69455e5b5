#pragma once
// Field kinds of the fixed-layout records (the time-series file, the results
// summary, the range records of the animation script).
//
// Numbers go right-aligned into fields of a fixed width: an integer field, a
// fixed field (d decimals) and a scientific field (one digit before the
// point, d decimals, then E and a two-digit exponent, or a three-digit one
// without the E from 100 on). A value that does not fit gives asterisks; one
// that is not finite gives Infinity, -Infinity or NaN. Rounding is to nearest
// on the exact binary value, ties to even, and a negative value keeps its
// minus sign even when it rounds to zero.

#include <cstdint>
#include <string>
#include <string_view>

class ArquivoSaida;

// Exactly w characters at `destino`.
void formata_inteiro(char* destino, int64_t v, int w);
void formata_fixo(char* destino, double v, int w, int d);
void formata_cientifico(char* destino, double v, int w, int d);
// The same through the C library's correctly rounded conversion: the
// reference the fast scientific field is checked against, and its fall-back.
void formata_cientifico_exato(char* destino, double v, int w, int d);

// One formatted record being built: fields, literals, tabs and skips place
// characters at a column; columns only skipped over are not written unless
// something follows them.
struct RegistroFixo {
  std::string texto;
  std::size_t col = 0;  // where the next character goes, counting from 0
};

void literal(RegistroFixo& r, std::string_view t);
void inteiro(RegistroFixo& r, int64_t v, int w);
void fixo(RegistroFixo& r, double v, int w, int d);
void cientifico(RegistroFixo& r, double v, int w, int d);
// The next character goes to column `coluna` (from 1).
void tab(RegistroFixo& r, int coluna);
// The next character goes n columns to the right.
void pula(RegistroFixo& r, int n);
// Writes the record with its CR LF and starts the next one empty.
void termina(RegistroFixo& r, ArquivoSaida& saida);
