#!/bin/sh
# makensis building a 64-bit installer stub: CPack splits an option given
# through its pre-arguments at the space, so the option is added here.
exec makensis -XTarget\ amd64-unicode "$@"
