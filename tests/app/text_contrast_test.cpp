// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of both windows stays readable in a light, a dark and a high-contrast palette: a
// contrast of at least 4.5 to 1 with what is behind it (WCAG AA).
#include "about/about_dialog_fixture.h"
#include "support/row_name.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace quentara {
namespace {

// The relative luminance of a colour as WCAG defines it, from its sRGB channels.
double luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb one, QRgb other) {
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A text the window shows: where it stands in the window, and how to change it.
struct ShownText {
    std::string name;
    QRect place;
    std::function<void(const QString&)> setText;
    QString text;
    QString measured; // an empty box shows a sample while it is measured
};

const QString sample = QStringLiteral("Sample 8#xyz");

std::vector<ShownText> shownTexts(QWidget* window) {
    std::vector<ShownText> texts;
    const auto add = [&](QWidget* widget, const QString& name, QRect place, const QString& text,
                         std::function<void(const QString&)> setText) {
        texts.push_back({name.toStdString(),
                         QRect(widget->mapTo(window, place.topLeft()), place.size()),
                         std::move(setText), text, text.isEmpty() ? sample : text});
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const QString name = widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            add(label, name, label->rect(), label->text(),
                [label](const QString& text) { label->setText(text); });
        else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                 button && !button->text().isEmpty())
            add(button, name, button->rect(), button->text(),
                [button](const QString& text) { button->setText(text); });
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            add(combo, name, combo->rect(), combo->currentText(),
                [combo](const QString& text) { combo->setEditText(text); });
        else if (auto* edit = qobject_cast<QLineEdit*>(widget);
                 edit && qobject_cast<QComboBox*>(edit->parentWidget()) == nullptr)
            add(edit, name, edit->rect(), edit->text(),
                [edit](const QString& text) { edit->setText(text); });
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group, name, group->rect(), group->title(),
                [group](const QString& text) { group->setTitle(text); });
        else if (auto* tabBar = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabBar->count(); ++i)
                add(tabBar, tabBar->tabText(i), tabBar->tabRect(i), tabBar->tabText(i),
                    [tabBar, i](const QString& text) { tabBar->setTabText(i, text); });
        } else if (auto* menuBar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* menu : menuBar->actions())
                add(menuBar, menu->text(), menuBar->actionGeometry(menu), menu->text(),
                    [menu](const QString& text) { menu->setText(text); });
        }
    }
    return texts;
}

QImage picture(QWidget* window) {
    QCoreApplication::processEvents();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Grabs the window with its texts and without any, and checks each text's pixels, those that
// differ, against what the text hides. A text in its background's own colour differs nowhere
// and counts as 1 to 1.
void expectReadable(QWidget* window, const std::string& where) {
    // No focus frame or text cursor: they would differ too.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    const std::vector<ShownText> texts = shownTexts(window);
    ASSERT_FALSE(texts.empty()) << where;
    for (const ShownText& text : texts)
        text.setText(text.measured);
    const QImage withTexts = picture(window);
    for (const ShownText& text : texts)
        text.setText(QStringLiteral(" ")); // not empty: a menu bar of empty items collapses
    const QImage without = picture(window);
    for (const ShownText& text : texts)
        text.setText(text.text);

    for (const ShownText& text : texts) {
        double best = 1;
        const QRect place = text.place.intersected(withTexts.rect());
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                if (withTexts.pixel(x, y) != without.pixel(x, y))
                    best = std::max(best, contrast(withTexts.pixel(x, y), without.pixel(x, y)));
        EXPECT_GE(best, 4.5) << text.name << " on " << where;
    }
}

QPalette makePalette(QColor window, QColor windowText, QColor base, QColor highlight) {
    QPalette palette(window, window); // button and window; derives the shades of both
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
        palette.setColor(role, windowText);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, base);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, base);
    return palette;
}

struct PaletteRow {
    const char* name;
    QPalette palette;
};

// The application's palette for one test, the default back after it.
class ApplicationPalette {
public:
    explicit ApplicationPalette(const QPalette& palette) { QApplication::setPalette(palette); }
    ~ApplicationPalette() { QApplication::setPalette(QPalette()); }
    ApplicationPalette(const ApplicationPalette&) = delete;
    ApplicationPalette& operator=(const ApplicationPalette&) = delete;
};

class TextContrast : public AboutDialogTest, public testing::WithParamInterface<PaletteRow> {};

TEST_P(TextContrast, EveryTextStandsOutFromWhatIsBehindIt) {
    const ApplicationPalette shown(GetParam().palette);
    using enum GeneratorTab;
    for (GeneratorTab tab : {easy, file, username, hex}) {
        chooseTab(tab);
        expectReadable(window.get(), "tab " + std::to_string(static_cast<int>(tab)));
    }
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    expectReadable(about, "About");
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, TextContrast,
    testing::Values(
        PaletteRow{"light", makePalette(QColor(0xef, 0xef, 0xef), QColor(0x00, 0x00, 0x00),
                                        QColor(0xff, 0xff, 0xff), QColor(0x30, 0x8c, 0xc6))},
        PaletteRow{"dark", makePalette(QColor(0x35, 0x35, 0x35), QColor(0xee, 0xee, 0xec),
                                       QColor(0x2d, 0x2d, 0x2d), QColor(0x15, 0x53, 0x9e))},
        PaletteRow{"highContrast",
                   makePalette(QColor(0x00, 0x00, 0x00), QColor(0xff, 0xff, 0xff),
                               QColor(0x00, 0x00, 0x00), QColor(0x1a, 0xeb, 0xff))}),
    RowName());

} // namespace
} // namespace quentara
