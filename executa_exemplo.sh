#!/bin/sh
# Builds the program (Release) and runs the bundled example motor in
# examples/knsu; installs what it needs and does not find (as root, from
# Debian's packages): cmake, a C++ compiler and the plotter.
set -eu
cd "$(dirname "$0")"

falta=""
command -v cmake >/dev/null 2>&1 || falta="$falta cmake"
command -v g++ >/dev/null 2>&1 || falta="$falta g++"
command -v make >/dev/null 2>&1 || falta="$falta make"
command -v gnuplot >/dev/null 2>&1 || falta="$falta gnuplot-nox"
if [ -n "$falta" ]; then
  echo "instalando:$falta"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $falta >/dev/null
fi

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTAVRUM_TESTS=OFF >/dev/null
cmake --build build-release --target tavrum -j2 >/dev/null

exemplo=${1:-knsu}
cd "examples/$exemplo"
../../build-release/tavrum
echo
echo "Arquivos do exemplo em $(pwd)/output:"
ls -1 output | grep -v '^\.gitignore$'
