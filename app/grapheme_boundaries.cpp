#include "app/grapheme_boundaries.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace quentara {

std::size_t GraphemeBoundaries::leadingBytes(std::string_view text, std::size_t count) const {
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, decoded);
    qsizetype end = 0;
    for (std::size_t found = 0; found < count; ++found) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    // Back to UTF-8 bytes; the caller's text is valid UTF-8, so this is where it ends there.
    return static_cast<std::size_t>(QStringView(decoded).left(end).toUtf8().size());
}

} // namespace quentara
