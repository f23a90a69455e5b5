// The results summary: the impulse class text, and whole summaries written
// by real runs, compared record by record.

#include "reports/resultados.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "execucao.h"

namespace {

// The records joined with their CR LF ends.
std::string registros(std::initializer_list<const char*> linhas) {
  std::string texto;
  for (const char* l : linhas) texto += std::string(l) + "\r\n";
  return texto;
}

// The file's records; the last one must be ended too.
std::vector<std::string> le_registros(const DiretorioTrabalho& dir, const std::string& nome) {
  const std::string texto = dir.le(nome);
  std::vector<std::string> r;
  std::size_t inicio = 0;
  for (std::size_t fim; (fim = texto.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
    r.push_back(texto.substr(inicio, fim - inicio));
  EXPECT_EQ(inicio, texto.size()) << nome << ": last record not ended by CR LF";
  return r;
}

Execucao roda(const DiretorioTrabalho& dir, const CasoTeste& caso) {
  prepara_caso(dir, caso);
  Execucao r = dir.executa();
  EXPECT_EQ(r.status, 0) << r.erro;
  return r;
}

TEST(ClasseImpulso, EachLimitBelongsToItsOwnClass) {
  struct Limite {
    double It;
    const char* nome;  // as written, without the blank some carry
  };
  const Limite limites[] = {
      {0.3125, "Micro"}, {0.625, "1/4 A"}, {1.25, "1/2 A"}, {2.5, "A"},   {5, "B"},
      {10, "C"},         {20, "D"},        {40, "E"},       {80, "F"},    {160, "G"},
      {320, "H"},        {640, "I"},       {1280, "J"},     {2560, "K"},  {5120, "L"},
      {10200, "M"},
  };
  const std::size_t n = std::size(limites);
  for (std::size_t k = 0; k < n; ++k) {
    const double It = limites[k].It;
    EXPECT_EQ(classe_impulso(It, 1.5), std::string(limites[k].nome) + " - 1.50") << It;
    const double acima = std::nextafter(It, 1e9);
    const std::string proxima = k + 1 < n ? std::string(limites[k + 1].nome) + " - 1.50" : "1.50";
    EXPECT_EQ(classe_impulso(acima, 1.5), proxima) << "just above " << It;
  }
}

TEST(ClasseImpulso, WorkedExamples) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double It, Fd_med;
    const char* classe;
  } casos[] = {
      {50, 32.5, "F - 32.50"},
      {0.2, 1.5, "Micro - 1.50"},
      {20000, 4000, "4000.00"},
      // The last limit is 10200, not the doubled 10240.
      {10240, 4000, "4000.00"},
      {nan, 12.5, "12.50"},
      {std::numeric_limits<double>::infinity(), 12.5, "12.50"},
      // A run with no steps: no impulse over no time.
      {0, nan, "Micro - NaN"},
      {300, 1234.5678, "H - 1234.57"},
  };
  for (const auto& c : casos)
    EXPECT_EQ(classe_impulso(c.It, c.Fd_med), c.classe) << c.It << " " << c.Fd_med;
}

// A tube burning on its core and ends, through to the end of its tail-off.
// Checked against the record list and, for the figures, against the rows of
// its time series: 306 burning rows (the last at 0.1530 s), then 6 tail-off
// rows up to 0.1560 s.
TEST(ResumoResultados, HandCheckedRunByteForByte) {
  DiretorioTrabalho dir;
  CasoTeste caso;
  caso.titulo = "'  motor X '";
  caso.De = "0.022";
  caso.pa = "92000.0";
  caso.Cd = "0.95";
  caso.Et = "0.97";
  roda(dir, caso);

  const std::string esperado = registros({
      "",
      "::: PARAMETROS DE ENTRADA DA SIMULA\xC7\xC3O :::",
      "",
      "'motor X' :: Titulo (At\xE9 128 caracteres)",
      " 1.000E-02 :: Di\xE2metro da garganta (m)",
      " 2.200E-02 :: Di\xE2metro externo do gr\xE3o (m)",
      " 2.000E-02 :: Di\xE2metro da alma do gr\xE3o (m)",
      " 8.000E-02 :: Comprimento do gr\xE3o (m)",
      "         6 :: grao (1 = cil\xEDndrico (queima cigarro), 2 = tubular (queima interna), 3 = "
      "tubular (queima em toda superf\xED"
      "cie), 4 = taxa de ativa\xE7\xE3o constante (de fora pra dentro), 5 = Cilindrico com "
      "superf\xED"
      "cie externa (externa+coroas) desinibidas, 6 = Tubular com coroas desinibidas)",
      "         0 :: P/ grao tipo 4: Frequencia para criacao da animacao gif (freq = 0 para "
      "desabilitar)",
      " 0.000E+00 :: P/ grao tipo 4: Taxa de ativa\xE7\xE3o do gr\xE3o-propelente (m/s)",
      " 1.800E+03 :: Massa espec\xED"
      "fica do propelente antes da queima(kg/m3)",
      " 1.007E-04 :: a = m/s/Pa, Par\xE2metros da taxa de queima do propelente r=a*p^n",
      " 3.190E-01 :: n = adim, Par\xE2metros da taxa de queima do propelente r=a*p^n",
      " 9.200E+04 :: Press\xE3o atmosf\xE9rica (Pa)",
      " 5.000E-04 :: Passo de tempo (s)",
      "    100000 :: Numero m\xE1ximo de passos no tempo",
      "       300 :: Numero m\xE1ximo de itera\xE7\xF5"
      "es para o ponto do calculado",
      " 1.000E+00 :: Toler\xE2ncia para cada ponto calculado",
      " 2.500E-01 :: relax  = Fator de relaxamento do metodo da bisse\xE7\xE3o",
      " 1.000E+03 :: ho  = Passo inicial do chute ",  // the label ends in a blank
      " 9.500E-01 :: Cd = Coeficiente de Descarga",
      " 9.700E-01 :: Et = Efici\xEAncia da temperatura adiab\xE1tica de chama",
      "         0 :: tab_pq = 0: N\xE3o usa tabela dos par\xE0metros da taxa de queima, 1: usa",
      "         0 :: prop: 0=KNSu 65/35, 1=Polvora Bandeirante (150/50/20), 2=KNSu 60/40, "
      "3=KNSu 70/30",
      "",
      "::: RESULTADOS DA SIMULA\xC7\xC3O :::",
      "",
      "",
      "",
      "     6.139967495901057E-03 = Massa de g\xE1s ejetada ",
      "",
      // 1800 x pi/4 x (0.022^2 - 0.020^2) x 0.080
      "     9.500176184455526E-03 = Massa total embarcada de propelente no motor ",
      "",
      "",
      "",
      "CLASSE: C - 39.66",
      "",
      "     Tempo de queima total (s)     =          0.1560",
      // The tail-off: 0.1560 - 0.1530.
      "     Tempo de despressuriza\xE7\xE3o (s) =          0.0030",
      "     Empuxo m\xE9"
      "dio (N)              =         39.6586",
      "     Empuxo m\xE1ximo (N)             =         42.1904",
      "     Impulso total (N.s)           =          6.1867",
      "     Press\xE3o m\xE9"
      "dia (bar)           =          4.7823",
      "     Press\xE3o m\xE1xima (bar)          =          5.0596",
      "     Impulso espec\xED"
      "fico (s)        =        102.7484",
      "     Velocidade de eje\xE7\xE3o efetiva m\xE9"
      "dia (m/s)  =       1007.6174",
      "",
      "     :: Par\xE2metros baseados na massa de propelente embarcada (real) :: ",
      "     Impulso espec\xED"
      "fico (s)        =         66.4063",
      "     Velocidade de eje\xE7\xE3o efetiva m\xE9"
      "dia (m/s)  =        651.2235",
  });
  EXPECT_TRUE(dir.le("output/motor X_resultados.txt") == esperado)
      << dir.le("output/motor X_resultados.txt");
}

// Types 2 and 3 burn on a length of their own (the web), but the summary
// echoes, and weighs the propellant with, the length read from the case.
TEST(ResumoResultados, TubeGrainsKeepTheLengthAsRead) {
  for (const char* grao : {"2", "3"}) {
    SCOPED_TRACE(std::string("grao ") + grao);
    DiretorioTrabalho dir;
    CasoTeste caso;
    caso.grao = grao;
    caso.Di = "0.010";
    caso.npassos = "20";
    roda(dir, caso);
    const std::vector<std::string> r = le_registros(dir, "output/teste_resultados.txt");
    ASSERT_EQ(r.size(), 51u);
    EXPECT_EQ(r[7], " 8.000E-02 :: Comprimento do gr\xE3o (m)");
    // 1800 x (pi/4 x 0.080 x (0.050^2 - 0.010^2)), in that order; the other
    // order gives ...581E-01.
    EXPECT_EQ(r[32], "     2.714336052701582E-01 = Massa total embarcada de propelente no motor ");
    // Ended by the step limit: no tail-off, so no depressurisation time.
    EXPECT_EQ(r[38], "     Tempo de queima total (s)     =          0.0100");
    EXPECT_EQ(r[39], "     Tempo de despressuriza\xE7\xE3o (s) =          0.0000");
  }
}

// Segmented grains have no loaded volume: the mass records are left out and
// the figures on the loaded mass divide by zero.
TEST(ResumoResultados, SegmentedGrainsHaveNoMassRecords) {
  const struct {
    const char* grao;
    const char* npassos;
    const char* valor;  // the two figures on the loaded mass
  } casos[] = {
      {"7", "20", "       Infinity"},
      {"8", "20", "       Infinity"},
      {"7", "0", "            NaN"},  // no impulse at all: 0 / 0
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string("grao ") + c.grao + ", npassos " + c.npassos);
    DiretorioTrabalho dir;
    CasoTeste caso;
    caso.grao = c.grao;
    caso.npassos = c.npassos;
    roda(dir, caso);
    const std::vector<std::string> r = le_registros(dir, "output/teste_resultados.txt");
    ASSERT_EQ(r.size(), 44u);
    EXPECT_EQ(r[26], "::: RESULTADOS DA SIMULA\xC7\xC3O :::");
    EXPECT_EQ(r[27], "");
    EXPECT_EQ(r[28], "");
    EXPECT_EQ(r[29].rfind("CLASSE: ", 0), 0u) << r[29];
    EXPECT_EQ(r[42], std::string("     Impulso espec\xED"
                                 "fico (s)        = ") + c.valor);
    EXPECT_EQ(r[43],
              std::string("     Velocidade de eje\xE7\xE3o efetiva m\xE9"
                          "dia (m/s)  = ") + c.valor);
  }
}

// No step at all: every total is zero, so the means are 0 / 0.
TEST(ResumoResultados, NoStepsGiveMicroNaN) {
  DiretorioTrabalho dir;
  roda(dir, CasoTeste{.npassos = "0"});
  const std::string texto = dir.le("output/teste_resultados.txt");
  const std::string resultados = registros({
      "",
      "::: RESULTADOS DA SIMULA\xC7\xC3O :::",
      "",
      "",
      "",
      "     0.000000000000000E+00 = Massa de g\xE1s ejetada ",
      "",
      "     2.375044046113884E-01 = Massa total embarcada de propelente no motor ",
      "",
      "",
      "",
      "CLASSE: Micro - NaN",
      "",
      "     Tempo de queima total (s)     =          0.0000",
      "     Tempo de despressuriza\xE7\xE3o (s) =          0.0000",
      "     Empuxo m\xE9"
      "dio (N)              =             NaN",
      "     Empuxo m\xE1ximo (N)             =          0.0000",
      "     Impulso total (N.s)           =          0.0000",
      "     Press\xE3o m\xE9"
      "dia (bar)           =             NaN",
      "     Press\xE3o m\xE1xima (bar)          =          0.0000",
      "     Impulso espec\xED"
      "fico (s)        =             NaN",
      "     Velocidade de eje\xE7\xE3o efetiva m\xE9"
      "dia (m/s)  =             NaN",
      "",
      "     :: Par\xE2metros baseados na massa de propelente embarcada (real) :: ",
      "     Impulso espec\xED"
      "fico (s)        =          0.0000",
      "     Velocidade de eje\xE7\xE3o efetiva m\xE9"
      "dia (m/s)  =          0.0000",
  });
  ASSERT_GE(texto.size(), resultados.size());
  EXPECT_EQ(texto.substr(texto.size() - resultados.size()), resultados);
  EXPECT_NE(texto.find("\r\n         0 :: Numero m\xE1ximo de passos no tempo\r\n"),
            std::string::npos);
}

}  // namespace
