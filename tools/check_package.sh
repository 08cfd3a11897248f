#!/usr/bin/env bash
# Builds the Debian package of the suite and checks it on a clean machine: a
# minimal Debian bookworm made with debootstrap (apt-get installs debootstrap
# when missing), where the package is installed with dpkg and the sample
# project is adjusted, drawn and exported. Needs root (chroot).
#   tools/check_package.sh [chroot folder]   (default: build-pkg/clean-bookworm)
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-build-pkg/clean-bookworm}
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
cmake -S . -B build-pkg -G Ninja -DKORVAL_BUILD_TESTS=OFF -DKORVAL_BUILD_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-pkg
(cd build-pkg && cpack -G DEB)
[ -x "$root/bin/bash" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp build-pkg/korval-the-vector_*_amd64.deb "$root/tmp/"
chroot "$root" /bin/bash -euc '
  dpkg -i /tmp/korval-the-vector_*_amd64.deb
  rm -rf /tmp/sample-check
  /usr/share/korval/examples/run-sample.sh /tmp/sample-check
  cd /tmp/sample-check
  LOOK && VIEW
  printf "COORDS.TXT\n1\n1\n1\n1\n" | PTEXPORT > /dev/null
  test -s OUT.VEC && test -s VECTOR.COR && test -s VECTOR.SVG && test -s COORDS.TXT
  echo "package installed and ran the sample project on a clean Debian bookworm"'
