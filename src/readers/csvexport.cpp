// SPDX-License-Identifier: MIT
#include "readers/csvexport.h"

#include "core/foundsong.h"
#include "readers/tracklist.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace tavelo {
namespace {

enum class Unit { Unknown, Milliseconds, Seconds };

// Column names as compared: full-width forms as ASCII, in lower case, without
// blanks, underscores, hyphens and dots. Each list is in order of preference.
const QStringList &lengthNames()
{
    static const QStringList names = {
        QStringLiteral("trackduration"), QStringLiteral("duration"),
        QStringLiteral("songduration"),  QStringLiteral("トラックの長さ"),
        QStringLiteral("曲の長さ"),      QStringLiteral("長さ"),
        QStringLiteral("再生時間"),      QStringLiteral("演奏時間"),
        QStringLiteral("収録時間"),      QStringLiteral("曲の時間"),
        QStringLiteral("tracklength"),   QStringLiteral("songlength"),
        QStringLiteral("length"),        QStringLiteral("totaltime"),
        QStringLiteral("tracktime"),     QStringLiteral("playtime"),
        QStringLiteral("playingtime"),   QStringLiteral("runningtime"),
        QStringLiteral("runtime"),       QStringLiteral("time"),
        QStringLiteral("時間"),          QStringLiteral("dauer"),
        QStringLiteral("länge"),         QStringLiteral("spielzeit"),
        QStringLiteral("durée"),         QStringLiteral("temps"),
        QStringLiteral("duración"),      QStringLiteral("duracion"),
        QStringLiteral("tiempo"),        QStringLiteral("durata"),
        QStringLiteral("duração"),       QStringLiteral("duur"),
        QStringLiteral("tijd"),          QStringLiteral("재생시간"),
        QStringLiteral("시간"),          QStringLiteral("时长"),
        QStringLiteral("時長"),          QStringLiteral("时间"),
    };
    return names;
}

const QStringList &titleNames()
{
    static const QStringList names = {
        QStringLiteral("trackname"),  QStringLiteral("tracktitle"), QStringLiteral("songname"),
        QStringLiteral("songtitle"),  QStringLiteral("title"),      QStringLiteral("name"),
        QStringLiteral("トラック名"), QStringLiteral("曲名"),       QStringLiteral("楽曲名"),
        QStringLiteral("タイトル"),   QStringLiteral("名前"),       QStringLiteral("曲"),
        QStringLiteral("titel"),      QStringLiteral("titre"),      QStringLiteral("nom"),
        QStringLiteral("título"),     QStringLiteral("titulo"),     QStringLiteral("nombre"),
        QStringLiteral("titolo"),     QStringLiteral("nome"),       QStringLiteral("제목"),
        QStringLiteral("이름"),       QStringLiteral("标题"),       QStringLiteral("名称"),
        QStringLiteral("song"),       QStringLiteral("track"),
    };
    return names;
}

const QStringList &artistNames()
{
    static const QStringList names = {
        QStringLiteral("artistname(s)"), QStringLiteral("artistnames"),
        QStringLiteral("artistname"),    QStringLiteral("artists"),
        QStringLiteral("artist"),        QStringLiteral("アーティスト名"),
        QStringLiteral("アーティスト"),  QStringLiteral("歌手名"),
        QStringLiteral("歌手"),          QStringLiteral("演奏者"),
        QStringLiteral("performer"),     QStringLiteral("interpret"),
        QStringLiteral("künstler"),      QStringLiteral("artiste"),
        QStringLiteral("artista"),       QStringLiteral("artiest"),
        QStringLiteral("아티스트"),      QStringLiteral("艺术家"),
        QStringLiteral("creator"),
    };
    return names;
}

const QStringList &locationNames()
{
    static const QStringList names = {
        QStringLiteral("location"),    QStringLiteral("場所"),      QStringLiteral("filepath"),
        QStringLiteral("path"),        QStringLiteral("パス"),      QStringLiteral("speicherort"),
        QStringLiteral("emplacement"), QStringLiteral("ubicación"),
    };
    return names;
}

QString comparable(QStringView name)
{
    QString folded = name.toString().normalized(QString::NormalizationForm_KC).toLower();
    folded.removeIf([](QChar c) {
        return c.isSpace() || c == u'_' || c == u'-' || c == u'.' || c == QChar(0xFEFF);
    });
    return folded;
}

enum class Kind { Length, Title, Artist, Location };

struct Known {
    Kind kind;
    int preference;  // lower first
    Unit unit = Unit::Unknown;
};

// Every name a column of interest may have, with the units written after
// the names of length columns ("durationms", "長さ(ミリ秒)", "time(s)").
const QHash<QString, Known> &knownNames()
{
    static const QHash<QString, Known> known = [] {
        struct Suffix {
            const char16_t *text;
            Unit unit;
        };
        static constexpr Suffix suffixes[] = {
            {u"", Unit::Unknown},
            {u"(ms)", Unit::Milliseconds},
            {u"(msec)", Unit::Milliseconds},
            {u"(milliseconds)", Unit::Milliseconds},
            {u"(ミリ秒)", Unit::Milliseconds},
            {u"ms", Unit::Milliseconds},
            {u"msec", Unit::Milliseconds},
            {u"millis", Unit::Milliseconds},
            {u"milliseconds", Unit::Milliseconds},
            {u"ミリ秒", Unit::Milliseconds},
            {u"(s)", Unit::Seconds},
            {u"(sec)", Unit::Seconds},
            {u"(secs)", Unit::Seconds},
            {u"(seconds)", Unit::Seconds},
            {u"(秒)", Unit::Seconds},
            {u"sec", Unit::Seconds},
            {u"secs", Unit::Seconds},
            {u"seconds", Unit::Seconds},
            {u"秒", Unit::Seconds},
            {u"(m:ss)", Unit::Unknown},
            {u"(mm:ss)", Unit::Unknown},
            {u"(h:mm:ss)", Unit::Unknown},
        };
        QHash<QString, Known> names;
        const auto add = [&](const QStringList &list, Kind kind) {
            for (int i = 0; i < list.size(); ++i)
                names.insert(list[i], {kind, i});
        };
        add(titleNames(), Kind::Title);
        add(artistNames(), Kind::Artist);
        add(locationNames(), Kind::Location);
        for (int i = 0; i < lengthNames().size(); ++i)
            for (const Suffix &suffix : suffixes)
                names.insert(lengthNames()[i] + QString::fromUtf16(suffix.text),
                             {Kind::Length, i, suffix.unit});
        return names;
    }();
    return known;
}

// Header fields longer than this name nothing known, and columns beyond
// this many are not looked at.
constexpr qsizetype kLongestName = 64;
constexpr std::size_t kMostColumns = 1024;

// The text of a field: without its quotes and with "" as one quote when it
// is quoted (text after the closing quote is kept), else trimmed.
QString fieldText(QStringView raw)
{
    if (!raw.startsWith(u'"'))
        return raw.trimmed().toString();
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 1; i < raw.size(); ++i) {
        if (raw[i] != u'"') {
            text += raw[i];
        } else if (i + 1 < raw.size() && raw[i + 1] == u'"') {
            text += u'"';
            ++i;
        } else {
            text += raw.sliced(i + 1);
            break;
        }
    }
    return text.trimmed();
}

// A field as it stands between its quotes, for the length column: none
// when it holds an escaped quote (no number or time does).
QStringView fieldView(QStringView raw)
{
    if (!raw.startsWith(u'"'))
        return raw.trimmed();
    const qsizetype close = raw.indexOf(u'"', 1);
    if (close < 0)
        return raw.sliced(1).trimmed();
    if (close + 1 < raw.size())
        return {};
    return raw.sliced(1, close - 1).trimmed();
}

// Splits a text into records of raw fields, one pass.
class Records {
public:
    Records(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    // The next record's raw fields, the first `most` of them (the rest are
    // passed over); false at the end of the text.
    bool next(std::vector<QStringView> &fields, std::size_t most)
    {
        fields.clear();
        if (pos_ > text_.size())
            return false;
        const qsizetype n = text_.size();
        while (true) {
            const qsizetype start = pos_;
            if (pos_ < n && text_[pos_] == u'"') {
                ++pos_;
                while (pos_ < n) {
                    if (text_[pos_] == u'"') {
                        if (pos_ + 1 < n && text_[pos_ + 1] == u'"') {
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    ++pos_;
                }
            }
            while (pos_ < n && text_[pos_] != separator_ && text_[pos_] != u'\n' &&
                   text_[pos_] != u'\r')
                ++pos_;
            if (fields.size() < most)
                fields.push_back(text_.sliced(start, pos_ - start));
            if (pos_ < n && text_[pos_] == separator_) {
                ++pos_;
                continue;
            }
            break;
        }
        if (pos_ >= n)
            pos_ = n + 1;
        else if (text_[pos_++] == u'\r' && pos_ < n && text_[pos_] == u'\n')
            ++pos_;
        return true;
    }

private:
    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
};

// The separator the header line holds most of outside quotes.
QChar separatorOf(QStringView text)
{
    int tabs = 0, commas = 0, semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u'\t')
            ++tabs;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    if (tabs >= commas && tabs >= semicolons)
        return u'\t';
    return commas >= semicolons ? u',' : u';';
}

// A plain decimal number: digits with at most one point among them (no sign,
// no exponent, as no exporter writes them), below 10^12; none otherwise.
std::optional<double> plainNumber(QStringView cell)
{
    double value = 0, scale = 0;
    qsizetype digits = 0;
    for (const QChar c : cell) {
        if (c >= u'0' && c <= u'9') {
            if (scale == 0)
                value = value * 10 + (c.unicode() - u'0');
            else
                value += (c.unicode() - u'0') * (scale /= 10);
            ++digits;
        } else if (c == u'.' && scale == 0) {
            scale = 1;
        } else {
            return std::nullopt;
        }
        if (value >= 1e12)
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

// A length cell in milliseconds, 0 for none. `unit` Unknown: seconds, or
// milliseconds when `median` says so.
std::int64_t cellMilliseconds(QStringView cell, Unit unit)
{
    if (cell.isEmpty())
        return 0;
    if (cell.contains(u':') || cell.contains(u'：') || cell.contains(u'分') ||
        cell.contains(u'秒')) {
        const auto song = readTracklistLine(cell);
        return song && song->title.isEmpty() ? song->milliseconds : 0;
    }
    const auto value = plainNumber(cell);
    if (!value || *value <= 0)
        return 0;
    return unit == Unit::Milliseconds ? std::llround(*value) : std::llround(*value * 1000.0);
}

QString artistsOf(const QString &cell)
{
    if (!cell.contains(u';'))
        return cell;
    QStringList names = cell.split(u';', Qt::SkipEmptyParts);
    for (QString &name : names)
        name = name.trimmed();
    names.removeAll(QString());
    return names.join(QStringLiteral(", "));
}

struct Column {
    qsizetype index = -1;
    int preference = 0;
    // Takes the column when its name comes before the one taken; true then.
    bool offer(qsizetype at, int rank)
    {
        if (index >= 0 && rank >= preference)
            return false;
        index = at;
        preference = rank;
        return true;
    }
};

}  // namespace

TableRead readTable(QStringView text, const QString &folder)
{
    TableRead read;
    if (text.startsWith(QChar(0xFEFF)))
        text = text.sliced(1);
    // Blank lines before the header, and Excel's "sep=X" line.
    while (!text.isEmpty() && (text.front() == u'\n' || text.front() == u'\r'))
        text = text.sliced(1);
    QChar separator;
    if (text.startsWith(QLatin1String("sep="), Qt::CaseInsensitive) && text.size() >= 5 &&
        (text.size() == 5 || text[5] == u'\n' || text[5] == u'\r')) {
        separator = text[4];
        text = text.sliced(5);
        while (!text.isEmpty() && (text.front() == u'\n' || text.front() == u'\r'))
            text = text.sliced(1);
    } else {
        separator = separatorOf(text);
    }

    Records records(text, separator);
    std::vector<QStringView> fields;
    if (!records.next(fields, kMostColumns))
        return read;
    Column length, title, artist, location;
    Unit unit = Unit::Unknown;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString raw = fieldText(fields[i]);
        if (raw.size() > kLongestName)
            continue;
        const auto found = knownNames().constFind(comparable(raw));
        if (found == knownNames().cend())
            continue;
        const Known &known = found.value();
        switch (known.kind) {
        case Kind::Length:
            if (length.offer(qsizetype(i), known.preference))
                unit = known.unit;
            break;
        case Kind::Title: title.offer(qsizetype(i), known.preference); break;
        case Kind::Artist: artist.offer(qsizetype(i), known.preference); break;
        case Kind::Location: location.offer(qsizetype(i), known.preference); break;
        }
    }
    read.lengths = length.index >= 0;
    read.table = read.lengths || title.index >= 0 || artist.index >= 0;
    if (!read.table)
        return read;

    const std::size_t used =
        std::size_t(std::max({length.index, title.index, artist.index, location.index})) + 1;
    const auto cell = [&](const Column &column) {
        return column.index >= 0 && std::size_t(column.index) < fields.size()
                   ? fieldText(fields[std::size_t(column.index)])
                   : QString();
    };
    // The length cells are kept as they stand until the unit is known.
    std::vector<QStringView> lengths;
    std::vector<double> numbers;  // the plain numbers of the length column
    while (records.next(fields, used)) {
        PlaylistEntry entry;
        entry.title = cell(title).simplified();
        entry.artist = artistsOf(cell(artist)).simplified();
        const QString where = cell(location);
        const QStringView time = length.index >= 0 && std::size_t(length.index) < fields.size()
                                     ? fieldView(fields[std::size_t(length.index)])
                                     : QStringView();
        if (entry.title.isEmpty() && entry.artist.isEmpty() && where.isEmpty() && time.isEmpty())
            continue;
        if (!where.isEmpty())
            entry.path = resolvePlaylistPath(where, folder);
        if (const auto value = plainNumber(time); value && *value > 0)
            numbers.push_back(*value);
        lengths.push_back(time);
        read.entries.push_back(std::move(entry));
    }
    if (unit == Unit::Unknown && !numbers.empty()) {
        const auto middle = numbers.begin() + std::ptrdiff_t(numbers.size() / 2);
        std::nth_element(numbers.begin(), middle, numbers.end());
        unit = *middle >= 10000 ? Unit::Milliseconds : Unit::Seconds;
    }
    for (std::size_t i = 0; i < lengths.size(); ++i)
        read.entries[i].milliseconds = cellMilliseconds(lengths[i], unit);
    return read;
}

}  // namespace tavelo
