#!/usr/bin/env bash
# Writes the package's Debian changelog, gzipped, from the project's history: one entry for the
# version given, listing every commit.
set -euo pipefail
source=$1 version=$2 maintainer=$3 output=$4
# Lines stay within 80 columns, continuations indented under the subject. Outside a git checkout
# (a source tarball) the entry names the release alone.
history=$(git -C "$source" log --format='  * %s' 2>/dev/null | fold -s -w 76 |
    sed -e 's/^\([^ ]\)/    \1/' -e 's/ *$//') ||
    history="  * Release $version."
date=$(git -C "$source" log -1 --format=%aD 2>/dev/null) || date=$(date -R)
{
    echo "afterglow-intro ($version) unstable; urgency=medium"
    echo
    echo "$history"
    echo
    echo " -- $maintainer  $date"
} | gzip -9n >"$output"
