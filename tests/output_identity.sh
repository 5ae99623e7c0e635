#!/usr/bin/env bash
# Every kind of output the program makes, as hashes: the files --convert saves, the CSV export, the
# PNG pages and the PDF pages (rasterised by pdftoppm) of the samples and of generated records (a
# 120-step test, a test with unusual number texts), with the factory settings and with settings
# that choose other faces, sizes and digits. Compared with the list kept beside this script, made
# by a build known to be right; a change that only makes the program faster must leave every line
# alone. --update rewrites the list (after a change that is meant to change output, with a look at
# the new pages first).
#
#   tests/output_identity.sh VEK HASHES [--update]
set -euo pipefail
vek=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
hashes=$2
update=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" LC_ALL=C.UTF-8
mkdir -p "$work/in" "$work/out"

# The 120-step test: the sample's header and calibration around generated steps (the last twenty
# bend upwards as a test near its limit pressure does).
sample=$root/samples/test-sample.vdw
steps() {
  awk -v kind="$1" 'BEGIN {
    for (r = 1; r <= 120; r++) {
      h = 4.0 + r * 0.35 + (r > 100 ? (r - 100) * 0.4 : 0)
      if (kind == "plain")
        printf "%d,%d,%.1f,%.1f,%.1f,%.1f,,,,,,\r\n", r * 25, r * 25 + 8, h, h + 0.1, h + 0.2, h + 0.3
      else if (r % 4 == 0)  # texts as people type them: blanks, signs, exponents, many places
        printf " %.3e,+%d, %.4f,%.6f,%.2f ,%.1f,,,,,,\r\n", r * 12.5, r * 13, h, h + 0.07, h + 0.15, h + 0.3
      else
        printf "%.5f,%d,%.2f,%.1f,%.3f,%.1f,,,,,,\r\n", r * 12.5 + 1e-5, r * 13 - 7, h, h + 0.1, h + 0.2, h + 0.3
    }
  }'
}
for kind in plain typed; do
  {
    sed -n '1,/^\$\$A/p' "$sample"
    steps "$kind"
    sed -n '/^\$\$C/,$p' "$sample"
  } >"$work/in/steps-$kind.vdw"
done
cp "$root"/samples/*.vdw "$root"/samples/*.cdw "$root"/samples/*.ddf "$root"/samples/*.cdf "$work/in/"

# Settings: the factory ones, and ones with the gothic faces, other font sizes and more digits.
settings_home() {
  local home="$work/home-$1"
  mkdir -p "$home"
  VEK_HOME="$home" "$vek" --init-settings >/dev/null
  if [ "$1" = other ]; then
    local folder
    folder=$(VEK_HOME="$home" "$vek" --program-folder 2>/dev/null)
    for f in "$folder"/Font*.ndx; do
      # First line the size, second the face: 12 points and "ＭＳ ゴシック" / "ＭＳ Ｐゴシック".
      local face
      case "$f" in *Font[135].ndx) face='ＭＳ ゴシック' ;; *) face='ＭＳ Ｐゴシック' ;; esac
      { printf '12\r\n'; printf '%s\r\n' "$face" | iconv -f UTF-8 -t CP932; sed -n '3,$p' "$f"; } >"$f.new"
      mv "$f.new" "$f"
    done
    # Digits settings are the lines holding one small number; set every 1, 2 or 3 there to 4.
    sed -i -E 's/^[123]\r$/4\r/' "$folder/Sys.ndx"
  fi
  echo "$home"
}

hash_dir() {  # hash every file below $1, named by its path relative to $1
  (cd "$1" && find . -type f | LC_ALL=C sort | while read -r f; do
    printf '%s  %s\n' "$(sha256sum <"$f" | cut -d' ' -f1)" "$2/${f#./}"
  done)
}

{
  for variant in factory other; do
    export VEK_HOME
    VEK_HOME=$(settings_home "$variant")
    for input in "$work"/in/*; do
      name=$(basename "$input")
      out="$work/out/$variant/$name"
      mkdir -p "$out/saved" "$out/reduced" "$out/png" "$out/pdf"
      opts=(--reduce)
      case "$name" in *.vdw | *.ddf) opts+=(--analyse auto) ;; esac
      "$vek" --convert "$out/saved" "$input" >/dev/null 2>&1 || echo "convert failed: $variant/$name"
      "$vek" --convert "$out/reduced" "$input" "${opts[@]}" >/dev/null 2>&1 || true
      "$vek" --export-csv "$out/t.csv" "$input" "${opts[@]}" >/dev/null 2>&1 || true
      "$vek" --export-png "$out/png" "$input" "${opts[@]}" --dpi 120 >/dev/null 2>&1 ||
        echo "png failed: $variant/$name"
      if "$vek" --export-pdf "$out/t.pdf" "$input" "${opts[@]}" >/dev/null 2>&1; then
        pdftoppm -r 150 -png "$out/t.pdf" "$out/pdf/page"
        rm "$out/t.pdf"
      else
        echo "pdf failed: $variant/$name"
      fi
      # On a smaller paper: what is said about the sheet that does not fit, and the pages (PDF and
      # PNG) as they are and scaled onto it.
      case "$name" in test-sample.vdw | steps-plain.vdw | cal-sample.cdw)
        mkdir -p "$out/b5"
        "$vek" --export-pdf "$out/b5.pdf" "$input" "${opts[@]}" --paper B5 2>"$out/b5/said.txt" >/dev/null || true
        "$vek" --export-pdf "$out/b5fit.pdf" "$input" "${opts[@]}" --paper B5 --fit 2>"$out/b5/fit-said.txt" >/dev/null || true
        sed -i "s|$work|WORK|g" "$out/b5/said.txt" "$out/b5/fit-said.txt"
        pdftoppm -r 100 -png "$out/b5.pdf" "$out/b5/page" && pdftoppm -r 100 -png "$out/b5fit.pdf" "$out/b5/fit"
        rm -f "$out/b5.pdf" "$out/b5fit.pdf"
        "$vek" --export-png "$out/b5/png" "$input" "${opts[@]}" --paper B5 --dpi 60 2>"$out/b5/png-said.txt" >/dev/null || true
        "$vek" --export-png "$out/b5/pngfit" "$input" "${opts[@]}" --paper B5 --fit --dpi 60 \
          2>"$out/b5/pngfit-said.txt" >/dev/null || true
        sed -i "s|$work|WORK|g" "$out/b5/png-said.txt" "$out/b5/pngfit-said.txt"
        ;;
      esac
      hash_dir "$out" "$variant/$name"
    done
  done
} >"$work/now"

if [ "$update" = --update ]; then
  cp "$work/now" "$hashes"
  echo "wrote $(wc -l <"$hashes") hashes to $hashes"
  exit 0
fi
if ! diff -u "$hashes" "$work/now"; then
  echo "outputs differ from the reference (lines with - are expected, + are now)" >&2
  exit 1
fi
echo "$(wc -l <"$hashes") outputs identical"
