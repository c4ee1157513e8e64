// SPDX-License-Identifier: MIT
#include "readers/tracklist.h"

#include <QtNumeric>

namespace tavelo {
namespace {

constexpr char16_t kMinuteSign = u'分';
constexpr char16_t kSecondSign = u'秒';

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'０' && u <= u'９')
        return u - u'０';
    return -1;
}
bool isDigit(QChar c) { return digitValue(c) >= 0; }
bool isColon(QChar c) { return c == u':' || c == u'：'; }
bool isPoint(QChar c) { return c == u'.' || c == u'．'; }

bool isSeparator(QChar c)
{
    static constexpr QStringView separators = u"-–—―‐·・•|/\\:：,、;；~〜*=>»<«";
    return c.isSpace() || separators.contains(c);
}
bool isOpener(QChar c) { return QStringView(u"([{（［【「『").contains(c); }
bool isCloser(QChar c) { return QStringView(u")]}）］】」』").contains(c); }

qsizetype digitsEnd(QStringView s, qsizetype pos)
{
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    return pos;
}

// The value of the digits in [from, to), or none beyond 64 bits.
std::optional<std::int64_t> valueOf(QStringView s, qsizetype from, qsizetype to)
{
    std::int64_t value = 0;
    for (qsizetype i = from; i < to; ++i) {
        if (qMulOverflow<std::int64_t>(value, 10, &value) ||
            qAddOverflow<std::int64_t>(value, digitValue(s[i]), &value))
            return std::nullopt;
    }
    return value;
}

// minutes * 60 + seconds, in milliseconds with the fraction added; none
// beyond 64 bits.
std::optional<std::int64_t> milliseconds(std::optional<std::int64_t> minutes, std::int64_t seconds,
                                         std::int64_t fraction)
{
    std::int64_t total = 0;
    if (!minutes || qMulOverflow<std::int64_t>(*minutes, 60, &total) ||
        qAddOverflow<std::int64_t>(total, seconds, &total) ||
        qMulOverflow<std::int64_t>(total, 1000, &total) ||
        qAddOverflow<std::int64_t>(total, fraction, &total))
        return std::nullopt;
    return total;
}

// A field of exactly two digits from 00 to 59, or -1.
int twoDigitField(QStringView s, qsizetype from, qsizetype to)
{
    if (to - from != 2)
        return -1;
    const int value = digitValue(s[from]) * 10 + digitValue(s[from + 1]);
    return value <= 59 ? value : -1;
}

// One time in a line: where it stands, and its length (none when its fields
// are too large to hold).
struct Found {
    qsizetype from = 0;
    qsizetype to = 0;
    std::optional<std::int64_t> milliseconds;
};

// Reads a time starting at the digit at `pos`. Sets `pos` past the run of
// digits and colons (and past the time, when there is one) so that the caller
// goes on from there; every character is looked at a bounded number of times.
std::optional<Found> timeAt(QStringView s, qsizetype &pos)
{
    const qsizetype start = pos;
    qsizetype groups[3][2] = {};
    int count = 0;
    for (;;) {
        const qsizetype end = digitsEnd(s, pos);
        if (count < 3) {
            groups[count][0] = pos;
            groups[count][1] = end;
        }
        ++count;
        pos = end;
        if (pos + 1 < s.size() && isColon(s[pos]) && isDigit(s[pos + 1])) {
            ++pos;
            continue;
        }
        break;
    }
    if (count == 2 || count == 3) {
        const int seconds = twoDigitField(s, groups[count - 1][0], groups[count - 1][1]);
        const int middle = count == 3 ? twoDigitField(s, groups[1][0], groups[1][1]) : 0;
        if (seconds < 0 || middle < 0)
            return std::nullopt;
        std::int64_t fraction = 0;
        if (pos + 1 < s.size() && isPoint(s[pos]) && isDigit(s[pos + 1])) {
            const qsizetype end = digitsEnd(s, pos + 1);
            // Milliseconds from the first three digits; the rest is below a millisecond.
            for (qsizetype i = pos + 1; i < pos + 4; ++i)
                fraction = fraction * 10 + (i < end ? digitValue(s[i]) : 0);
            pos = end;
        }
        auto minutes = valueOf(s, groups[0][0], groups[0][1]);
        if (count == 3 && minutes &&
            (qMulOverflow<std::int64_t>(*minutes, 60, &*minutes) ||
             qAddOverflow<std::int64_t>(*minutes, middle, &*minutes)))
            minutes.reset();
        return Found{start, pos, milliseconds(minutes, seconds, fraction)};
    }
    if (count != 1 || pos >= s.size())
        return std::nullopt;
    if (s[pos] == kSecondSign) {
        ++pos;
        const qsizetype digits = pos - 1 - start;
        const auto seconds = digits <= 2 ? valueOf(s, start, pos - 1) : std::nullopt;
        if (!seconds || *seconds > 59)
            return std::nullopt;
        return Found{start, pos, *seconds * 1000};
    }
    if (s[pos] != kMinuteSign)
        return std::nullopt;
    const auto minutes = valueOf(s, start, pos);
    ++pos;
    std::int64_t seconds = 0;
    const qsizetype end = digitsEnd(s, pos);
    if (end > pos && end < s.size() && s[end] == kSecondSign) {
        const auto value = end - pos <= 2 ? valueOf(s, pos, end) : std::nullopt;
        if (!value || *value > 59)
            return std::nullopt;  // "3分75秒" is no length
        seconds = *value;
        pos = end + 1;
    }
    return Found{start, pos, milliseconds(minutes, seconds, 0)};
}

std::optional<Found> lastTime(QStringView s)
{
    std::optional<Found> last;
    qsizetype pos = 0;
    while (pos < s.size()) {
        if (!isDigit(s[pos])) {
            ++pos;
            continue;
        }
        if (auto found = timeAt(s, pos))
            last = found;
    }
    return last;
}

// Where the program's own saved line "N. [m:ss] ..." goes on after its
// bracket, or 0 for any other line.
qsizetype afterSavedStart(QStringView s)
{
    qsizetype pos = 0;
    while (pos < s.size() && s[pos].isSpace())
        ++pos;
    const qsizetype digits = digitsEnd(s, pos);
    if (digits == pos || digits >= s.size() || !isPoint(s[digits]))
        return 0;
    pos = digits + 1;
    while (pos < s.size() && s[pos].isSpace())
        ++pos;
    if (pos >= s.size() || (s[pos] != u'[' && s[pos] != u'［'))
        return 0;
    const qsizetype open = ++pos;
    while (pos < s.size() && (isDigit(s[pos]) || isColon(s[pos])))
        ++pos;
    if (pos == open || pos >= s.size() || (s[pos] != u']' && s[pos] != u'］'))
        return 0;
    return pos + 1;
}

QStringView trimmed(QStringView s, bool (*dropAtStart)(QChar), bool (*dropAtEnd)(QChar))
{
    qsizetype from = 0, to = s.size();
    while (from < to && dropAtStart(s[from]))
        ++from;
    while (to > from && dropAtEnd(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

// "1.", "01 ", "1)", "1 -" and the like at the start of a title.
QString withoutTrackNumber(const QString &title)
{
    const qsizetype digits = digitsEnd(title, 0);
    if (digits == 0 || digits > 3 || digits >= title.size())
        return title;
    qsizetype pos = digits;
    if (QStringView(u".．)）、").contains(title[pos])) {
        ++pos;
        if (pos < title.size() && isDigit(title[pos]))
            return title;  // "2.5 ..." is a number, not a track
    } else if (!title[pos].isSpace()) {
        return title;  // "1st", "7th Heaven"
    }
    while (pos < title.size() && title[pos].isSpace())
        ++pos;
    if (pos < title.size() && QStringView(u"-–—").contains(title[pos]))
        ++pos;
    while (pos < title.size() && title[pos].isSpace())
        ++pos;
    return pos < title.size() ? title.mid(pos) : title;
}

}  // namespace

std::optional<FoundSong> readTracklistLine(QStringView line)
{
    const QStringView blanksAway = trimmed(
        line, [](QChar c) { return c.isSpace(); }, [](QChar c) { return c.isSpace(); });
    if (blanksAway.startsWith(u'#') || blanksAway.startsWith(u'＃'))
        return std::nullopt;
    const qsizetype bodyStart = afterSavedStart(line);
    const QStringView body = line.mid(bodyStart);
    const auto time = lastTime(body);
    if (!time || !time->milliseconds)
        return std::nullopt;

    const QStringView before = trimmed(body.left(time->from), isSeparator,
                                       [](QChar c) { return isSeparator(c) || isOpener(c); });
    const QStringView after = trimmed(
        body.mid(time->to), [](QChar c) { return isSeparator(c) || isCloser(c); }, isSeparator);
    QString title = before.toString();
    if (!before.isEmpty() && !after.isEmpty())
        title += QLatin1Char(' ');
    title += after;
    if (bodyStart == 0)
        title = withoutTrackNumber(title);
    return FoundSong{*time->milliseconds, title, {}};
}

std::vector<FoundSong> readTracklist(QStringView text)
{
    std::vector<FoundSong> songs;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        if (auto song = readTracklistLine(text.mid(start, end - start)))
            songs.push_back(std::move(*song));
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return songs;
}

}  // namespace tavelo
