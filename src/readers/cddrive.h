// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"
#include "readers/cdtoc.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Songs from an audio CD in a drive: the drive behind one small interface,
// so that the program asks the kernel's CD-ROM interface and the tests a
// drive of their own fed with recorded bytes.
namespace tavelo {

enum class DriveStatus { Ready, Missing, Forbidden, NoDisc, TrayOpen, NotReady };

class CdDrive {
public:
    CdDrive() = default;
    CdDrive(const CdDrive &) = delete;
    CdDrive &operator=(const CdDrive &) = delete;
    virtual ~CdDrive() = default;

    virtual DriveStatus status() = 0;
    // The table of contents (see CdToc); none when the drive gives none.
    virtual std::optional<CdToc> toc() = 0;
    // The CD-TEXT as the drive gives it (see decodeCdText); empty where the
    // disc or the drive has none.
    virtual QByteArray cdText() = 0;
};

// The drive of a device name as the desktop gives it ("sr0" for /dev/sr0),
// or for an empty name the first drive (/dev/sr0 to /dev/sr15) with a disc
// in it, else the first there is. Never null: a name that names no CD drive,
// or a machine without any, gives a drive whose status is Missing. Opened
// without waiting and for reading only; every call asks the kernel anew.
std::unique_ptr<CdDrive> openCdDrive(const QString &name);

// What opens a drive for a device name; the program uses openCdDrive.
using CdDriveOpener = std::function<std::unique_ptr<CdDrive>(const QString &name)>;

// A disc or some of its tracks, as dropped.
struct CdRequest {
    QString drive;            // "sr0"; empty for the first drive with a disc
    std::vector<int> tracks;  // in the order dropped; empty for every track
    QStringList names;        // the tracks' names, for the note
    bool operator==(const CdRequest &) const = default;
};

// The disc that a drop of cdda URLs means, as desktops offer an audio CD
// ("cdda://sr0/") and its tracks ("cdda://sr0/Track%201.wav"): the whole
// disc when its own URL is among them, else the tracks named, in order. URLs
// of a second drive are left out. No value when no URL is a cdda one.
std::optional<CdRequest> cdRequest(const QStringList &urls);

struct CdSongs {
    CdTrouble trouble = CdTrouble::None;
    std::vector<FoundSong> songs;  // one per audio track, in order
    QStringList unreadable;        // tracks asked for that the disc has not as audio
};

// Reads a disc: its audio tracks with their lengths, titled "title / artist"
// from its CD-TEXT where there is one (a track without a performer of its own
// takes the album's). Only the tracks of `request` when it names any. When
// the drive reports trouble, before or after the reading (a disc taken out
// meanwhile), there are no songs, only the trouble.
CdSongs readCd(CdDrive &drive, const CdRequest &request = {});

}  // namespace tavelo
