#!/bin/sh
# run.sh TARGET SEED_DIR WORK_DIR: fuzz TARGET for $TARVEX_FUZZ_RUNS inputs
# (20000 by default). New inputs and any crash go to WORK_DIR, never into the
# seed corpus kept in the repository.
set -e
target=$1 seeds=$2 work=$3
mkdir -p "$work/corpus" "$work/artifacts"
exec "$target" -runs="${TARVEX_FUZZ_RUNS:-20000}" -max_len=512 -timeout=10 \
  -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds"
