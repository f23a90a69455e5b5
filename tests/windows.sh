#!/bin/bash
# The Windows build checked against the native one: cross-builds tavrum.exe
# with mingw-w64, runs it under Wine on the reference cases and a few more,
# and compares what it leaves with what the native build leaves on the same
# cases. The plotter is a stand-in that records the command line it was
# given, so the command lines are checked too, and temp/ must hold no .txt
# after a run of the activation-front grain.
#
# Byte for byte: exit status, console, standard error, the plot scripts, the
# plotter's command lines, the names of the files in output/ and temp/, the
# grain outline, the header of the time series, everything a failed run
# leaves. The time series rows, the summary and the frame files hold what
# the math library computed, and pow and log10 of the Windows C runtime are
# not glibc's: there the records, their lengths, the CR LF ends, the labels
# and the step index must be the same bytes, and every number must agree to
# within a relative `tolerancia` (below). The trial count, and the solver's
# last pressure change once both sides converged, follow the path of the
# trials and are checked only for their form.
#
# Installs what it needs (as root, from Debian's packages). When the cross
# compiler or Wine cannot be installed or started it says
# "Windows check skipped: <reason>" and exits 0; any difference exits 1.
#
# Work goes to build-wine/ (or $TAVRUM_WINDOWS_DIR): cross/ and native/
# builds, the Wine prefix, and one folder per case with the native and the
# Windows working directory side by side.
set -u
cd "$(dirname "$0")/.."
raiz=$(pwd)
base=${TAVRUM_WINDOWS_DIR:-$raiz/build-wine}
# Largest relative difference allowed between the numbers the two builds
# write. The printed values have five significant digits, so a rounding
# that falls the other way is already 1e-4 of the value.
tolerancia=1e-3
inicio=$(date +%s)

pula() {
  echo "Windows check skipped: $*"
  exit 0
}

# --- Tools -----------------------------------------------------------------

acha_wine() {
  for w in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$w" >/dev/null 2>&1; then
      command -v "$w"
      return 0
    fi
  done
  return 1
}

falta=""
command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 || falta="$falta g++-mingw-w64-x86-64"
acha_wine >/dev/null || falta="$falta wine64"
command -v cmake >/dev/null 2>&1 || falta="$falta cmake"
command -v g++ >/dev/null 2>&1 || falta="$falta g++"
command -v make >/dev/null 2>&1 || falta="$falta make"
command -v python3 >/dev/null 2>&1 || falta="$falta python3"
if [ -n "$falta" ]; then
  [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1 ||
    pula "missing$falta and not root on a Debian system to install it"
  echo "installing:$falta"
  apt-get update -qq >/dev/null 2>&1 || pula "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $falta \
    >"$base.apt.log" 2>&1 || pula "could not install$falta (see $base.apt.log)"
  rm -f "$base.apt.log"
fi
command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 ||
  pula "no x86_64-w64-mingw32-g++ after installing g++-mingw-w64-x86-64"
wine=$(acha_wine) || pula "no wine64 after installing it"

command -v python3 >/dev/null 2>&1 || pula "no python3 after installing it"

mkdir -p "$base"
export WINEPREFIX="$base/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
fim_wine() {
  [ -n "$wineserver" ] && [ -x "$wineserver" ] && "$wineserver" -k >/dev/null 2>&1
}
trap fim_wine EXIT

# The first start of a prefix builds it, which takes a while.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "preparing the Wine prefix $WINEPREFIX"
  timeout 600 "$wine" wineboot --init >"$base/wineboot.log" 2>&1 ||
    pula "wineboot failed (see $base/wineboot.log)"
fi
teste=$(timeout 120 "$wine" cmd.exe /c echo wine-ok 2>/dev/null | tr -d '\r')
[ "$teste" = wine-ok ] || pula "Wine does not run cmd.exe (got '$teste')"

# --- Builds ----------------------------------------------------------------

echo "building tavrum.exe (mingw-w64) and the native tavrum"
cmake -S . -B "$base/cross" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DTAVRUM_TESTS=OFF >"$base/cross.log" 2>&1 &&
  cmake --build "$base/cross" -j2 >>"$base/cross.log" 2>&1 || {
  cat "$base/cross.log"
  echo "FAILED: the Windows build"
  exit 1
}
cmake -S . -B "$base/native" -DCMAKE_BUILD_TYPE=Release -DTAVRUM_TESTS=OFF \
  >"$base/native.log" 2>&1 &&
  cmake --build "$base/native" -j2 >>"$base/native.log" 2>&1 || {
  cat "$base/native.log"
  echo "FAILED: the native build"
  exit 1
}
exe="$base/cross/tavrum.exe"
nativo="$base/native/tavrum"

# --- Cases -----------------------------------------------------------------

# Stand-in plotters. Both keep a copy of temp/ as it is when they run (so the
# frame files can be compared after the clean-up has removed them) and note
# each run; the Windows one also records its arguments, one line per run.
# The redirection comes first so that no argument is taken for a handle.
plotter_posix='#!/bin/sh
/bin/mkdir -p capturados
/bin/cp temp/*.txt capturados/ 2>/dev/null
/bin/cat >/dev/null
echo run >>execucoes.txt
'
plotter_bat='@echo off
>>registro.txt echo %*
>>execucoes.txt echo run
if not exist capturados mkdir capturados
copy temp\*.txt capturados\ >nul 2>nul
'

# name | folder of tests/golden | changes to caso.txt | folders to create |
# trimmed title | 1 when the run writes the animation script
casos=(
  "bates-knsu|bates-knsu||output temp|bates|0"
  "endburner-table|endburner-table||output temp|endburner|0"
  "tube-all|tube-all||output temp|tubo todo|0"
  "cylinder-powder|cylinder-powder||output temp|cilindro|0"
  "four-segments|four-segments||output temp|quatro segmentos|0"
  "activation|activation||output temp|frente|1"
  "titulo-com-brancos|bates-knsu|1='  motor A  ';14=400|output temp|motor A|0"
  "ativacao-sem-quadros|activation|7=0|output temp|frente|0"
  "ativacao-quadro-a-quadro|activation|7=1;14=40|output temp|frente|1"
  "fim-de-arquivo|bates-knsu|corta=12|output temp||0"
  "erro-de-sintaxe|bates-knsu|2=0.010::|output temp||0"
  "sem-output|bates-knsu||temp||0"
  "sem-temp|activation||output||0"
  "celulas-invalidas|activation|8=0.0|output temp||0"
)

# Writes the case file `$1/caso.txt` from `$2` with the changes `$3`:
# "N=value" puts value in place of record N's value, "corta=N" keeps only
# the first N records.
prepara_caso() {
  local destino=$1 origem=$2 mudancas=$3
  cp "$origem" "$destino"
  local IFS=';'
  for m in $mudancas; do
    local chave=${m%%=*} valor=${m#*=}
    if [ "$chave" = corta ]; then
      head -n "$valor" "$destino" >"$destino.novo"
    else
      awk -v n="$chave" -v v="$valor" 'NR == n { $0 = v substr($0, index($0, " ")) } 1' \
        "$destino" >"$destino.novo"
    fi
    mv "$destino.novo" "$destino"
  done
}

monta_diretorio() {
  local dir=$1 golden=$2 mudancas=$3 pastas=$4
  rm -rf "$dir"
  mkdir -p "$dir/gnuplot"
  cp "$raiz/tests/golden/$golden/input/"* "$dir/"
  prepara_caso "$dir/caso.txt" "$raiz/tests/golden/$golden/input/caso.txt" "$mudancas"
  for p in $pastas; do mkdir -p "$dir/$p"; done
}

falhas=0
falha() {
  echo "  DIFFERS ($1): $2"
  falhas=$((falhas + 1))
}

# The files of output/ and of the copy of temp/, native against Windows
# (python3 compara.py case native-folder windows-folder title tolerance
# figures-file): exits with the number of differences, after writing one line
# per difference and, when the case has numeric files, one line of figures.
cat >"$base/compara.py" <<'FIM'
# Compares what the native and the Windows build left in one case.
# Arguments: case name, native folder, Windows folder, trimmed title,
# relative tolerance, file to append the case's figures to.
import os, re, sys

caso, dn, dw, titulo, tolerancia, resumo = sys.argv[1:7]
tolerancia = float(tolerancia)
falhas = 0

def falha(texto):
    global falhas
    falhas += 1
    print(f"  DIFFERS ({caso}): {texto}")

# A number as the program writes it: integer, fixed, scientific with E, or
# with a three-digit exponent and no E. NaN, Infinity and asterisks are not
# numbers here, so they must be the same bytes on both sides.
NUMERO = re.compile(rb"[+-]?(?:\d+\.?\d*|\.\d+)(?:[eEdD][+-]?\d+|([+-])\d{3})?")

def numero(t):
    m = NUMERO.fullmatch(t)
    if not m:
        return None
    s = t.decode().replace("d", "e").replace("D", "e")
    if m.group(1):
        s = s[: m.start(1)] + "e" + s[m.start(1):]
    return float(s)

def relativa(a, b):
    m = max(abs(a), abs(b))
    return abs(a - b) / m if m else 0.0

# The case's solver tolerance (record 16 of the case file): a pressure step
# counts as converged once its last change dp is below it.
def tol_solver():
    try:
        with open(os.path.join(dn, "caso.txt"), "rb") as f:
            return numero(f.read().split(b"\n")[15].split()[0])
    except (OSError, IndexError, AttributeError):
        return None

TOL = tol_solver()

class Figuras:
    def __init__(self):
        self.maior = 0.0      # largest relative difference, dp aside
        self.onde = ""
        self.maior_dp = 0.0   # the same for dp when not both converged
        self.dp = 0.0         # dp's largest, converged or not (shown only)
        self.registros = 0    # records that differ in digits only

fig = Figuras()

def registros(nome, dados):
    if not dados.endswith(b"\r\n"):
        falha(f"{nome}: does not end with CR LF")
        return None
    r = dados[:-2].split(b"\r\n")
    for i, x in enumerate(r):
        if b"\r" in x or b"\n" in x:
            falha(f"{nome}: record {i + 1} has a CR or LF inside")
            return None
    return r

def compara_numeros(nome, i, u, v, campo, dp=False):
    """u, v: the bytes of one field or token on each side; returns a problem or None."""
    a, b = numero(u.strip()), numero(v.strip())
    if a is None or b is None:
        return f"'{u.decode('cp1252')}' against '{v.decode('cp1252')}'"
    r = relativa(a, b)
    if dp:
        fig.dp = max(fig.dp, r)
        if TOL is not None and a < TOL and b < TOL:
            return None  # both converged: the size of the last trial is noise
    if dp:
        fig.maior_dp = max(fig.maior_dp, r)
    elif r > fig.maior:
        fig.maior = r
        fig.onde = f"{nome} record {i + 1} {campo}: {u.strip().decode()} / {v.strip().decode()}"
    if r > tolerancia:
        return f"{u.strip().decode()} against {v.strip().decode()} (relative {r:.2g})"
    return None

# Fields of a time-series row: (first column, width, name), from column 0.
CAMPOS = [(0, 8, "i")] + [(8 + 15 * k, 15, n) for k, n in enumerate(
    ["t", "Fd", "r", "p", "Kn", "fmt", "Ve", "x", "Cf", "Is", "dp"])] + [
    (173, 8, "iteracoes"), (181, 15, "a"), (196, 15, "n")]
LARGURA = 211

def compara_serie(nome, ra, rb):
    problemas = []
    if ra[0] != rb[0]:
        problemas.append("header record differs")
    for i in range(1, len(ra)):
        x, y = ra[i], rb[i]
        if x == y:
            continue
        if len(x) != LARGURA:
            problemas.append(f"record {i + 1} is {len(x)} characters long")
            continue
        for ini, w, campo in CAMPOS:
            u, v = x[ini:ini + w], y[ini:ini + w]
            if u == v:
                continue
            if campo == "i":
                problemas.append(f"record {i + 1}: step index '{u.decode()}' against '{v.decode()}'")
                continue
            # Right-aligned: both end in the field's last column.
            if u.endswith(b" ") or v.endswith(b" ") or b" " in u.strip() or b" " in v.strip():
                problemas.append(f"record {i + 1} {campo}: '{u.decode()}' against '{v.decode()}'")
                continue
            if campo == "iteracoes":
                # The trial count follows the pressures; it may differ.
                if not (u.strip().isdigit() and v.strip().isdigit()):
                    problemas.append(f"record {i + 1} {campo}: '{u.decode()}' against '{v.decode()}'")
                continue
            p = compara_numeros(nome, i, u, v, campo, dp=(campo == "dp"))
            if p:
                problemas.append(f"record {i + 1} {campo}: {p}")
        fig.registros += 1
    return problemas

def compara_registros(nome, ra, rb):
    """Summary and frame files: the same tokens at the same places; numbers
    end in the same column, everything else is the same bytes."""
    problemas = []
    for i, (x, y) in enumerate(zip(ra, rb)):
        if x == y:
            continue
        ta = [(m.start(), m.end(), m.group()) for m in re.finditer(rb"[^ ]+", x)]
        tb = [(m.start(), m.end(), m.group()) for m in re.finditer(rb"[^ ]+", y)]
        if len(ta) != len(tb):
            problemas.append(f"record {i + 1}: {len(ta)} against {len(tb)} items")
            continue
        for k, ((ia, fa, u), (ib, fb, v)) in enumerate(zip(ta, tb)):
            if u == v and ia == ib:
                continue
            if numero(u) is None or numero(v) is None:
                problemas.append(f"record {i + 1}: '{u.decode('cp1252')}' against '{v.decode('cp1252')}'")
            elif fa != fb:
                problemas.append(f"record {i + 1}: '{u.decode()}' ends in column {fa}, '{v.decode()}' in {fb}")
            else:
                p = compara_numeros(nome, i, u, v, f"item {k + 1}")
                if p:
                    problemas.append(f"record {i + 1} item {k + 1}: {p}")
        fig.registros += 1
    return problemas

def arquivos(raiz):
    lista = []
    for d, _, fs in os.walk(raiz):
        for f in fs:
            lista.append(os.path.relpath(os.path.join(d, f), raiz))
    return sorted(lista)

numericos = identicos = 0

# output/ and the copy of temp/ the plotter took. The time series, the
# summary and the frame files hold what the math library computed; every
# other file (plot scripts, grain outline, anything an error left) must be
# the same bytes.
for pasta, rotulo in (("output", "output"), ("capturados", "temp/ as the plotter saw it")):
    a, b = os.path.join(dn, pasta), os.path.join(dw, pasta)
    la, lb = arquivos(a), arquivos(b)
    if la != lb:
        so_n = sorted(set(la) - set(lb))
        so_w = sorted(set(lb) - set(la))
        falha(f"{rotulo}: only native has {so_n[:5]}, only Windows has {so_w[:5]}")
        continue
    estritos = []
    for f in la:
        with open(os.path.join(a, f), "rb") as h:
            da = h.read()
        with open(os.path.join(b, f), "rb") as h:
            db = h.read()
        serie = titulo and pasta == "output" and f == titulo + ".txt"
        numerico = serie or (titulo and pasta == "output" and f == titulo + "_resultados.txt") \
            or (pasta == "capturados" and re.fullmatch(r"\d+\.txt", f))
        if not numerico:
            if da != db:
                estritos.append(f)
            continue
        numericos += 1
        if da == db:
            identicos += 1
            continue
        nome = f"{pasta}/{f}"
        ra, rb = registros(nome + " (native)", da), registros(nome + " (Windows)", db)
        if ra is None or rb is None:
            continue
        if len(ra) != len(rb):
            falha(f"{nome}: {len(ra)} records native, {len(rb)} Windows")
            continue
        comprimentos = [i + 1 for i, (x, y) in enumerate(zip(ra, rb)) if len(x) != len(y)]
        if comprimentos:
            falha(f"{nome}: records of other lengths: {comprimentos[:5]}")
            continue
        problemas = compara_serie(nome, ra, rb) if serie else compara_registros(nome, ra, rb)
        if problemas:
            falha(f"{nome}: {len(problemas)} differences beyond digits: " + "; ".join(problemas[:3]))
    if estritos:
        falha(f"{rotulo}: {len(estritos)} of {len(la)} files differ byte for byte: {estritos[:3]}")

if numericos:
    print(f"  numeric files: {identicos} of {numericos} byte-identical; {fig.registros} records differ "
          f"in digits only; largest relative difference {fig.maior:.2g}"
          + (f" ({fig.onde})" if fig.onde else "")
          + (f"; the solver's last change dp: {fig.dp:.2g}" if fig.dp else "")
          + (f", {fig.maior_dp:.2g} where not both converged" if fig.maior_dp else ""))
with open(resumo, "a") as h:
    h.write(f"{caso} {numericos} {identicos} {fig.maior!r} {fig.dp!r} {falhas}\n")
sys.exit(min(falhas, 100))
FIM
: >"$base/resumo.txt"

for linha in "${casos[@]}"; do
  IFS='|' read -r nome golden mudancas pastas titulo gif <<<"$linha"
  d="$base/casos/$nome"
  dn="$d/nativo"
  dw="$d/windows"
  monta_diretorio "$dn" "$golden" "$mudancas" "$pastas"
  monta_diretorio "$dw" "$golden" "$mudancas" "$pastas"
  printf '%s' "$plotter_posix" >"$dn/gnuplot/gnuplot"
  chmod +x "$dn/gnuplot/gnuplot"
  printf '%s' "$plotter_bat" | sed 's/$/\r/' >"$dw/gnuplot/gnuplot.bat"

  (cd "$dn" && PATH=/usr/bin:/bin "$nativo" >"$d/nativo.stdout" 2>"$d/nativo.stderr")
  sn=$?
  (cd "$dw" && timeout 300 "$wine" "$exe" >"$d/windows.stdout" 2>"$d/windows.stderr")
  sw=$?
  echo "$nome: exit status $sn native, $sw Windows"

  [ "$sn" = "$sw" ] || falha "$nome" "exit status $sn native, $sw Windows"
  cmp -s "$d/nativo.stdout" "$d/windows.stdout" ||
    falha "$nome" "console: $(cmp "$d/nativo.stdout" "$d/windows.stdout" 2>&1 | sed 's/.* differ: //')"

  # Standard error: the fatal error's one line, whose file path is the
  # working directory's on each side (Z:\... under Wine) and which the
  # Windows C library ends with CR LF. cmd.exe's own complaint when del finds
  # no .txt in temp\ is its own business and is left out.
  en=$(sed "s|$dn/||" "$d/nativo.stderr")
  ew=$(tr -d '\r' <"$d/windows.stderr" | grep -v -F 'temp\*.txt' |
    PREFIXO="Z:$(printf '%s' "$dw" | tr / '\\')\\" awk '{
      p = ENVIRON["PREFIXO"]; i = index($0, p)
      if (i) { r = substr($0, i + length(p)); gsub(/\\/, "/", r); $0 = substr($0, 1, i - 1) r }
      print }')
  [ "$en" = "$ew" ] || falha "$nome" "standard error: native [$en], Windows [$ew]"
  grep -F 'temp\*.txt' "$d/windows.stderr" | tr -d '\r' | sed "s/^/  cmd.exe says: /"

  python3 "$base/compara.py" "$nome" "$dn" "$dw" "$titulo" "$tolerancia" "$base/resumo.txt"
  falhas=$((falhas + $?))
  ln=$(ls -A "$dn/temp" 2>/dev/null)
  lw=$(ls -A "$dw/temp" 2>/dev/null)
  [ "$ln" = "$lw" ] || falha "$nome" "temp/ after the run: native [$(echo $ln)], Windows [$(echo $lw)]"
  for lado in "$dn" "$dw"; do
    if [ -d "$lado/temp" ] && ls "$lado/temp" | grep -qi '\.txt$'; then
      falha "$nome" "${lado##*/}/temp still holds .txt files: $(ls "$lado/temp" | head -3)"
    fi
  done
  rn=$(cat "$dn/execucoes.txt" 2>/dev/null | wc -l)
  rw=$(cat "$dw/execucoes.txt" 2>/dev/null | wc -l)
  [ "$rn" = "$rw" ] || falha "$nome" "plotter runs: $rn native, $rw Windows"

  # The plotter's arguments: the script path in double quotes, as written.
  esperado=""
  if [ "$sn" = 0 ]; then
    for cauda in _forca _pressao _Kn _fm _ve; do
      esperado+="\"./output/$titulo$cauda.gnu\""$'\r\n'
    done
    [ "$gif" = 1 ] && esperado+="\"./output/${titulo}plot_gif.gnu\""$'\r\n'
  fi
  gravado=$(cat "$dw/registro.txt" 2>/dev/null; echo x)
  [ "${gravado%x}" = "$esperado" ] ||
    falha "$nome" "plotter arguments: expected [$esperado], recorded [${gravado%x}]"
done

# The system directory, as GetSystemDirectory gives it.
diretorio_sistema() {
  "$wine" cmd.exe /c echo %SystemRoot%\\system32 2>/dev/null | tr -d '\r'
}
# The whole command lines that cmd.exe receives, as Wine's process trace
# shows them (when this Wine's trace has them).
rastreia() {
  local nome=$1 golden=$2 mudancas=$3 titulo=$4 gif=$5
  local d="$base/casos/$nome-rastro"
  monta_diretorio "$d" "$golden" "$mudancas" "output temp"
  printf '%s' "$plotter_bat" | sed 's/$/\r/' >"$d/gnuplot/gnuplot.bat"
  (cd "$d" && WINEDEBUG=-all,trace+process timeout 300 "$wine" "$exe" >/dev/null 2>"$d.rastro")
  # Wine writes the line as a C string: \\ for \ and \" for ".
  local linhas sistema esperado=""
  linhas=$(sed -n 's/.*CreateProcessInternalW app (null) cmdline L"\(.*cmd\.exe .*\)"$/\1/p' \
    "$d.rastro" | sed 's/\\\\/\\/g; s/\\"/"/g')
  sistema=$(diretorio_sistema)
  for cauda in _forca _pressao _Kn _fm _ve; do
    esperado+="$sistema\\cmd.exe /c .\\gnuplot\\gnuplot \"./output/$titulo$cauda.gnu\""$'\n'
  done
  [ "$gif" = 1 ] &&
    esperado+="$sistema\\cmd.exe /c .\\gnuplot\\gnuplot \"./output/${titulo}plot_gif.gnu\""$'\n'
  [ "$golden" = activation ] && esperado+="$sistema\\cmd.exe /c del .\\temp\\*.txt"$'\n'
  if ! grep -q 'CreateProcessInternalW' "$d.rastro"; then
    echo "$nome: no process trace from this Wine, command lines not traced"
  elif [ "$linhas"$'\n' != "$esperado" ]; then
    falha "$nome" "command lines: expected [$esperado], traced [$linhas]"
  else
    echo "$nome: the command lines cmd.exe received (Wine's trace):"
    printf '%s\n' "$linhas" | sed 's/^/  /'
  fi
}
# A title with a blank; the animation and the clean-up of the
# activation-front grain.
rastreia titulo-com-brancos bates-knsu "1='  motor A  ';14=400" "motor A" 0
rastreia activation activation "" frente 1

# Numeric files over all cases: how many, how many byte-identical, the
# largest relative difference (the solver's last change apart).
read -r nnum nident maior maiordp < <(awk '
  { n += $2; id += $3; if ($4 + 0 > m) m = $4 + 0; if ($5 + 0 > mdp) mdp = $5 + 0 }
  END { printf "%d %d %.2g %.2g\n", n, id, m, mdp }' "$base/resumo.txt" 2>/dev/null)
segundos=$(($(date +%s) - inicio))
if [ "$falhas" = 0 ]; then
  echo "Windows check passed: ${#casos[@]} cases in $segundos s; all byte-identical except the" \
    "numeric files, which agree to within a relative $tolerancia (largest difference seen $maior;" \
    "$maiordp in the solver's last change dp, held only below the case's tolerance) and are" \
    "byte-identical in $nident of $nnum"
else
  echo "Windows check FAILED: ${#casos[@]} cases in $segundos s, $falhas differences"
  exit 1
fi
