#!/usr/bin/env bash
# The same input must give the same game in every build. Replays the recorded
# play-through and a generated random script with DotsunderReplay from each
# preset (default: debug release asan) and fails, naming the first differing
# frame, unless every frame's state hash agrees.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/lib/cmake-preset.sh
source tools/lib/cmake-preset.sh

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(debug release asan)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Random play that never quits: awk's generator with a fixed seed, written once,
# so that every build replays the very same text. Deltas from 0 to 1/20 s and a
# few stalls of seconds; key changes over the arrows, SPACE, letters, F1, F4, F8.
awk 'BEGIN {
  srand(9)
  numKeys = split("37 38 39 40 32 32 32 65 69 73 76 78 79 82 84 85 90 112 115", keys, " ")
  for (frame = 0; frame < 20000; frame++) {
    roll = rand()
    delta = roll < 0.05 ? 0 : (roll < 0.997 ? rand() / 20 : 2 + 5 * rand())
    line = sprintf("%.9g", delta)
    for (change = int(rand() * 3); change > 0; change--) {
      key = rand() < 0.0005 ? 119 : keys[1 + int(rand() * numKeys)]
      line = line (isDown[key] ? " -" : " +") key
      isDown[key] = !isDown[key]
    }
    print line
  }
}' > "$work/random.txt"

reference=""
for preset in "${presets[@]}"; do
  build_preset "$preset" DotsunderReplay >/dev/null
  for script in Tests/Game/Scripts/play-through.txt "$work/random.txt"; do
    build/"$preset"/DotsunderReplay "$script" > "$work/$preset.$(basename "$script")"
  done
  cat "$work/$preset.play-through.txt" "$work/$preset.random.txt" > "$work/$preset.hashes"
  if [ -z "$reference" ]; then
    reference=$preset
  elif ! cmp -s "$work/$reference.hashes" "$work/$preset.hashes"; then
    echo "determinism: $preset differs from $reference; first differing lines:" >&2
    diff "$work/$reference.hashes" "$work/$preset.hashes" | head -n 4 >&2
    exit 1
  fi
done
echo "determinism: $(wc -l < "$work/$reference.hashes") frame hashes equal in ${presets[*]}"
