#!/bin/sh
# Reliability checks, after the normal build and tests: the whole test suite
# built with AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz target
# replaying its corpus and fuzzing for a bounded minute, and the static
# checks (clang-tidy with the root's .clang-tidy, cppcheck), every finding an
# error. Installs what it needs and does not find (as root, from Debian's
# packages): clang, its sanitizer and libFuzzer runtimes, clang-tidy, cppcheck.
set -eu
cd "$(dirname "$0")/.."

./instala_dependencias.sh cmd:clang++:clang pkg:libclang-rt-14-dev cmd:clang-tidy:clang-tidy \
  cmd:cppcheck:cppcheck

# Any sanitizer report ends the process with a status no run of the program
# gives, so that every test that looks at the status sees it. A failed
# allocation throws, as in the normal build, instead of being a report.
ASAN_OPTIONS=detect_leaks=1:exitcode=86:allocator_may_return_null=1
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=86
export ASAN_OPTIONS UBSAN_OPTIONS

echo "== testes com sanitizers"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRUM_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j2
ctest --test-dir build-sanitize --output-on-failure -j2

echo "== fuzzing"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVRUM_FUZZ=ON -DTAVRUM_TESTS=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build-fuzz -j2
fuzz="$(pwd)/build-fuzz/tests/fuzz/caso_fuzz"
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
mkdir "$trabalho/corpus" "$trabalho/achados"
# The seed corpus and every past finding, each run once.
"$fuzz" -runs=0 -close_fd_mask=3 -artifact_prefix="$trabalho/achados/" \
  tests/fuzz/corpus tests/fuzz/regressoes
# A bounded minute of new inputs, on one core, from a copy of the corpus.
cp tests/fuzz/corpus/* "$trabalho/corpus/"
if ! "$fuzz" -max_total_time=60 -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -close_fd_mask=3 -print_final_stats=1 -dict=tests/fuzz/caso.dict \
  -artifact_prefix="$trabalho/achados/" "$trabalho/corpus" >"$trabalho/fuzz.log" 2>&1; then
  tail -n 60 "$trabalho/fuzz.log"
  for a in "$trabalho"/achados/*; do
    echo "achado: $a"
    od -c "$a" | head -n 40
  done
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units)' "$trabalho/fuzz.log"

echo "== clang-tidy"
if ! clang-tidy -quiet -p build-fuzz input/*.cpp models/*.cpp engine/*.cpp reports/*.cpp \
  tests/fuzz/caso_fuzz.cpp >"$trabalho/tidy.log" 2>&1; then
  cat "$trabalho/tidy.log"
  exit 1
fi

echo "== cppcheck"
# ArquivoSaida's buffer is written before it is read; filling it in the
# constructor would cost 64 KiB per file for nothing.
cppcheck --enable=warning,performance,portability --std=c++20 --language=c++ \
  --error-exitcode=1 --inline-suppr --quiet --suppress=uninitMemberVar:input/arquivo.cpp \
  -I . input models engine reports tests/fuzz

echo "confiabilidade: tudo certo"
