#!/usr/bin/env bash
# Runs bench_sound_reopen against a private PulseAudio with a null sink, the
# sound server a desktop has, so that opening and closing the stream cost what
# they cost there.
#
# Usage: sound_reopen.sh SOUND_REOPEN OUTDIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 SOUND_REOPEN OUTDIR" >&2; exit 2; }
program=$1 out=$2
# shellcheck source=xvfb_lib.sh
source "$(dirname "$0")/xvfb_lib.sh"
bench_init_home "$out"
bench_start_pulse
"$program" 2>>"$out/sound_reopen.log"
