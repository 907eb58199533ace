# Sourced: where the system's apt configuration fetches Debian from, as apt
# itself reports it (any source format, list files or deb822).

# debian_archive SUITE...: prints the base URI of the first configured
# archive that serves the main component of one of the SUITEs (tried in
# order; a suite is matched by its codename or as written in the source
# entry), or nothing.
debian_archive() {
    local suite uri
    for suite; do
        uri=$( { apt-get indextargets --format '$(REPO_URI)' "Codename: $suite" 'Component: main' 'Target-Of: deb'
                 apt-get indextargets --no-release-info --format '$(REPO_URI)' "Release: $suite" 'Component: main' 'Target-Of: deb'
               } 2>/dev/null | sed -n 1p)
        [[ -z $uri ]] || { echo "$uri"; return 0; }
    done
    return 0
}

# The codename of the Debian release this machine runs.
host_codename() {
    (. /etc/os-release && echo "${VERSION_CODENAME:-}")
}
