# shellcheck shell=bash
# lib.sh - shared by scripts/check and scripts/demo (sourced, not run).
# Installs the Debian packages the build and the tests need, only those
# that are missing, without asking anything.

VELMORA_PACKAGES=(
  build-essential   # g++, make
  cmake
  pkg-config
  libncurses-dev    # the wide-character curses the toolkit is built on
  libvterm-dev      # the terminal emulator of the test kit (velmora-testkit)
  libgtest-dev
  libbenchmark-dev
  ncurses-term      # terminal descriptions beyond the basic ones
  ncurses-bin       # tput, whose init strings a test compares with the toolkit's
  doxygen           # the API reference (the doc target)
  dpkg-dev          # dpkg-shlibdeps, for the Debian package's dependencies
  libuv1-dev        # the examples that run the toolkit inside another event loop
  libglib2.0-dev
  unicode-data      # Unicode's grapheme break test, which the text module's test runs
)

# The fuzz targets' compiler and its libFuzzer runtime (Debian 12 puts the
# runtime of clang 14 in its own package); scripts/fuzz installs them.
VELMORA_FUZZ_PACKAGES=(
  clang
  libclang-rt-14-dev
)

# Prints the packages among the arguments that are not installed.
velmora_missing_packages() {
  local pkg status
  for pkg in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
    [[ $status == installed ]] || echo "$pkg"
  done
}

# Installs the missing ones among the packages given, or among
# VELMORA_PACKAGES when none are given.
velmora_install_packages() {
  local missing=() wanted=("$@")
  [[ ${#wanted[@]} -gt 0 ]] || wanted=("${VELMORA_PACKAGES[@]}")
  mapfile -t missing < <(velmora_missing_packages "${wanted[@]}")
  if [[ ${#missing[@]} -eq 0 ]]; then
    return 0
  fi
  echo "installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    echo "error: missing packages, and installing them needs root: ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update </dev/null
  apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
}

# The repository's root, whichever script sources this file.
# shellcheck disable=SC2034  # used by the scripts that source this file
VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
