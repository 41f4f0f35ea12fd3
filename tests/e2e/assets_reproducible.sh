# intro-assets writes the same bytes on every run, and fails clearly without lame.
source "$(dirname "$0")/lib.sh" "$@"

"$BUILD/intro-assets" "$WORK/again" || fail "intro-assets failed"
count=0
for f in "$BUILD"/data/*; do
    name=$(basename "$f")
    [ "$name" = stamp ] && continue
    cmp -s "$f" "$WORK/again/$name" || fail "$name differs between two runs"
    count=$((count + 1))
done
[ "$count" -ge 30 ] || fail "only $count files were written"
echo "$count files identical across two runs"

mkdir bin
for tool in sh; do ln -s "$(command -v $tool)" bin/$tool; done
code=0
PATH="$WORK/bin" "$BUILD/intro-assets" "$WORK/nolame" 2>err.txt || code=$?
[ "$code" != 0 ] || fail "intro-assets succeeded without lame"
grep -q '^intro-assets: lame not found' err.txt || fail "unclear message: $(cat err.txt)"
echo "without lame: $(cat err.txt)"
