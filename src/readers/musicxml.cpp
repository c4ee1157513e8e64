// SPDX-License-Identifier: MIT
#include "readers/musicxml.h"

#include "core/foundsong.h"
#include "readers/xspf.h"

#include <QHash>
#include <QXmlStreamReader>

namespace tavelo {
namespace {

// A property list's value, with only what this reader needs of it: the keys
// and values of dictionaries, the items of arrays, and the text of the rest
// (<string>, <integer>, <true/>...).
struct Value {
    enum class Kind { Dict, Array, Text };
    Kind kind = Kind::Text;
    QString text;
    QStringList keys;
    std::vector<Value> values;  // of a dictionary, in the order of `keys`; or an array's items

    const Value *at(QLatin1String key) const
    {
        const qsizetype i = keys.indexOf(key);
        return kind == Kind::Dict && i >= 0 ? &values[std::size_t(i)] : nullptr;
    }
    QString textAt(QLatin1String key) const
    {
        const Value *v = at(key);
        return v && v->kind == Kind::Text ? v->text : QString();
    }
};

// The deepest nesting read: an export needs 7 levels.
constexpr int kDeepest = 32;

// The keys of the dictionaries below the top whose values are kept: the
// others (play counts, dates, genres...) are skipped unread.
bool isKept(const QString &key, int depth)
{
    static const QStringList kept = {
        QStringLiteral("Track ID"),   QStringLiteral("Name"),     QStringLiteral("Artist"),
        QStringLiteral("Total Time"), QStringLiteral("Location"), QStringLiteral("Playlist Items"),
    };
    if (depth <= 2 || kept.contains(key))
        return true;
    // The keys of "Tracks" are the track IDs.
    return !key.isEmpty() &&
           std::all_of(key.begin(), key.end(), [](QChar c) { return c.isDigit(); });
}

class PlistReader {
public:
    explicit PlistReader(QByteArrayView bytes) : xml_(bytes.toByteArray())
    {
        xml_.setEntityExpansionLimit(64);
    }

    // The root <plist>'s value; false when the document is broken anywhere.
    bool read(Value &root)
    {
        if (!nextStart() || xml_.name() != QLatin1String("plist"))
            return false;
        if (nextStart())
            readValue(root, 1);
        return !xml_.hasError();
    }

private:
    // Reads on to the next start element within the current one; false at
    // its end (or at an error).
    bool nextStart()
    {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (refusedXmlToken(xml_))
                return false;
            if (xml_.isStartElement())
                return true;
            if (xml_.isEndElement())
                return false;
        }
        return false;
    }

    // The value whose start element was just read, to its end element.
    void readValue(Value &value, int depth)
    {
        if (depth > kDeepest) {
            xml_.raiseError(QStringLiteral("too deep"));
            return;
        }
        const QStringView name = xml_.name();
        if (name == QLatin1String("dict")) {
            value.kind = Value::Kind::Dict;
            while (nextStart()) {
                if (xml_.name() != QLatin1String("key")) {
                    xml_.skipCurrentElement();
                    continue;
                }
                const QString key = xmlElementText(xml_);
                if (!nextStart())
                    break;
                if (!isKept(key, depth)) {
                    xml_.skipCurrentElement();
                    continue;
                }
                value.keys << key;
                readValue(value.values.emplace_back(), depth + 1);
            }
        } else if (name == QLatin1String("array")) {
            value.kind = Value::Kind::Array;
            while (nextStart())
                readValue(value.values.emplace_back(), depth + 1);
        } else if (name == QLatin1String("true") || name == QLatin1String("false")) {
            value.text = name.toString();
            xml_.skipCurrentElement();
        } else {
            value.text = xmlElementText(xml_);
        }
    }

    QXmlStreamReader xml_;
};

PlaylistEntry entryOf(const Value &track, const QString &folder)
{
    PlaylistEntry entry;
    entry.title = track.textAt(QLatin1String("Name")).simplified();
    entry.artist = track.textAt(QLatin1String("Artist")).simplified();
    bool ok = false;
    const qint64 ms = track.textAt(QLatin1String("Total Time")).trimmed().toLongLong(&ok);
    entry.milliseconds = ok && ms > 0 && ms < qint64(1e15) ? ms : 0;
    const QString location = track.textAt(QLatin1String("Location")).trimmed();
    if (!location.isEmpty())
        entry.path = resolvePlaylistPath(location, folder);
    return entry;
}

}  // namespace

PlaylistRead readMusicXml(QByteArrayView bytes, const QString &folder)
{
    Value root;
    PlaylistRead read;
    read.broken = !PlistReader(bytes).read(root);
    const Value *tracks = root.at(QLatin1String("Tracks"));
    if (!tracks || tracks->kind != Value::Kind::Dict) {
        read.broken = true;
        return read;
    }
    QHash<QString, const Value *> byId;
    for (std::size_t i = 0; i < tracks->values.size(); ++i) {
        const Value &track = tracks->values[i];
        const QString id = track.textAt(QLatin1String("Track ID")).trimmed();
        byId.insert(id.isEmpty() ? tracks->keys[qsizetype(i)] : id, &track);
    }
    const Value *items = nullptr;
    if (const Value *playlists = root.at(QLatin1String("Playlists"))) {
        for (const Value &playlist : playlists->values) {
            const Value *list = playlist.at(QLatin1String("Playlist Items"));
            if (list && !list->values.empty()) {
                items = list;
                break;
            }
        }
    }
    const auto add = [&](const Value *track) {
        if (track && track->kind == Value::Kind::Dict)
            read.entries.push_back(entryOf(*track, folder));
    };
    if (items) {
        for (const Value &item : items->values)
            add(byId.value(item.textAt(QLatin1String("Track ID")).trimmed()));
    } else {
        for (const Value &track : tracks->values)
            add(&track);
    }
    return read;
}

}  // namespace tavelo
