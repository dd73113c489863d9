# Shared by scripts/run and scripts/test: the Debian packages Tavrin needs, their installation
# when missing, and the build. Source it; do not run it.

TAVRIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAVRIN_BUILD=${TAVRIN_BUILD:-$TAVRIN_ROOT/build}

# Build tools, Qt 6, SQLite, fonts, the test and benchmark frameworks, the PDF validators the
# tests use, the mail hand-off, the icon theme and a virtual display for running the program.
TAVRIN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6
  libsqlite3-dev sqlite3
  libfreetype-dev libfontconfig-dev fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  qpdf poppler-utils
  xdg-utils breeze-icon-theme
  xvfb xauth
)

# Only for scripts/fuzz: clang with its sanitizer runtimes.
TAVRIN_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Installs the packages named (default: TAVRIN_PACKAGES) that are missing.
tavrin_install_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${TAVRIN_PACKAGES[@]}")
  local missing=()
  local package
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

tavrin_build() {
  cmake -S "$TAVRIN_ROOT" -B "$TAVRIN_BUILD" -G Ninja "$@"
  cmake --build "$TAVRIN_BUILD" --parallel "$(nproc)"
}
