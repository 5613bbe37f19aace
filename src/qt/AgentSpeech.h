#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace stumpcraft::qt {

// One piece of a line to speak: a word, or a bookmark to report when the speech reaches it.
struct SpeechToken {
    QString word; // empty for a bookmark
    long mark = 0;

    bool IsMark() const { return word.isEmpty(); }
};

// The alternatives of a speech text, separated by "|". A text without "|" is its own only
// alternative; empty alternatives count like any other.
QStringList SpeechAlternatives(const QString& text);

// The words and bookmark tags ("\Mrk=n\", n a 32-bit number) of one alternative, in order.
// Any other tag between backslashes is dropped; a backslash without a partner is a letter.
std::vector<SpeechToken> SpeechTokens(const QString& alternative);

// The words alone, one space between them: what the balloon and the voice say.
QString SpeechWords(const std::vector<SpeechToken>& tokens);

// How long speech takes when the voice does not set the pace. Every duration is multiplied
// by scale, so tests can run lines through quickly.
struct SpeechTiming {
    double scale = 1.0;

    // Time a word stays the last one shown, before the next appears.
    int WordMs(const QString& word) const;
    // Time the whole line stays up after its last word, for reading it to the end.
    int HoldMs(const QString& line) const;
};

} // namespace stumpcraft::qt
