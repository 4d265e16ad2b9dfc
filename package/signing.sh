# shellcheck shell=bash
# Authenticode signing of the programs and the package with osslsigncode; sourced by scripts/package.
#
# The maker signs with its own certificate, given by these variables:
#   CORVALE_SIGN_CERT      the code-signing certificate with its chain (PEM or DER), or a PKCS#12 file
#                          (.pfx or .p12) that holds the key as well
#   CORVALE_SIGN_KEY       its private key (PEM or DER); not with a PKCS#12 file
#   CORVALE_SIGN_PASS      the password of the key or the PKCS#12 file, if it has one
#   CORVALE_TIMESTAMP_URL  an RFC 3161 time-stamp server, so the signatures outlive the certificate
# Without CORVALE_SIGN_CERT, a test certificate is used: made once with openssl in the build folder
# (BUILD/signing, never committed), issued by a test CA of its own that verification trusts.

# The test CA and its code-signing certificate under DIR, made when missing.
make_test_certificate() { # DIR
    local dir=$1
    [ -f "$dir/codesign.pem" ] && [ -f "$dir/codesign.key" ] && [ -f "$dir/test-ca.pem" ] && return 0
    mkdir -p "$dir"
    (
        umask 077
        openssl req -x509 -newkey rsa:3072 -nodes -days 3650 -sha256 \
            -subj "/O=Corvale/CN=Corvale Test Root CA (not for release)" \
            -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
            -keyout "$dir/test-ca.key" -out "$dir/test-ca.pem"
        openssl req -newkey rsa:3072 -nodes -sha256 -subj "/O=Corvale/CN=Corvale Test Code Signing (not for release)" \
            -keyout "$dir/codesign.key" -out "$dir/codesign.csr"
        openssl x509 -req -in "$dir/codesign.csr" -CA "$dir/test-ca.pem" -CAkey "$dir/test-ca.key" \
            -CAcreateserial -days 3650 -sha256 -out "$dir/codesign.pem" \
            -extfile <(printf '%s\n' "basicConstraints=critical,CA:FALSE" "keyUsage=critical,digitalSignature" \
                "extendedKeyUsage=critical,codeSigning")
        rm -f "$dir/codesign.csr" "$dir/test-ca.srl"
    ) >/dev/null 2>&1 || { echo "signing: openssl could not make the test certificate in $dir" >&2; return 1; }
}

# osslsigncode's arguments for the signer: the maker's certificate when one is given, else the test one
# made under TEST_DIR.
signer_arguments() { # TEST_DIR
    signer=()
    if [ -z "${CORVALE_SIGN_CERT:-}" ]; then
        make_test_certificate "$1" || return 1
        signer=(-certs "$1/codesign.pem" -key "$1/codesign.key")
        return 0
    fi
    [ -f "$CORVALE_SIGN_CERT" ] || { echo "signing: CORVALE_SIGN_CERT names no file: $CORVALE_SIGN_CERT" >&2; return 1; }
    case "$CORVALE_SIGN_CERT" in
        *.pfx | *.p12) signer=(-pkcs12 "$CORVALE_SIGN_CERT") ;;
        *)
            [ -f "${CORVALE_SIGN_KEY:-}" ] || { echo "signing: CORVALE_SIGN_KEY names no key file" >&2; return 1; }
            signer=(-certs "$CORVALE_SIGN_CERT" -key "$CORVALE_SIGN_KEY")
            ;;
    esac
    # The password comes through standard input (sign_file), never on a command line others can read.
    [ -n "${CORVALE_SIGN_PASS:-}" ] && signer+=(-readpass /dev/stdin)
    [ -n "${CORVALE_TIMESTAMP_URL:-}" ] && signer+=(-ts "$CORVALE_TIMESTAMP_URL")
    return 0
}

# Signs FILE in place with the signer of signer_arguments; DESCRIPTION is the name Windows shows.
sign_file() { # FILE DESCRIPTION TEST_DIR
    local file=$1 signed="$1.signing"
    local signer
    signer_arguments "$3" || return 1
    if ! osslsigncode sign "${signer[@]}" -h sha256 -n "$2" -in "$file" -out "$signed" \
        < <(printf '%s' "${CORVALE_SIGN_PASS:-}") >"$signed.log" 2>&1; then
        echo "signing: osslsigncode could not sign $file:" >&2
        cat "$signed.log" >&2
        rm -f "$signed" "$signed.log"
        return 1
    fi
    rm -f "$signed.log"
    mv "$signed" "$file"
}
