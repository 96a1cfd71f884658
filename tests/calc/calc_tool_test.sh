#!/usr/bin/env bash
# quillpad-tool calc end to end: UTF-8 sheet in, results pane and message out, faults on stderr.
set -u
tool=$1
failures=0

expect() {  # expect NAME EXPECTED-STDOUT EXPECTED-STATUS [ARGS...] (sheet on stdin)
  local name=$1 expected=$2 status=$3
  shift 3
  local actual rc
  actual=$("$tool" calc "$@" 2>&1)
  rc=$?
  if [ "$actual" != "$expected" ] || [ "$rc" != "$status" ]; then
    printf 'FAIL %s\n  expected (%s): %q\n  actual   (%s): %q\n' "$name" "$status" "$expected" "$rc" "$actual"
    failures=$((failures + 1))
  fi
}

printf 'a=3*4;\r\na/5\r\n' | expect "crlf sheet" $'2.4\n' 0
printf 'x=1234567 // 税込み\nx\n' | expect "grouped" $'1,234,567\n' 0
printf 'x=1234567 // 税込み\nx\n' | expect "not grouped" $'1234567\n' 0 --no-group
printf '\xef\xbb\xbf7*6' | expect "bom" $'42\n' 0
printf '1+' | expect "unfinished" $'\n入力・修正待ち' 0
printf 'sqrt(-1)' | expect "domain" $'\nsqrtの引数が負' 0
printf '' | expect "empty" $'\n' 0
printf '1e300*1e300' | expect "overflow" '浮動小数点数のオーバーフロー' 2
printf '2*\n1,e5000' | expect "conversion" "'1e5000' は浮動小数点数ではありません" 2
printf '1' | expect "bad option" 'usage: quillpad-tool calc [--no-group] < sheet.txt' 64 --group

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "calc tool: all cases passed"
