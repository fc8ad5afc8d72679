# Installs from Debian's packages whatever the build, the tests and the editor need and the
# machine lacks, and finds the archive it installs from. Sourced by the scripts.
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

# The address of the Debian archive that this machine installs from, as its apt sources name
# it: the first URI of a `deb` entry for the release's own suite, in the one-line form
# (sources.list, sources.list.d/*.list) or the deb822 form (sources.list.d/*.sources), read in
# apt's order. A mirror or a proxy that serves the packages thus serves their sources too.
#   quarrimak_debian_mirror CODENAME [APT_FOLDER]    (APT_FOLDER: /etc/apt by default)
quarrimak_debian_mirror() {
    local codename=$1 apt=${2:-/etc/apt} file uri
    for file in "$apt/sources.list" "$apt"/sources.list.d/*; do
        [ -f "$file" ] || continue
        case $file in
        *.sources) uri=$(awk -v suite="$codename" "$quarrimak_deb822_uri" "$file") ;;
        */sources.list | *.list) uri=$(awk -v suite="$codename" "$quarrimak_one_line_uri" "$file") ;;
        *) continue ;;
        esac
        if [ -n "$uri" ]; then
            echo "$uri"
            return 0
        fi
    done
    return 1
}

# One-line entries: "deb [options] URI SUITE COMPONENTS..."; a CD-ROM is no place to fetch from.
quarrimak_one_line_uri='
$1 == "deb" {
    i = 2
    if ($i ~ /^\[/) { while (i < NF && $i !~ /\]$/) ++i; ++i }
    if ($(i + 1) == suite && $i !~ /^cdrom:/) { print $i; exit }
}'

# deb822 stanzas, separated by empty lines: fields "Name: value", continued on lines that begin
# with a blank; comments begin with "#"; a stanza with "Enabled: no" is left out.
quarrimak_deb822_uri='
function has(list, word,   words, n, i) {
    n = split(list, words, /[ \t]+/)
    for (i = 1; i <= n; ++i) if (words[i] == word) return 1
    return 0
}
BEGIN { RS = "" }
{
    split("", value); key = ""
    n = split($0, lines, "\n")
    for (i = 1; i <= n; ++i) {
        if (lines[i] ~ /^#/) continue
        if (lines[i] ~ /^[ \t]/) { if (key != "") value[key] = value[key] " " lines[i]; continue }
        colon = index(lines[i], ":")
        if (colon == 0) continue
        key = tolower(substr(lines[i], 1, colon - 1))
        value[key] = substr(lines[i], colon + 1)
    }
    if (has(tolower(value["enabled"]), "no")) next
    if (has(value["types"], "deb") && has(value["suites"], suite)) {
        n = split(value["uris"], uris, /[ \t]+/)
        for (i = 1; i <= n; ++i) if (uris[i] != "") { print uris[i]; exit }
    }
}'
