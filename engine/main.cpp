// tavrum: internal ballistics of a small solid-propellant rocket motor.
// Takes no arguments: the command file tavrum_1p4.in in the working directory
// names the case file; the results go to ./output (and ./temp for the
// activation-front grain).

#include <cstdio>

#include "engine/corrida.h"
#include "engine/ponto_flutuante.h"
#include "input/arquivo.h"
#include "input/erro.h"

int main() {
  desliga_denormais();
  ArquivoSaida console;
  try {
    executa_corrida(console);
  } catch (const ErroFatal& erro) {
    console.descarrega();
    (void)std::fprintf(stderr, "%s\n", erro.what());
    return erro.status;
  }
  console.fecha();
  return 0;
}
