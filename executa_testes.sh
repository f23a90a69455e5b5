#!/bin/sh
# Builds the program and every test and runs them all; installs what it
# needs and does not find (as root, from Debian's packages): cmake, a C++
# compiler, GoogleTest, Google Benchmark and the plotter.
set -eu
cd "$(dirname "$0")"

./instala_dependencias.sh cmd:cmake:cmake cmd:g++:g++ cmd:make:make cmd:gnuplot:gnuplot-nox \
  pkg:libgtest-dev pkg:libbenchmark-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTAVRUM_BENCH=ON >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
