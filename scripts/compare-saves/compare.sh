#!/bin/sh
# Compares, byte for byte, the document files this tree's program saves with those an earlier version
# saves: documents typed key by key into the editor, and the same files opened and saved again (also
# converted to the two older file generations first).
#
#   scripts/compare-saves/compare.sh <earlier commit> [documents, default 300]
#
# Builds the earlier version in a worktree under $TMPDIR; both builds get the tool save_documents.cpp.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
base=$1
count=${2:-300}
work=${TMPDIR:-/tmp}/zaru-compare-saves
mkdir -p "$work"
if [ ! -d "$work/base-src" ]; then
  git -C "$root" worktree add --detach "$work/base-src" "$base"
fi
git -C "$work/base-src" checkout --quiet --detach "$base"

for side in base new; do
  src=$root
  [ "$side" = base ] && src=$work/base-src
  cmake -S "$src" -B "$work/build-$side" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARU_BUILD_TESTS=OFF \
    -DZARU_BUILD_BENCH=OFF -DCMAKE_PROJECT_INCLUDE="$here/CMakeLists.txt" >/dev/null
  cmake --build "$work/build-$side" -j2 --target save_documents >/dev/null
done

rm -rf "$work/out" && mkdir -p "$work/out"
for side in base new; do
  : >"$work/messages-$side.txt"
  QT_QPA_PLATFORM=offscreen "$work/build-$side/save_documents" typed 20261209 "$count" "$work/out/typed-$side" \
    2>>"$work/messages-$side.txt"
done
# Every saved file again, as written by the earlier version and in the two older generations.
python3 "$here/older_generations.py" "$work/out/typed-base" "$work/out/reopen-in"
for side in base new; do
  QT_QPA_PLATFORM=offscreen "$work/build-$side/save_documents" resave "$work/out/reopen-in" "$work/out/reopen-$side" \
    2>>"$work/messages-$side.txt"
done
python3 "$here/older_generations.py" --compare "$work/out"
