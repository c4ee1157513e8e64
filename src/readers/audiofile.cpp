// SPDX-License-Identifier: MIT
#include "readers/audiofile.h"

#include "modules/loader.h"
#include "readers/taglibmodule.h"

namespace tavelo {

std::optional<FoundSong> readAudioFile(const QString &path)
{
    static const auto reader = moduleEntry<TaglibModule>();
    std::optional<FoundSong> song;
    if (reader)
        reader(path, song);
    return song;
}

}  // namespace tavelo
