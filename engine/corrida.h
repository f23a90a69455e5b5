#pragma once
// The run, from the command file to the last picture.

class ArquivoSaida;

// Runs every phase in order, writing its progress lines on `console`.
// Fatal input and output errors leave as ErroFatal.
void executa_corrida(ArquivoSaida& console);
