#!/bin/sh
# scripts/run.sh starts the program where the build puts it. $1: the program built, $2: the build
# directory, $3: the script (which builds into build/).
set -eu
program="build/${1#"$2"/}"
grep -qF "\"\$ROOT/$program\"" "$3" || {
  echo "$3 does not start $program, where the build puts the program" >&2
  exit 1
}
