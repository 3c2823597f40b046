# Sourced by the run and test commands: installs the Debian packages the build needs when
# any is missing, then configures and builds. The caller may set BUILD_DIR (default ./build),
# BUILD_TYPE (default RelWithDebInfo) and BUILD_TARGET (default: everything).
packages=(g++ cmake make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev
          libgmock-dev libbenchmark-dev fontconfig fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build_dir" -j2 ${BUILD_TARGET:+--target "$BUILD_TARGET"}
