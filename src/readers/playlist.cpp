// SPDX-License-Identifier: MIT
#include "readers/playlist.h"

#include "core/foundsong.h"
#include "readers/textcodec.h"

#include <QDir>
#include <QUrl>

#include <cmath>
#include <optional>

namespace tavelo {
namespace {

// "#EXTINF:<seconds> <attributes>,<title>": the seconds as milliseconds (0
// when missing, not above 0 or beyond reason) and the text after the first
// comma that stands outside quotes.
void readExtinf(QStringView info, PlaylistEntry &entry)
{
    qsizetype comma = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < info.size(); ++i) {
        if (info[i] == u'"')
            quoted = !quoted;
        else if (info[i] == u',' && !quoted) {
            comma = i;
            break;
        }
    }
    const QStringView head = comma < 0 ? info : info.left(comma);
    entry.milliseconds = listedSeconds(head.trimmed().split(u' ').front());
    if (comma >= 0)
        setListedTitle(info.mid(comma + 1), entry);
}

}  // namespace

bool isUriScheme(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter &&
            (i == 0 || !((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.')))
            return false;
    }
    return true;
}

namespace {

// "http://...", "C:\\..." or "C:/...": nothing on this machine.
bool isUrlOrDrive(const QString &listed)
{
    if (listed.size() >= 3 && listed[0].isLetter() && listed[0].unicode() < 0x80 &&
        listed[1] == u':' && (listed[2] == u'\\' || listed[2] == u'/'))
        return true;
    const qsizetype colon = listed.indexOf(QLatin1String("://"));
    return colon > 0 && isUriScheme(QStringView(listed).left(colon));
}

}  // namespace

std::int64_t listedSeconds(QStringView seconds)
{
    bool ok = false;
    const double value = seconds.trimmed().toDouble(&ok);
    // Up to about 31,700 years: anything above is no length.
    if (ok && std::isfinite(value) && value > 0 && value < 1e12)
        return std::llround(value * 1000.0);
    return 0;
}

void setListedTitle(QStringView text, PlaylistEntry &entry)
{
    const QString title = text.trimmed().toString();
    const qsizetype dash = title.indexOf(QLatin1String(" - "));
    if (dash > 0 && dash + 3 < title.size()) {
        entry.artist = title.left(dash).trimmed();
        entry.title = title.mid(dash + 3).trimmed();
    } else {
        entry.title = title;
        entry.artist.clear();
    }
}

QString resolvePlaylistPath(const QString &listed, const QString &folder)
{
    QString path;
    if (listed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        QUrl url(listed);
        // file://localhost/path is the same as file:///path.
        if (url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
            url.setHost(QString());
        if (!url.isLocalFile())
            return listed;
        path = url.toLocalFile();
    } else if (isUrlOrDrive(listed)) {
        return listed;
    } else {
        path = listed;
        path.replace(u'\\', u'/');
    }
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(folder).filePath(path));
}

std::vector<PlaylistEntry> readPlaylist(QByteArrayView bytes, const QString &folder)
{
    const QString text = decodeText(bytes, kPlaylistText).value_or(QString());
    std::vector<PlaylistEntry> entries;
    PlaylistEntry next;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'#')) {
            if (line.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive))
                readExtinf(line.mid(8), next);
            continue;
        }
        next.path = resolvePlaylistPath(line.toString(), folder);
        entries.push_back(std::move(next));
        next = {};
    }
    return entries;
}

}  // namespace tavelo
