// SPDX-License-Identifier: GPL-3.0-or-later
// The system clipboard, and the data that puts a secret on it as plain text.
#pragma once

#include <QString>
#include <memory>

class QMimeData;

namespace quentara {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Removes everything the clipboard holds, in every format.
    virtual void clear() = 0;
    // Places `data` on the clipboard, which takes it over.
    virtual void place(std::unique_ptr<QMimeData> data) = 0;
};

// Reaches the clipboard of the running platform through Qt.
class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void place(std::unique_ptr<QMimeData> data) override;
};

// How the clipboard managers of each desktop are told to keep a text out of their history.
enum class ClipboardFlavour { unixDesktop, windows, macOS };

// The flavour of the platform the program runs on.
ClipboardFlavour nativeClipboardFlavour();

// `text` as plain text, marked as a secret so that clipboard managers, clipboard history
// and cloud clipboards leave it alone: a password must not outlive its paste.
std::unique_ptr<QMimeData> secretTextMimeData(const QString& text,
                                              ClipboardFlavour flavour = nativeClipboardFlavour());

} // namespace quentara
