// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grapheme_boundaries.h"

#include "generators/regional_indicators.h"

#include <QString>
#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <optional>

namespace quentara {
namespace {

constexpr char32_t zeroWidthJoiner = 0x200D;

// The code point that starts at `at`, or that ends just before it.
char32_t codePointAt(QStringView text, qsizetype at) {
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[at], text[at + 1]);
    return text[at].unicode();
}

qsizetype codePointStartBefore(QStringView text, qsizetype at) {
    return at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate() ? at - 2
                                                                                      : at - 1;
}

// Qt 6.4's finder reports every UTF-16 unit as a boundary where an emoji stands before
// text of a complex script (Devanagari, Thai, Sharada ...), halves of surrogate pairs
// included. Such a boundary is dropped where no character can end: inside a surrogate pair,
// between the two regional indicators of a flag, before a combining mark, an emoji modifier
// or a joiner, and between a joiner and the emoji it joins.
bool insideACharacter(QStringView text, qsizetype at) {
    if (at <= 0 || at >= text.size())
        return false;
    if (text[at - 1].isHighSurrogate() && text[at].isLowSurrogate())
        return true;
    const char32_t next = codePointAt(text, at);
    const char32_t previous = codePointAt(text, codePointStartBefore(text, at));
    if (isRegionalIndicator(next)) {
        qsizetype start = at;
        return splitsAFlag([&]() -> std::optional<char32_t> {
            if (start <= 0)
                return std::nullopt;
            start = codePointStartBefore(text, start);
            return codePointAt(text, start);
        });
    }
    switch (QChar::category(next)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        break;
    }
    const bool emojiModifier = next >= 0x1F3FB && next <= 0x1F3FF;
    const bool joinedEmoji =
        previous == zeroWidthJoiner && QChar::category(next) == QChar::Symbol_Other;
    return emojiModifier || next == zeroWidthJoiner || joinedEmoji;
}

} // namespace

std::size_t GraphemeBoundaries::leadingBytes(std::string_view text, std::size_t count) const {
    // A leading U+FEFF is the name's first character, not a byte order mark to drop: dropping
    // it would shift every count below by its three bytes.
    QStringDecoder toUtf16(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded =
        toUtf16(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, decoded);
    qsizetype end = 0;
    for (std::size_t found = 0; found < count;) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        if (insideACharacter(decoded, next))
            continue;
        end = next;
        ++found;
    }
    // Back to UTF-8 bytes; the caller's text is valid UTF-8, so this is where it ends there.
    return static_cast<std::size_t>(QStringView(decoded).left(end).toUtf8().size());
}

} // namespace quentara
