// SPDX-License-Identifier: MIT
// The CUE sheet reader: one song for each audio track, each of 0 ms or more
// with names of one line; each file's length asked for at most once; and the
// songs of a sheet without gaps whose files can all be read never add up to
// more than its files (one millisecond of rounding a track aside).
#include "fuzzcommon.h"

#include "readers/cue.h"
#include "readers/textcodec.h"

namespace {

std::string hexOf(QByteArrayView bytes) { return bytes.toByteArray().toHex().toStdString(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text =
        tavelo::decodeText(bytes, tavelo::kListText).value_or(QString::fromLatin1(bytes));
    const tavelo::CueSheet sheet = tavelo::readCueSheet(text);
    // Each file is 10 minutes long, but a file named with an "x" cannot be read.
    constexpr std::int64_t kFile = 600000;
    std::vector<int> asked(sheet.files.size());
    const auto length = [&](int index) -> std::optional<std::int64_t> {
        ++asked.at(std::size_t(index));
        if (sheet.files.at(std::size_t(index)).name.contains(u'x'))
            return std::nullopt;
        return kFile;
    };
    const std::vector<tavelo::CueSong> songs = tavelo::cueSongs(sheet, length);
    const auto audio = std::count_if(sheet.tracks.begin(), sheet.tracks.end(),
                                     [](const tavelo::CueTrack &t) { return t.audio; });
    FUZZ_CHECK(std::ptrdiff_t(songs.size()) == audio, hexOf(bytes));
    for (int times : asked)
        FUZZ_CHECK(times <= 1, hexOf(bytes));
    std::int64_t sum = 0;
    for (const tavelo::CueSong &song : songs) {
        FUZZ_CHECK(song.song.milliseconds >= 0, hexOf(bytes));
        for (const QString &name : {song.song.title, song.song.artist, song.number})
            FUZZ_CHECK(!name.contains(u'\n') && !name.contains(u'\r'), hexOf(bytes));
        sum += song.song.milliseconds;
    }
    const bool gapless = std::all_of(sheet.tracks.begin(), sheet.tracks.end(),
                                     [](const auto &t) { return t.pregap == 0 && t.postgap == 0; });
    const bool known = std::none_of(sheet.files.begin(), sheet.files.end(),
                                    [](const auto &f) { return f.name.contains(u'x'); });
    if (gapless && known)
        FUZZ_CHECK(sum <= std::int64_t(sheet.files.size()) * kFile + std::int64_t(songs.size()),
                   hexOf(bytes));
    return 0;
}
