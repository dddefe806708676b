#!/usr/bin/env bash
# Tessaline installed as a desktop program, checked as a user and a package
# manager meet it. One check per call:
#   desktop_check.sh CHECK BUILD_DIR SOURCE_DIR WORK_DIR [CLI]
# install         an install into WORK_DIR/prefix holds every file it should
# runs            the installed programs run from the prefix and find their
#                 data there
# staged          a staged (DESTDIR) install points its desktop entry at the
#                 final prefix and leaves the desktop databases alone
# desktop_entry   the installed desktop entry validates and starts the
#                 installed program
# file_types      the MIME package validates, and with the prefix on the
#                 desktop's search path a ".qlf" file is a Tessaline layout
#                 opened by Tessaline, a ".qlt" file a Tessaline template
# manual_pages    the manual pages format without a warning, and every
#                 command of tessaline-cli has its section
set -u
check=$1 build=$2 source=$3 work=$4 cli=${5:-}
prefix=$work/prefix
samples=$source/resources/samples
status=0

fail() { echo "FAIL: $*"; status=1; }
expect_file() { [ -f "$1" ] || fail "missing $1"; }
# expect_output "what" "pattern" command...: the command succeeds and its
# output matches the extended regular expression.
expect_output() {
  local what=$1 pattern=$2; shift 2
  local out
  if ! out=$("$@" 2>&1); then fail "$what: exit status $? from $*"; echo "$out" | tail -n 20; return; fi
  grep -Eq -- "$pattern" <<<"$out" || { fail "$what: no \"$pattern\" in the output of $*"; echo "$out" | tail -n 20; }
}

# The user's folders of a private home, so that nothing of the real user's
# is read or written.
private_home() {
  export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
  export XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/runtime
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset TESSALINE_DATA_DIR
}

case $check in
install)
  rm -rf "$work"
  mkdir -p "$work"
  cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
  for f in bin/tessaline bin/tessaline-cli; do [ -x "$prefix/$f" ] || fail "missing $f"; done
  for f in share/applications/tessaline.desktop share/mime/packages/tessaline.xml \
      share/icons/hicolor/scalable/apps/tessaline.svg \
      share/icons/hicolor/scalable/mimetypes/application-x-tessaline-layout.svg \
      share/icons/hicolor/scalable/mimetypes/application-x-tessaline-template.svg \
      share/man/man1/tessaline.1 share/man/man1/tessaline-cli.1 \
      "share/tessaline/icc/sRGB Color Space Profile.ICM" share/tessaline/LabLab/OX_sRGB \
      "share/tessaline/Templates/Contact Sheet A4.qlt" share/tessaline/help/index.htm; do
    expect_file "$prefix/$f"
  done
  # Every help page the program names is installed.
  grep -oE '"/help/[^"]+"' "$source/resources/strings.def" | tr -d '"' | while read -r page; do
    [ -f "$prefix/share/tessaline$page" ] || echo "FAIL: missing share/tessaline$page"
  done | grep . && status=1
  # An install straight into a prefix brings the desktop's databases up to date.
  expect_file "$prefix/share/mime/mime.cache"
  ;;

runs)
  private_home
  expect_output "tessaline --version" "^tessaline [0-9]+\.[0-9]+\.[0-9]+" "$prefix/bin/tessaline" --version
  expect_output "the data folder of the prefix" "Data folder: $prefix/share/tessaline\$" "$prefix/bin/tessaline" --version
  expect_output "tessaline --help" "usage: tessaline \[LAYOUT\.qlf\]" "$prefix/bin/tessaline" --help
  expect_output "tessaline-cli --version" "Data folder: $prefix/share/tessaline\$" "$prefix/bin/tessaline-cli" --version
  expect_output "tessaline-cli info" "Maker +: Lumen Optics" "$prefix/bin/tessaline-cli" info "$samples/harbour_landscape.jpg"
  expect_output "the installed profiles" "Application profiles: all present" "$prefix/bin/tessaline-cli" profiles
  expect_output "a layout from an installed template" "15 images on 1 page" \
    "$prefix/bin/tessaline-cli" layout --template "Contact Sheet A4" -o "$work/contact-sheet.qlf" "$samples"
  expect_output "the layout read back" "harbour_landscape\.jpg" "$prefix/bin/tessaline-cli" show "$work/contact-sheet.qlf"
  ;;

staged)
  stage=$work/stage
  rm -rf "$stage"
  DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/stage.log" 2>&1 || { cat "$work/stage.log"; exit 1; }
  entry=$stage/usr/share/applications/tessaline.desktop
  expect_file "$entry"
  grep -qx 'Exec=/usr/bin/tessaline %f' "$entry" || fail "the staged entry does not start /usr/bin/tessaline"
  [ ! -e "$stage/usr/share/mime/mime.cache" ] || fail "a staged install ran update-mime-database"
  [ ! -e "$stage/usr/share/applications/mimeinfo.cache" ] || fail "a staged install ran update-desktop-database"
  ;;

desktop_entry)
  entry=$prefix/share/applications/tessaline.desktop
  out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ "$program" = "$prefix/bin/tessaline" ] || fail "Exec starts \"$program\", not the installed program"
  grep -qx 'MimeType=application/x-tessaline-layout;' "$entry" || fail "the entry does not open layouts"
  ;;

file_types)
  private_home
  xmllint --noout "$source/resources/desktop/tessaline.xml" || fail "tessaline.xml is not well-formed"
  types=$work/types
  rm -rf "$types"
  mkdir -p "$types/share/mime/packages"
  cp "$source/resources/desktop/tessaline.xml" "$types/share/mime/packages/"
  out=$(XDG_DATA_DIRS=$types/share update-mime-database "$types/share/mime" 2>&1) || fail "update-mime-database failed"
  [ -z "$out" ] || fail "update-mime-database: $out"
  # The file manager's view: GIO with the prefix on the desktop's search path.
  export XDG_DATA_DIRS=$prefix/share:/usr/share
  cp "$source/resources/templates/Contact Sheet A4.qlt" "$types/sheet.qlt"
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<root/>\n' >"$types/sheet.qlf"
  expect_output "the type of a .qlf file" "standard::content-type: application/x-tessaline-layout\$" \
    gio info -a standard::content-type "$types/sheet.qlf"
  expect_output "the type of a .qlt file" "standard::content-type: application/x-tessaline-template\$" \
    gio info -a standard::content-type "$types/sheet.qlt"
  expect_output "the program of a layout" "Default application for .application/x-tessaline-layout.: tessaline\.desktop" \
    gio mime application/x-tessaline-layout
  ;;

manual_pages)
  for page in tessaline.1 tessaline-cli.1; do
    out=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$source/resources/man/$page" 2>&1)
    [ -z "$out" ] || fail "$page: $out"
  done
  commands=$("$cli" help | sed -n 's/^  \([a-z][a-z]*\)  .*/\1/p')
  [ -n "$commands" ] || fail "tessaline-cli help lists no command"
  for command in $commands; do
    grep -q "^\.SS $command\b" "$source/resources/man/tessaline-cli.1" || fail "tessaline-cli.1 has no section for \"$command\""
  done
  ;;

*)
  echo "no check \"$check\""; exit 2 ;;
esac

[ $status -eq 0 ] && echo "$check: passed"
exit $status
