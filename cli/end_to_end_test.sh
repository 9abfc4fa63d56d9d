#!/bin/sh
# Runs the built trelvane-compare as a shell would: exit codes, the streams
# it writes to, and the bytes of its exports.
set -u
compare=$1
make_seasons=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  description=$1; shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

"$make_seasons" --seed 5 --players 300 "$work/prior" "$work/current" || exit 1

"$compare" "$work/prior" "$work/current" --departed "$work/d.txt" --arrivals "$work/a.txt" >"$work/out" 2>"$work/err"
check "a good run exits 0 and is silent on stderr" test $? -eq 0 -a ! -s "$work/err"
departed=$(sed -n 's/^Departed: //p' "$work/out")
check "the departed export has one CR LF line per departed player" \
  test "$(grep -c "$(printf '\r')\$" "$work/d.txt")" -eq "$departed" -a "$(wc -l <"$work/d.txt")" -eq "$departed"
sed -n '/^Departed (/,/^$/p' "$work/out" | sed '1d;$d' | sed 's/$/\r/' >"$work/expected"
check "the departed export holds the printed lines byte for byte" cmp -s "$work/expected" "$work/d.txt"

rm "$work/current/KOVPLYR.DAT"
"$compare" "$work/prior" "$work/current" >"$work/out" 2>"$work/err"
check "a missing player file exits 1" test $? -eq 1
check "and names the file and the reason in one line" \
  test "$(cat "$work/err")" = "trelvane-compare: cannot read the player file $work/current/KOVPLYR.DAT: No such file or directory"
check "and no player file was created" test ! -e "$work/current/KOVPLYR.DAT"

"$compare" "$work/prior" >"$work/out" 2>"$work/err"
check "a missing argument exits 2 with the usage" test $? -eq 2 -a -n "$(grep '^usage:' "$work/err")"
"$compare" --help >"$work/out" 2>"$work/err"
check "--help exits 0 with the usage on stdout" test $? -eq 0 -a -n "$(grep '^usage:' "$work/out")"

"$make_seasons" --seed 5 --players 300 "$work/prior" "$work/current" >/dev/null || exit 1
"$compare" "$work/prior" "$work/current" >/dev/full 2>"$work/err"
check "lists that cannot be written to standard output exit 1" test $? -eq 1
check "and say so in one line" \
  test "$(cat "$work/err")" = "trelvane-compare: cannot write the lists to standard output: No space left on device"

# A folder the user may not write to. Root may write anywhere, so as root the
# tool runs as nobody (when everything it needs is open to nobody).
mkdir "$work/closed"
chmod 755 "$work" "$work/closed"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
  as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
  chmod 555 "$work/closed"
fi
if $as_user "$compare" --help >/dev/null 2>&1; then
  $as_user "$compare" "$work/prior" "$work/current" --departed "$work/closed/d.txt" >/dev/null 2>"$work/err"
  check "an export into a folder without write access exits 1" test $? -eq 1
  check "and names the file and the reason in one line" \
    test "$(cat "$work/err")" = "trelvane-compare: cannot write $work/closed/d.txt: Permission denied"
  check "and creates nothing there" test -z "$(ls -A "$work/closed")"
else
  echo "skipped: the tool cannot be run as another user here"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
