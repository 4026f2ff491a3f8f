#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install` does for a
# user, and checks what lands there: the tree, the two validators on the
# desktop entry and the metainfo, the MIME package, the icons, the shell
# completion, and the installed programs on an installed example.
# usage: install_test.sh BUILD_DIR SOURCE_DIR WITH_DESKTOP(0|1) LIBDIR
set -uo pipefail
build=$1
source=$2
with_desktop=$3
libdir=$4

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

prefix=$(mktemp -d "${TMPDIR:-/tmp}/castovin-install-XXXXXX")
trap 'rm -rf "$prefix"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log" >&2
  rm -f "$prefix.log"
  echo "FAIL: cmake --install" >&2
  exit 1
fi
rm -f "$prefix.log"

# The tree.
expected=(
  bin/castovin-cli
  "$libdir/castovin/modules/castovin-xlsx.so"
  share/man/man1/castovin-cli.1
  share/bash-completion/completions/castovin-cli
  share/doc/castovin/copyright
  share/castovin/examples/default-english.vlb
  share/castovin/examples/default-metric.vlb
  share/castovin/examples/cable-bolts-intersections.vlb
  share/castovin/examples/strong-roof.vlb
  share/castovin/examples/default-english.study.json
)
if [ "$with_desktop" = 1 ]; then
  expected+=(
    bin/castovin
    "$libdir/castovin/modules/castovin-graphs.so"
    "$libdir/castovin/modules/castovin-help.so"
    share/man/man1/castovin.1
    share/applications/castovin.desktop
    share/metainfo/org.example.castovin.metainfo.xml
    share/mime/packages/castovin.xml
    share/icons/hicolor/scalable/apps/castovin.svg
    share/icons/hicolor/48x48/apps/castovin.png
    share/icons/hicolor/128x128/apps/castovin.png
    share/icons/hicolor/256x256/apps/castovin.png
  )
fi
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for program in bin/castovin-cli bin/castovin; do
  if [ -f "$prefix/$program" ] && [ ! -x "$prefix/$program" ]; then
    fail "not executable: $program"
  fi
done
# Every example of the source tree is installed, and nothing else is there.
diff <(cd "$source/examples" && ls -1 -- *.vlb *.csv *.json 2>/dev/null | sort) <(cd "$prefix/share/castovin/examples" && ls -1 | sort) >&2 ||
  fail "installed examples differ from examples/"
grep -q '^License: MIT$' "$prefix/share/doc/castovin/copyright" || fail "copyright names no MIT licence"

# The installed command-line tool on an installed example: the English design
# report of tests/data/reports, whose header names the file as given.
examples="$prefix/share/castovin/examples"
expected_report=$(sed 's/^Project File: project\.vlb\r$/Project File: default-english.vlb\r/' \
  "$source/tests/data/reports/english-design/expected" | od -c)
actual_report=$(cd "$examples" && "$prefix/bin/castovin-cli" design default-english.vlb | od -c)
[ "$actual_report" = "$expected_report" ] || fail "installed castovin-cli design report differs"
version=$("$prefix/bin/castovin-cli" --version) || fail "castovin-cli --version failed"
[ "$version" = "castovin-cli 2.5.02" ] || fail "castovin-cli --version: $version"
# The installed example study runs on its project.
# (The report is taken whole first: grep -q leaving early would break the
# pipe under the writer.)
risk_report=$(cd "$examples" && "$prefix/bin/castovin-cli" risk default-english.vlb --study default-english.study.json \
  --samples 1000) || fail "installed castovin-cli risk on the example study"
grep -q '^Probability of passing\.' <<<"$risk_report" || fail "installed castovin-cli risk: no probability"
# A workbook, through the installed workbook writer module.
workbook="$prefix/curve.xlsx"
"$prefix/bin/castovin-cli" curve "$examples/default-english.vlb" sf -o "$workbook" ||
  fail "installed castovin-cli wrote no workbook"
[ "$(head -c 2 "$workbook" 2>/dev/null)" = PK ] || fail "installed castovin-cli: $workbook is no workbook"
# Nothing of the workbook writer's libraries is loaded at every start.
if ldd "$prefix/bin/castovin-cli" | grep -E 'xlsxwriter|crypto|minizip|libz\.' >&2; then
  fail "castovin-cli links the workbook writer's libraries"
fi

if [ "$with_desktop" = 1 ]; then
  desktop="$prefix/share/applications/castovin.desktop"
  metainfo="$prefix/share/metainfo/org.example.castovin.metainfo.xml"
  "$DESKTOP_FILE_VALIDATE" "$desktop" >&2 || fail "desktop-file-validate"
  [ -z "$("$DESKTOP_FILE_VALIDATE" "$desktop")" ] || fail "desktop-file-validate has remarks"
  "$APPSTREAMCLI" validate --no-net "$metainfo" >&2 || fail "appstreamcli validate"
  grep -qx 'Exec=castovin %f' "$desktop" || fail "desktop entry: Exec"
  grep -qx 'MimeType=application/x-castovin.document;' "$desktop" || fail "desktop entry: MimeType"
  grep -q '<mediatype>application/x-castovin.document</mediatype>' "$metainfo" || fail "metainfo: mediatype"
  grep -q '<launchable type="desktop-id">castovin.desktop</launchable>' "$metainfo" || fail "metainfo: launchable"
  grep -q '<release version="2.5.2"' "$metainfo" || fail "metainfo: release"

  # The MIME package as the desktop reads it: both globs lead to the type.
  if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null || fail "update-mime-database"
    for glob in '*.vlb' '*.VLB'; do
      grep -qF "application/x-castovin.document:$glob" "$prefix/share/mime/globs2" ||
        fail "MIME database has no $glob"
    done
  fi

  # Each PNG is square at its folder's size (width and height from its header).
  for size in 48 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/castovin.png"
    header=$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')
    printf -v want '%08x%08x' "$size" "$size"
    [ "$header" = "$want" ] || fail "icon $size: header $header"
  done

  # The graph and help windows' libraries are loaded with their modules, not
  # at every start, and each module finds everything it needs.
  if ldd "$prefix/bin/castovin" | grep -E 'Qt6(Charts|Help|Sql|OpenGLWidgets|Svg)' >&2; then
    fail "castovin links the graph or help window's libraries"
  fi
  for module in graphs help; do
    if ldd "$prefix/$libdir/castovin/modules/castovin-$module.so" | grep 'not found' >&2; then
      fail "castovin-$module.so misses a library"
    fi
  done

  # The installed desktop program answers --version without a display.
  version=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/castovin" --version) || fail "castovin --version failed"
  [ "$version" = "castovin 2.5.02" ] || fail "castovin --version: $version"
fi

# Shell completion, as bash-completion loads it.
if [ -f /usr/share/bash-completion/bash_completion ]; then
  completions=$(cd "$examples" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    complete_line() {
      COMP_LINE=$1
      COMP_POINT=${#COMP_LINE}
      read -ra COMP_WORDS <<<"$COMP_LINE"
      [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
      COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
      COMPREPLY=()
      _castovin_cli castovin-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
      echo "${COMPREPLY[*]}"
    }
    complete_line "castovin-cli c"
    complete_line "castovin-cli curve strong-roof.vlb "
    complete_line "castovin-cli units 3 lbsF"
    complete_line "castovin-cli design str"
    complete_line "castovin-cli cost --n"
  ' completion "$prefix/share/bash-completion/completions/castovin-cli")
  want=$'cost convert curve\ncmrr depth sf span\nlbsF lbsF/in lbsF/ft\nstrong-roof.vlb\n--no-header'
  [ "$completions" = "$want" ] || fail "completion gave: $completions"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "installed tree in order"
