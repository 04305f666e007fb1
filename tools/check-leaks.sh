#!/usr/bin/env bash
# Nothing leaks and nothing piles up: the recorded full play-through followed by
# 50 F8 restarts (each breaking some of the new puzzle's hint), replayed by the
# windowless DotsunderReplay (release build by default) under valgrind's memcheck, must
# end with 0 bytes definitely or indirectly lost and no memory error; and the
# peak resident size after 50 restarts must be that after 5 (within 1 MiB).
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/lib/cmake-preset.sh
source tools/lib/cmake-preset.sh

preset=${1:-release}
build_preset "$preset" DotsunderReplay >/dev/null
replay=build/$preset/DotsunderReplay

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# numRestarts times: F8, then SPACE over the hint's first line while the dots fly.
write_restarts() {
  for ((restart = 0; restart < $1; restart++)); do
    printf '0.0625 +119\n0.0625 -119 +38\n0.0625 -38 +38 *8\n0.0625 -38 +32\n0.0625 -32 *40\n'
  done
}
write_restarts 50 > "$work/restarts-50.txt"
write_restarts 5 > "$work/restarts-5.txt"
play_through=Tests/Game/Scripts/play-through.txt

if ! valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --error-exitcode=1 --log-file="$work/memcheck.txt" \
  "$replay" --every 1000000 "$play_through" "$work/restarts-50.txt" > /dev/null; then
  cat "$work/memcheck.txt" >&2
  echo "leaks: memcheck found errors or leaks (above)" >&2
  exit 1
fi
grep -E "definitely lost|indirectly lost|no leaks are possible|ERROR SUMMARY" "$work/memcheck.txt" | sed 's/^==[0-9]*== */leaks: /'

peak_kib() {
  /usr/bin/time -f '%M' "$replay" --every 1000000 "$play_through" "$1" 2>&1 > /dev/null | tail -n 1
}
peak5=$(peak_kib "$work/restarts-5.txt")
peak50=$(peak_kib "$work/restarts-50.txt")
echo "leaks: peak resident size ${peak5} KiB after 5 restarts, ${peak50} KiB after 50"
if [ "$peak50" -gt $((peak5 + 1024)) ]; then
  echo "leaks: the peak resident size grows with the number of restarts" >&2
  exit 1
fi
