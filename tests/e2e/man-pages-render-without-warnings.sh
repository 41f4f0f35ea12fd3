#!/usr/bin/env bash
# The man pages render at 80 columns without a warning.
source "$(dirname "$0")/lib.sh" "$1"

for page in afterglow afterglow-capture; do
    [ -z "$(MANWIDTH=80 man --warnings -l "$BUILD/man/$page.6.gz" 2>&1 >/dev/null)" ] || fail "$page.6 warns"
done
