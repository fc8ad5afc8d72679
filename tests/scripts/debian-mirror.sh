#!/usr/bin/env bash
# quarrimak_debian_mirror of scripts/deps.sh alone, on apt sources written into a temporary
# folder: it finds the archive's address in either form of entry, in apt's order, and finds
# none where no `deb` entry serves the release.
#   debian-mirror.sh path/to/scripts/deps.sh
set -u
. "$1"
apt=$(mktemp -d)
trap 'rm -rf "$apt"' EXIT
failures=0

# sources FILE CONTENT...: the folder holds only the given files.
sources() {
    rm -rf "${apt:?}"/*
    mkdir -p "$apt/sources.list.d"
    while [ $# -gt 0 ]; do
        printf '%s\n' "$2" > "$apt/$1"
        shift 2
    done
}

# expect WHAT ADDRESS: the address found for bookworm, or the failure when ADDRESS is empty.
expect() {
    local found status
    found=$(quarrimak_debian_mirror bookworm "$apt")
    status=$?
    if [ -n "$2" ] && { [ $status -ne 0 ] || [ "$found" != "$2" ]; }; then
        echo "FAIL $1: found '$found' (status $status), expected '$2'"
        failures=$((failures + 1))
    elif [ -z "$2" ] && [ $status -eq 0 ]; then
        echo "FAIL $1: found '$found', expected none"
        failures=$((failures + 1))
    else
        echo "ok $1"
    fi
}

sources sources.list.d/debian.sources "# Debian's own, behind a caching proxy
Enabled: no
Types: deb
URIs: http://disabled.example/debian
Suites: bookworm

Types: deb-src
URIs: http://sources.example/debian
Suites: bookworm

Types: deb
URIs: http://proxy.example:3142/deb.debian.org/debian
Suites: bookworm bookworm-updates
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 URIs: http://in.a.key/
 -----END PGP PUBLIC KEY BLOCK-----"
expect "deb822 stanza of the release's suite" http://proxy.example:3142/deb.debian.org/debian

sources sources.list "deb cdrom:[Debian GNU/Linux 12.5.0 _Bookworm_ - Official amd64 DVD]/ bookworm main
deb-src http://sources.example/debian bookworm main
# deb http://commented.example/debian bookworm main
deb http://security.example/debian-security bookworm-security main
deb [ arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg ] http://ftp.de.debian.org/debian/ bookworm main" \
        sources.list.d/a.sources "Types: deb
URIs: http://later.example/debian
Suites: bookworm"
expect "one-line entry with options, sources.list first" http://ftp.de.debian.org/debian/

sources sources.list "deb http://deb.debian.org/debian trixie main
deb-src http://deb.debian.org/debian bookworm main"
expect "no deb entry of the release" ""

exit $((failures > 0))
