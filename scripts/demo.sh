#!/usr/bin/env bash
# Runs the wizard against a simulated device on the loopback interface only, and stops the device when the
# wizard ends. Called by ./run --demo with the folder of the built programs.
set -euo pipefail
bin=$1
shift
here=$(cd "$(dirname "$0")/.." && pwd)
ready=$(mktemp)
"$bin/swpdevsim" --scenario "$here/assets/demo/device.scenario" >"$ready" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -f "$ready"' EXIT

for _ in $(seq 50); do
  grep -q '^READY' "$ready" && break
  kill -0 "$sim" 2>/dev/null || { echo "The simulated device did not start (is UDP port 5432 on lo in use?)." >&2; exit 1; }
  sleep 0.1
done
grep '^READY' "$ready" >&2 || { echo "The simulated device did not get ready." >&2; exit 1; }

"$bin/corvana-setup" --interface lo "$@"
