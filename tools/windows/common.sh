# Sourced by the Windows build's stages: where they cache what they build,
# and the facts their cache keys are made of.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cache=${ZENTARO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zentaro}
cross=x86_64-w64-mingw32
toolchain=$root/cmake/toolchains/$cross.cmake
jobs=$(nproc 2>/dev/null || echo 2)

# Progress goes to stderr: a stage's standard output is the one path it made.
log() { printf '== %s\n' "$*" >&2; }
die() { printf '%s: %s\n' "${0##*/}" "$*" >&2; exit 1; }

# The words of one of this folder's lists, without its comments.
words_of() { sed 's/#.*//' "$root/tools/windows/$1"; }
# Twelve hex digits of a SHA-256 over the lines given.
key_of() { printf '%s\n' "$@" | sha256sum | cut -c1-12; }

mingw_version() { "$cross-g++-posix" --version | head -n 1; }
toolchain_hash() { sha256sum <"$toolchain" | cut -d' ' -f1; }

# Waits while another run builds the same thing, so that two runs at once
# share one build instead of wrecking each other's.
lock() { # NAME
  mkdir -p "$cache/locks"
  exec 9>"$cache/locks/$1"
  flock 9
}
