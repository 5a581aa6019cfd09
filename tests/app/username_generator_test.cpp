// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/draws.h"
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QInputMethodEvent>

namespace quentara {
namespace {

struct UserCase {
    const char* name;
    const char* first;
    const char* last;
    const char* expectedNamePart; // the digits are 0 and 9 in every row
};

void PrintTo(const UserCase& row, std::ostream* out) {
    *out << row.name;
}

class UsernameWindow : public MainWindowTest, public testing::WithParamInterface<UserCase> {
protected:
    // Emoji and accents come from an input method, not from single key presses.
    void enterText(const char* name, const QString& text) {
        typeInto(name, "");
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(control(name), &input);
    }
};

// Names as typed into the boxes; whole characters as a reader sees them, never half of one.
TEST_P(UsernameWindow, TakesWholeCharactersOfTheNamesThenTwoDigits) {
    const UserCase& row = GetParam();
    chooseTab(GeneratorTab::username);
    control<QLineEdit>("txtUserresult")->setText("previous");
    enterText("txtFirstname", QString::fromUtf8(row.first));
    enterText("txtLastname", QString::fromUtf8(row.last));
    LoadedScript script(random, {0.0f, largestDraw});
    click("cmduserGenerate");
    EXPECT_EQ(control<QLineEdit>("txtUserresult")->text(),
              QString::fromUtf8(row.expectedNamePart) + "09");
    EXPECT_EQ(script.remaining(), 0u);
    // The name boxes are only read.
    EXPECT_EQ(control<QLineEdit>("txtFirstname")->text(), QString::fromUtf8(row.first));
    EXPECT_EQ(control<QLineEdit>("txtLastname")->text(), QString::fromUtf8(row.last));
}

INSTANTIATE_TEST_SUITE_P(
    Names, UsernameWindow,
    testing::Values(UserCase{"plain", "abcd", "wxyz", "abwxy"}, UserCase{"bothEmpty", "", "", ""},
                    UserCase{"short", "a", "wx", "awx"},
                    UserCase{"blankLed", " ann", " lee", " a le"},
                    UserCase{"caseKept", "aNNA", "McDonald", "aNMcD"},
                    UserCase{"combiningAccents", "e\u0301mile", "Zoe\u0308\u0301lla",
                             "e\u0301mZoe\u0308\u0301"},
                    UserCase{"familyEmojiIsOneCharacter", "👩‍👩‍👧‍👦Ann", "Lee",
                             "👩‍👩‍👧‍👦ALee"},
                    UserCase{"flagsAreOneCharacterEach", "🇩🇪🇫🇷🇮🇹", "🇯🇵🇰🇷🇨🇦🇧🇷", "🇩🇪🇫🇷🇯🇵🇰🇷🇨🇦"},
                    UserCase{"skinToneStaysWithItsEmoji", "👍🏽ok", "x", "👍🏽ox"},
                    UserCase{"astralCharacters", "😀😁😂", "𝒜𝒷𝒸𝒹", "😀😁𝒜𝒷𝒸"},
                    UserCase{"hangulJamoSyllable", "\u1100\u1161\u11A8\u1100\u1161\u11A8x", "",
                             "\u1100\u1161\u11A8\u1100\u1161\u11A8"}),
    RowName());

TEST_F(MainWindowTest, UsernameKeepsTheNamePartAndDrawsNewDigitsOnEachPress) {
    chooseTab(GeneratorTab::username);
    typeInto("txtFirstname", "Anna");
    typeInto("txtLastname", "Berg");
    LoadedScript script(random, {0.3f, 0.75f, 0.75f, 0.3f});
    click("cmduserGenerate");
    EXPECT_EQ(control<QLineEdit>("txtUserresult")->text(), "AnBer37");
    click("cmduserGenerate");
    EXPECT_EQ(control<QLineEdit>("txtUserresult")->text(), "AnBer73");
}

} // namespace
} // namespace quentara
