#!/bin/sh
# Builds the program (Release) and runs the bundled example motor in
# examples/knsu; installs what it needs and does not find (as root, from
# Debian's packages): cmake, a C++ compiler and the plotter.
set -eu
cd "$(dirname "$0")"

./instala_dependencias.sh cmd:cmake:cmake cmd:g++:g++ cmd:make:make cmd:gnuplot:gnuplot-nox

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTAVRUM_TESTS=OFF >/dev/null
cmake --build build-release --target tavrum -j2 >/dev/null

exemplo=${1:-knsu}
cd "examples/$exemplo"
../../build-release/tavrum
echo
echo "Arquivos do exemplo em $(pwd)/output:"
ls -1 output | grep -v '^\.gitignore$'
