#!/usr/bin/env bash
# Makes the release of the committed tree in dist/: the source
# (velmora-VERSION.tar.gz), the Debian package (velmora_VERSION_amd64.deb),
# the Windows zip and installer (velmora-VERSION-win64.zip,
# velmora-VERSION-win64-setup.exe) and SHA256SUMS. Installs what is
# missing, then builds Release for Linux and, cross, for Windows, without
# the tests, in build-release. The files depend on the commit alone: their
# times are the commit's (SOURCE_DATE_EPOCH) and nothing in them says where
# or when they were made.
#   release.sh            the release of HEAD, in dist/
#   release.sh --twice    the release made in two fresh clones of HEAD, in
#                         folders of different path lengths, one after the
#                         other, in other time zones and umasks; compares
#                         every file (diffoscope where they differ, its
#                         reports in build-twice/) and fails on a difference
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"

release() {
    install_missing "${BUILD_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}"
    cd "$root"
    [ -z "$(git status --porcelain --untracked-files=no)" ] \
        || { echo "release.sh: commit first: a release is made of the committed tree" >&2; exit 1; }
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
    local version build=$root/build-release dist=$root/dist
    version=$(head -1 VERSION)
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_WINDOWS=ON >/dev/null
    # Made anew, with this commit's time, even when the programs are up to date.
    rm -rf "$build/windows-dist"
    cmake --build "$build" -j"$(nproc)"
    rm -rf "$build/deb"
    # CPack gives the .deb's members the modes the umask leaves.
    (cd "$build" && umask 022 && cpack -G DEB -B "$build/deb" >/dev/null)

    rm -rf "$dist"
    mkdir "$dist"
    git archive --format=tar --prefix="velmora-$version/" HEAD | gzip -9n >"$dist/velmora-$version.tar.gz"
    cp "$build/deb/velmora_${version}_amd64.deb" "$build/windows-dist/velmora-$version-win64.zip" \
        "$build/windows-dist/velmora-$version-win64-setup.exe" "$dist/"
    (cd "$dist" && sha256sum -- $(LC_ALL=C ls) >SHA256SUMS)
    echo "release $version of $(git rev-parse --short HEAD) in $dist:"
    (cd "$dist" && ls -l --time-style=+ | tail -n +2)
}

# The release in two clones of HEAD, compared file by file.
twice() {
    install_missing git
    local commit base report first second
    commit=$(git -C "$root" rev-parse HEAD)
    base=$(mktemp -d "${TMPDIR:-/tmp}/velmora-twice.XXXXXX")
    trap "rm -rf '$base'" EXIT
    first=$base/1
    second=$base/second-clone-in-a-folder-with-a-longer-name
    report=$root/build-twice
    rm -rf "$report"
    mkdir -p "$report"
    local run dir start
    for run in first second; do
        dir=${!run}
        git clone -q --no-checkout "$root" "$dir"
        git -C "$dir" checkout -q --detach "$commit"
        start=$(date +%s)
        if [ $run = first ]; then
            (umask 022 && TZ=UTC "$dir/scripts/release.sh")
        else
            (umask 002 && TZ=Pacific/Kiritimati "$dir/scripts/release.sh")
        fi
        echo "$run release: $(($(date +%s) - start)) s"
        mv "$dir/dist" "$report/$run"
        rm -rf "$dir"
    done

    local names file differ=0
    names=$(cd "$report/first" && LC_ALL=C ls)
    [ "$names" = "$(cd "$report/second" && LC_ALL=C ls)" ] \
        || { echo "the two runs made different files:"; ls "$report/first" "$report/second"; exit 1; }
    for file in $names; do
        if cmp -s "$report/first/$file" "$report/second/$file"; then
            echo "same     $file"
        else
            echo "DIFFERS  $file: see $report/$file.diffoscope.txt"
            differ=1
        fi
    done
    if [ $differ = 1 ]; then
        install_missing "${COMPARE_PACKAGES[@]}"
        for file in $names; do
            cmp -s "$report/first/$file" "$report/second/$file" && continue
            diffoscope --text "$report/$file.diffoscope.txt" \
                "$report/first/$file" "$report/second/$file" >/dev/null || true
        done
        echo "the release is not reproducible"
        exit 1
    fi
    echo "the release is reproducible: both runs made the same $(wc -w <<<"$names") files"
}

case "${1:-}" in
    "") release ;;
    --twice) twice ;;
    *) echo "usage: release.sh [--twice]" >&2; exit 2 ;;
esac
