// SPDX-License-Identifier: MIT
#pragma once

#include "readers/playlist.h"

#include <QStringView>

#include <vector>

// Playlists exported as tables: the CSV files of streaming services'
// exporters, the music app's text export (tab-separated), and spreadsheets
// saved as CSV or TSV.
namespace tavelo {

struct TableRead {
    // A header row names a length, title or artist column.
    bool table = false;
    // The header names a length column.
    bool lengths = false;
    // One entry for each row that has a length, a location or a name, in
    // order; a row without a length has 0 and, with a location column, the
    // file to read it from.
    std::vector<PlaylistEntry> entries;
};

// The first line that is not blank is the header: fields separated by tabs,
// commas or semicolons, whichever it has most of (tabs first on a tie; an
// Excel "sep=;" line before it names the separator). Fields may be quoted
// with ", "" in a quoted field is one quote, and a quoted field may span
// lines. Columns are found by their names, in any case, blanks, underscores
// and full-width forms aside, in English, Japanese and a few other languages:
// - the length: "Duration (ms)", "Track Duration (ms)", "トラックの長さ（ミリ秒）",
//   "duration_ms", "Time", "Length", "長さ", "時間", "再生時間"...; a unit in
//   the name ("(ms)", "ミリ秒", "(s)", "秒", "sec") decides how numbers are
//   read; without one, numbers are seconds unless the column's median is
//   10,000 or more, which only milliseconds give for songs. Cells with a
//   colon are m:ss or h:mm:ss (as in a tracklist), whatever the unit;
// - the title: "Track Name", "Name", "Title", "トラック名", "曲名", "名前"...;
// - the artist: "Artist Name(s)", "Artist", "アーティスト名", "アーティスト"...;
//   artists joined by ";" are joined by ", ";
// - the location: "Location", "場所", "Path": a file, resolved from `folder`
//   as an M3U entry is, whose own length is wanted where the row has none.
// The leftmost column of each kind counts. Linear in the length of the text.
TableRead readTable(QStringView text, const QString &folder);

}  // namespace tavelo
