#!/usr/bin/env bash
# Unlha32.dll under Wine, called the way the program calls it, and its archive read back by
# Debian's independent extractor: listed, tested and unpacked byte for byte.
#   tests/wine/archiver_check.sh WINDOWS_BUILD_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
build=$1
lha=$(command -v lha || command -v lhasa || true)
if [[ -z $lha ]]; then
  echo "archiver_check: no lha extractor (scripts/setup installs lhasa)" >&2
  exit 1
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/quillpad-archive.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$build/src/Unlha32.dll" "$build/tests/win32/win32_archiver_check.exe" "$work/"
"$here/wine-run-test" -t 90 "$work/win32_archiver_check.exe" "Z:$(tr / '\\' <<<"$work")"
cd "$work"
"$lha" t notes.lzh
listing=$("$lha" l notes.lzh)
echo "$listing"
mkdir out && (cd out && "$lha" x ../notes.lzh >/dev/null)
# Stored names are CP932 bytes, as the program's texts are; Wine keeps host names in UTF-8. A
# folder source stores names from inside it.
cmp "in/メモ表.txt" "out/$(printf 'メモ表.txt' | iconv -f UTF-8 -t CP932)"
cmp in/sub/a.txt out/a.txt
echo "archiver_check: passed"
