#pragma once
// One step of the burning phase.

#include "engine/estado.h"
#include "engine/passo.h"
#include "input/caso.h"
#include "input/tabela.h"
#include "models/grao.h"

// The state before the first step: ambient pressure, the case's burn-rate
// law (or the table's at ambient pressure), nothing burnt.
EstadoPasso estado_inicial(const CaseParameters& caso, const BurnRateTable* tabela);

// Step e.i: the burn-rate law at the previous pressure, the advance of the
// burning surfaces, the pressure solve, the performance and the totals.
// Fills `s` with the step's row and returns true; returns false, with no row,
// when an activation-front grain burnt out in this step.
bool passo_queima(EstadoPasso& e, const CaseParameters& caso, GrainGeometry& g,
                  const BurnRateTable* tabela, RunTotals& totais, StepRecord& s);
