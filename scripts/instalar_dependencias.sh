#!/usr/bin/env bash
# Installs the Debian packages Velunda needs to build, test and look at itself, and only
# those that are missing. Uses sudo when not run as root.
set -euo pipefail

paquetes=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev libopenal-dev libmpg123-dev libjpeg-dev libpng-dev libgtest-dev libgmock-dev
  qt6-tools-dev qt6-l10n-tools     # lupdate/lrelease: the translations compiled into the game
  qt6-translations-l10n            # Qt's own button texts, loaded only with a game translation
  qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite   # the history and its charts
  fonts-liberation
  clang libclang-rt-dev            # the fuzz target
  xvfb xauth                       # screenshots and real-window checks
  libxtst-dev                      # the check-up benchmark presses keys through the X server
  desktop-file-utils appstream     # validators of the install set
  strace x11-utils                 # the installed game's checks (files read, window shown)
  dpkg-dev fakeroot lintian        # the Debian package: Depends, building it, checking it
)
if [[ "${1:-}" == "--tools" ]]; then
  # Only to remake the art and the cues.
  paquetes+=(espeak-ng lame sox libsox-fmt-mp3 imagemagick)
fi

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
[[ ${#faltan[@]} -eq 0 ]] && exit 0

como_root=()
[[ $(id -u) -ne 0 ]] && como_root=(sudo)
echo "Installing: ${faltan[*]}"
"${como_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${como_root[@]}" apt-get install -y --no-install-recommends "${faltan[@]}"
