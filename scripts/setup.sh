# Sourced by scripts/run and scripts/test: installs the Debian packages the suite needs
# (only the missing ones), then configures and builds into build/.
packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
          libgl1-mesa-dev fonts-liberation xvfb x11vnc)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
