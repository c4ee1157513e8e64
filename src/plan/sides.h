// SPDX-License-Identifier: MIT
#pragma once

#include "core/messages.h"
#include "core/model.h"
#include "plan/card.h"
#include "plan/paper.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// Splitting the songs over the two sides of a tape: whole songs on side A in
// order while they fit ("rollover"), the rest on side B. Plain data and
// 64-bit arithmetic only; the A面・B面 window shows what this works out.
namespace tavelo {

// One song: its place in the song table (0 for song 1), its length in whole
// seconds and, when known, its title.
struct SideSong {
    int slot = 0;
    std::int64_t seconds = 0;
    QString title;
};

// The songs of the song table, in order. The table is read as a calculation
// reads it: the songs end at the first slot the row check refuses (blank
// texts included) or cannot count, just as List1 ends at the row that
// stopped a calculation; 0:00 slots after the last song of any length are
// the unused slots and no songs, while a 0:00 song between others is kept.
std::vector<SideSong> songsOfTable(const Slots &table);

// Titles typed in the A面・B面 window, by slot (0 for song 1). They stand over
// the title a song brings, in that window and on the card only.
using TitleEdits = std::map<int, QString>;

// The songs with the titles typed for their slots in place of their own;
// a song without an edit keeps its title.
std::vector<SideSong> withTitleEdits(std::vector<SideSong> songs, const TitleEdits &edits);

// The what-ifs besides the side's length, in seconds.
struct SideExtras {
    int gap = 0;     // blank tape between two songs on the same side
    int leader = 0;  // tape at the start of each side that records nothing
    int extra = 0;   // how much longer than labelled the tape really runs, per side
};

// The ways of splitting the songs over the two sides (plan/splitmodes.h).
// Every way keeps the songs in their order: side A takes the first ones,
// side B the rest; only the flip point between them differs.
enum class SplitMode {
    InOrder,  // 順番どおり: whole songs on side A while they fit, the rest on B
    Even,     // 両面を均等に: the flip point where the longer side is shortest
    OwnFlip,  // the user says which song ends side A
};

struct SplitChoice {
    SplitMode mode = SplitMode::InOrder;
    // For OwnFlip: the place in the song list (0 for the first song) of the
    // song that ends side A. Past the last song it means the last song, so
    // that a shorter song list keeps a flip; below 0, the first song.
    int lastOnA = 0;
};

// What the A面・B面 window's boxes hold, as typed: everything the split and the
// card are worked out from besides the songs. A new choice of the window is
// one more member here, with the default that leaves everything as before.
struct SidesInputs {
    QString sideMinutes;  // the side length in minutes
    QString title;        // the card's title; when empty, the card names the tape
    SideExtras extras;
    SplitChoice split;
    Paper paper = Paper::A4;  // of the PDF; a print goes by the printer's paper
    CardStyle card;
};

// Limits of the what-ifs, as the window offers them.
inline constexpr int kMaxGapSeconds = 10;
inline constexpr int kMaxLeaderSeconds = 10;
inline constexpr int kMaxExtraSeconds = 180;

struct Side {
    std::vector<int> songs;  // indices into the song list given
    std::int64_t used = 0;   // leader + songs + the gaps between them
    std::int64_t left = 0;   // side + extra - used; negative: how far it runs over
};

struct SidesSplit {
    Side a, b;
};

// Side A takes songs in order while leader + songs + gaps between them fit in
// side + extra (an exact fit fits); side B takes all the rest, whether they
// fit or not, so the tape is turned over once. A song longer than a whole
// side therefore ends side A where it stands: when it is the first song, side
// A stays empty and side B runs over. Both sides count their leader, also
// when empty. Out-of-range what-ifs are clamped to their limits.
SidesSplit splitSides(const std::vector<SideSong> &songs, std::int64_t sideSeconds,
                      SideExtras extras);

// What the window shows, as texts.
struct SideView {
    QStringList lines;  // one per song: "1. 3:45" and the title when there is one
    QString summary;    // "合計 23:40　残り 0:20" or "合計 33:10　2:10 はみ出します"
    bool over = false;  // this side runs over (an exact fit does not); shown in red
};

struct SidesView {
    // Set when the side length cannot be used; then nothing else is set.
    std::optional<Message> refusal;
    SideView a, b;
    QString flip;      // the flip point in words: "A面の最後は5曲目" …
    QString cassette;  // the shortest cassette that holds the songs so split; empty without songs
    SidesSplit split;
    std::vector<SideSong> songs;
};

// The side length from its text: a number of minutes, not negative, whose
// seconds fit in 32 bits like the capacity of a calculation. Refusals carry
// the program's messages (BadCapacity, CapacityTooLarge).
struct SideLength {
    std::optional<std::int32_t> seconds;
    std::optional<Message> refusal;
};
SideLength sideLength(const QString &minutesText);

// The split of the songs at the side length, what-ifs and way of splitting of
// `inputs`, in words.
SidesView sidesView(const std::vector<SideSong> &songs, const SidesInputs &inputs);

// One line per song, as the sides list them: "1. 3:45" and the title when
// there is one.
QStringList songLines(const std::vector<SideSong> &songs);

}  // namespace tavelo
