#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the start-up time of the program: from its launch to its first
# presented frame (the first SDL_Flip), on a private Xvfb display, as the
# median of 5 runs. A small preloaded library notes the time of the first
# SDL_Flip and ends the program there.
# Usage: tools/measure_startup.sh path/to/calcora [working folder]
#   (default working folder: a fresh temporary one)
set -euo pipefail

tools=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
work=$(mktemp -d)
cd "${2:-$work}"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/first_flip.cpp" <<'CPP'
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
// The first presented frame: note the wall-clock time in $FIRST_FLIP_FILE, then end.
extern "C" int SDL_Flip(void* screen) {
    using Flip = int (*)(void*);
    int result = reinterpret_cast<Flip>(dlsym(RTLD_NEXT, "SDL_Flip"))(screen);
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (FILE* out = std::fopen(std::getenv("FIRST_FLIP_FILE"), "w")) {
        std::fprintf(out, "%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fclose(out);
    }
    _exit(0);
    return result;
}
CPP
g++ -shared -fPIC -O2 -o "$work/first_flip.so" "$work/first_flip.cpp" -ldl

source "$tools/xvfb.sh"
start_xvfb || { echo "no free display for Xvfb" >&2; exit 2; }
export SDL_VIDEODRIVER=x11 FIRST_FLIP_FILE="$work/flip"

times=()
for _ in 1 2 3 4 5; do
  rm -f "$work/flip"
  start=$(date +%s%N)
  LD_PRELOAD="$work/first_flip.so" "$program" >/dev/null 2>"$work/stderr" || true
  [ -s "$work/flip" ] || { echo "the program presented no frame: $(cat "$work/stderr")" >&2; exit 1; }
  times+=($(( ($(cat "$work/flip") - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
  printf "launch to first frame: median %.1f ms (runs:", t[3] / 1000
  for (i = 1; i <= NR; i++) printf " %.1f", t[i] / 1000
  print " ms)" }'
