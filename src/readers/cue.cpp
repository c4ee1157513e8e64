// SPDX-License-Identifier: MIT
#include "readers/cue.h"

#include <algorithm>

namespace tavelo {
namespace {

// Lengths are summed in units of 1/3000 s, which hold both a frame (1/75 s,
// 40 units) and a millisecond (3 units) exactly.
constexpr std::int64_t kUnitsPerFrame = 40;
constexpr std::int64_t kUnitsPerMs = 3;

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v'; }

struct Word {
    QStringView text;
    bool quoted = false;
};

// The words of a line: runs of non-blanks, or text in double quotes (a quote
// left open runs to the end of the line).
std::vector<Word> wordsOf(QStringView line)
{
    std::vector<Word> words;
    qsizetype i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? line.size() : close;
            words.push_back({line.sliced(i + 1, end - i - 1), true});
            i = close < 0 ? line.size() : close + 1;
            continue;
        }
        const qsizetype from = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        words.push_back({line.sliced(from, i - from), false});
    }
    return words;
}

bool isAsciiDigits(QStringView s, qsizetype most)
{
    return !s.isEmpty() && s.size() <= most &&
           std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// MM:SS:FF in frames: minutes of up to six digits, seconds below 60 and
// frames below 75, each of one or two digits.
std::optional<std::int64_t> cueTime(QStringView s)
{
    const qsizetype first = s.indexOf(u':');
    const qsizetype second = first < 0 ? -1 : s.indexOf(u':', first + 1);
    if (second < 0)
        return std::nullopt;
    const QStringView mm = s.left(first), ss = s.sliced(first + 1, second - first - 1),
                      ff = s.sliced(second + 1);
    if (!isAsciiDigits(mm, 6) || !isAsciiDigits(ss, 2) || !isAsciiDigits(ff, 2))
        return std::nullopt;
    const std::int64_t minutes = mm.toLongLong(), seconds = ss.toInt(), frames = ff.toInt();
    if (seconds >= 60 || frames >= 75)
        return std::nullopt;
    return (minutes * 60 + seconds) * 75 + frames;
}

bool is(QStringView word, const char *name)
{
    return word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The name and type of a FILE line. An unquoted name with blanks in it runs
// up to the last word, which is the type.
CueFile fileOf(QStringView line, const std::vector<Word> &words)
{
    CueFile file;
    QStringView type;
    if (words.size() >= 2 && words[1].quoted) {
        file.name = words[1].text.toString();
        if (words.size() >= 3)
            type = words[2].text;
    } else if (words.size() >= 3) {
        const QStringView &last = words.back().text;
        const qsizetype from = words[1].text.data() - line.data();
        const qsizetype to = last.data() - line.data();
        file.name = line.sliced(from, to - from).trimmed().toString();
        type = last;
    } else if (words.size() == 2) {
        file.name = words[1].text.toString();
    }
    file.binary = is(type, "BINARY") || is(type, "MOTOROLA");
    return file;
}

}  // namespace

CueSheet readCueSheet(QStringView text)
{
    CueSheet sheet;
    int file = -1;
    CueTrack *track = nullptr;
    qsizetype from = 0;
    while (from <= text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = text.sliced(from, end - from);
        from = end + 1;
        const std::vector<Word> words = wordsOf(line);
        if (words.empty())
            continue;
        const QStringView command = words[0].text;
        const QStringView first = words.size() >= 2 ? words[1].text : QStringView();
        if (is(command, "FILE")) {
            sheet.files.push_back(fileOf(line, words));
            file = int(sheet.files.size()) - 1;
        } else if (is(command, "TRACK")) {
            CueTrack next;
            next.number = first.toString();
            next.audio = words.size() < 3 || is(words[2].text, "AUDIO");
            sheet.tracks.push_back(std::move(next));
            track = &sheet.tracks.back();
        } else if (is(command, "INDEX") && track && words.size() >= 3 && isAsciiDigits(first, 3) &&
                   first.toInt() == 1 && !track->start) {
            if (const auto at = cueTime(words[2].text); at && file >= 0) {
                track->start = at;
                track->file = file;
            }
        } else if ((is(command, "PREGAP") || is(command, "POSTGAP")) && track) {
            if (const auto gap = cueTime(first))
                (is(command, "PREGAP") ? track->pregap : track->postgap) = *gap;
        } else if (is(command, "TITLE") && track) {
            track->title = first.toString();
        } else if (is(command, "PERFORMER")) {
            (track ? track->performer : sheet.performer) = first.toString();
        }
    }
    return sheet;
}

std::vector<CueSong> cueSongs(const CueSheet &sheet, const CueFileLength &fileLength)
{
    // Each file's length in units, asked for once: none when unknown.
    std::vector<std::optional<std::optional<std::int64_t>>> asked(sheet.files.size());
    const auto units = [&](int index) -> std::optional<std::int64_t> {
        auto &known = asked.at(std::size_t(index));
        if (!known) {
            const auto ms = fileLength(index);
            known = ms && *ms > 0 ? std::optional(*ms * kUnitsPerMs) : std::nullopt;
        }
        return *known;
    };
    // The tracks placed in order: each with an INDEX 01 in a file, later than
    // the track placed before it. One that starts at or before it does not
    // say where anything ends.
    const auto &tracks = sheet.tracks;
    std::vector<bool> inOrder(tracks.size());
    int lastFile = -1;
    std::int64_t lastStart = 0;
    for (std::size_t k = 0; k < tracks.size(); ++k) {
        const CueTrack &t = tracks[k];
        if (!t.start || t.file < 0 || t.file >= int(sheet.files.size()))
            continue;
        if (t.file > lastFile || *t.start > lastStart) {
            inOrder[k] = true;
            lastFile = t.file;
            lastStart = *t.start;
        }
    }
    // Where a track placed in `file` at `frames` starts, in units from the
    // start of that file: never beyond the file's end, where that is known.
    const auto at = [&](int file, std::int64_t frames) {
        const auto length = units(file);
        return length ? std::min(frames * kUnitsPerFrame, *length) : frames * kUnitsPerFrame;
    };

    std::vector<CueSong> songs;
    for (std::size_t k = 0; k < tracks.size(); ++k) {
        const CueTrack &track = tracks[k];
        if (!track.audio)
            continue;
        CueSong song;
        song.number = track.number;
        song.song.title = track.title;
        song.song.artist = !track.performer.isEmpty() ? track.performer
                           : !track.title.isEmpty()   ? sheet.performer
                                                      : QString();
        std::optional<std::int64_t> length;
        const auto fileEnd = inOrder[k] ? units(track.file) : std::nullopt;
        const std::int64_t start = inOrder[k] ? *track.start * kUnitsPerFrame : 0;
        if (inOrder[k] && (!fileEnd || start < *fileEnd)) {
            std::size_t j = k + 1;
            while (j < tracks.size() && !inOrder[j])
                ++j;
            if (j < tracks.size() && tracks[j].file == track.file) {
                length = at(track.file, *tracks[j].start) - start;
            } else if (fileEnd) {
                // To the end of its file, through the files between, and on
                // into the next track's file up to its start.
                length = *fileEnd - start;
                const int last = j < tracks.size() ? tracks[j].file : track.file + 1;
                for (int f = track.file + 1; length && f < last; ++f) {
                    const auto between = units(f);
                    length = between ? std::optional(*length + *between) : std::nullopt;
                }
                if (length && j < tracks.size())
                    *length += at(tracks[j].file, *tracks[j].start);
            }
            if (length && j < tracks.size())
                *length += tracks[j].pregap * kUnitsPerFrame;
            if (length)
                *length += track.postgap * kUnitsPerFrame;
        }
        // Rounded to the nearest millisecond; nothing for no time at all.
        if (length && *length > 0)
            song.song.milliseconds = (*length + 1) / kUnitsPerMs;
        songs.push_back(std::move(song));
    }
    return songs;
}

}  // namespace tavelo
