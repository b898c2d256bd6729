#!/usr/bin/env bash
# The private X displays and Wine prefixes that the end-to-end tests of a run share: one session per way the
# program meets Windows, each an X display, a prefix and a persistent wineserver of its own.
#
#   wine-session.sh start <state-dir> [--32-bit] [--variants]
#       starts the stock session: Xvfb (one monitor, with a work area smaller than it) and a stock prefix in
#       <state-dir>. --32-bit readies that prefix for 32-bit programs too (wine32-prefix.sh), before anything
#       else uses it. --variants adds, from copies of that prefix:
#         comctl610    the side-by-side common controls report 6.10, as the ones Windows' manifest selects do,
#                      while system32's keep Wine's 5.81 (so the program takes the task dialog's route);
#         twomonitors  the same prefix on an Xephyr display with two monitors and a work area each.
#   wine-session.sh stop <state-dir>      stops what start started; safe after a failed or partial start
#   wine-session.sh prepare <state-dir> [--32-bit]
#       only readies the stock prefix in <state-dir> (--32-bit as for start), for a program run on a display
#       that is already there, and writes <state-dir>/prefix.env: Wine's environment for it, without DISPLAY.
#
# start writes <state-dir>/session.env for the stock session and <state-dir>/<variant>/session.env for the
# others; wine-run.sh sources them.
set -euo pipefail

readonly wine64=/usr/lib/wine/wine64
readonly wineserver=/usr/lib/wine/wineserver64
readonly wine_fonts=/usr/share/wine/fonts
# One monitor of 1280x1024 with a work area that differs from it on every side.
readonly screen=1280x1024x24
readonly work_area=48,32,1232,952
# Two monitors: the primary 1280x1024 at (0,0) and a second 800x600 left of it and lower, at (-800,100) in
# Windows' coordinates. X puts the leftmost at 0, so X's coordinates are Windows' plus 800 across. A work
# area for each, smaller than its monitor: (48,32)-(1280,984) and (-800,100)-(-40,660) in Windows'.
readonly xephyr_host=2080x1024x24
readonly xephyr_screens=(-origin 800,0 -screen 1280x1024 -origin 0,100 -screen 800x600 +xinerama)
readonly primary_work_area=848,32,1232,952
readonly second_work_area=0,100,760,560
readonly qemu_reserved_va=0x81000000
readonly variants=(comctl610 twomonitors)

die() {
  echo "wine-session: $*" >&2
  exit 1
}

usage() {
  die "usage: wine-session.sh start <state-dir> [--32-bit] [--variants] | stop <state-dir> |" \
    "prepare <state-dir> [--32-bit]"
}

# wait_for <timeout-seconds> <description> <command...>: poll every 50 ms until the command succeeds.
wait_for() {
  local timeout=$1 what=$2
  shift 2
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    if ((SECONDS >= deadline)); then
      echo "wine-session: timed out after ${timeout}s waiting for ${what}" >&2
      return 1
    fi
    sleep 0.05
  done
}

# The fields of /proc/<pid>/stat after the command name, which is in parentheses and may hold spaces:
# the state first, the start time (in clock ticks after boot) 19 fields later.
proc_fields() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  echo "${stat##*) }"
}

# A process that exists and has not ended; a zombie has ended.
is_alive() {
  local fields
  [[ -n $1 ]] && fields=$(proc_fields "$1") || return 1
  [[ ${fields%% *} != Z ]]
}

start_time() {
  local fields
  read -r -a fields <<<"$(proc_fields "$1")" || return 1
  echo "${fields[19]-}"
}

# is_ours <pid> <start-time>: the process we started, not another that got its pid since.
is_ours() {
  is_alive "$1" && [[ $(start_time "$1") == "$2" ]]
}

is_gone() {
  ! is_ours "$1" "$2"
}

# record <kind> <pid>: remembers a started process, so that stop finds it even after a start that failed
# halfway.
record() {
  echo "$1 $2 $(start_time "$2")" >>"$state/pids"
}

display_number_written() {
  local file=$1 pid=$2 log=$3
  is_alive "$pid" || die "an X server exited during start; see $log"
  [[ -s $file ]] && grep -q '^[0-9][0-9]*$' "$file"
}

# The server is ready once it listens on its socket. Where that socket lives differs between Wine builds,
# so look for a listening Unix socket held by the process itself.
server_listening() {
  local pid=$1 fd target inodes=()
  is_alive "$pid" || die "a wineserver exited during start; see $state/*wineserver.log"
  for fd in /proc/"$pid"/fd/*; do
    target=$(readlink "$fd" 2>/dev/null) || continue
    [[ $target =~ ^socket:\[([0-9]+)\]$ ]] && inodes+=("${BASH_REMATCH[1]}")
  done
  ((${#inodes[@]} > 0)) || return 1
  # Columns: Num RefCount Protocol Flags Type St Inode Path; flag 0x10000 marks a listening socket.
  awk -v inodes="${inodes[*]}" '
    BEGIN { n = split(inodes, list, " "); for (i = 1; i <= n; i++) wanted[list[i]] = 1 }
    ($7 in wanted) && $8 ~ /(^|\/)socket$/ && $4 == "00010000" { found = 1 }
    END { exit !found }' /proc/net/unix
}

# import_registry <name> <lines...>: merges registry settings in the .reg format into the prefix.
import_registry() {
  local file=$WINEPREFIX/../$1.reg
  shift
  printf '%s\n' REGEDIT4 "" "$@" >"$file"
  "$wine64" regedit /S "$(winepath_of "$file")" </dev/null >>"$state/wine.log" 2>&1 ||
    die "regedit could not import $file; see $state/wine.log"
}

log_pixels() {
  printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$1"
}

write_settings() {
  # Managed=N: without a window manager, managed windows block on hide and close and never get keyboard focus.
  # UseXRandR=N where given: Wine then takes its monitors from Xinerama, which Xephyr gives two.
  # A debugger that does not exist, in both registry views: an unhandled exception then ends the process as it
  # would on a machine without one, instead of starting Wine's debugger (which crashes under emulation).
  local x11=('"Managed"="N"') aedebug=() view
  [[ ${1-} == xinerama ]] && x11+=('"UseXRandR"="N"')
  for view in 'Software' 'Software\Wow6432Node'; do
    aedebug+=("[HKEY_LOCAL_MACHINE\\$view\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]"
      '"Debugger"="C:\\windows\\system32\\no-such-debugger.exe %ld %ld"' '"Auto"="1"' '')
  done
  import_registry settings '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' "${x11[@]}" '' "${aedebug[@]}" \
    "$(log_pixels 96)"
}

# regedit runs inside the prefix; Z: maps the Unix root.
winepath_of() {
  local path
  path=$(realpath "$1")
  printf 'Z:%s' "${path//\//\\}"
}

# detach [--keep <fd>] <command...>: run in the background in a session of its own, with no descriptor but
# the standard ones (and the kept one), because a test runner waits for every holder of its output pipe.
# The caller redirects stdio; $! is the command's own pid.
detach() {
  local keep=2
  if [[ $1 == --keep ]]; then
    keep=$2
    shift 2
  fi
  (
    local fd
    for fd in /proc/"$BASHPID"/fd/*; do
      fd=${fd##*/}
      ((fd > 2 && fd != keep)) && eval "exec $fd>&-"
    done
    exec setsid "$@"
  ) &
}


# start_x <name> <log> [server arguments...]: starts an X server that picks a free display itself, and prints
# its display number once it accepts connections.
start_x() {
  local name=$1 log=$2 display_file=$state/$1.display
  shift 2
  rm -f "$display_file"
  # The server writes the display number it picked to descriptor 3 once it accepts connections.
  detach --keep 3 "$@" -displayfd 3 3>"$display_file" </dev/null >"$log" 2>&1
  local pid=$!
  record "$name" "$pid"
  wait_for 20 "the X display of $name" display_number_written "$display_file" "$pid" "$log" >&2
  cat "$display_file"
}

# Wine's display driver reads the work areas when it starts, so they have to be there first; -noreset keeps
# the properties when the last client disconnects.
set_work_area() {
  DISPLAY=$1 xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "$work_area"
}

# One work area per monitor, which Wine reads from GTK's property where the desktop says it supports it.
set_work_areas() {
  local display=$1
  DISPLAY=$display xprop -root -format _NET_SUPPORTED 32a -set _NET_SUPPORTED "_GTK_WORKAREAS_D0,_NET_WORKAREA"
  DISPLAY=$display xprop -root -format _NET_CURRENT_DESKTOP 32c -set _NET_CURRENT_DESKTOP 0
  DISPLAY=$display xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "$primary_work_area"
  DISPLAY=$display xprop -root -format _GTK_WORKAREAS_D0 32c -set _GTK_WORKAREAS_D0 \
    "$primary_work_area,$second_work_area"
}

export_wine_environment() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  # Where Wine's 32-bit support is installed, its 32-bit loader runs under qemu-i386 (enable-i386-emulation.sh),
  # also for the 32-bit part of wineboot. qemu's default 32-bit address space ends one page short of 4 GiB,
  # which leaves Wine no room at 0x7ffe0000: every 32-bit start then fails after a minute of probing. 2 GiB and
  # 16 MiB hold all that a program without large addresses uses, and a start takes seconds. Nothing else reads it.
  export QEMU_RESERVED_VA=$qemu_reserved_va
}

# The stock prefix, made once and kept in the build tree; the server that prepares it ends with its last
# process, so that the registry is on disk before the prefix is copied.
prepare_base_prefix() {
  local with_32_bit=$1
  export WINEPREFIX=$state/prefix
  mkdir -p "$WINEPREFIX"
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    rm -f "$state/variants-made-from"
    timeout 180 "$wine64" wineboot --init </dev/null >>"$state/wine.log" 2>&1 ||
      die "wineboot --init failed; see $state/wine.log"
    : >"$WINEPREFIX/.pellacord-made"
  fi
  # Debian's Wine does not look in the fonts package's directory.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp -u "$wine_fonts"/*.ttf "$fonts"/
  if [[ $with_32_bit == yes ]]; then
    local status=0
    "$harness/wine32-prefix.sh" "$state" || status=$?
    ((status == 0 || status == 77)) || die "the 32-bit preparation failed (see above)"
  fi
  "$wineserver" -w
}

# A marker of the base prefix's state, so that variants are made again only when the base changed.
base_stamp() {
  local marker
  for marker in "$state"/prefix/.pellacord-{made,32-bit-ready}; do
    [[ -f $marker ]] && stat -c "%n %Y" "$marker"
  done
  return 0
}

# The side-by-side "6.0" common controls of the prefix (the 64-bit and 32-bit copies) made to report file
# version 6.10 and to load as a native library; system32's stays Wine's 5.81.
patch_common_controls() {
  local prefix=$1 found=0 library
  for library in "$prefix"/drive_c/windows/winsxs/{amd64,x86}_microsoft.windows.common-controls_6595b64144ccf1df_6.0.*/comctl32.dll; do
    [[ -f $library ]] || continue
    "$harness/comctl32-as-windows.py" "$library" || die "cannot patch $library"
    found=$((found + 1))
  done
  ((found > 0)) || die "no side-by-side common controls in $prefix/drive_c/windows/winsxs"
}

make_variants() {
  local stamp
  stamp=$(base_stamp)
  if [[ -f $state/variants-made-from && $(cat "$state/variants-made-from") == "$stamp" ]]; then
    echo "wine-session: the variant prefixes were made from the current base before"
    return 0
  fi
  local variant started=$SECONDS
  for variant in "${variants[@]}"; do
    rm -rf "${state:?}/$variant/prefix"
    mkdir -p "$state/$variant"
    cp -a "$state/prefix" "$state/$variant/prefix"
    patch_common_controls "$state/$variant/prefix"
  done
  echo "$stamp" >"$state/variants-made-from"
  echo "wine-session: made the variant prefixes ${variants[*]} in $((SECONDS - started)) s"
}

# start_session <name> <directory> <display> [xinerama]: a persistent wineserver for the prefix in the
# directory, the settings, and the session's environment file.
start_session() {
  local name=$1 directory=$2 display=$3 monitors=${4-}
  export DISPLAY=$display WINEPREFIX=$directory/prefix
  export_wine_environment
  [[ $name == stock ]] || WINEDLLOVERRIDES+=";comctl32=n,b"
  # Detached, in the foreground mode so that its pid is the server's, and with no inherited pipes:
  # a test runner waits for every holder of its output pipe.
  detach "$wineserver" -p -f </dev/null >"$state/$name-wineserver.log" 2>&1
  local server_pid=$!
  record "wineserver:$WINEPREFIX" "$server_pid"
  wait_for 20 "the wineserver of $name" server_listening "$server_pid"
  write_settings "$monitors"
  {
    printf 'export DISPLAY=%q\n' "$DISPLAY"
    printf 'export WINEPREFIX=%q\n' "$WINEPREFIX"
    printf 'export WINEDEBUG=%q\n' "$WINEDEBUG"
    printf 'export WINEDLLOVERRIDES=%q\n' "$WINEDLLOVERRIDES"
    printf 'export QEMU_RESERVED_VA=%q\n' "$QEMU_RESERVED_VA"
    printf 'export PELLACORD_SESSION=%q\n' "$name"
    printf 'export PELLACORD_WINESERVER_PID=%q\n' "$server_pid"
  } >"$directory/session.env.tmp"
  mv "$directory/session.env.tmp" "$directory/session.env"
  echo "wine-session: $name on display $DISPLAY with prefix $WINEPREFIX"
}

start() {
  local with_32_bit=no with_variants=no option
  for option in "$@"; do
    case $option in
    --32-bit) with_32_bit=yes ;;
    --variants) with_variants=yes ;;
    *) usage ;;
    esac
  done
  mkdir -p "$state"
  stop
  : >"$state/pids"

  local display
  display=:$(start_x xvfb "$state/xvfb.log" Xvfb -screen 0 "$screen" -nolisten tcp -noreset)
  set_work_area "$display"
  export DISPLAY=$display
  export_wine_environment
  prepare_base_prefix "$with_32_bit"
  start_session stock "$state" "$display"

  [[ $with_variants == yes ]] || return 0
  make_variants
  local comctl_display host two_display
  comctl_display=:$(start_x xvfb-comctl610 "$state/comctl610/xvfb.log" Xvfb -screen 0 "$screen" -nolisten tcp -noreset)
  set_work_area "$comctl_display"
  start_session comctl610 "$state/comctl610" "$comctl_display"

  # Xvfb's own Xinerama heads overlap at (0,0); Xephyr, drawn into a window of an Xvfb, makes real ones.
  host=:$(start_x xvfb-xephyr-host "$state/twomonitors/xvfb.log" Xvfb -screen 0 "$xephyr_host" -nolisten tcp)
  two_display=:$(DISPLAY=$host start_x xephyr "$state/twomonitors/xephyr.log" \
    Xephyr -noreset -nolisten tcp "${xephyr_screens[@]}")
  set_work_areas "$two_display"
  start_session twomonitors "$state/twomonitors" "$two_display" xinerama
}

prepare() {
  local with_32_bit=no
  case $# in
  0) ;;
  1) [[ $1 == --32-bit ]] || usage; with_32_bit=yes ;;
  *) usage ;;
  esac
  [[ -n ${DISPLAY-} ]] || die "prepare needs a display (DISPLAY)"
  mkdir -p "$state"
  export_wine_environment
  prepare_base_prefix "$with_32_bit"
  {
    printf 'export WINEPREFIX=%q\n' "$WINEPREFIX"
    printf 'export WINEDEBUG=%q\n' "$WINEDEBUG"
    printf 'export WINEDLLOVERRIDES=%q\n' "$WINEDLLOVERRIDES"
    printf 'export QEMU_RESERVED_VA=%q\n' "$QEMU_RESERVED_VA"
  } >"$state/prefix.env.tmp"
  mv "$state/prefix.env.tmp" "$state/prefix.env"
}

# The recorded processes as lines "<kind> <pid> <start-time>", newest first: servers stop before displays.
recorded() {
  [[ -f $state/pids ]] && tac "$state/pids"
}

all_running() {
  local kind pid started
  [[ -f $state/pids ]] || return 1
  while read -r kind pid started; do
    is_ours "$pid" "$started" || return 1
  done < <(recorded)
}

stop() {
  [[ -d $state ]] || return 0
  local kind pid started
  while read -r kind pid started; do
    is_ours "$pid" "$started" || continue
    if [[ $kind == wineserver:* ]]; then
      # -k asks the server of this prefix to end its processes and itself.
      WINEPREFIX=${kind#wineserver:} "$wineserver" -k </dev/null >/dev/null 2>&1 || true
      if ! wait_for 20 "wineserver to exit" is_gone "$pid" "$started"; then
        kill -KILL "$pid" 2>/dev/null || true
      fi
    else
      kill -TERM "$pid"
      if ! wait_for 10 "$kind to exit" is_gone "$pid" "$started"; then
        kill -KILL "$pid" 2>/dev/null || true
      fi
    fi
  done < <(recorded)
  rm -f "$state/pids" "$state/session.env"
  local variant
  for variant in "${variants[@]}"; do rm -f "$state/$variant/session.env"; done
}

(($# >= 2)) || usage
readonly command=$1
state=$(realpath -m "$2")
harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
readonly state harness
shift 2
case $command in
start) start "$@" ;;
stop) (($# == 0)) || usage; stop && echo "wine-session: stopped" ;;
prepare) prepare "$@" ;;
*) usage ;;
esac
