// SPDX-License-Identifier: GPL-3.0-or-later
// An editable combo box whose list position follows its text.
#pragma once

#include <QComboBox>

namespace quentara {

// The item equal to the text (exactly, letter case included) is the current one, and with no
// such item none is: Down and the wheel step from the text the user sees, and from a text
// that is no item Down gives the first item. Qt's own box keeps the item it last showed,
// however the text was changed since.
//
// Qt cannot mark no item current without emptying the edit box (and its undo history), so
// while the text is no item, currentIndex() still names the last one: read textItem().
class DropDownComboBox final : public QComboBox {
public:
    explicit DropDownComboBox(QWidget* parent = nullptr);

    // The row of the item equal to the text, or -1.
    int textItem() const;

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void followText();
    // Steps down or up the list from a text that is no item: down to the first item, up to
    // nothing, as from no current item.
    void stepFromNoItem(bool down);
};

} // namespace quentara
