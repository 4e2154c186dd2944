#!/usr/bin/env bash
# Checks of the install, run by CTest on a built tree:
#   install-check.sh files   BUILD   installed files are there and valid
#   install-check.sh start   BUILD   the designer, started in an empty home, makes its data folder
#   install-check.sh package BUILD   the .deb holds the install and depends on what it links against
set -euo pipefail
mode=$1
build=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

install_into() {
  DESTDIR="$1" cmake --install "$build" --prefix "$2" >/dev/null
}

# The files every install has, relative to the prefix.
expected=(
  bin/quillmark
  bin/quillmark-script
  share/applications/quillmark.desktop
  share/mime/packages/quillmark.xml
  share/icons/hicolor/scalable/apps/quillmark.svg
  share/icons/hicolor/48x48/apps/quillmark.png
  share/icons/hicolor/256x256/apps/quillmark.png
  share/quillmark/help/quillmark.html
  share/quillmark/sample/DATA
  share/quillmark/sample/ColorLibary.INI
  share/quillmark/sample/UO0.CORE
  share/man/man1/quillmark.1.gz
  share/man/man1/quillmark-script.1.gz
)

case $mode in
files)
  install_into "$work/dest" /usr
  root=$work/dest/usr
  for f in "${expected[@]}"; do [ -e "$root/$f" ] || fail "$f not installed"; done
  # Hints (such as two main categories, which we want) are no faults.
  report=$(desktop-file-validate "$root/share/applications/quillmark.desktop" 2>&1) || fail "desktop entry: $report"
  grep -v ': hint:' <<<"$report" | grep -q . && fail "desktop entry: $report"
  grep -qx 'Exec=quillmark %f' "$root/share/applications/quillmark.desktop" || fail "Exec line"
  grep -q '^MimeType=.*application/x-quillmark-design' "$root/share/applications/quillmark.desktop" || fail "MimeType"
  xmllint --noout "$root/share/mime/packages/quillmark.xml" "$root/share/icons/hicolor/scalable/apps/quillmark.svg"
  for type in application/x-quillmark-design text/x-sphere-script; do
    xmllint --xpath "//*[local-name()='mime-type'][@type='$type']" "$root/share/mime/packages/quillmark.xml" \
      >/dev/null || fail "MIME type $type"
  done
  for size in 48 256; do
    got=$(identify -format '%wx%h' "$root/share/icons/hicolor/${size}x${size}/apps/quillmark.png")
    [ "$got" = "${size}x${size}" ] || fail "icon ${size}: $got"
  done
  for page in quillmark quillmark-script; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
  done
  ;;
start)
  # A prefix other than /usr: the programs find their files from their own folder.
  install_into "$work/dest" /opt/quillmark
  root=$work/dest/opt/quillmark
  home=$work/home
  mkdir -p "$home"
  cd "$home"
  env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    timeout 60 "$root/bin/quillmark" --quit-after-start
  data=$home/.local/share/Quillmark
  cmp "$root/share/quillmark/sample/UO0.CORE" "$data/UO0.CORE" || fail "font not copied"
  diff -r "$root/share/quillmark/sample/DATA" "$data/DATA" || fail "art library not copied"
  [ ! -e "$data/.sample-copy" ] || fail "copy left its staging folder"
  [ ! -e "$home/DATA" ] || fail "the home folder got a library"
  # quillmark-script follows the same rule: without --data it draws from the user's library.
  script=(env -u XDG_DATA_HOME HOME="$home" "$root/bin/quillmark-script" render "$data/sample.SDF")
  "${script[@]}" --out "$work/default.png" >/dev/null 2>"$work/render.err"
  [ ! -s "$work/render.err" ] || fail "render: $(cat "$work/render.err")"
  "${script[@]}" --out "$work/named.png" --data "$data" >/dev/null
  cmp -s "$work/default.png" "$work/named.png" || fail "render without --data drew from elsewhere"
  ;;
package)
  cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >/dev/null
  deb=$(ls "$work"/quillmark_*.deb)
  contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./usr/||')
  for f in "${expected[@]}"; do grep -qx "$f/\?" <<<"$contents" || fail "$f not in the package"; done
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6widgets6 libqt6gui6 libqt6core6 libcurl4 libc6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
  done
  # Nothing outside the prefix, so removing the package leaves nothing behind.
  grep -v '^\./$\|^\./usr/' <(dpkg-deb -c "$deb" | awk '{print $6}') && fail "files outside /usr"
  ;;
*)
  fail "unknown check $mode"
  ;;
esac
echo "install check $mode: ok"
