#!/usr/bin/env bash
# Authenticode signatures of the package and of every program in it: each verifies against the build's
# test CA and names the test code-signing certificate as its signer; a changed byte breaks one; the
# package holds exactly the programs that the install component "programs" lays out; and the maker's
# certificate, given as a PKCS#12 file or a certificate with an encrypted key, signs in its place. A test
# build is packaged only when the package is said to be for tests, and a plain configuration is none.
#   signatures.sh SOURCE_DIR BUILD_DIR PACKAGES_DIR
set -euo pipefail
root=$1 build=$2 packages=$3
ca=$build/signing/test-ca.pem
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shellcheck source=tests/harness/checks.sh
. "$root/tests/harness/checks.sh"
# "verified by SUBJECT" when FILE's signature verifies against CA_FILE, else "not verified".
signature() { # FILE CA_FILE
    local out
    if out=$(osslsigncode verify -CAfile "$2" -in "$1" 2>&1); then
        echo "verified by $(sed -n 's/^[[:space:]]*Subject: //p' <<<"$out" | head -1)"
    else
        echo "not verified"
    fi
}
test_signer="verified by /O=Corvale/CN=Corvale Test Code Signing (not for release)"

for package in "$packages"/*.msi; do
    expect "$(basename "$package") is signed" "$(signature "$package" "$ca")" "$test_signer"
done

# The package's programs in WORK/extracted/CORVALE (msiextract puts a 64-bit package's Program Files
# folder at the top).
msiextract -C "$work/msi" "$packages/Corvale.msi" >/dev/null
mkdir "$work/extracted"
mv "$(find "$work/msi" -type d -name CORVALE)" "$work/extracted/"
cmake --install "$build" --component programs --prefix "$work/laid-out" >/dev/null
programs() { (cd "$1" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' '); }
expect "the package holds the programs that are laid out" "$(programs "$work/extracted")" "$(programs "$work/laid-out")"
while IFS= read -r -d '' program; do
    expect "${program#"$work/extracted/"} is signed" "$(signature "$program" "$ca")" "$test_signer"
done < <(find "$work/extracted" -type f -print0)

popbar=$work/extracted/CORVALE/Popbar/Popbar.exe
cp "$popbar" "$work/changed.exe"
printf '\x90' | dd of="$work/changed.exe" bs=1 seek=4096 conv=notrunc status=none
expect "a program with one byte changed is refused" "$(signature "$work/changed.exe" "$ca")" "not verified"

# The maker's certificate: a CA and code-signing certificate of the same names but keys of their own,
# with a password.
# shellcheck source=package/signing.sh
. "$root/package/signing.sh"
make_test_certificate "$work/maker"
maker_signer=$test_signer
openssl pkcs12 -export -in "$work/maker/codesign.pem" -inkey "$work/maker/codesign.key" \
    -passout pass:maker-secret -out "$work/maker/maker.pfx"
openssl pkey -in "$work/maker/codesign.key" -aes256 -passout pass:maker-secret -out "$work/maker/encrypted.key"
# row WHAT CERT KEY: Popbar signed with the maker's CERT (and KEY) verifies against the maker's CA only.
row() {
    cp "$popbar" "$work/maker.exe"
    CORVALE_SIGN_CERT=$2 CORVALE_SIGN_KEY=$3 CORVALE_SIGN_PASS=maker-secret sign_file "$work/maker.exe" "Corvale Popbar" "$work/unused"
    expect "$1: the maker's CA" "$(signature "$work/maker.exe" "$work/maker/test-ca.pem")" "$maker_signer"
    expect "$1: not the build's test CA" "$(signature "$work/maker.exe" "$ca")" "not verified"
}
#   what                                      cert                            key
row "the maker's PKCS#12 file with a password" "$work/maker/maker.pfx"         ""
row "the maker's certificate and encrypted key" "$work/maker/codesign.pem"     "$work/maker/encrypted.key"
expect "no test certificate is made when the maker's is given" "$([ -e "$work/unused" ] && echo made || echo none)" none

# Test builds: their programs carry test code. scripts/package packages one only when told that the
# package is for tests; a configuration that names no options builds the programs as they ship.
test_options() { sed -n 's/^\(CORVALE_TESTS\|CORVALE_OBJECT_COUNTS\|CORVALE_OPEN_PROFILE\):BOOL=//p' "$1" | tr '\n' ' '; }
if [ "$(test_options "$build/CMakeCache.txt")" = "ON ON ON " ]; then
    said=$("$root/scripts/package" --build "$build" --output "$work/refused.msi" 2>&1 >/dev/null || echo "exit $?")
    expect "scripts/package refuses the test build, saying why" \
        "$(grep -c "is a test build (CORVALE_OBJECT_COUNTS CORVALE_OPEN_PROFILE CORVALE_TESTS on)" <<<"$said") ${said##*$'\n'}" "1 exit 1"
    expect "and makes no package" "$([ -e "$work/refused.msi" ] && echo made || echo none)" none
else
    expect "the shipped build has no test option on" "$(test_options "$build/CMakeCache.txt")" "OFF OFF OFF "
fi
cmake -S "$root" -B "$work/plain" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
expect "a plain configuration has every test option off" "$(test_options "$work/plain/CMakeCache.txt")" "OFF OFF OFF "
expect "and builds optimised" "$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$work/plain/CMakeCache.txt")" Release

checks_summary
