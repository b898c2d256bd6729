#!/usr/bin/env bash
# One private X display and one Wine prefix, shared by the end-to-end tests of a run.
#
#   wine-session.sh start <state-dir>     start Xvfb and a persistent wineserver, prepare the prefix
#   wine-session.sh stop <state-dir>      stop what start started; safe after a failed or partial start
#   wine-session.sh dpi <state-dir> <n>   LogPixels for processes started from now on (96 is the default)
#
# start writes <state-dir>/session.env, which wine-run.sh sources.
set -euo pipefail

readonly wine64=/usr/lib/wine/wine64
readonly wineserver=/usr/lib/wine/wineserver64
readonly wine_fonts=/usr/share/wine/fonts
# Screen 1280x1024; a work area that differs from the monitor on every side.
readonly screen=1280x1024x24
readonly work_area=48,32,1232,952
readonly qemu_reserved_va=0x81000000

die() {
  echo "wine-session: $*" >&2
  exit 1
}

usage() {
  die "usage: wine-session.sh start|stop <state-dir> | dpi <state-dir> <dots-per-inch>"
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
  local file=$1 pid=$2
  is_alive "$pid" || die "Xvfb exited during start; see $state/xvfb.log"
  [[ -s $file ]] && grep -q '^[0-9][0-9]*$' "$file"
}

# The server is ready once it listens on its socket. Where that socket lives differs between Wine builds,
# so look for a listening Unix socket held by the process itself.
server_listening() {
  local pid=$1 fd target inodes=()
  is_alive "$pid" || die "wineserver exited during start; see $state/wineserver.log"
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
  local file=$state/$1.reg
  shift
  printf '%s\n' REGEDIT4 "" "$@" >"$file"
  "$wine64" regedit /S "$(winepath_of "$file")" </dev/null >>"$state/wine.log" 2>&1
}

log_pixels() {
  printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$1"
}

write_settings() {
  # Managed=N: without a window manager, managed windows block on hide and close and never get keyboard focus.
  # A debugger that does not exist: an unhandled exception then ends the process as it would on a machine
  # without one, instead of starting Wine's debugger.
  import_registry settings \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    '"Managed"="N"' \
    '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]' \
    '"Debugger"="C:\\windows\\system32\\no-such-debugger.exe %ld %ld"' \
    '"Auto"="1"' \
    '' \
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

load_env() {
  [[ -f $state/session.env ]] || die "no session in $state; run: wine-session.sh start $state"
  # shellcheck source=/dev/null
  source "$state/session.env"
}

start() {
  mkdir -p "$state"
  if [[ -f $state/session.env ]] && all_running; then
    echo "wine-session: already running in $state"
    return 0
  fi
  stop
  : >"$state/pids"

  local display_file=$state/display
  rm -f "$display_file"
  # Xvfb writes the display number it picked to descriptor 3 once it accepts connections.
  detach --keep 3 Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
    3>"$display_file" </dev/null >"$state/xvfb.log" 2>&1
  local xvfb_pid=$!
  record xvfb "$xvfb_pid"
  wait_for 20 "the X display" display_number_written "$display_file" "$xvfb_pid"
  DISPLAY=":$(cat "$display_file")"
  export DISPLAY

  # Wine's display driver reads the work area when it starts, so it has to be there first;
  # -noreset keeps the property when the last client disconnects.
  xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "$work_area"

  export WINEPREFIX=$state/prefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  # Where Wine's 32-bit support is installed, its 32-bit loader runs under qemu-i386 (enable-i386-emulation.sh),
  # also for the 32-bit part of wineboot. qemu's default 32-bit address space ends one page short of 4 GiB,
  # which leaves Wine no room at 0x7ffe0000: every 32-bit start then fails after a minute of probing. 2 GiB and
  # 16 MiB hold all that a program without large addresses uses, and a start takes seconds. Nothing else reads it.
  export QEMU_RESERVED_VA=$qemu_reserved_va
  mkdir -p "$WINEPREFIX"

  # Detached, in the foreground mode so that its pid is the server's, and with no inherited pipes:
  # a test runner waits for every holder of its output pipe.
  detach "$wineserver" -p -f </dev/null >"$state/wineserver.log" 2>&1
  local server_pid=$!
  record wineserver "$server_pid"
  wait_for 20 "wineserver" server_listening "$server_pid"

  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    timeout 180 "$wine64" wineboot --init </dev/null >>"$state/wine.log" 2>&1 ||
      die "wineboot --init failed; see $state/wine.log"
  fi
  # Debian's Wine does not look in the fonts package's directory.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp -u "$wine_fonts"/*.ttf "$fonts"/
  write_settings

  {
    printf 'export DISPLAY=%q\n' "$DISPLAY"
    printf 'export WINEPREFIX=%q\n' "$WINEPREFIX"
    printf 'export WINEDEBUG=%q\n' "$WINEDEBUG"
    printf 'export WINEDLLOVERRIDES=%q\n' "$WINEDLLOVERRIDES"
    printf 'export QEMU_RESERVED_VA=%q\n' "$QEMU_RESERVED_VA"
    printf 'export PELLACORD_XVFB_PID=%q\n' "$xvfb_pid"
    printf 'export PELLACORD_WINESERVER_PID=%q\n' "$server_pid"
  } >"$state/session.env.tmp"
  mv "$state/session.env.tmp" "$state/session.env"
  echo "wine-session: started on display $DISPLAY with prefix $WINEPREFIX"
}

# Reads the recorded processes into xvfb_pid, xvfb_start, server_pid and server_start.
read_pids() {
  xvfb_pid="" xvfb_start="" server_pid="" server_start=""
  [[ -f $state/pids ]] || return 0
  local kind pid started
  while read -r kind pid started; do
    case $kind in
    xvfb) xvfb_pid=$pid xvfb_start=$started ;;
    wineserver) server_pid=$pid server_start=$started ;;
    esac
  done <"$state/pids"
}

all_running() {
  local xvfb_pid xvfb_start server_pid server_start
  read_pids
  is_ours "$xvfb_pid" "$xvfb_start" && is_ours "$server_pid" "$server_start"
}

stop() {
  [[ -d $state ]] || return 0
  local xvfb_pid xvfb_start server_pid server_start
  read_pids
  if is_ours "$server_pid" "$server_start"; then
    # -k asks the server of this prefix to end its processes and itself.
    WINEPREFIX=$state/prefix "$wineserver" -k </dev/null >/dev/null 2>&1 || true
    if ! wait_for 20 "wineserver to exit" is_gone "$server_pid" "$server_start"; then
      kill -KILL "$server_pid" 2>/dev/null || true
    fi
  fi
  if is_ours "$xvfb_pid" "$xvfb_start"; then
    kill -TERM "$xvfb_pid"
    if ! wait_for 10 "Xvfb to exit" is_gone "$xvfb_pid" "$xvfb_start"; then
      kill -KILL "$xvfb_pid" 2>/dev/null || true
    fi
  fi
  rm -f "$state/session.env" "$state/pids"
}

set_dpi() {
  local dpi=$1
  if [[ ! $dpi =~ ^[0-9]+$ ]] || ((dpi < 96 || dpi > 480)); then
    die "dpi must be a number from 96 to 480: $dpi"
  fi
  load_env
  import_registry dpi "$(log_pixels "$dpi")"
}

(($# >= 2)) || usage
readonly command=$1
state=$(realpath -m "$2")
readonly state
case $command:$# in
start:2) start ;;
stop:2) stop && echo "wine-session: stopped" ;;
dpi:3) set_dpi "$3" ;;
*) usage ;;
esac
