# Installs from Debian's packages whatever the build, the tests and the editor need and the
# machine lacks. Sourced by scripts/run and scripts/test.
quarrimak_install_missing() {
    local wanted=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth openbox
                  fonts-dejavu-core poppler-utils "$@")
    local missing=()
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}
