#!/bin/sh
# Runs a cross-built Windows program under wine, as CTest's emulator: the prefix, DLL search
# path and quiet settings come from scripts/windows.sh. Wine's own chatter goes nowhere.
# Wine keeps the host's QT_* variables from Windows programs, lest a Linux Qt setting steer a
# Windows Qt; it hands on WINEQT_* as QT_* instead. The tests' own settings (the offscreen
# platform, the font folder, the scale) are passed that way.
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$var=\"\$$var\""
done
exec wine "$@"
