#include "input/caso.h"

#include "input/leitor.h"

CaseParameters le_caso() {
  std::string nome(tamanho_texto, ' ');
  {
    Leitor comando(arquivo_comando);
    comando.le({Leitor::campo(nome)});
  }

  CaseParameters c;
  Leitor caso(apara(nome));
  for (Leitor::Campo campo : {
           Leitor::campo(c.titulo), Leitor::campo(c.Dg),     Leitor::campo(c.De),
           Leitor::campo(c.Di),     Leitor::campo(c.L),      Leitor::campo(c.grao),
           Leitor::campo(c.freq),   Leitor::campo(c.tx_ativ), Leitor::campo(c.rho_p),
           Leitor::campo(c.a),      Leitor::campo(c.n),      Leitor::campo(c.pa),
           Leitor::campo(c.dt),     Leitor::campo(c.npassos), Leitor::campo(c.itmax),
           Leitor::campo(c.tol),    Leitor::campo(c.relax),  Leitor::campo(c.ho),
           Leitor::campo(c.Cd),     Leitor::campo(c.Et),     Leitor::campo(c.tab_pq),
           Leitor::campo(c.prop),
       })
    caso.le({campo});
  caso.fecha();
  return c;
}

std::string titulo_aparado(const CaseParameters& caso) { return apara(caso.titulo); }
