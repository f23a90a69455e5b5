#pragma once
// The free-form reader: the one set of rules by which every input file (the
// command file, the case file, the burn-rate table) is read.
//
// A file is a sequence of records, one per line; a record ends at a line feed,
// and a carriage return right before it is dropped. Each read starts at the
// beginning of the next record, takes the values it asks for (passing over
// record ends as blanks) and discards the rest of the last record it touched,
// which is how the comment after each case-file value goes unread.
//
// Values are separated by blanks, tabs, a comma (with or without blanks around
// it) or a record end. A comma where a value should begin is a null value and
// a slash ends the whole read: either way the field keeps what it held. r*v
// stands for r copies of v, r* for r nulls. Text may be delimited by
// apostrophes or double quotes (the delimiter doubled inside stands for one,
// and the value may run over a record end) or undelimited, up to the next
// blank, comma, slash or record end.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class Leitor {
 public:
  // Opens `caminho` (an absent file is created empty).
  explicit Leitor(const std::string& caminho);
  ~Leitor();
  Leitor(const Leitor&) = delete;
  Leitor& operator=(const Leitor&) = delete;

  // A field to be filled by one read.
  struct Campo {
    enum Tipo { texto, inteiro, real } tipo;
    void* destino;  // std::string (of the field's length), int32_t or double
  };
  static Campo campo(std::string& texto) { return {Campo::texto, &texto}; }
  static Campo campo(int32_t& inteiro) { return {Campo::inteiro, &inteiro}; }
  static Campo campo(double& real) { return {Campo::real, &real}; }

  // Fills `campos` in order from the next record on.
  void le(std::initializer_list<Campo> campos);
  // Consumes one record whatever it holds; at the end of the file that is the
  // end-of-file error.
  void pula_registro();
  // As pula_registro, but false at the end of the file instead of the error.
  bool tenta_pular_registro();
  void fecha();

 private:
  bool proximo_registro();
  void exige_registro();
  bool acha_valor();
  void le_valor(std::string& valor, bool& delimitado);
  void converte(const Campo& campo, const std::string& valor, bool delimitado);
  [[noreturn]] void erro(int tipo) const;

  std::FILE* arquivo_;
  std::string caminho_;
  std::string registro_;
  std::size_t pos_ = 0;
  // True right after a value: a comma met now is that value's separator,
  // not a null.
  bool virgula_separa_ = false;
};

// Length of every text field the program reads.
constexpr std::size_t tamanho_texto = 128;

// Removes leading and trailing blanks (spaces only; a tab stays).
std::string apara(const std::string& texto);
