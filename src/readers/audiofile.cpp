// SPDX-License-Identifier: MIT
#include "readers/audiofile.h"

#include "modules/loader.h"
#include "readers/taglibmodule.h"

namespace tavelo {

std::optional<FoundSong> readAudioFile(const QString &path, const StopFlag &stop)
{
    static const auto reader = moduleEntry<TaglibModule>();
    std::optional<FoundSong> song;
    if (reader && !stop.load())
        reader(path, stop, song);
    return song;
}

}  // namespace tavelo
