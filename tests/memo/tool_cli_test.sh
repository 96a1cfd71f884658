#!/usr/bin/env bash
# quillpad-tool as a newcomer meets it: usage on stdout with 0, unknown commands 64 with the usage
# on stderr, --help per subcommand, dump of a file that is no object image.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() {  # check NAME EXPECTED-STATUS STREAM PATTERN ARGS...
  local name=$1 status=$2 stream=$3 pattern=$4
  shift 4
  "$tool" "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  if [ "$rc" != "$status" ] || ! grep -q -- "$pattern" "$work/$stream"; then
    printf 'FAIL %s: status %s (expected %s), %s:\n' "$name" "$rc" "$status" "$stream"
    cat "$work/$stream"
    failures=$((failures + 1))
  fi
}

check "no arguments" 0 out "^usage: quillpad-tool"
check "--help" 0 out "quillpad-tool dump FILE" --help
check "-h" 0 out "quillpad-tool load" -h
check "help" 0 out "quillpad-tool calc" help
check "unknown" 64 err "quillpad-tool holidays" frobnicate
for command in calc dump load holidays; do
  check "$command --help" 0 out "^usage: quillpad-tool $command" "$command" --help
done
printf 'plain text\n' >"$work/plain.txt"
check "dump of text" 1 err "not an object image" dump "$work/plain.txt"
printf 'TPF0\011TMemoForm' >"$work/cut.dat"
check "dump of a cut image" 1 err "damaged object image" dump "$work/cut.dat"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "tool command line: all cases passed"
