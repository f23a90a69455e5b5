#pragma once
// The tail-off: after burnout the chamber empties through the nozzle, step by
// step, until the thrust has fallen to 0.3 N or the step limit is reached.

#include "engine/estado.h"
#include "engine/passo.h"
#include "input/caso.h"
#include "input/tabela.h"
#include "models/grao.h"
#include "reports/serie.h"

// Tail-off steps i + 1, i + 2, ... from the state of the last burning step i.
// Returns the number of rows written.
int32_t despressuriza(EstadoPasso& e, const CaseParameters& caso, const GrainGeometry& g,
                      const BurnRateTable* tabela, Serie& serie, RunTotals& totais);

// Thrust (N) at or below which the tail-off ends.
inline constexpr double empuxo_final = 0.3;
