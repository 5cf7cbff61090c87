#!/usr/bin/env bash
# Helpers for the project's Wine prefixes, sourced by the test and run scripts.
#   lander_template_prefix ROOT      makes ROOT/template once (locked, reused)
#   lander_clone_prefix ROOT DEST    a private copy of the template at DEST
#   lander_redirect_appdata PREFIX DIR   the prefix's application-data folder
#                                        becomes the Linux folder DIR
#   lander_virtual_desktop PREFIX NAME WxH   every program of the prefix runs
#                                        in a virtual desktop of that size
#   lander_ensure_display            starts a private Xvfb when DISPLAY is unset
#   lander_test_arch                 prints the build the tests run: i686 or x86_64
#   lander_use_wine ARCH             makes wine, wineboot and wineserver those of ARCH

lander_cmake_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or HTML engine download prompts, and no desktop menu entries: Wine's
# menu builder would copy every shortcut a test makes into the Linux home.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=;winemenubuilder.exe=d}

# Font families the program and Wine's dialogs ask for, served by a CJK font so
# that Chinese text is not drawn as boxes.
# The shipped program is 32-bit, and the tests run it under 32-bit Wine. Some
# kernels cannot execute 32-bit programs at all; there the tests run the
# x86_64 build under 64-bit Wine instead. LANDER_TEST_ARCH=i686 or x86_64
# overrides what the 32-bit loader's trial says.
lander_test_arch() {
  case ${LANDER_TEST_ARCH:-} in
    i686 | x86_64) echo "$LANDER_TEST_ARCH" ;;
    "") if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi ;;
    *) echo "LANDER_TEST_ARCH must be i686 or x86_64, not '$LANDER_TEST_ARCH'" >&2; return 1 ;;
  esac
}

# Debian's wine and wineboot take the 32-bit loader whenever it is installed,
# even where it cannot run; for x86_64 the wrappers in cmake/wine64 call the
# 64-bit loader and server directly.
lander_use_wine() {
  if [[ $1 == x86_64 ]]; then
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 WINEARCH=win64
    [[ :$PATH: == *":$lander_cmake_dir/wine64:"* ]] || export PATH=$lander_cmake_dir/wine64:$PATH
  fi
}

lander_font_replacements() {
  local prefix=$1 family
  for family in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Arial" "arial" "SimSun" \
                "Microsoft YaHei" "宋体" "微软雅黑"; do
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
      /v "$family" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  done
}

# Wine links the profile's Desktop, Documents and the like to the Linux home
# folder; make them real folders so that shortcuts and files the program
# writes there stay inside the prefix.
lander_unlink_profile_folders() {
  local link
  for link in "$1"/drive_c/users/*/*; do
    if [[ -L $link ]]; then
      rm -f "$link"
      mkdir -p "$link"
    fi
  done
}

# The same switch in the prefix itself, for callers that set their own
# WINEDLLOVERRIDES.
lander_disable_menu_builder() {
  WINEPREFIX=$1 wine reg add 'HKCU\Software\Wine\DllOverrides' \
    /v winemenubuilder.exe /t REG_SZ /d '' /f >/dev/null 2>&1
}

lander_template_prefix() {
  local root=$1 template=$1/template
  mkdir -p "$root"
  (
    flock 9
    if [[ ! -f $template/.lander-ready-3 ]]; then
      rm -rf "$template"
      WINEPREFIX=$template wineboot -i >/dev/null 2>&1
      lander_disable_menu_builder "$template"
      lander_font_replacements "$template"
      lander_unlink_profile_folders "$template"
      WINEPREFIX=$template wineserver -w
      touch "$template/.lander-ready-3"
    fi
  ) 9>"$root/.template.lock"
}

lander_clone_prefix() {
  local root=$1 dest=$2
  rm -rf "$dest"
  mkdir -p "$(dirname "$dest")"
  # Hard links keep the copy cheap; the registry files, which Wine rewrites,
  # are real copies.
  cp -al "$root/template" "$dest"
  local reg
  for reg in "$dest"/*.reg; do
    cp --remove-destination "$root/template/$(basename "$reg")" "$reg"
  done
}

lander_redirect_appdata() {
  local prefix=$1 dir=$2 escaped
  mkdir -p "$dir"
  # Registry files double every backslash, and sed halves them once more.
  escaped="Z:${dir//\//\\\\\\\\}"
  sed -i "s|^\"AppData\"=str(2):\".*\"|\"AppData\"=str(2):\"${escaped}\"|" "$prefix/user.reg"
}

# A private prefix at WORK/prefix cloned from ROOT's template, with its
# application-data folder at the Linux folder APPDATA; exports WINEPREFIX.
#   lander_private_prefix ROOT WORK APPDATA
lander_private_prefix() {
  lander_template_prefix "$1"
  lander_clone_prefix "$1" "$2/prefix"
  rm -rf "$3"
  lander_redirect_appdata "$2/prefix" "$3"
  export WINEPREFIX=$2/prefix
}

lander_virtual_desktop() {
  local prefix=$1 name=$2 size=$3
  WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer' \
    /v Desktop /t REG_SZ /d "$name" /f >/dev/null 2>&1
  WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer\Desktops' \
    /v "$name" /t REG_SZ /d "$size" /f >/dev/null 2>&1
}

lander_ensure_display() {
  [[ -n ${DISPLAY:-} ]] && return 0
  local fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  LANDER_XVFB_PID=$!
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=:$display
}

lander_stop_display() {
  [[ -n ${LANDER_XVFB_PID:-} ]] && kill "$LANDER_XVFB_PID" 2>/dev/null || true
}

# Test scripts run for one build tree, whose architecture ctest passes here.
[[ -n ${LANDER_WINE_ARCH:-} ]] && lander_use_wine "$LANDER_WINE_ARCH"
true
