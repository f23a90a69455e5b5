#include "input/leitor.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "input/arquivo.h"
#include "input/erro.h"

namespace {

// The longest value (a token, or the text between delimiters) a read takes.
constexpr std::size_t tamanho_maximo_valor = 2049;

bool digito(char c) { return c >= '0' && c <= '9'; }
bool letra_expoente(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
}
// Characters that can stand in a number token.
bool caractere_numerico(char c) {
  return digito(c) || c == '+' || c == '-' || c == '.' || letra_expoente(c);
}
bool fim_de_token(char c) { return c == ' ' || c == '\t' || c == ',' || c == '/'; }

bool igual_sem_caixa(const std::string& a, std::size_t inicio, const char* b) {
  std::size_t n = 0;
  for (; b[n]; ++n) {
    if (inicio + n >= a.size()) return false;
    char c = a[inicio + n];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != b[n]) return false;
  }
  return inicio + n == a.size();
}

// INF, INFINITY, NAN and NAN(...) in any case, optionally signed.
bool palavra_nao_finita(const std::string& t, double& v) {
  std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
  double sinal = t[0] == '-' ? -1.0 : 1.0;
  if (igual_sem_caixa(t, i, "INF") || igual_sem_caixa(t, i, "INFINITY")) {
    v = sinal * std::numeric_limits<double>::infinity();
    return true;
  }
  bool nan = igual_sem_caixa(t, i, "NAN");
  if (!nan && t.size() >= i + 5 && t.back() == ')') {
    std::size_t abre = t.find('(', i);
    nan = abre == i + 3 && igual_sem_caixa(t.substr(0, abre), i, "NAN");
  }
  if (nan) v = std::copysign(std::numeric_limits<double>::quiet_NaN(), sinal);
  return nan;
}

// True when `t` is an optional sign followed by digits only.
bool sinal_e_digitos(const std::string& t) {
  std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
  if (i == t.size()) return false;
  for (; i < t.size(); ++i)
    if (!digito(t[i])) return false;
  return true;
}

// Sign, digits with at most one point (a digit somewhere), and an optional
// exponent made of its letter, a sign and digits.
bool numero_real_bem_formado(const std::string& t) {
  std::size_t i = 0, n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digitos = 0;
  while (i < n && digito(t[i])) ++i, ++digitos;
  if (i < n && t[i] == '.') {
    ++i;
    while (i < n && digito(t[i])) ++i, ++digitos;
  }
  if (digitos == 0) return false;
  if (i == n) return true;
  if (!letra_expoente(t[i])) return false;
  ++i;
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == n) return false;
  while (i < n && digito(t[i])) ++i;
  return i == n;
}

}  // namespace

std::string apara(const std::string& texto) {
  std::size_t inicio = texto.find_first_not_of(' ');
  if (inicio == std::string::npos) return "";
  std::size_t fim = texto.find_last_not_of(' ');
  return texto.substr(inicio, fim - inicio + 1);
}

Leitor::Leitor(const std::string& caminho)
    : arquivo_(abre_entrada(caminho)), caminho_(caminho) {}

Leitor::~Leitor() {
  if (arquivo_) (void)std::fclose(arquivo_);
}

void Leitor::fecha() {
  if (arquivo_) (void)std::fclose(arquivo_);
  arquivo_ = nullptr;
}

void Leitor::erro(int tipo) const { erro_arquivo(static_cast<Erro>(tipo), caminho_); }

bool Leitor::proximo_registro() {
  registro_.clear();
  pos_ = 0;
  int c = std::getc(arquivo_);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    registro_.push_back(static_cast<char>(c));
    c = std::getc(arquivo_);
  }
  if (!registro_.empty() && registro_.back() == '\r') registro_.pop_back();
  return true;
}

void Leitor::exige_registro() {
  if (!proximo_registro()) erro(fim_de_arquivo);
}

void Leitor::pula_registro() { exige_registro(); }

bool Leitor::tenta_pular_registro() { return proximo_registro(); }

bool Leitor::acha_valor() {
  for (;;) {
    while (pos_ < registro_.size() && (registro_[pos_] == ' ' || registro_[pos_] == '\t')) ++pos_;
    if (pos_ >= registro_.size()) {
      exige_registro();  // a record end is a blank: the value is on a later record
      continue;
    }
    char c = registro_[pos_];
    if (c == ',' && virgula_separa_) {
      ++pos_;
      virgula_separa_ = false;
      continue;
    }
    return c != '/';
  }
}

void Leitor::le_valor(std::string& valor, bool& delimitado) {
  valor.clear();
  char aspa = registro_[pos_];
  delimitado = aspa == '\'' || aspa == '"';
  if (!delimitado) {
    while (pos_ < registro_.size() && !fim_de_token(registro_[pos_])) {
      valor.push_back(registro_[pos_++]);
      if (valor.size() > tamanho_maximo_valor) erro(erro_de_sintaxe);
    }
    return;
  }
  ++pos_;
  for (;;) {
    if (pos_ >= registro_.size()) {
      exige_registro();  // the text runs on; the record end adds nothing to it
      continue;
    }
    char c = registro_[pos_++];
    if (c == aspa) {
      if (pos_ < registro_.size() && registro_[pos_] == aspa) {
        ++pos_;  // the delimiter written twice stands for one
      } else {
        return;
      }
    }
    valor.push_back(c);
    if (valor.size() > tamanho_maximo_valor) erro(erro_de_sintaxe);
  }
}

void Leitor::converte(const Campo& campo, const std::string& valor, bool delimitado) {
  if (campo.tipo == Campo::texto) {
    std::string& texto = *static_cast<std::string*>(campo.destino);
    texto.assign(valor, 0, tamanho_texto);
    texto.resize(tamanho_texto, ' ');
    return;
  }
  if (delimitado) erro(erro_de_sintaxe);
  if (campo.tipo == Campo::real && palavra_nao_finita(valor, *static_cast<double*>(campo.destino)))
    return;
  int pontos = 0;
  for (char c : valor) {
    if (!caractere_numerico(c)) erro(erro_de_sintaxe);
    if (c == '.' && ++pontos > 1) erro(erro_de_sintaxe);
  }
  if (campo.tipo == Campo::inteiro) {
    if (!sinal_e_digitos(valor)) erro(erro_de_conversao);
    bool negativo = valor[0] == '-';
    int64_t v = 0;
    for (char c : valor) {
      if (!digito(c)) continue;
      v = v * 10 + (c - '0');
      if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) erro(erro_de_conversao);
    }
    if (negativo) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
      erro(erro_de_conversao);
    *static_cast<int32_t*>(campo.destino) = static_cast<int32_t>(v);
    return;
  }
  if (!numero_real_bem_formado(valor)) erro(erro_de_sintaxe);
  std::string c_texto = valor;
  for (char& c : c_texto)
    if (letra_expoente(c)) c = 'e';
  *static_cast<double*>(campo.destino) = std::strtod(c_texto.c_str(), nullptr);
}

void Leitor::le(std::initializer_list<Campo> campos) {
  exige_registro();
  virgula_separa_ = false;
  int64_t repeticoes = 0;  // copies of a r*v value still to hand out
  bool repete_nulo = false;
  bool delimitado = false;
  std::string valor;
  for (const Campo& campo : campos) {
    if (repeticoes > 0) {
      --repeticoes;
      if (!repete_nulo) converte(campo, valor, delimitado);
      continue;
    }
    if (!acha_valor()) return;  // a slash: this and every later field keep their contents
    if (registro_[pos_] == ',') {
      ++pos_;  // a null value
      continue;
    }
    std::size_t k = pos_;
    while (k < registro_.size() && digito(registro_[k])) ++k;
    if (k > pos_ && k < registro_.size() && registro_[k] == '*') {
      int64_t r = 0;
      for (std::size_t j = pos_; j < k; ++j) {
        r = r * 10 + (registro_[j] - '0');
        if (r > std::numeric_limits<int32_t>::max()) erro(erro_de_sintaxe);
      }
      if (r == 0) erro(erro_de_sintaxe);
      pos_ = k + 1;
      repete_nulo = pos_ >= registro_.size() || fim_de_token(registro_[pos_]);
      if (!repete_nulo) le_valor(valor, delimitado);
      repeticoes = r - 1;
      if (!repete_nulo) converte(campo, valor, delimitado);
      virgula_separa_ = true;
      continue;
    }
    le_valor(valor, delimitado);
    converte(campo, valor, delimitado);
    virgula_separa_ = true;
  }
}
