#!/usr/bin/env bash
# Writes the package's Debian changelog, gzipped, from the project's history: one entry for the
# version given, listing every commit.
set -euo pipefail
source=$1 version=$2 maintainer=$3 output=$4
{
    echo "afterglow-intro ($version) unstable; urgency=medium"
    echo
    git -C "$source" log --format='  * %s' | fold -s -w 78 | sed 's/^\([^ ]\)/    \1/'
    echo
    echo " -- $maintainer  $(git -C "$source" log -1 --format=%aD)"
} | gzip -9n >"$output"
