// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/row_name.h"
#include "widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace quentara {
namespace {

using Formats = std::vector<std::pair<QString, QByteArray>>;

Formats formatsOf(const QMimeData& data) {
    Formats formats;
    for (const QString& format : data.formats())
        formats.emplace_back(format, data.data(format));
    std::sort(formats.begin(), formats.end());
    return formats;
}

struct FlavourCase {
    const char* name;
    ClipboardFlavour flavour;
    Formats expected; // sorted by format name
};

class SecretText : public testing::TestWithParam<FlavourCase> {};

// Exactly these formats and bytes: plain text plus each desktop's "do not keep" marker.
TEST_P(SecretText, IsPlainTextMarkedForTheDesktop) {
    const FlavourCase& row = GetParam();
    const std::unique_ptr<QMimeData> data =
        secretTextMimeData(QStringLiteral("Kq#7ü"), row.flavour);
    EXPECT_EQ(data->text(), QStringLiteral("Kq#7ü"));
    EXPECT_EQ(formatsOf(*data), row.expected);
}

const QByteArray dwordZero("\0\0\0\0", 4);
const QByteArray dwordOne("\1\0\0\0", 4);

INSTANTIATE_TEST_SUITE_P(
    Desktops, SecretText,
    testing::Values(
        FlavourCase{"unixDesktop",
                    ClipboardFlavour::unixDesktop,
                    {{"text/plain", "Kq#7\xC3\xBC"}, {"x-kde-passwordManagerHint", "secret"}}},
        FlavourCase{
            "windows",
            ClipboardFlavour::windows,
            {{"application/x-qt-windows-mime;value=\"CanIncludeInClipboardHistory\"", dwordZero},
             {"application/x-qt-windows-mime;value=\"CanUploadToCloudClipboard\"", dwordZero},
             {"application/x-qt-windows-mime;value="
              "\"ExcludeClipboardContentFromMonitorProcessing\"",
              dwordOne},
             {"text/plain", "Kq#7\xC3\xBC"}}},
        FlavourCase{"macOS",
                    ClipboardFlavour::macOS,
                    {{"org.nspasteboard.ConcealedType", ""}, {"text/plain", "Kq#7\xC3\xBC"}}}),
    RowName());

TEST(SecretText, ThisPlatformGetsItsOwnMarker) {
    const std::unique_ptr<QMimeData> data = secretTextMimeData(QStringLiteral("x"));
#if defined(Q_OS_WIN)
    EXPECT_TRUE(data->hasFormat(
        "application/x-qt-windows-mime;value=\"ExcludeClipboardContentFromMonitorProcessing\""));
#elif defined(Q_OS_MACOS)
    EXPECT_TRUE(data->hasFormat("org.nspasteboard.ConcealedType"));
#else
    EXPECT_EQ(data->data("x-kde-passwordManagerHint"), "secret");
#endif
}

TEST(QtClipboard, ClearRemovesEverythingAndPlaceSetsTheWholeData) {
    QClipboard* system = QGuiApplication::clipboard();
    auto before = std::make_unique<QMimeData>();
    before->setText(QStringLiteral("earlier"));
    before->setData(QStringLiteral("application/x-other"), "other");
    system->setMimeData(before.release());

    QtClipboard clipboard;
    clipboard.clear();
    const QMimeData* cleared = system->mimeData(); // some platforms hold no data at all then
    EXPECT_TRUE(cleared == nullptr || cleared->formats().isEmpty());

    clipboard.place(secretTextMimeData(QStringLiteral("s3cret"), ClipboardFlavour::unixDesktop));
    const QMimeData* placed = system->mimeData();
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->text(), "s3cret");
    EXPECT_EQ(placed->data("x-kde-passwordManagerHint"), "secret");
    EXPECT_FALSE(placed->hasFormat("application/x-other"));
}

} // namespace
} // namespace quentara
