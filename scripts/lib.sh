# Shared by scripts/run and scripts/test.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the packages of scripts/deps that are missing (apt-get update once, only when needed).
install_deps() {
  local missing=() pkg
  while read -r pkg; do
    pkg=${pkg%%#*}; pkg=${pkg//[[:space:]]/}
    [ -n "$pkg" ] || continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < "$ROOT/scripts/deps"
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into $1 with build type $2.
build() {
  local dir=$1 type=$2
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null
  cmake --build "$dir"
}
