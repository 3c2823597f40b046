# Sourced by the run and test commands: installs the Debian packages the build needs when
# any is missing, then configures and builds. The caller may set BUILD_DIR (default ./build),
# BUILD_TYPE (default RelWithDebInfo), BUILD_TARGET (targets separated by blanks; default:
# everything), the arrays CMAKE_EXTRA (more configure arguments) and EXTRA_PACKAGES, and
# BROWSER_TESTS=1 for what the browser and install tests need besides (Chromium, Node.js and
# its packages, the desktop's validators and MIME tools).
packages=(g++ cmake make pkg-config qt6-base-dev qt6-qpa-plugins qt6-webengine-dev libgl-dev
          libfontconfig-dev libgtest-dev libgmock-dev libxml2-dev fontconfig fonts-dejavu-core
          fonts-urw-base35 locales
          ${EXTRA_PACKAGES[@]+"${EXTRA_PACKAGES[@]}"})
[ "${BROWSER_TESTS:-0}" = 1 ] && packages+=(chromium desktop-file-utils appstream shared-mime-info
                                         xdg-utils libfile-mimeinfo-perl man-db)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# A machine may bring its own Node.js with npm; only one without them takes Debian's.
if [ "${BROWSER_TESTS:-0}" = 1 ]; then
    command -v node >/dev/null || missing+=(nodejs)
    command -v npm >/dev/null || missing+=(npm)
fi
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
# The browser tests' npm packages, fetched once per change of their lock file.
if [ "${BROWSER_TESTS:-0}" = 1 ]; then
    installed=tests/browser/node_modules/.package-lock.json
    if [ ! -f "$installed" ] || [ tests/browser/package-lock.json -nt "$installed" ]; then
        npm ci --prefix tests/browser --no-audit --no-fund --loglevel=error
    fi
fi
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
      ${CMAKE_EXTRA[@]+"${CMAKE_EXTRA[@]}"} >/dev/null
# shellcheck disable=SC2086 # the targets are separate words
cmake --build "$build_dir" -j2 ${BUILD_TARGET:+--target $BUILD_TARGET}
