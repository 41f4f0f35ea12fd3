#!/usr/bin/env bash
# intro-assets writes the same bytes on every run.
source "$(dirname "$0")/lib.sh" "$1"

"$BUILD/intro-assets" again || fail "intro-assets failed"
count=0
for f in "$BUILD"/data/*; do
    case $(basename "$f") in stamp | timeline.toml) continue ;; esac # written by the build
    cmp -s "$f" "again/$(basename "$f")" || fail "$(basename "$f") differs between two runs"
    count=$((count + 1))
done
[ "$count" -ge 30 ] || fail "only $count files were written"
