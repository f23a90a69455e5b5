#pragma once
// The time-series file ./output/T.txt: a header record, then one 211-column
// row per step, burning and tail-off alike.

#include <memory>
#include <string>

#include "engine/passo.h"
#include "input/arquivo.h"

struct Serie {
  std::unique_ptr<ArquivoSaida> arquivo;
};

// Creates the file for the trimmed title and writes its header.
Serie abre_serie(const std::string& titulo);
void grava_linha(Serie& serie, const StepRecord& s);
void fecha_serie(Serie& serie);

// Columns of a row: an 8-wide step index, eleven 15-wide scientific fields,
// the 8-wide trial count, two more scientific fields.
inline constexpr int largura_linha = 8 + 11 * 15 + 8 + 2 * 15;

// The row's bytes (largura_linha characters, then CR LF) into `linha`.
void formata_linha(const StepRecord& s, char linha[largura_linha + 2]);
