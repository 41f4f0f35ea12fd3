#!/usr/bin/env bash
# Installed under another prefix and run from elsewhere, the capture tool finds its data and draws
# what the build tree's draws; the installed headers are the library's alone; the example builds
# against the installed library through CMake and through pkg-config, and runs. The prefix holds a
# space, which every one of them passes on whole.
source "$(dirname "$0")/lib.sh" "$1"

prefix="$WORK/stage/opt/after glow"
cmake --install "$BUILD" --prefix "$prefix" >/dev/null
(cd / && "$prefix/games/afterglow-capture" --at 3000 --size 160x90 --output "$WORK/installed.png" 2>/dev/null)
(cd "$BUILD" && ./afterglow-capture --at 3000 --size 160x90 --output "$WORK/tree.png" 2>/dev/null)
cmp -s installed.png tree.png || fail "the installed capture tool drew another still"
# The installed face: the public headers alone, each compiling alone; the internals stay inside.
for inside in app rules tools/capture base/Check.h base/MemoryRoom.h platform/GLSurface.h resources/core/TGAPixels.h; do
    [ ! -e "$prefix/include/afterglow/$inside" ] || fail "$inside is installed"
done
flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags afterglow)
while IFS= read -r header; do
    printf '#include "%s"\n' "$header" >alone.cpp
    eval "g++ -std=c++17 -fsyntax-only $flags alone.cpp" || fail "$header does not compile alone"
done < <(cd "$prefix/include/afterglow" && find . -name '*.h' | sed 's|^\./||')
[ -e alone.cpp ] || fail "no header installed"
# Each installed library holds its own folder's objects: afterglow_text_core those of text/core/.
for archive in "$prefix"/lib/libafterglow_*.a; do
    name=$(basename "$archive" .a)
    folder=${name#libafterglow_}
    folder=${folder/%_core//core}
    [ "$folder" = tools ] && folder=tools/common
    for object in $(ar t "$archive"); do
        [ -e "$HERE/../../$folder/${object%.o}" ] || fail "$name holds $object, not of $folder/"
    done
done
cmake -S "$HERE/../../examples" -B example -DCMAKE_PREFIX_PATH="$prefix" >/dev/null &&
    cmake --build example >/dev/null || fail "the example does not build with find_package"
# pkg-config writes a space in a path as "\ ", which a shell reads back as part of the word.
flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs afterglow)
eval "g++ -std=c++17 \"\$HERE/../../examples/text_overlay.cpp\" -o pc-overlay $flags" ||
    fail "the example does not build with pkg-config: $flags"
for program in example/text-overlay pc-overlay; do
    (cd "$BUILD" && "$WORK/$program" "$WORK/$(basename $program).png" >/dev/null) || fail "$program failed"
done
