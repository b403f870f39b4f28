#!/usr/bin/env bash
# Regenerates resources/service-pack.msp: the stand-in for a service pack's
# patch package. It is a compound file made with msitools whose summary
# information names the 21 target products (Template, 818 characters, no ';'
# at the end) and the patch code (revision number), padded with an unused
# stream to the size of the real package, 6,231,040 bytes.
#
#   tools/make-standin-package.sh [OUTPUT]
set -euo pipefail

output=${1:-"$(cd "$(dirname "$0")/.." && pwd)/resources/service-pack.msp"}
readonly target_size=6231040
readonly patch_code='{45391738-D1C4-486D-95DF-F5CA7B4F1ACF}'
readonly target_products=(
  '{4A1631D5-1A87-4C85-A5A9-E2D37BC27155}' '{A03996AF-66CD-4DAC-BA13-01FD4AA6A5A1}'
  '{A47FA7A8-D234-4103-A049-F9E269442194}' '{CF862BC5-9A50-47C8-AE7A-58FA365DDF73}'
  '{E91A2D49-371D-4CF9-BBB5-EAD834BAC0F8}' '{BB7CE3A6-566C-4DF7-B6EE-1075BC9041FC}'
  '{5B00F2E2-7E9A-4C25-A47E-D828F0A3921A}' '{AAF45FB8-A732-4E02-AC8D-38A7249872C7}'
  '{4D898CF2-1340-4708-80F0-BF98DC1FF054}' '{5AFE4BCD-C98B-41F2-A0AE-F8974390DBB7}'
  '{593DD6C5-0C22-4727-8A9C-F4D2CF088094}' '{4ACEEBFC-CFB6-465B-8106-3D91429FD5B0}'
  '{B446BC1F-F0F7-455F-AC8F-16C1BA8A3582}' '{9D9DD730-A39C-403B-B4E1-0981244D3CC0}'
  '{E92F3DE6-7CEF-4C9A-8B6F-78E829737EA1}' '{5D9871CE-BE52-4601-A71A-07D67984938A}'
  '{7ADF8F4D-E929-4821-A1D3-3D066FD4F571}' '{D06C5C09-5506-48B7-A719-396335D2D6B2}'
  '{4C88BEBF-87AE-4375-93E2-962DA1AA6384}' '{7B2AE7A4-C7B9-4FD0-BE5F-3D8ECDC77427}'
  '{3D1BD6C2-CD49-4C94-B59D-02A23CED7CB8}'
)

template=$(IFS=';'; echo "${target_products[*]}")
if [ ${#target_products[@]} -ne 21 ] || [ ${#template} -ne 818 ]; then
  echo "the target list must be 21 codes in 818 characters" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Builds the package with a padding stream of $1 bytes and prints its size.
build() {
  rm -f "$work/package.msp"
  msibuild "$work/package.msp" -s "Kalvaron Veldrin Service Pack" "Kalvaron" "$template" "$patch_code"
  head -c "$1" /dev/zero > "$work/padding"
  msibuild "$work/package.msp" -a Padding "$work/padding"
  stat -c %s "$work/package.msp"
}

# The compound file's allocation tables grow with the padding, so correct the
# guess by the difference until the size is exact.
padding=$((target_size - 65536))
for _ in $(seq 1 20); do
  size=$(build "$padding")
  [ "$size" -eq "$target_size" ] && break
  step=$((target_size - size))
  # Near the goal a whole-sector step can overshoot; move by less.
  [ "${step#-}" -le 512 ] && step=$((step / 2))
  [ "$step" -eq 0 ] && step=-64
  padding=$((padding + step))
done
if [ "$size" -ne "$target_size" ]; then
  echo "could not reach $target_size bytes (last $size)" >&2
  exit 1
fi
cp "$work/package.msp" "$output"
echo "wrote $output ($size bytes)"
