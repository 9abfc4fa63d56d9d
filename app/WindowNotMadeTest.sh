#!/bin/sh
# trelvane.exe under Wine with a display no server answers: it cannot make
# its window, so it must end with status 1, not 0 as if all had gone well.
# The prefix's server is brought up first on the usual display, so that the
# other tests' windows do not meet the unreachable one.
#
#   WindowNotMadeTest.sh WINE_RUN PROGRAM WORK_FOLDER
set -u
mkdir -p "$3" && cd "$3" || exit 1
"$1" cmd.exe /c exit
DISPLAY=:1023 "$1" "$2"
status=$?
if [ "$status" -eq 1 ] && [ ! -e Trelvane.txt ]; then
  echo "1 passed, 0 failed"
else
  echo "window not made: exit status $status (1 expected)"
  echo "0 passed, 1 failed"
  exit 1
fi
