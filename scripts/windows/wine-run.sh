#!/bin/sh
# Runs a cross-built Windows program under wine, as CTest's emulator: the prefix, DLL search
# path and quiet settings come from scripts/windows.sh. Wine's own chatter goes nowhere.
exec wine "$@"
