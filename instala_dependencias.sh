#!/bin/sh
# Installs, from Debian's packages, whatever of the named needs is missing
# (run as root). Each argument is a command to find on the PATH, or a
# package to find installed: "cmd:NAME:PACKAGE" or "pkg:PACKAGE".
set -eu
falta=""
for item in "$@"; do
  case "$item" in
    cmd:*)
      nome=${item#cmd:}
      pacote=${nome#*:}
      nome=${nome%%:*}
      command -v "$nome" >/dev/null 2>&1 || falta="$falta $pacote"
      ;;
    pkg:*)
      pacote=${item#pkg:}
      dpkg -s "$pacote" >/dev/null 2>&1 || falta="$falta $pacote"
      ;;
  esac
done
if [ -n "$falta" ]; then
  echo "instalando:$falta"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $falta >/dev/null
fi
