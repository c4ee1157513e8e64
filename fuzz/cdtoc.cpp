// SPDX-License-Identifier: MIT
// The table-of-contents and CD-TEXT readers over bytes as a drive might give
// them. The first byte says where the last session starts: unknown (0 mod 3),
// at 0 (1), or at the LBA in the next four bytes (2); the rest is read as the
// table and also as CD-TEXT. A table read gives at most 99 tracks with rising
// numbers from 1 to 99, each longer than 0 and all together no longer than
// 100 minutes; bytes after a table read change nothing. CD-TEXT gives names
// without control characters or blanks at either end, none longer than the
// bytes, and bytes after the length its header gives change nothing.
#include "fuzzcommon.h"

#include "readers/cdtoc.h"

namespace {

std::string hexOf(QByteArrayView bytes) { return bytes.toByteArray().toHex().toStdString(); }

void checkNames(const tavelo::CdText &text, QByteArrayView bytes)
{
    for (const auto *names : {&text.titles, &text.performers}) {
        for (const QString &name : *names) {
            FUZZ_CHECK(name.size() <= bytes.size(), hexOf(bytes));
            FUZZ_CHECK(name == name.trimmed(), hexOf(bytes) + " " + fuzzing::describe(name));
            for (const QChar c : name)
                FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7F, hexOf(bytes));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (input.isEmpty())
        return 0;
    tavelo::CdToc toc;
    qsizetype from = 1;
    const int mode = static_cast<unsigned char>(input[0]) % 3;
    if (mode == 1) {
        toc.lastSession = 0;
    } else if (mode == 2 && input.size() >= 5) {
        std::uint32_t lba = 0;
        for (qsizetype i = 1; i < 5; ++i)
            lba = lba << 8 | static_cast<unsigned char>(input[i]);
        toc.lastSession = static_cast<std::int32_t>(lba);
        from = 5;
    }
    const QByteArrayView bytes = input.sliced(std::min(from, input.size()));
    toc.table = bytes.toByteArray();

    if (const auto tracks = tavelo::audioTracks(toc)) {
        FUZZ_CHECK(tracks->size() <= 99, hexOf(bytes));
        std::int64_t total = 0;
        int previous = 0;
        for (const tavelo::CdTrack &track : *tracks) {
            FUZZ_CHECK(track.number > previous && track.number <= 99, hexOf(bytes));
            FUZZ_CHECK(track.milliseconds > 0, hexOf(bytes));
            previous = track.number;
            total += track.milliseconds;
        }
        FUZZ_CHECK(total <= tavelo::kLastFrame * 1000 / tavelo::kFramesPerSecond + 1, hexOf(bytes));
        tavelo::CdToc longer = toc;
        longer.table += QByteArray("\xAA\x00\x01", 3);
        FUZZ_CHECK(tavelo::audioTracks(longer) == tracks, hexOf(bytes));
    }

    const tavelo::CdText text = tavelo::decodeCdText(bytes);
    checkNames(text, bytes);
    if (bytes.size() >= 2) {
        const qsizetype declared =
            (static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1])) + 2;
        if (declared < bytes.size())
            FUZZ_CHECK(tavelo::decodeCdText(bytes.first(declared)) == text, hexOf(bytes));
    }
    return 0;
}
