// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform warns about every fixed-size, raised or keyboard-grabbing window; the
// warnings say nothing about the program and would bury real messages.
QtMessageHandler defaultHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support propagateSizeHints")) &&
        !text.contains(QLatin1String("does not support raise()")) &&
        !text.contains(QLatin1String("does not support grabbing the keyboard")))
        defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(quietMessageHandler);
    // Headless unless the caller chose a platform: listing the tests must work without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
    // The offscreen platform on Windows reads fonts from a folder of its own; without one every
    // text is drawn as boxes and measured wrong. The system's fonts are the ones to measure.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
