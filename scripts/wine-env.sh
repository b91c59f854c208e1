# Sourced by the wine scripts: a private 32-bit prefix and home inside the build folder,
# so nothing touches the real home directory.
# Needs VB_WINE_ROOT (a folder of the build tree).
export WINEPREFIX="$VB_WINE_ROOT/prefix"
export WINEARCH=win32
export HOME="$VB_WINE_ROOT/home"
export WINEDEBUG=-all
# No Mono/Gecko install prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME"

vb_wine_prepare() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Without a window manager, managed windows make every show/hide take seconds.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  # A crashing test must fail, not wait for someone to close wine's crash dialog.
  if ! grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
    wineserver -w
  fi
}

# A persistent wineserver, started once with no inherited descriptors.
# Its service processes are started here too, with no inherited descriptors: a
# test that started them would leave them holding ctest's output open.
vb_wine_start_server() {
  wineserver -p </dev/null >/dev/null 2>&1 3>&- 4>&- 5>&- || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 3>&- 4>&- 5>&- || true
}
