// SPDX-License-Identifier: MIT
#include "readers/audiofile.h"

#include "core/modules.h"

namespace tavelo {

std::optional<FoundSong> readAudioFile(const QString &path)
{
    using Reader = void (*)(const QString &, std::optional<FoundSong> &);
    static const auto reader = reinterpret_cast<Reader>(
        moduleFunction(QStringLiteral("tavelo_taglib"), "tavelo_readAudioFile"));
    std::optional<FoundSong> song;
    if (reader)
        reader(path, song);
    return song;
}

}  // namespace tavelo
