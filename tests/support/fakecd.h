// SPDX-License-Identifier: MIT
#pragma once

// Audio CDs for the tests and benchmarks: tables of contents and CD-TEXT
// bytes as a drive answers the READ TOC command, written from a short
// notation, and a drive that gives them back as a real one would.

#include "readers/cddrive.h"

#include <QStringEncoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace fakecd {

using tavelo::CdToc;
using tavelo::DriveStatus;

inline void appendBe(QByteArray &bytes, std::uint32_t value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

// "a0 a15487 d33109 |52000": the tracks from track 1 by their start in
// frames, "a" audio and "d" data, then the lead-out after "|".
inline QByteArray tocTable(const QString &notation)
{
    QByteArray entries;
    int number = 1;
    int count = 0;
    for (const QString &item : notation.split(u' ', Qt::SkipEmptyParts)) {
        const bool leadOut = item.startsWith(u'|');
        entries.append('\0');
        entries.append(char(0x10 | (item.startsWith(u'd') ? 0x04 : 0x00)));
        entries.append(char(leadOut ? 0xAA : number++));
        entries.append('\0');
        appendBe(entries, std::uint32_t(item.mid(1).toInt()), 4);
        ++count;
    }
    QByteArray table;
    appendBe(table, std::uint32_t(2 + 8 * count), 2);
    table.append(char(1));
    table.append(char(number - 1));
    return table + entries;
}

// `count` audio tracks of `frames` each, from LBA 0, in the notation above.
inline QString evenTracks(int count, int frames)
{
    QStringList items;
    for (int n = 0; n < count; ++n)
        items << QStringLiteral("a%1").arg(n * frames);
    return items.join(u' ') + QStringLiteral(" |%1").arg(count * frames);
}

inline constexpr int kLatin1 = 0x00;
inline constexpr int kMsJis = 0x80;
inline constexpr int kKorean = 0x81;
inline constexpr int kEnglish = 0x09;
inline constexpr int kJapanese = 0x69;

// One block (language) of CD-TEXT: the album's title and performer first,
// then one for each track; "\t" stands for "as the track before".
struct TextBlock {
    int characterCode = kLatin1;
    int language = kEnglish;
    QStringList titles;
    QStringList performers;
};

// The CD-TEXT of the blocks as READ TOC gives it: the header, each block's
// title and performer packs, then its three packs of size information. With
// `crcs` false every CRC is zero, as some drives give them.
inline QByteArray cdTextBytes(const std::vector<TextBlock> &blocks, bool crcs = true)
{
    const auto pack = [crcs](int type, int track, int sequence, bool wide, int block, int position,
                             const QByteArray &text) {
        QByteArray bytes;
        bytes.append(char(type));
        bytes.append(char(track));
        bytes.append(char(sequence));
        bytes.append(char((wide ? 0x80 : 0) | block << 4 | std::min(position, 15)));
        bytes.append(text.leftJustified(12, '\0', true));
        appendBe(bytes, crcs ? tavelo::cdTextCrc(bytes) : 0, 2);
        return bytes;
    };
    // Each block's title and performer packs, and how many of each type.
    std::vector<std::vector<QByteArray>> textPacks(blocks.size());
    std::vector<std::array<int, 16>> counts(blocks.size());
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        const TextBlock &b = blocks[block];
        const bool wide = b.characterCode == kMsJis;
        int type = 0x80;
        for (const QStringList *list : {&b.titles, &b.performers}) {
            QByteArray stream;
            std::vector<int> trackAt, positionAt;
            for (int track = 0; track < list->size(); ++track) {
                const QString &s = list->at(track);
                QByteArray bytes =
                    wide ? QByteArray(QStringEncoder("Shift_JIS").encode(s)) : s.toLatin1();
                if (wide && s == QStringLiteral("\t"))
                    bytes = "\t\t";
                bytes.append(QByteArray(wide ? 2 : 1, '\0'));
                for (qsizetype i = 0; i < bytes.size(); ++i) {
                    trackAt.push_back(track);
                    positionAt.push_back(int(wide ? i / 2 : i));
                }
                stream += bytes;
            }
            for (qsizetype at = 0; at < stream.size(); at += 12) {
                textPacks[block].push_back(pack(type, trackAt[std::size_t(at)],
                                                int(textPacks[block].size()), wide, int(block),
                                                positionAt[std::size_t(at)], stream.mid(at, 12)));
                ++counts[block][std::size_t(type - 0x80)];
            }
            ++type;
        }
        counts[block][15] = 3;
    }
    QByteArray bytes;
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        const TextBlock &b = blocks[block];
        QByteArray size;
        size.append(char(b.characterCode));
        size.append(char(1));
        size.append(char(std::max(b.titles.size(), b.performers.size()) - 1));
        size.append('\0');
        for (const int count : counts[block])
            size.append(char(count));
        // The sequence number of each block's last pack, then each one's language.
        for (std::size_t other = 0; other < 8; ++other)
            size.append(char(other < blocks.size() ? textPacks[other].size() + 2 : 0));
        for (std::size_t other = 0; other < 8; ++other)
            size.append(char(other < blocks.size() ? blocks[other].language : 0));
        for (const QByteArray &text : textPacks[block])
            bytes += text;
        const int sequence = int(textPacks[block].size());
        for (int part = 0; part < 3; ++part)
            bytes +=
                pack(0x8F, part, sequence + part, false, int(block), 0, size.mid(part * 12, 12));
    }
    QByteArray header;
    appendBe(header, std::uint32_t(bytes.size() + 2), 2);
    header.append(2, '\0');
    return header + bytes;
}

// What a drive holds: the statuses it reports in turn (the last one from
// then on), the table of contents and the CD-TEXT.
struct Disc {
    std::vector<DriveStatus> statuses{DriveStatus::Ready};
    std::optional<CdToc> toc;
    QByteArray cdText;
};

class FakeDrive final : public tavelo::CdDrive {
public:
    explicit FakeDrive(Disc disc) : disc_(std::move(disc)) {}
    DriveStatus status() override
    {
        const std::size_t at = std::min(asked_++, disc_.statuses.size() - 1);
        return disc_.statuses.at(at);
    }
    std::optional<CdToc> toc() override { return disc_.toc; }
    QByteArray cdText() override { return disc_.cdText; }

private:
    Disc disc_;
    std::size_t asked_ = 0;
};

// Opens a fresh drive holding `disc` for any device name, and notes the
// names asked for in `names` when given (the opener may run on any thread,
// one reading at a time).
inline tavelo::CdDriveOpener opener(const Disc &disc, std::shared_ptr<QStringList> names = nullptr)
{
    return [disc, names](const QString &name) {
        if (names)
            *names << name;
        return std::make_unique<FakeDrive>(disc);
    };
}

}  // namespace fakecd
