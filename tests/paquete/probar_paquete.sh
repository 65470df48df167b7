#!/usr/bin/env bash
# Builds the Debian package with scripts/paquete.sh and checks it the way a player would meet
# it, without installing anything on this machine: its control fields, that Depends names
# the package of every library the program links and the font it draws with, its file list
# against the install layout, lintian, and then the game unpacked (dpkg-deb -x) into a
# temporary root and started through its launcher in games/ as an unprivileged user,
# offscreen: title menu, high-score screen, quit. Nothing may be written inside the unpacked
# tree; the player's own high-score table appears in their home.
# Usage: probar_paquete.sh <build dir> <menu script .so> <version> <web host>
set -uo pipefail
build=$1 guion=$2 version=$3 host=$4
fuente=$(cd "$(dirname "$0")/../.." && pwd)
id=io.github.quorlan.Velunda

falla() { echo "FAILED: $*"; exit 1; }
for herramienta in dpkg-deb dpkg-shlibdeps fakeroot lintian; do
  command -v $herramienta >/dev/null \
    || { echo "SKIPPED: $herramienta is not installed (scripts/instalar_dependencias.sh)"; exit 77; }
done

deb=$(bash "$fuente/scripts/paquete.sh" "$build" | tail -n 1)
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "velunda_${version}_$arch.deb" && -f $deb ]] \
  || falla "no velunda_${version}_$arch.deb, the script gave '$deb'"
echo "Package: $deb"

# --- Control fields -------------------------------------------------------------------------
campo() { dpkg-deb -f "$deb" "$1"; }
[[ $(campo Package) == velunda ]] || falla "Package: $(campo Package)"
[[ $(campo Version) == "$version" ]] || falla "Version $(campo Version) is not the project's $version"
[[ $(campo Section) == games ]] || falla "Section: $(campo Section)"
[[ $(campo Architecture) == "$arch" ]] || falla "Architecture: $(campo Architecture)"
[[ $(campo Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || falla "Maintainer: $(campo Maintainer)"
[[ $(campo Homepage) == "https://$host/"* ]] || falla "Homepage $(campo Homepage) is not on $host"
descripcion=$(campo Description)
[[ $(wc -l <<<"$descripcion") -ge 3 ]] || falla "the description has no long part"

# Every library the program links must come from a package named in Depends.
dependencias=" $(campo Depends | sed 's/([^)]*)//g; s/[,|]/ /g') "
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM
chmod 755 "$tmp"
raiz=$tmp/raiz
dpkg-deb -x "$deb" "$raiz" || falla "dpkg-deb -x"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for so in $(objdump -p "$raiz"/usr/lib/games/velunda/velunda{,_progreso.so,_sonido.so} | awk '/NEEDED/ {print $2}' | sort -u); do
  paquete=$(dpkg -S "*/$multiarch/$so" 2>/dev/null | head -n 1 | cut -d: -f1)
  [[ -n $paquete ]] || falla "no package on this machine holds $so"
  [[ $dependencias == *" $paquete "* ]] || falla "Depends lacks $paquete, which holds $so"
done
[[ $dependencias == *" fonts-liberation "* ]] || falla "Depends lacks fonts-liberation, the game's font"
# The plugins the game loads at run time, which no library's package brings along.
[[ $dependencias == *" libqt6sql6-sqlite "* ]] || falla "Depends lacks libqt6sql6-sqlite, the history's driver"
echo "Depends: $(campo Depends)"

# --- File list ------------------------------------------------------------------------------
# What the layout promises, and nothing else: stray files would be an install rule gone wrong.
esperados=(
  usr/games/velunda
  usr/lib/games/velunda/velunda
  usr/lib/games/velunda/velunda_progreso.so
  usr/lib/games/velunda/velunda_sonido.so
  usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml
  usr/share/man/man6/velunda.6.gz
  usr/share/doc/velunda/copyright
  usr/share/doc/velunda/changelog.gz
  usr/share/lintian/overrides/velunda
)
for f in "$fuente"/Data/*; do esperados+=("usr/share/velunda/Data/$(basename "$f")"); done
for f in "$fuente"/ui/resources/icons/hicolor/*/apps/*; do
  esperados+=("usr/share/icons/${f#"$fuente"/ui/resources/icons/}")
done
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort >"$tmp/lista"
printf '%s\n' "${esperados[@]}" | sort >"$tmp/esperada"
diff "$tmp/esperada" "$tmp/lista" || falla "the file list differs from the layout (< missing, > extra)"

[[ $(readlink "$raiz/usr/games/velunda") == ../lib/games/velunda/velunda ]] \
  || falla "usr/games/velunda is not the relative link to the program"
for f in "$fuente"/Data/*; do
  cmp -s "$f" "$raiz/usr/share/velunda/Data/$(basename "$f")" || falla "Data/$(basename "$f") changed"
done
head -n 1 "$raiz/usr/share/doc/velunda/copyright" \
  | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
  || falla "the copyright file is not in the Debian format"
# One version everywhere: the package, its changelog, the metainfo release and the manual.
zcat "$raiz/usr/share/doc/velunda/changelog.gz" | head -n 1 | grep -q "^velunda ($version) " \
  || falla "the changelog's last entry is not $version"
grep -q "<release version=\"$version\"" "$raiz/usr/share/metainfo/$id.metainfo.xml" \
  || falla "the metainfo has no release $version"
zcat "$raiz/usr/share/man/man6/velunda.6.gz" | grep -q "^\.TH VELUNDA 6 .*\"Velunda $version\"" \
  || falla "the manual page is not of version $version"
echo "Files: $(wc -l <"$tmp/lista") as laid out; version $version throughout"

# --- lintian --------------------------------------------------------------------------------
# Warnings, notes and pedantic tags fail too: each one accepted is an override with its
# reason, shipped in the package.
lintian --fail-on error,warning,info,pedantic --pedantic "$deb" >"$tmp/lintian" 2>&1
rc=$?
grep -v "^running with root privileges" "$tmp/lintian"
[[ $rc -eq 0 ]] || falla "lintian found a tag without an override"
echo "lintian: no tag left"

# --- The unpacked game, started through its launcher ----------------------------------------
# As nobody when this runs as root (CI), and then as root, who could write the unpacked tree
# and must leave it alone all the same; otherwise as the user running this, who owns the tree.
cp "$guion" "$tmp/guion.so"
chmod 755 "$tmp/guion.so"
# The first name of the shipped table on the high-score screen shows that the game found the
# installed Data/ from its own folder and seeded the player's table from it.
paso_esperado=(
  "menu shown: Velunda - A game by Quorlan! ( get more FREE GAMES at $host )"
  "high scores shown, first: $(grep -m1 '^Nombre=' "$fuente/Data/HOF.rec" | cut -d= -f2 | tr -d '\r')"
  "progress shown: Velunda - A game by Quorlan! ( get more FREE GAMES at $host )"
  "menu again"
  "quit asked: Are you sure?"
)
jugar() {
  local usuario=$1 casa=$tmp/casa-$1 salida=$tmp/salida-$1
  mkdir -p "$casa" "$tmp/otro"
  chown "$usuario" "$casa"
  local como=()
  [[ $usuario != "$(id -un)" ]] && como=(setpriv --reuid="$usuario" --regid="$(id -gn "$usuario")" --clear-groups)
  local antes
  antes=$(find "$raiz" -printf '%P %y %m %u %s %T@ %l\n' | sort)
  (cd "$tmp/otro" && env -i PATH=/usr/bin:/bin HOME="$casa" QT_QPA_PLATFORM=offscreen \
     ALSOFT_DRIVERS=null LD_PRELOAD="$tmp/guion.so" \
     "${como[@]}" timeout 60 "$raiz/usr/games/velunda") >"$salida" 2>&1
  local rc=$?
  [[ $rc -eq 0 ]] || { cat "$salida"; falla "$usuario: the game ended with $rc instead of quitting on Yes"; }
  for paso in "${paso_esperado[@]}"; do
    grep -qxF "GUION: $paso" "$salida" || { cat "$salida"; falla "$usuario: missing step: $paso"; }
  done
  [[ $(find "$raiz" -printf '%P %y %m %u %s %T@ %l\n' | sort) == "$antes" ]] \
    || falla "$usuario: the game changed its unpacked tree"
  local propia=$casa/.local/share/Quorlan/Velunda/HOF.rec
  [[ -f $propia && $(stat -c %U "$propia") == "$usuario" ]] \
    || falla "$usuario: no high-score table of the player's own at $propia"
  local guardadas=("$casa"/.cache/Quorlan/Velunda/*.rgb32)
  [[ -f ${guardadas[0]} && $(stat -c %U "${guardadas[0]}") == "$usuario" ]] \
    || falla "$usuario: the decoded title was not kept in ~/.cache/Quorlan/Velunda"
  echo "$usuario: menu, high scores, progress and quit through usr/games/velunda; tree untouched;" \
       "table kept at ~/.local/share/Quorlan/Velunda/HOF.rec, decoded title in ~/.cache/Quorlan/Velunda"
}
if [[ $(id -u) -eq 0 ]]; then
  id nobody >/dev/null 2>&1 || falla "no user 'nobody' to run the game as"
  jugar nobody
fi
jugar "$(id -un)"
echo "OK"
