#!/usr/bin/env bash
# Writes the package's Debian changelog, gzipped, from the project's history: one entry for the
# version given, listing every commit.
set -euo pipefail
source=$1 version=$2 maintainer=$3 output=$4
# Outside a git checkout (a source tarball) the entry names the release alone.
history=$(git -C "$source" log --format='  * %s' 2>/dev/null | fold -s -w 78 | sed 's/^\([^ ]\)/    \1/') ||
    history="  * Release $version."
date=$(git -C "$source" log -1 --format=%aD 2>/dev/null) || date=$(date -R)
{
    echo "afterglow-intro ($version) unstable; urgency=medium"
    echo
    echo "$history"
    echo
    echo " -- $maintainer  $date"
} | gzip -9n >"$output"
