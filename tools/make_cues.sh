#!/usr/bin/env bash
# Makes the game's nine spoken sound cues in Data/: five cheers for a correct click, three
# groans for a wrong click or a time-out, one for winning the game. Each is spoken by
# espeak-ng's Spanish voice, trimmed of silence, brought to one loudness, kept under 1.5 s
# and encoded as a small mono MP3. Needs espeak-ng, sox and lame.
#   tools/make_cues.sh [repo-root]        (default: the folder above this script)
# VOZ=es+f3 tools/make_cues.sh picks another voice variant (default es+m3).
set -euo pipefail

raiz="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
datos="$raiz/Data"
voz="${VOZ:-es+m3}"
max_segundos=1.40  # the trimmed speech; the MP3 adds a few frames of encoder padding
rms_objetivo=-18   # dBFS: one loudness for every cue
# sox -D everywhere: no random dither, so a rerun gives the same bytes.

for herramienta in espeak-ng sox lame; do
    command -v "$herramienta" >/dev/null || { echo "missing: $herramienta" >&2; exit 1; }
done
mkdir -p "$datos"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

duracion() { soxi -D "$1"; }
rms_db() { sox "$1" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}'; }
mayor() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# decir <file> <pitch 0-99> <words per minute> <text>
decir() {
    local fichero="$1" tono="$2" velocidad="$3" texto="$4"
    local crudo="$tmp/crudo.wav" recortado="$tmp/recortado.wav"
    while :; do
        espeak-ng -v "$voz" -p "$tono" -s "$velocidad" -a 150 -w "$crudo" "$texto"
        # Silence off both ends, then short fades so the cut never clicks.
        sox -D "$crudo" "$tmp/sin_silencio.wav" \
            silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
        sox -D "$tmp/sin_silencio.wav" "$recortado" fade t 0.005 -0 0.03
        mayor "$(duracion "$recortado")" "$max_segundos" || break
        velocidad=$((velocidad + 15))  # too long: speak faster and try again
        if ((velocidad > 320)); then
            echo "cannot fit \"$texto\" in $max_segundos s" >&2
            exit 1
        fi
    done
    # Same RMS for every cue; the limiter keeps the peaks of short words from clipping.
    local ganancia
    ganancia="$(awk -v o="$rms_objetivo" -v r="$(rms_db "$recortado")" 'BEGIN { printf "%.2f", o - r }')"
    sox -D "$recortado" -r 22050 -c 1 "$tmp/final.wav" gain -l "$ganancia"
    lame --quiet --noreplaygain -m m -b 64 "$tmp/final.wav" "$datos/$fichero"
    echo "$fichero: voice $voz, pitch $tono, speed $velocidad, gain $ganancia dB"
}

# Success: bright and quick.
decir bien.mp3 70 175 "¡Bien!"
decir genial.mp3 70 175 "¡Genial!"
decir sigue_asi.mp3 70 175 "¡Sigue así!"
decir uno_menos.mp3 70 175 "¡Uno menos!"
decir vale.mp3 70 175 "¡Vale!"
# Failure: lower and slower.
decir no.mp3 25 140 "¡No!"
decir uy.mp3 25 140 "¡Uy!"
decir vaya.mp3 25 140 "¡Vaya!"
# The win: cheerful, fast enough to fit.
decir que_bueno_eres_tio.mp3 75 185 "¡Qué bueno eres, tío!"

echo
printf '%-24s %9s %9s %9s\n' cue seconds peak "RMS dB"
for f in bien genial sigue_asi uno_menos vale no uy vaya que_bueno_eres_tio; do
    mp3="$datos/$f.mp3"
    segundos="$(duracion "$mp3")"
    pico="$(sox "$mp3" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')"
    printf '%-24s %9.3f %9s %9s\n' "$f.mp3" "$segundos" "$pico" "$(rms_db "$mp3")"
    if mayor "$segundos" 1.5; then
        echo "$f.mp3 is longer than 1.5 s" >&2
        exit 1
    fi
done
