#!/bin/sh
# Builds the program and every test and runs them all; installs what it
# needs and does not find (as root, from Debian's packages): cmake, a C++
# compiler, GoogleTest, Google Benchmark and the plotter.
set -eu
cd "$(dirname "$0")"

falta=""
command -v cmake >/dev/null 2>&1 || falta="$falta cmake"
command -v g++ >/dev/null 2>&1 || falta="$falta g++"
command -v make >/dev/null 2>&1 || falta="$falta make"
command -v gnuplot >/dev/null 2>&1 || falta="$falta gnuplot-nox"
dpkg -s libgtest-dev >/dev/null 2>&1 || falta="$falta libgtest-dev"
dpkg -s libbenchmark-dev >/dev/null 2>&1 || falta="$falta libbenchmark-dev"
if [ -n "$falta" ]; then
  echo "instalando:$falta"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $falta >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTAVRUM_BENCH=ON >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
