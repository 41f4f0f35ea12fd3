#!/usr/bin/env bash
# afterglow-assets writes the same bytes on every run.
source "$(dirname "$0")/lib.sh" "$1"

"$BUILD/afterglow-assets" again || fail "afterglow-assets failed"
count=0
for f in "$BUILD"/content/*; do
    case $(basename "$f") in stamp | timeline.toml) continue ;; esac # written by the build
    cmp -s "$f" "again/$(basename "$f")" || fail "$(basename "$f") differs between two runs"
    count=$((count + 1))
done
[ "$count" -ge 30 ] || fail "only $count files were written"
