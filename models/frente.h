#pragma once
// The activation-front grain (type 4): a tube lit one axial cell per step,
// from cell 1 on, whose cells' front radii grow from Ri until they burn
// through at Re. Every freq steps the front profile goes to a frame file in
// ./temp for the burn-front animation.

#include <cstdint>

#include "input/caso.h"
#include "models/grao.h"

class ArquivoSaida;

// Cell count and length, the front array, and the two console lines. A case
// whose cell count cannot be formed stops here, before any file is written.
void inicia_frente(GrainGeometry& g, const CaseParameters& caso, ArquivoSaida& console);

// One step: grows the fronts by dx, sets Ab and Vc and writes a frame every
// freq steps. True when the burning area has vanished.
bool avanca_frente(GrainGeometry& g, double dx, int32_t i, int32_t freq);

// Frame file ./temp/NNNNN.txt of the current fronts, NNNNN being nquadros.
void grava_quadro(GrainGeometry& g);

// The grain's half-section outline, ./temp/grao.txt.
void grava_contorno(const GrainGeometry& g);

// Five-digit name of frame j; frames from 100000 on reuse 99999.
void nome_do_quadro(int32_t j, char nome[6]);
