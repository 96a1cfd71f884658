#!/usr/bin/env bash
# quillpad-tool calc end to end: UTF-8 sheet in, results pane and message out, faults on stderr.
# Usage: calc_tool_test.sh TOOL... (e.g. "wine quillpad-tool.exe" as two words)
set -u
tool=("$@")
failures=0

expect() {  # expect NAME SHEET EXPECTED-OUTPUT EXPECTED-STATUS [ARGS...]
  local name=$1 sheet=$2 expected=$3 status=$4
  shift 4
  local actual rc
  # (command substitution drops the final line ends of both)
  actual=$(printf '%b' "$sheet" | "${tool[@]}" calc "$@" 2>&1)
  rc=$?
  if [ "$actual" != "$expected" ] || [ "$rc" != "$status" ]; then
    printf 'FAIL %s\n  expected (%s): %q\n  actual   (%s): %q\n' "$name" "$status" "$expected" "$rc" "$actual"
    failures=$((failures + 1))
  fi
}

expect "crlf sheet" 'a=3*4;\r\na/5\r\n' '2.4' 0
expect "grouped" 'x=1234567; // 税込み\nx\n' '1,234,567' 0
expect "not grouped" 'x=1234567; // 税込み\nx\n' '1234567' 0 --no-group
expect "bom" '\xef\xbb\xbf7*6' '42' 0
expect "rounding" '2/3' '0.666666666666667' 0
expect "unfinished" '1+' $'\n入力・修正待ち' 1
expect "domain" 'sqrt(-1)' $'\nsqrtの引数が負' 1
expect "empty" '' '' 0
expect "overflow" '1e300*1e300' '浮動小数点数のオーバーフロー' 2
expect "conversion" '2*\n1,e5000' "'1e5000' は浮動小数点数ではありません" 2
expect "bad option" '1' 'usage: quillpad-tool calc [--no-group] < sheet.txt' 64 --group

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "calc tool: all cases passed"
