// SPDX-License-Identifier: MIT
#include "readers/audiofile.h"

#include "core/modules.h"

#include <QFileInfo>

namespace tavelo {

bool hasAudioSuffix(const QString &fileName)
{
    static const QStringList suffixes = {
        QStringLiteral("mp3"),  QStringLiteral("mp2"),  QStringLiteral("flac"),
        QStringLiteral("ogg"),  QStringLiteral("oga"),  QStringLiteral("opus"),
        QStringLiteral("spx"),  QStringLiteral("wav"),  QStringLiteral("aif"),
        QStringLiteral("aiff"), QStringLiteral("aifc"), QStringLiteral("m4a"),
        QStringLiteral("mp4"),  QStringLiteral("aac"),  QStringLiteral("wma"),
        QStringLiteral("asf"),  QStringLiteral("ape"),  QStringLiteral("mpc"),
        QStringLiteral("wv"),   QStringLiteral("tta"),
    };
    return suffixes.contains(QFileInfo(fileName).suffix(), Qt::CaseInsensitive);
}

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
