// SPDX-License-Identifier: MIT
// The tracklist reader: every song found has a length of 0 or more and a
// title of one line, no more songs than lines; the length written back as
// "m:ss" reads as the same whole seconds, alone and after the title; and the
// lengths written as the program's own list text read back the same.
#include "fuzzcommon.h"

#include "core/listtext.h"
#include "core/timetext.h"
#include "readers/tracklist.h"

using fuzzing::describe;

namespace {

void check(const QString &text)
{
    const std::vector<tavelo::FoundSong> songs = tavelo::readTracklist(text);
    const qsizetype lines = text.count(u'\n') + text.count(u'\r') + 1;
    FUZZ_CHECK(qsizetype(songs.size()) <= lines, describe(text));
    tavelo::MainState state;
    std::vector<std::int64_t> lengths;
    for (const tavelo::FoundSong &song : songs) {
        FUZZ_CHECK(song.milliseconds >= 0, describe(text));
        FUZZ_CHECK(!song.title.contains(u'\n') && !song.title.contains(u'\r'), describe(text));
        const std::int64_t seconds = tavelo::wholeSeconds(song.milliseconds);
        const QString clock = tavelo::clockText(seconds);
        const auto alone = tavelo::readTracklistLine(clock);
        FUZZ_CHECK(alone && alone->milliseconds == seconds * 1000, describe(text));
        if (!song.title.startsWith(u'#') && !song.title.startsWith(u'＃')) {
            const auto titled = tavelo::readTracklistLine(song.title + u' ' + clock);
            FUZZ_CHECK(titled && titled->milliseconds == seconds * 1000, describe(text));
        }
        if (seconds <= 32767 * 60 + 59) {
            if (state.list.size() < tavelo::kSlotCount)
                state.songs.at(std::size_t(state.list.size())) = tavelo::boxTexts(0, song.title);
            state.list << clock;
            lengths.push_back(seconds);
        }
    }
    // The list written with the titles found (in the slots of the song table)
    // reads back as the same lengths, whatever the titles hold.
    state.resultMinutes = state.resultSeconds = QStringLiteral("0");
    const auto back = tavelo::readTracklist(tavelo::listText(state));
    FUZZ_CHECK(back.size() == lengths.size(), describe(text));
    for (std::size_t i = 0; i < lengths.size(); ++i)
        FUZZ_CHECK(back[i].milliseconds == lengths[i] * 1000, describe(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const QString &text : fuzzing::textsOf(data, size))
        check(text);
    return 0;
}
