#!/usr/bin/env bash
# Installs what is missing, builds Parsella for release and makes its Debian package,
# build-package/parsella_<version>_<arch>.deb. CPack's DEB generator needs `file` and
# dpkg-dev's `dpkg-shlibdeps`, which building alone does not. Arguments go to CMake, e.g.
# -DPARSELLA_WEB_HOST=www.example.com.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh file dpkg-dev
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DPARSELLA_BUILD_TESTS=OFF "$@"
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls -1 build-package/parsella_*.deb
