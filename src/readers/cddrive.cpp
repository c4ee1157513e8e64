// SPDX-License-Identifier: MIT
#include "readers/cddrive.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace tavelo {
namespace {

CdTrouble troubleOf(DriveStatus status)
{
    switch (status) {
    case DriveStatus::Ready: return CdTrouble::None;
    case DriveStatus::Missing: return CdTrouble::NoDrive;
    case DriveStatus::Forbidden: return CdTrouble::NoPermission;
    case DriveStatus::NoDisc: return CdTrouble::NoDisc;
    case DriveStatus::TrayOpen: return CdTrouble::TrayOpen;
    case DriveStatus::NotReady: return CdTrouble::NotReady;
    }
    return CdTrouble::Unreadable;
}

// The track a file of the disc's folder stands for, as "Track 7.wav"; 0 for
// any other name.
int trackOfName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^track\\s*0*(\\d{1,2})\\.wav$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

FoundSong songOf(const CdTrack &track, const CdText &text)
{
    const auto at = std::size_t(track.number);
    FoundSong song{track.milliseconds, text.titles.at(at), text.performers.at(at)};
    if (!song.title.isEmpty() && song.artist.isEmpty())
        song.artist = text.performers.at(0);
    return song;
}

}  // namespace

std::optional<CdRequest> cdRequest(const QStringList &urls)
{
    std::optional<CdRequest> request;
    bool wholeDisc = false;
    for (const QString &text : urls) {
        const QUrl url(text);
        if (url.scheme().compare(QLatin1String("cdda"), Qt::CaseInsensitive) != 0)
            continue;
        if (!request)
            request = CdRequest{url.host(), {}, {}};
        else if (url.host() != request->drive)
            continue;
        const QString name = url.fileName();
        const int track = trackOfName(name);
        if (track == 0) {
            wholeDisc = true;
        } else {
            request->tracks.push_back(track);
            request->names << name;
        }
    }
    if (request && wholeDisc) {
        request->tracks.clear();
        request->names.clear();
    }
    return request;
}

CdSongs readCd(CdDrive &drive, const CdRequest &request)
{
    CdSongs found;
    if (const CdTrouble before = troubleOf(drive.status()); before != CdTrouble::None) {
        found.trouble = before;
        return found;
    }
    const std::optional<CdToc> toc = drive.toc();
    const auto tracks = toc ? audioTracks(*toc) : std::nullopt;
    const CdText text = tracks && !tracks->empty() ? decodeCdText(drive.cdText()) : CdText{};
    // A disc taken out while it was read may have given anything so far.
    if (const CdTrouble after = troubleOf(drive.status()); after != CdTrouble::None) {
        found.trouble = after;
        return found;
    }
    if (!tracks) {
        found.trouble = CdTrouble::Unreadable;
        return found;
    }
    if (tracks->empty()) {
        found.trouble = CdTrouble::DataDisc;
        return found;
    }
    if (request.tracks.empty()) {
        for (const CdTrack &track : *tracks)
            found.songs.push_back(songOf(track, text));
        return found;
    }
    for (std::size_t i = 0; i < request.tracks.size(); ++i) {
        const auto track = std::find_if(tracks->begin(), tracks->end(), [&](const CdTrack &t) {
            return t.number == request.tracks.at(i);
        });
        if (track != tracks->end())
            found.songs.push_back(songOf(*track, text));
        else
            found.unreadable << request.names.value(qsizetype(i));
    }
    return found;
}

}  // namespace tavelo
