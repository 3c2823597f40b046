#!/bin/sh
# Makes the locale that the comma-locale tests run under (de_DE.UTF-8, whose decimal mark is a
# comma) where the machine lacks it. That needs root and the definitions of Debian's "locales"
# package; without them the tests that need the locale must not run as if it were there.
has_locale() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\{0,1\}8'; }
has_locale && exit 0
if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
else
    sudo -n localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
if ! has_locale; then
    echo "The locale de_DE.UTF-8 is missing and could not be made: run" \
         "'localedef -i de_DE -f UTF-8 de_DE.UTF-8' as root (Debian package: locales)." >&2
    exit 1
fi
