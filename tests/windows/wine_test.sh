#!/usr/bin/env bash
# The Windows build under wine, against the Linux build:
#
#   wine_test.sh LWALL.EXE CASE_RUNNER.EXE LINUX_LWALL
#
# Every bundled example (also with the picture, the portable form and the
# schedule data), a refused wall, a missing input, usage errors, help
# and version, and directories named in Japanese are run by both builds in
# two copies of the same folders; wine is started once, its case runner
# running all the cases. Both must leave the same files byte for byte, give
# the same statuses, and print the same messages, the Windows build with
# CR LF line ends; a few results are also checked against their bytes as
# they stand (the golden sheets, the refused wall's message).
set -euo pipefail

exe=$(realpath "$1")
runner=$(realpath "$2")
linux=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
golden="$root/tests/driver/golden"

export WINEPREFIX="${WINEPREFIX:-$(dirname "$exe")/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko installers when the prefix is made, and no display.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
win() { printf 'Z:%s' "${1//\//\\}"; }

# The folders, once for each build.
for tree in linux windows; do
  t="$work/$tree"
  mkdir -p "$t"
  for example in "$root"/examples/*/; do
    name=$(basename "$example")
    for dir in "ex-$name" "ex-$name-preview"; do
      mkdir -p "$t/$dir"
      cp "$example/tempoL.dat" "$example/GasouL.dat" "$t/$dir/"
    done
  done
  standard="$root/examples/standard"
  for dir in wide nolayers "壁Ａ" "壁Ｂ" trailing; do
    mkdir -p "$t/$dir"
    cp "$standard/tempoL.dat" "$standard/GasouL.dat" "$t/$dir/"
  done
  # Wider than 2500: the first record's widths.
  { echo "1000,1000,1000"; tail -n +2 "$standard/tempoL.dat"; } > "$t/wide/tempoL.dat"
  rm "$t/nolayers/GasouL.dat"
done

# name, output, folder (relative), arguments: run by both builds.
cases=(
  "help|file|.|--help"
  "version|file|.|--version"
  "usage|file|.|--bogus"
  "usage-argument|file|.|--help=now"
  "usage-short|file|.|-x"
  "check|file|.|--chec|ex-standard"
  "wide|file|wide|"
  "nolayers|file|nolayers|"
  "nodir|file|.|no-such-folder"
  "japanese-arg|file|.|壁Ａ"
  "japanese-cwd|file|壁Ｂ|"
  "several|file|.|ex-standard|無い|wide"
)
for example in "$root"/examples/*/; do
  name=$(basename "$example")
  cases+=("ex-$name|file|ex-$name|" "ex-$name-preview|file|.|--preview|ex-$name-preview|--portable-dxf|--schedule")
done
# Once more: the new picture now replaces the one there.
cases+=("preview-again|file|.|--preview|ex-standard-preview")
# Run by the Windows build alone.
windows_cases=(
  "trailing|file|.|trailing\\"
  "console-932|console:932|wide|"
  "console-65001|console:65001|wide|"
)

mkdir -p "$work/results/linux" "$work/results/windows"
: > "$work/cases.txt"
for entry in "${cases[@]}" "${windows_cases[@]}"; do
  IFS='|' read -r -a f <<< "$entry"
  line="${f[0]}	${f[1]}	$(win "$work/windows/${f[2]}")"
  for arg in "${f[@]:3}"; do [ -n "$arg" ] && line+="	$arg"; done
  printf '%s\n' "$line" >> "$work/cases.txt"
done

for entry in "${cases[@]}"; do
  IFS='|' read -r -a f <<< "$entry"
  args=()
  for arg in "${f[@]:3}"; do [ -n "$arg" ] && args+=("$arg"); done
  out="$work/results/linux/${f[0]}"
  set +e
  (cd "$work/linux/${f[2]}" && "$linux" "${args[@]}" > "$out.out" 2> "$out.err")
  echo "${f[0]} $?" >> "$work/results/linux/statuses.txt"
  set -e
done

# Wine starts once. The console cases need a terminal for wine's console.
run=(wine "$runner" "$(win "$exe")" "$(win "$work/cases.txt")" "$(win "$work/results/windows")")
if command -v script > /dev/null; then
  timeout 600 script -qec "$(printf '%q ' "${run[@]}")" /dev/null > /dev/null 2>&1 || true
else
  timeout 600 "${run[@]}" > /dev/null 2>&1 < /dev/null || true
fi

failures=0
fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}
status_of() { awk -v n="$2" '$1 == n { print $2 }' "$work/results/$1/statuses.txt"; }
crlf() { perl -pe 's/\n/\r\n/' "$1"; }
same() { cmp -s "$1" "$2"; }

for entry in "${cases[@]}"; do
  IFS='|' read -r -a f <<< "$entry"
  n=${f[0]}
  lin=$(status_of linux "$n")
  wst=$(status_of windows "$n")
  [ "$wst" = "$lin" ] || fail "$n" "status $wst under wine, $lin on Linux"
  for stream in out err; do
    # A directory named in front of a message is in the messages' encoding
    # on Windows, as the user typed it on Linux: checked below.
    [ "$n.$stream" = several.out ] && continue
    same <(crlf "$work/results/linux/$n.$stream") "$work/results/windows/$n.$stream" ||
      fail "$n" "standard $stream differs from Linux's (with CR LF)"
  done
done
diff -rq --exclude=trailing "$work/linux" "$work/windows" > "$work/files.diff" ||
  fail "files" "the folders differ: $(tr '\n' ' ' < "$work/files.diff")"

# Results as they must stand, whatever Linux did.
expect_status() {
  [ "$(status_of windows "$1")" = "$2" ] || fail "$1" "status $(status_of windows "$1"), not $2"
}
expect_output() {
  same "$work/results/windows/$1.$2" <(printf '%b' "$3") ||
    fail "$1" "standard $2 is not as expected: $(head -c 200 "$work/results/windows/$1.$2" | od -c | head -3)"
}
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
for example in standard dense; do
  for file in Lwall.dxf tempoL.scr; do
    same "$golden/$example/$file" "$work/windows/ex-$example/$file" ||
      fail "ex-$example" "$file is not the golden sheet's"
    same "$golden/$example/$file" "$work/windows/ex-$example-preview/$file" ||
      [ "$file" = Lwall.dxf ] || fail "ex-$example-preview" "$file is not the golden sheet's"
  done
done
for dir in "壁Ａ" "壁Ｂ" trailing; do
  same "$golden/standard/Lwall.dxf" "$work/windows/$dir/Lwall.dxf" ||
    fail "$dir" "no sheet drawn in the folder named $dir"
done
for example in "$root"/examples/*/; do
  expect_status "ex-$(basename "$example")" 0
  expect_status "ex-$(basename "$example")-preview" 0
done
for n in help version check preview-again; do expect_status $n 0; done
expect_status japanese-arg 0
expect_status japanese-cwd 0
expect_status trailing 0
expect_status wide 1
expect_output wide out "$(sjis '幅の制限を超えています。')\r\n"
expect_status nolayers 4
expect_output nolayers out "can't create GasouL.dat\r\n"
expect_status usage 64
expect_output usage err "lwall: unknown or ambiguous option '--bogus'\r\nTry 'lwall --help' for more information.\r\n"
expect_status several 3
expect_output several out "$(sjis '無い'): no such directory\r\nwide: $(sjis '幅の制限を超えています。')\r\n"
# A console shows the message in Japanese whichever its code page.
for cp in 932 65001; do
  if [ "$(status_of windows "console-$cp")" = "-1" ]; then
    echo "skipped console-$cp: wine has no console here"
    continue
  fi
  expect_status "console-$cp" 1
  expect_output "console-$cp" out "幅の制限を超えています。\n"
done

total=$((${#cases[@]} + ${#windows_cases[@]}))
if [ "$failures" -gt 0 ]; then
  echo "wine tests: $failures failures in $total cases"
  exit 1
fi
echo "wine tests: $total cases, all as on Linux"
