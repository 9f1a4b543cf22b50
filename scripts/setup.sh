# Shared by scripts/run and scripts/test: install what is missing, then configure and build in build/.
# Sourced, not run.
set -euo pipefail

P3_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
P3_BUILD="$P3_ROOT/build"

P3_PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev libqt6test6
  libsqlite3-dev libsqlitecpp-dev libsimpleini-dev libcurl4-openssl-dev libxlsxwriter-dev
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
  fonts-wqy-microhei xvfb xauth imagemagick poppler-utils
  nlohmann-json3-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n afl++ xdotool
  clang-format
)

p3_install_packages() {
  local missing=()
  for p in "${P3_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

p3_build() {
  cmake -S "$P3_ROOT" -B "$P3_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$P3_BUILD" -j"$(nproc)"
}
