#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 minbase root with
# `apt-get install --no-install-recommends`, as the leanest install of a user would be, and
# plays it there as an ordinary user under Xvfb, by the keys alone: the title menu, one level
# of VERY EASY played to its end, back to the menu through the pause panel, and the progress
# window. Then once more with Qt's SQLite driver taken away, to see what the window says.
# It proves that Depends names every plugin the game loads: each plugin Qt reports loading
# must have come with the install. Screenshots and the game's output go to the output folder.
# Run by hand, as root (debootstrap, chroot, mounts), with Xvfb, xdotool and ImageMagick on
# this machine and Debian's mirror reachable:
#   app/linux/probar_minbase.sh <velunda_*.deb> [output folder] [a minbase root to copy]
# Without the last argument it runs debootstrap --variant=minbase bookworm itself.
set -euo pipefail
deb=$(realpath "$1")
salida=$(realpath -m "${2:-minbase-salida}")
base=${3:-}
espejo=http://deb.debian.org/debian
pantalla=:$((90 + RANDOM % 100))

falla() { echo "FAILED: $*"; exit 1; }
[[ $(id -u) -eq 0 ]] || falla "run as root: debootstrap, chroot and mounts need it"
for h in Xvfb xdotool import; do command -v $h >/dev/null || falla "$h is not installed"; done
[[ -n $base ]] || command -v debootstrap >/dev/null || falla "debootstrap is not installed"

mkdir -p "$salida"
tmp=$(mktemp -d /var/tmp/velunda-minbase.XXXXXX)
raiz=$tmp/raiz
xvfb=
limpiar() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  for m in tmp/.X11-unix dev proc; do
    mountpoint -q "$raiz/$m" 2>/dev/null && umount -R "$raiz/$m"
  done
  rm -rf "$tmp"
}
trap limpiar EXIT
trap 'exit 1' INT TERM

# --- A clean root, the package installed without recommends ---------------------------------
if [[ -n $base ]]; then
  cp -a "$base" "$raiz"
else
  debootstrap --variant=minbase bookworm "$raiz" "$espejo" >"$salida/debootstrap.log" 2>&1 \
    || { tail "$salida/debootstrap.log"; falla "debootstrap"; }
fi
mount -t proc proc "$raiz/proc"
mount --rbind /dev "$raiz/dev"
cp /etc/resolv.conf "$raiz/etc/resolv.conf"
cp "$deb" "$raiz/tmp/velunda.deb"
en_raiz() { chroot "$raiz" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
en_raiz apt-get update -q >"$salida/apt.log" 2>&1 || { tail "$salida/apt.log"; falla "apt-get update"; }
echo "\$ apt-get install --no-install-recommends ./velunda.deb"
en_raiz apt-get install -y -q --no-install-recommends /tmp/velunda.deb >>"$salida/apt.log" 2>&1 \
  || { tail -n 20 "$salida/apt.log"; falla "apt-get install"; }
grep -E "^(Need to get|After this operation|Setting up velunda)" "$salida/apt.log"
echo "Depends: $(en_raiz dpkg-query -Wf '${Depends}' velunda)"
plugins=$(cd "$raiz" && find usr/lib/*/qt6/plugins -name '*.so' 2>/dev/null | sort)
echo "Qt plugins in the root:"
sed 's/^/  /' <<<"$plugins"
controlador=$(grep '/sqldrivers/libqsqlite\.so$' <<<"$plugins") || falla "no sqldrivers/libqsqlite.so in the root"

# --- The game, played by the keys as an ordinary user -----------------------------------------
Xvfb "$pantalla" -screen 0 1280x1024x24 -nolisten tcp -ac >"$salida/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X${pantalla#:} ]] && break; sleep 0.1; done
mkdir -p "$raiz/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$raiz/tmp/.X11-unix"
casa=/home/jugador
mkdir -p "$raiz$casa"
chown 1000:1000 "$raiz$casa"
export DISPLAY=$pantalla

juego=
arrancar() {  # <log name>
  chroot "$raiz" setpriv --reuid=1000 --regid=1000 --clear-groups \
    env -i HOME=$casa PATH=/usr/games:/usr/local/games:/usr/bin:/bin DISPLAY="$pantalla" LANG=C.UTF-8 \
    ALSOFT_DRIVERS=null QT_DEBUG_PLUGINS=1 velunda >"$salida/$1.log" 2>&1 &
  juego=$!
  esperar_ventana 'Velunda - ' || { cat "$salida/$1.log"; falla "no title menu on screen"; }
}
# Waits for a visible window whose title starts with $1 and gives it the keyboard.
esperar_ventana() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | tail -n 1) && [[ -n $id ]] && {
      xdotool windowfocus --sync "$id" 2>/dev/null || true
      sleep 0.3
      return 0
    }
    sleep 0.2
  done
  return 1
}
teclas() { for k in "$@"; do xdotool key --delay 150 "$k"; sleep 0.25; done; }
foto() { import -window root "$salida/$1.png"; echo "Screenshot: $salida/$1.png"; }
terminar() {
  kill "$juego" 2>/dev/null || true
  wait "$juego" 2>/dev/null || true
}

arrancar partida
foto menu
teclas Tab Return Down Down Down Return  # Play, then HARD: the shortest level
sleep 1
esperar_ventana 'Velunda - ' || falla "no game screen"
teclas Return             # START
foto nivel
# Let the clock run out: the level ends as "Time over" whatever the board holds.
esperar_ventana 'Velunda$' || falla "the level never ended"
foto fin_nivel
teclas Return             # the message box
esperar_ventana 'Velunda - '
teclas Return Escape      # START the next level, pause it
foto pausa
teclas Tab Return         # the pause panel's BACK TO MENU
sleep 1
esperar_ventana 'Velunda - '
teclas p                  # the progress window
sleep 2
foto progreso
terminar
historia=$raiz$casa/.local/share/Quorlan/Velunda/history.sqlite
[[ -s $historia ]] || falla "no history file at ~/.local/share/Quorlan/Velunda/history.sqlite"
niveles=$(python3 -c "import sqlite3,sys; c=sqlite3.connect(sys.argv[1]); \
print(', '.join(f'{n} level {v} {f}' for n, v, f in c.execute('select id, nivel, final from niveles')))" "$historia")
[[ -n $niveles ]] || falla "the history holds no level"
echo "History: $niveles"
echo "Plugins the game loaded:"
cargados=$(grep -i 'loaded library' "$salida/partida.log" | grep -o '"/[^"]*\.so[^"]*"' | tr -d '"' | sort -u)
for p in $cargados; do
  dueno=$(en_raiz dpkg -S "$p" 2>/dev/null | cut -d: -f1) || falla "$p loaded but belongs to no package"
  echo "  $p ($dueno)"
done
grep -q 'libqsqlite\.so' <<<"$cargados" || falla "the game never loaded the SQLite driver"

# --- Once more with the driver taken away -------------------------------------------------------
mv "$raiz/$controlador" "$tmp/libqsqlite.so"
arrancar sin_controlador
teclas p
sleep 2
foto progreso_sin_controlador
terminar
mv "$tmp/libqsqlite.so" "$raiz/$controlador"
echo "OK"
