# Shared by scripts/run.sh and scripts/test.sh: the packages the build and the tests need, the
# three build trees, and a private X display when there is none.

# Debian packages: compilers for Linux and for both Windows targets, Wine, a virtual display,
# screenshots, and GoogleTest's sources.
CALVORIN_PACKAGES=(cmake make g++ python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 fonts-wine xvfb imagemagick googletest)

ensure_packages() {
  local missing=() package
  for package in "${CALVORIN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

build_windows() {  # ARCH (x86_64 or i686) [extra cmake arguments]
  local arch=$1
  shift
  cmake -S . -B "build/$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-mingw-$arch.cmake" "$@"
  cmake --build "build/$arch" -j "$(jobs)"
}

build_native() {
  cmake -S . -B build/native
  cmake --build build/native -j "$(jobs)"
}

# Starts Xvfb, in a session of its own, on the first display number from FIRST on that it gets:
# several runs may share the machine. Sets XVFB_DISPLAY (":N") and XVFB_PID.
start_xvfb() {  # FIRST LOG
  local n pid
  for n in $(seq "$1" $(($1 + 100))); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$2" 2>&1 &
    pid=$!
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      XVFB_DISPLAY=":$n"
      XVFB_PID=$pid
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

# A private display for this script: exports DISPLAY; the display ends with the script.
start_private_display() {
  start_xvfb 60 /dev/null
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
  export DISPLAY=$XVFB_DISPLAY
}
