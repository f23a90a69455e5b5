#include "engine/ponto_flutuante.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>
#endif

void desliga_denormais() {
#if defined(__x86_64__) || defined(_M_X64)
  constexpr unsigned ftz = 1u << 15, daz = 1u << 6;  // MXCSR flush-to-zero, denormals-are-zero
  _mm_setcsr(_mm_getcsr() | ftz | daz);
#elif defined(__aarch64__)
  unsigned long fpcr;
  __asm__ volatile("mrs %0, fpcr" : "=r"(fpcr));
  fpcr |= 1ul << 24;  // FZ
  __asm__ volatile("msr fpcr, %0" : : "r"(fpcr));
#endif
}
