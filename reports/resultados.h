#pragma once
// The results summary ./output/T_resultados.txt: the case echoed with its
// labels, the masses, the impulse class and the run's overall figures.

#include <string>

#include "engine/passo.h"
#include "input/caso.h"
#include "models/grao.h"

void grava_resultados(const CaseParameters& caso, const GrainGeometry& g, const RunTotals& t);

// The class text: the class name, " - " and the mean thrust in a fixed field
// 15.2, trimmed; only the mean thrust when the total impulse (N s) matches no
// class.
std::string classe_impulso(double It, double Fd_med);
