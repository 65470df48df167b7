#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks the result as a user would meet it:
# the layout (launcher on the path, program in its own folder, Data/ in the shared data
# folder, desktop entry, metadata, icons), the installed game started through the launcher
# from an unrelated folder by the user who installed it, which leaves the install untouched,
# and the same with the install read-only and an unprivileged user.
# Usage: probar_instalacion.sh <cmake> <build dir> <bindir> <program dir> <game data dir>
#                              <datadir> <app id>
set -uo pipefail
cmake=$1 build=$2 bindir=$3 progdir=$4 datosdir=$5 datadir=$6 id=$7
fuente=$(cd "$(dirname "$0")/../.." && pwd)
espera=3  # seconds the game must keep running; it shows its menu in well under one

falla() { echo "FAILED: $*"; exit 1; }

for d in "$bindir" "$progdir" "$datosdir" "$datadir"; do
  if [[ $d == /* ]]; then
    echo "SKIPPED: install folder $d is absolute, so an install would leave the temporary prefix"
    exit 77
  fi
done

umask 022  # the unprivileged run below must reach the install
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM
chmod 755 "$tmp"
pre=$tmp/prefijo

"$cmake" --install "$build" --prefix "$pre" >"$tmp/instalar.log" 2>&1 \
  || { cat "$tmp/instalar.log"; falla "cmake --install"; }

# --- Layout -------------------------------------------------------------------------------
lanzador=$pre/$bindir/velunda
programa=$pre/$progdir/velunda
datos=$pre/$datosdir/Data
[[ -L $lanzador ]] || falla "$bindir/velunda is not a link to the program"
[[ $(readlink "$lanzador") != /* ]] || falla "the launcher link is absolute: $(readlink "$lanzador")"
[[ $(readlink -f "$lanzador") == "$(readlink -f "$programa")" ]] \
  || falla "the launcher leads to $(readlink -f "$lanzador"), not to $programa"
[[ -f $programa && -x $programa ]] || falla "no program at $progdir/velunda"
[[ -f $pre/$progdir/velunda_progreso.so ]] || falla "no progress window module beside the program"
[[ -f $pre/$progdir/velunda_sonido.so ]] || falla "no cue player module beside the program"

# Data/ ships whole: every picture, cue and the high-score file, unchanged.
enviados=0
for f in "$fuente"/Data/*; do
  cmp -s "$f" "$datos/$(basename "$f")" || falla "Data/$(basename "$f") missing or different"
  enviados=$((enviados + 1))
done
for f in Titulo.jpg Titulo_es.png Titulo_fr.png Titulo_de.png VolverAlMenu.jpg HOF.rec \
         bien.mp3 genial.mp3 sigue_asi.mp3 uno_menos.mp3 vale.mp3 no.mp3 uy.mp3 vaya.mp3 que_bueno_eres_tio.mp3; do
  [[ -f $datos/$f ]] || falla "Data/$f was not installed"
done

escritorio=$pre/$datadir/applications/$id.desktop
[[ -f $escritorio ]] || falla "no desktop entry"
grep -qx "Exec=$(basename "$lanzador")" "$escritorio" || falla "the desktop entry does not start the launcher"
grep -qx "Icon=$id" "$escritorio" || falla "the desktop entry does not name the icon $id"
[[ -f $pre/$datadir/metainfo/$id.metainfo.xml ]] || falla "no AppStream metadata"
for n in 16 22 24 32 48 64 128 256; do
  [[ -f $pre/$datadir/icons/hicolor/${n}x$n/apps/$id.png ]] || falla "no ${n}x$n icon"
done
[[ -f $pre/$datadir/icons/hicolor/scalable/apps/$id.svg ]] || falla "no scalable icon"
[[ ! -e $pre/$progdir/Data ]] || falla "a Data folder was installed beside the program"
echo "Layout: launcher $bindir/velunda -> $(readlink "$lanzador"); $enviados files in $datosdir/Data"

if command -v appstreamcli >/dev/null; then
  # The metadata, the desktop entry and the icons checked together, as a software centre reads them.
  appstreamcli validate-tree --no-net --strict "$pre" || falla "appstreamcli validate-tree"
fi

# --- Starting the installed game ----------------------------------------------------------
# Runs the launcher from an empty folder, as <user> with a home of its own, for $espera seconds. Still running at the
# end (timeout's 124) means it started and did not crash. With strace at hand it also records
# which files it opened, to prove the title picture came from the installed Data/.
arrancar() {
  local usuario=$1 nombre=$2 traza=$tmp/$2.traza salida=$tmp/$2.salida
  local casa=$tmp/casa-$nombre otro=$tmp/otro-$nombre
  mkdir -p "$casa" "$otro"
  local como=()
  if [[ $usuario != "$(id -un)" ]]; then
    chown "$usuario" "$casa"
    como=(setpriv --reuid="$usuario" --regid="$(id -gn "$usuario")" --clear-groups)
  fi
  local vigia=()
  # Only the opens that succeeded, each on one whole line (the picture is read on a worker
  # thread, whose calls would otherwise be split around the main thread's).
  command -v strace >/dev/null && vigia=(strace -f -qq -e trace=openat -e status=successful -o "$traza")
  (cd "$otro" && env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CACHE_HOME HOME="$casa" XDG_RUNTIME_DIR= \
     QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null \
     "${vigia[@]}" "${como[@]}" timeout "$espera" "$lanzador") >"$salida" 2>&1
  local rc=$?
  if [[ $rc -ne 124 ]]; then
    cat "$salida"
    falla "$nombre: the installed game ended with $rc within $espera s instead of staying up"
  fi
  if [[ ${#vigia[@]} -gt 0 ]]; then
    grep -Eq "\"$(readlink -f "$datos")/Titulo(@2x)?\.jpg\"" "$traza" \
      || { grep Titulo "$traza"; falla "$nombre: the title picture was not read from the installed Data/"; }
    grep -Eq "\"$(readlink -f "$pre/$progdir")/velunda_sonido\.so\"" "$traza" \
      || { grep velunda_sonido "$traza"; falla "$nombre: the cue player was not loaded from $progdir"; }
    echo "$nombre: running after $espera s, title picture read from $datosdir/Data, cue player loaded"
  else
    echo "$nombre: running after $espera s (strace not installed: files read not checked)"
  fi
}

# The installed Data/ is shared: starting the game leaves the install alone even for a user
# who could write it (the package test opens the high-score screen too).
antes=$(ls -lR "$pre")
arrancar "$(id -un)" normal
[[ $(ls -lR "$pre") == "$antes" ]] || falla "running the installed game changed the install"

# An installed game cannot write its own folders. Root ignores permissions, so that run is
# made as an unprivileged user.
chmod -R a-w "$pre"
antes=$(ls -lR "$pre")
if [[ $(id -u) -eq 0 ]]; then
  id nobody >/dev/null 2>&1 || falla "no unprivileged user 'nobody' to run the read-only check"
  arrancar nobody solo-lectura
else
  arrancar "$(id -un)" solo-lectura
fi
[[ $(ls -lR "$pre") == "$antes" ]] || falla "the read-only run changed the install"
chmod -R u+w "$pre"

# On a real X server the title menu must be a mapped window. The caption is the one every
# window of the game carries; at start-up the menu is the only one.
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
  mkdir -p "$tmp/casa-x"
  # shellcheck disable=SC2016  # the inner script expands its own arguments
  HOME=$tmp/casa-x ALSOFT_DRIVERS=null QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    cd "$2" || exit 1
    "$1" & pid=$!
    for _ in $(seq 200); do
      ventana=$(xwininfo -root -tree | grep -m1 "\"Velunda - A game by Quorlan!" | awk "{print \$1}")
      [[ -n $ventana ]] && xwininfo -id "$ventana" | grep -q "Map State: IsViewable" && break
      ventana=
      sleep 0.1
    done
    [[ -n $ventana ]] && kill -0 $pid 2>/dev/null; rc=$?
    kill $pid 2>/dev/null
    exit $rc' _ "$lanzador" "$tmp" >"$tmp/x.salida" 2>&1 \
    || { cat "$tmp/x.salida"; falla "under Xvfb no title menu window was shown"; }
  echo "xvfb: the title menu window is shown"
else
  echo "xvfb-run or xwininfo not installed: the real-window check is left out"
fi

echo "OK"
