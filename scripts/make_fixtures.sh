#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the small audio files, playlists and tracklists that the reader tests
# read, in tests/fixtures/audio/. Run by hand; the files are committed, so
# building and testing do not need the encoders. Needs the Debian packages
# sox, lame, flac, vorbis-tools and opus-tools (and iconv from libc-bin).
# No MP4/M4A file: no encoder in Debian's main archive besides ffmpeg makes one.
#
# The lengths are chosen so that rounding to whole seconds matters: 2.5 s must
# give 3 s (halves up), 1.4 s must give 1 s. MP3 adds encoder padding (about
# 0.17 s at 8 kHz), so its signals are 3.0 s long.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/tests/fixtures/audio
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
rm -f "$out"/*

for tool in sox lame flac oggenc opusenc iconv; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

# Signals: mono, quiet sine tones (they compress to almost nothing).
sox -n -r 8000 -c 1 -b 16 "$work/tone3.wav" synth 3.0 sine 440 vol 0.3
sox -n -r 8000 -c 1 -b 16 "$work/tone2.5.wav" synth 2.5 sine 440 vol 0.3
sox -n -r 8000 -c 1 -b 16 "$work/tone1.4.wav" synth 1.4 sine 440 vol 0.3
# Silence, then noise: the first frames of a VBR MP3 are of the lowest bit
# rate, so a length guessed from the first frame is far too long.
sox -n -r 8000 -c 1 -b 16 "$work/quietfirst.wav" synth 2.5 sine 440 vol 0.0 : \
    synth 0.5 whitenoise vol 0.8

# Digital silence (no dither), which compresses to almost nothing.
sox -D -n -r 8000 -c 1 -b 16 "$work/silence120.wav" trim 0 120
sox -D -n -r 8000 -c 1 -b 16 "$work/silence60.wav" trim 0 60
# 2.47 s: with the encoder's delay and padding counted it would be 2.66 s.
sox -n -r 8000 -c 1 -b 16 "$work/tone2.47.wav" synth 2.47 sine 440 vol 0.3

# MP3: constant bit rate (8 kbit/s: its frames are too small for LAME's Info
# header), VBR with and without the Xing header (-t leaves it out).
lame --quiet -b 8 -m m --tt "Sine" --ta "Tavelo" "$work/tone3.wav" "$out/cbr.mp3"
lame --quiet -V 9 -m m "$work/quietfirst.wav" "$out/vbr-xing.mp3"
lame --quiet -t -V 9 -m m "$work/quietfirst.wav" "$out/vbr-noxing.mp3"
lame --quiet -b 8 -m m "$work/tone3.wav" "$work/untagged.mp3"
# 24 kbit/s: an Info header with the LAME tag, which records the encoder
# delay and padding (576 + 976 samples here).
lame --quiet -b 24 -m m "$work/tone2.47.wav" "$out/delay.mp3"

# An ID3v2.3 tag whose text frames say Latin-1 (encoding byte 0) but hold
# Shift_JIS, as older Japanese tools wrote them.
be32() { printf "\\x$(printf %02x $(($1 >> 24 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 & 255)))"; }
syncsafe() { be32 $(( ($1 & 127) | ($1 >> 7 & 127) << 8 | ($1 >> 14 & 127) << 16 | ($1 >> 21 & 127) << 24 )); }
frame() {  # ID TEXT-FILE
    local size=$(( $(stat -c %s "$2") + 1 ))
    printf '%s' "$1"; be32 $size; printf '\x00\x00\x00'; cat "$2"
}
printf 'あめのうた' | iconv -f UTF-8 -t SHIFT_JIS >"$work/title.sjis"
printf 'うたびと' | iconv -f UTF-8 -t SHIFT_JIS >"$work/artist.sjis"
{ frame TIT2 "$work/title.sjis"; frame TPE1 "$work/artist.sjis"; } >"$work/frames"
{ printf 'ID3\x03\x00\x00'; syncsafe "$(stat -c %s "$work/frames")"; cat "$work/frames"
  cat "$work/untagged.mp3"; } >"$out/sjis-id3v2.mp3"

# An ID3v1 tag (Latin-1 by the format) holding Shift_JIS: 128 bytes at the end.
pad() { head -c "$2" "$1"; head -c $(( $2 - $(stat -c %s "$1") )) /dev/zero; }
printf 'こもりうた' | iconv -f UTF-8 -t SHIFT_JIS >"$work/v1title.sjis"
{ cat "$work/untagged.mp3"; printf 'TAG'; pad "$work/v1title.sjis" 30; pad "$work/artist.sjis" 30
  head -c 30 /dev/zero; printf '2024'; head -c 30 /dev/zero; printf '\xff'; } >"$out/sjis-id3v1.mp3"

# FLAC 2.5 s (3 s rounded half up), Ogg Vorbis 1.4 s (1 s), Opus 3 s, WAV
# 2.5 s and AIFF 1.4 s at 2 kHz, 8 bits (their lengths come from the sizes).
flac --silent --best -T "TITLE=Flac tone" -T "ARTIST=Tavelo" -o "$out/tone.flac" "$work/tone2.5.wav"
oggenc --quiet -q -1 -t "雨の日" -a "うたびと" -o "$out/tone.ogg" "$work/tone1.4.wav"
opusenc --quiet --bitrate 6 --title "Opus tone" "$work/tone3.wav" "$out/tone.opus"
sox "$work/tone2.5.wav" -r 2000 -b 8 "$out/tone.wav"
sox "$work/tone1.4.wav" -r 2000 -b 8 "$out/tone.aiff"
# A chained Ogg Vorbis file: two streams, 1.4 s and 2.5 s, one after the other.
oggenc --quiet -q -1 --serial 1 -o "$work/first.ogg" "$work/tone1.4.wav"
oggenc --quiet -q -1 --serial 2 -o "$work/second.ogg" "$work/tone2.5.wav"
cat "$work/first.ogg" "$work/second.ogg" >"$out/chained.ogg"
# Two minutes of silence as FLAC (3 KB) and one as Ogg Vorbis (6 KB).
flac --silent --best --no-padding -o "$out/silence.flac" "$work/silence120.wav"
oggenc --quiet -q -1 -o "$out/silence.ogg" "$work/silence60.wav"
# A Japanese file name, for the Shift_JIS playlist.
cp "$out/tone.ogg" "$out/あめ.ogg"

# Files that give no song: text named .mp3, an empty .flac, a FLAC cut off
# inside its header, an MP3 cut off before its first whole frame.
printf 'This is no audio.\nJust text.\n' >"$out/text.mp3"
: >"$out/empty.flac"
head -c 20 "$out/tone.flac" >"$out/truncated.flac"
head -c 50 "$work/untagged.mp3" >"$out/truncated.mp3"

# Playlists: UTF-8 with a byte order mark and EXTINF, and Shift_JIS.
{ printf '\xef\xbb\xbf#EXTM3U\r\n'
  printf '#EXTINF:-1,Tavelo - Sine\r\ncbr.mp3\r\n'
  printf '#EXTINF:200,うたびと - 長い曲\r\nnot-here.mp3\r\n'
  printf 'tone.flac\r\n'
  printf 'missing.ogg\r\n'; } >"$out/list-utf8.m3u8"
{ printf '#EXTM3U\n#EXTINF:0,あめ\nあめ.ogg\n#EXTINF:75,うたびと - 夜の歌\nどこにもない.mp3\n./tone.wav\n'; } |
    iconv -f UTF-8 -t SHIFT_JIS >"$out/list-sjis.m3u"

# A tracklist.
printf '# 曲の一覧\n1. 朝の歌 3:27\n02 Evening · Tavelo 4:05\n夜の歌 1:02:03\n昼の歌 ３分２７秒\nno time here\n' \
    >"$out/tracklist.txt"

du -cb "$out"/* | tail -1
