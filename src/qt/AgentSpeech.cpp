#include "qt/AgentSpeech.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stumpcraft::qt {

namespace {

    void AddWords(std::vector<SpeechToken>& out, const QString& text)
    {
        for (const QString& word : text.split(QChar(u' '), Qt::SkipEmptyParts))
            out.push_back({ word, 0 });
    }

    // The bookmark number of a tag's inside ("Mrk=12"), or false when it is no bookmark.
    bool MarkOf(const QString& tag, long& mark)
    {
        if (!tag.startsWith(QLatin1String("Mrk="), Qt::CaseInsensitive))
            return false;
        bool ok = false;
        const qlonglong n = tag.mid(4).trimmed().toLongLong(&ok);
        if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
            return false;
        mark = static_cast<long>(n);
        return true;
    }

} // namespace

QStringList SpeechAlternatives(const QString& text) { return text.split(u'|'); }

std::vector<SpeechToken> SpeechTokens(const QString& alternative)
{
    const QString text = QString(alternative).replace(u'\t', u' ').replace(u'\n', u' ');
    std::vector<SpeechToken> out;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(u'\\', at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'\\', open + 1);
        if (close < 0) {
            AddWords(out, text.mid(at));
            break;
        }
        AddWords(out, text.mid(at, open - at));
        long mark = 0;
        if (MarkOf(text.mid(open + 1, close - open - 1), mark))
            out.push_back({ QString(), mark });
        at = close + 1;
    }
    return out;
}

QString SpeechWords(const std::vector<SpeechToken>& tokens)
{
    QStringList words;
    for (const auto& token : tokens)
        if (!token.IsMark())
            words << token.word;
    return words.join(u' ');
}

int SpeechTiming::WordMs(const QString& word) const
{
    // About three words a second, longer words a little slower: an easy reading pace.
    return static_cast<int>(std::lround((170 + 22 * std::min<qsizetype>(word.size(), 14)) * scale));
}

int SpeechTiming::HoldMs(const QString& line) const
{
    return static_cast<int>(
        std::lround((1100 + 8 * std::min<qsizetype>(line.size(), 200)) * scale));
}

} // namespace stumpcraft::qt
