// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"
#include "readers/stopflag.h"

#include <QString>

#include <optional>

// The module tavelo_taglib (taglibreader.cpp): the audio reader's part that
// uses TagLib. audiofile.cpp looks its entry function up through
// moduleEntry<TaglibModule>() (modules/loader.h).
namespace tavelo {

struct TaglibModule {
    static constexpr const char *file = "tavelo_taglib";
    static constexpr const char *entry = "tavelo_readAudioFile";
    // Reads one file into `song`, which stays empty when the file is no
    // audio it can read or `stop` is set before it is done (as
    // readAudioFile says).
    using Entry = void(const QString &path, const StopFlag &stop, std::optional<FoundSong> &song);
};

}  // namespace tavelo

extern "C" tavelo::TaglibModule::Entry tavelo_readAudioFile;
