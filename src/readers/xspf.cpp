// SPDX-License-Identifier: MIT
#include "readers/xspf.h"

#include "core/foundsong.h"

#include <QUrl>
#include <QXmlStreamReader>

#include <cmath>

namespace tavelo {
namespace {

std::int64_t milliseconds(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(value) && value > 0 && value < 1e15)
        return std::llround(value);
    return 0;
}

bool isUrl(QStringView location)
{
    const qsizetype colon = location.indexOf(u':');
    // "C:/..." or "C:\..." is a drive, which the M3U rules keep as well.
    return colon > 1 && isUriScheme(location.left(colon));
}

QString locationPath(const QString &location, const QString &folder)
{
    if (location.isEmpty())
        return {};
    if (isUrl(location))
        return resolvePlaylistPath(location, folder);
    // A relative URI: percent-encoded UTF-8.
    return resolvePlaylistPath(QUrl::fromPercentEncoding(location.toUtf8()), folder);
}

}  // namespace

bool refusedXmlToken(QXmlStreamReader &xml)
{
    if (xml.tokenType() == QXmlStreamReader::DTD && !xml.entityDeclarations().isEmpty()) {
        xml.raiseError(QStringLiteral("entities declared"));
        return true;
    }
    return false;
}

QString xmlElementText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (refusedXmlToken(xml))
            break;
        if (xml.isStartElement())
            ++depth;
        else if (xml.isEndElement())
            --depth;
        else if (xml.isCharacters() && depth == 1)
            text += xml.text();
    }
    return text;
}

PlaylistRead readXspf(QByteArrayView bytes, const QString &folder)
{
    PlaylistRead read;
    QXmlStreamReader xml(bytes.toByteArray());
    // Undeclared entities are errors anyway; this bounds what a declared one
    // could give, should one ever get through.
    xml.setEntityExpansionLimit(64);
    int depth = 0;
    int trackList = -1;  // the depth of the <trackList> we are in, or -1
    int track = -1;      // the depth of the <track> we are in, or -1
    bool root = true;
    PlaylistEntry entry;
    QString location;
    while (!xml.atEnd()) {
        xml.readNext();
        if (refusedXmlToken(xml))
            break;
        if (xml.isStartElement()) {
            ++depth;
            const QStringView name = xml.name();
            if (root && name != QLatin1String("playlist")) {
                xml.raiseError(QStringLiteral("no playlist"));
                break;
            }
            root = false;
            if (track >= 0 && depth == track + 1) {
                const QString text = xmlElementText(xml);
                --depth;
                if (name == QLatin1String("location") && location.isEmpty())
                    location = text.trimmed();
                else if (name == QLatin1String("title"))
                    entry.title = text.simplified();
                else if (name == QLatin1String("creator"))
                    entry.artist = text.simplified();
                else if (name == QLatin1String("duration"))
                    entry.milliseconds = milliseconds(text);
            } else if (track < 0 && trackList >= 0 && depth == trackList + 1 &&
                       name == QLatin1String("track")) {
                track = depth;
            } else if (track < 0 && trackList < 0 && name == QLatin1String("trackList")) {
                trackList = depth;
            }
        } else if (xml.isEndElement()) {
            if (depth == track) {
                entry.path = locationPath(location, folder);
                if (!entry.path.isEmpty() || entry.milliseconds > 0 || !entry.title.isEmpty() ||
                    !entry.artist.isEmpty())
                    read.entries.push_back(std::move(entry));
                entry = {};
                location.clear();
                track = -1;
            } else if (depth == trackList) {
                trackList = -1;
            }
            --depth;
        }
    }
    read.broken = xml.hasError() || root;
    return read;
}

}  // namespace tavelo
