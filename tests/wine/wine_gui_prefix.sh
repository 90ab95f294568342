#!/bin/sh
# wine_gui_prefix.sh up|down WINESERVER
# up: creates the Wine prefix of the window tests ($WINEPREFIX) once per build tree, with
# the Japanese Gothic standing in for the Windows faces, so menus, message boxes and
# captions show their Japanese text. down: ends every program of the prefix.
set -e
export WINEDEBUG=-all
# No prompts to fetch .NET or a browser engine, no menu entries in the home folder.
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
unset DISPLAY WAYLAND_DISPLAY
case $1 in
up)
  "$2" -k 2>/dev/null || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
  fi
  for pair in "ＭＳ ゴシック=IPAGothic" "ＭＳ Ｐゴシック=IPAPGothic" "MS Gothic=IPAGothic" \
              "MS UI Gothic=IPAPGothic"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ \
      /d "${pair#*=}" /f </dev/null >/dev/null 2>&1
  done
  # 96 dpi, as Windows at 100%, also when a scaled run was cut short.
  wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f </dev/null >/dev/null 2>&1 || true
  "$2" -w
  ;;
down)
  "$2" -k 2>/dev/null || true
  ;;
esac
