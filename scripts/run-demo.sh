#!/usr/bin/env bash
# Builds the host program and runs its main job on the demo machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset host >/dev/null
cmake --build --preset host

out=$(mktemp -d)
status=0
build/host/spwrap /e "$out/service-pack.msp" || status=$?
echo "spwrap /e $out/service-pack.msp exited with $status"
ls -l "$out/service-pack.msp"
msiinfo suminfo "$out/service-pack.msp"
exit "$status"
