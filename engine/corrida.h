#pragma once
// The run, from the command file to the last picture.

class ArquivoSaida;

struct CaseParameters;

// Runs every phase in order, writing its progress lines on `console`.
// Fatal input and output errors leave as ErroFatal.
void executa_corrida(ArquivoSaida& console);

// Every phase after the case input: the burn-rate table, the grain, the
// burn, the tail-off and the reports.
void executa_caso(CaseParameters& caso, ArquivoSaida& console);
