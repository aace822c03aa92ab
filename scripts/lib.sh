# Shared by the scripts of this folder.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the named Debian packages that are missing (apt-get update once, only when needed).
install_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Installs the packages of scripts/deps that are missing.
install_deps() {
  local packages=() pkg
  while read -r pkg; do
    pkg=${pkg%%#*}; pkg=${pkg//[[:space:]]/}
    [ -n "$pkg" ] && packages+=("$pkg")
  done < "$ROOT/scripts/deps"
  install_packages "${packages[@]}"
}

# Configures $1 with build type $2; further arguments go to cmake.
configure() {
  local dir=$1 type=$2
  shift 2
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
}

# Configures (as configure does) and builds everything into $1.
build() {
  configure "$@"
  cmake --build "$1" -j "$(nproc)"
}

# Runs window tests offscreen and, when no sound server runs, starts a private PulseAudio (a
# null sink and a sine-wave source) for the sound tests; it stops when the script exits.
prepare_test_session() {
  export QT_QPA_PLATFORM=offscreen
  pactl info >/dev/null 2>&1 && return 0
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/quillan-pulse-XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
  pulseaudio --daemonize=no --exit-idle-time=-1 --disable-shm -n \
    --load="module-native-protocol-unix" \
    --load="module-null-sink sink_name=quillan_null" \
    --load="module-sine-source source_name=quillan_sine frequency=440" \
    --load="module-always-sink" >"$XDG_RUNTIME_DIR/pulse.log" 2>&1 &
  PULSE_PID=$!
  trap 'kill $PULSE_PID 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  local _
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl set-default-sink quillan_null >/dev/null 2>&1 || true
  pactl set-default-source quillan_sine >/dev/null 2>&1 || true
  export QUILLAN_SINE_INPUT=1  # recordings hear the sine wave
}
