#!/bin/sh
# Runs each fuzz target over a copy of its seed corpus and then a fixed
# number of mutations with a fixed seed. Any crash, sanitizer report or
# leak makes the target, and so this script, fail.
# Usage: replay.sh BUILD_DIR CORPUS_DIR RUNS
set -e
build=$1
corpus=$2
runs=$3
# The Store target takes the packed positions of the loader's corpus.
for entry in echo_reader:echo:8192 position_loader:position:16384 store:position:16384 \
  dxf_reader:dxf:32768; do
  fuzzer=${entry%%:*}_fuzzer
  # The DXF target is built only where the build has DXF.
  if [ "$fuzzer" = dxf_reader_fuzzer ] && [ ! -x "$build/$fuzzer" ]; then continue; fi
  rest=${entry#*:}
  kind=${rest%%:*}
  maxlen=${rest##*:}
  seeds=$corpus/$kind
  work=$build/replay-${entry%%:*}
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$seeds"/* "$work/corpus/"
  echo "== $fuzzer: $(ls "$seeds" | wc -l) seeds, $runs runs"
  "$build/$fuzzer" -seed=1 -runs="$runs" -max_len="$maxlen" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus"
done
