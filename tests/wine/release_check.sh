#!/usr/bin/env bash
# The release zip as a user gets it: packed by scripts/package from the cross build, checked for
# its files and their text form, unpacked into a fresh program folder and started under Wine.
#   tests/wine/release_check.sh WINDOWS_BUILD_FOLDER
set -euo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/quillpad-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
zip=$(QUILLPAD_WINDOWS_BUILD=$build "$scripts/package" --no-build "$work/out" | tail -n 1)
guide=はじめにお読みください.txt
python3 - "$zip" "$work/unpacked" "$guide" <<'PY'
import sys, zipfile
zip_path, target, guide = sys.argv[1:]
with zipfile.ZipFile(zip_path) as z:
    names = [n.split("/", 1)[1] for n in z.namelist()]
    for want in ("Quillpad.exe", "Unlha32.dll", "HolidayList.txt", guide):
        assert want in names, f"{want} is missing from the zip: {names}"
    for text in ("HolidayList.txt", guide):
        data = z.read(next(n for n in z.namelist() if n.endswith("/" + text)))
        data.decode("cp932")  # raises on anything that is not CP932
        assert b"\n" not in data.replace(b"\r\n", b""), f"{text} has a line end that is not CR LF"
    z.extractall(target)
print("release_check: the zip holds", ", ".join(sorted(names)))
PY
exe=$(ls "$work"/unpacked/*/Quillpad.exe)
cp "$build/tests/win32/e2e_release.exe" "$work/"
status=0
"$scripts/wine-run-test" -t 100 "$work/e2e_release.exe" "Z:$(tr / '\\' <<<"$exe")" || status=$?
for shot in "$work"/e2e_release*.png; do
  [[ -f $shot ]] && cp "$shot" "$build/tests/win32/"
done
exit $status
