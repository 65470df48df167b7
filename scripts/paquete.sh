#!/usr/bin/env bash
# Builds the Debian package of Velunda: a Release build for /usr with Debian's build flags
# (hardening included, for the program and every module it loads), then CPack. Prints the
# path of velunda_<version>_<arch>.deb.
# Usage: scripts/paquete.sh [build dir]      (default build-deb)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$raiz/build-deb}")
cd "$raiz"
umask 022  # the package's files and folders get the modes Debian expects

mkdir -p "$dir"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset release -B "$dir" -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$dir/configurar.log" 2>&1 \
  || { cat "$dir/configurar.log"; exit 1; }
# Only the program goes into the package; the tools of the tree are not built.
cmake --build "$dir" --target velunda
rm -f "$dir"/velunda_*.deb
(cd "$dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$dir/cpack.log"; exit 1; }
ls "$dir"/velunda_*.deb
