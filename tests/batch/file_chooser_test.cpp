// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_window_fixture.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace quentara {
namespace {

// Runs in the folder of the test, restoring the old working folder at its end.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& path) : old_(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(path.string()));
    }
    ~WorkingFolder() { QDir::setCurrent(old_); }

private:
    QString old_;
};

// "C:\test" is a plain relative folder name here; on Windows it would be the real folder.
#ifndef _WIN32
TEST_F(BatchWindowTest, BrowseAsksForATextFileWithTheTitleAndStartsAtHome) {
    TempFolder folder;
    WorkingFolder here(folder.path()); // no "C:\test" here
    selectFileTab();
    click("cmdbrows");
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.owners[0], window.get());
    EXPECT_EQ(chooser.requests[0].title, "Use the Comdlg API not the OCX");
    EXPECT_EQ(chooser.requests[0].filter, "Text Files (*.txt)");
    EXPECT_EQ(chooser.requests[0].folder, QDir::homePath());
}

TEST_F(BatchWindowTest, BrowseStartsInTheTestFolderWhereItExists) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "C:\\test");
    WorkingFolder here(folder.path());
    selectFileTab();
    click("cmdbrows");
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(QDir(chooser.requests[0].folder),
              QDir(QString::fromStdString((folder / "C:\\test").string())));
}

#else
// The real "C:\test" folder: made for the test when missing, and removed again.
TEST_F(BatchWindowTest, BrowseStartsInTheTestFolderOfDriveC) {
    const bool existed = std::filesystem::exists("C:\\test");
    std::filesystem::create_directory("C:\\test");
    selectFileTab();
    click("cmdbrows");
    if (!existed)
        std::filesystem::remove("C:\\test");
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].folder, "C:/test");
}
#endif

struct Choice {
    const char* name;
    std::optional<QString> answer;
    QString expected;
};

class BrowseChoice : public BatchWindowTest, public testing::WithParamInterface<Choice> {};

TEST_P(BrowseChoice, SetsTheFileNameOnlyForAChosenPathThatFits) {
    selectFileTab();
    typeInto("txtFilename", "typed by hand.txt");
    chooser.answer = GetParam().answer;
    click("cmdbrows");
    EXPECT_EQ(fileName(), GetParam().expected);
}

const QString longest = "/" + QString(250, 'a') + ".txt"; // 255 characters
const QString tooLong = "/" + QString(251, 'a') + ".txt"; // 256 characters

INSTANTIATE_TEST_SUITE_P(
    Answers, BrowseChoice,
    testing::Values(Choice{"cancelKeepsTheTypedName", std::nullopt, "typed by hand.txt"},
                    Choice{"chosenPath", QString("/home/user/pass words.txt"),
                           "/home/user/pass words.txt"},
                    Choice{"longestPathFits", longest, longest},
                    Choice{"longerPathIsRefused", tooLong, "typed by hand.txt"}),
    RowName());

#ifndef _WIN32
// A fresh home, settings and data folder for one test, the old ones back after it.
class FreshHome {
public:
    FreshHome() {
        std::filesystem::create_directories(folder_ / ".config");
        std::filesystem::create_directories(folder_ / ".local/share");
        setVariable("HOME", folder_.path());
        setVariable("XDG_CONFIG_HOME", folder_ / ".config");
        setVariable("XDG_DATA_HOME", folder_ / ".local/share");
        // Qt fixes the settings folder when it first needs it, which an earlier test may have
        // done; this one is the user's now.
        setSettingsFolder(QString::fromStdString((folder_ / ".config").string()));
    }
    ~FreshHome() {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
        setSettingsFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    FreshHome(const FreshHome&) = delete;
    FreshHome& operator=(const FreshHome&) = delete;

    // Everything in the home folder, by its path there.
    std::set<std::string> everything() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_.path()))
            found.insert(entry.path().lexically_relative(folder_.path()).generic_string());
        return found;
    }

private:
    void setVariable(const char* name, const std::filesystem::path& value) {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                      ? std::optional<QByteArray>(qgetenv(name))
                                      : std::nullopt);
        qputenv(name, QByteArray::fromStdString(value.string()));
    }
    static void setSettingsFolder(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }

    TempFolder folder_;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

// The toolkit's dialog, driven through its own controls once it is open.
class RealDialogTest : public BatchWindowTest {
protected:
    void SetUp() override {
        chooser.passTo = &real;
        BatchWindowTest::SetUp();
        std::filesystem::create_directory(folder / "C:\\test");
        start = folder / "C:\\test";
        writeBytes(start / "old.txt", "old");
    }

    // Calls `act` with the dialog as soon as it is open; gives up, closing it, after 5 s.
    void whenDialogOpens(std::function<void(QFileDialog*)> act, int waited = 0) {
        QTimer::singleShot(20, window.get(), [this, act, waited] {
            auto* dialog = window->findChild<QFileDialog*>();
            if (dialog != nullptr && dialog->isVisible()) {
                seen = true;
                title = dialog->windowTitle();
                filters = dialog->nameFilters();
                directory = dialog->directory().absolutePath();
                fileMode = dialog->fileMode();
                acceptMode = dialog->acceptMode();
                modality = dialog->windowModality();
                // A question about replacing the file would show as a second modal window,
                // opened from inside `act`: look for it from a timer armed before.
                QTimer::singleShot(300, window.get(), [this] {
                    QWidget* other = QApplication::activeModalWidget();
                    if (other != nullptr && qobject_cast<QFileDialog*>(other) == nullptr) {
                        askedAgain = true;
                        other->close();
                        if (auto* fileDialog = window->findChild<QFileDialog*>())
                            fileDialog->reject();
                    }
                });
                act(dialog);
            } else if (waited < 5000) {
                whenDialogOpens(act, waited + 20);
            }
        });
    }

    static void typeName(QFileDialog* dialog, const QString& name) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QString native(const std::filesystem::path& path) const {
        return QDir::toNativeSeparators(QString::fromStdString(path.string()));
    }

    QtFileChooser real;
    TempFolder folder;
    WorkingFolder here{folder.path()};
    std::filesystem::path start;
    bool seen = false;
    bool askedAgain = false;
    QString title;
    QStringList filters;
    QString directory;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    Qt::WindowModality modality = Qt::NonModal;
};

TEST_F(RealDialogTest, ShowsTheTitleAndFilterInTheTestFolderAndTakesANewName) {
    selectFileTab();
    whenDialogOpens([](QFileDialog* dialog) { typeName(dialog, "new batch.txt"); });
    click("cmdbrows");
    ASSERT_TRUE(seen);
    EXPECT_EQ(title, "Use the Comdlg API not the OCX");
    EXPECT_EQ(filters, QStringList{"Text Files (*.txt)"});
    EXPECT_EQ(QDir(directory), QDir(QString::fromStdString(start.string())));
    EXPECT_EQ(fileMode, QFileDialog::AnyFile);
    EXPECT_EQ(acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_FALSE(askedAgain);
    EXPECT_EQ(fileName(), native(start / "new batch.txt"));
    EXPECT_FALSE(std::filesystem::exists(start / "new batch.txt")); // made by a run, not here
}

TEST_F(RealDialogTest, TakesAnExistingFileWithoutAskingAboutReplacingIt) {
    selectFileTab();
    whenDialogOpens([](QFileDialog* dialog) { typeName(dialog, "old.txt"); });
    click("cmdbrows");
    ASSERT_TRUE(seen);
    EXPECT_FALSE(askedAgain);
    EXPECT_EQ(fileName(), native(start / "old.txt"));
    EXPECT_EQ(readBytes(start / "old.txt"), "old");
}

TEST_F(RealDialogTest, CancelKeepsTheTypedName) {
    selectFileTab();
    typeInto("txtFilename", "typed.txt");
    whenDialogOpens([](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    click("cmdbrows");
    ASSERT_TRUE(seen);
    EXPECT_EQ(fileName(), "typed.txt");
}

TEST_F(RealDialogTest, LeavesNothingInTheUsersFoldersWhenCancelledOrChosen) {
    FreshHome home;
    selectFileTab();
    whenDialogOpens([](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    click("cmdbrows");
    whenDialogOpens([](QFileDialog* dialog) { typeName(dialog, "chosen.txt"); });
    click("cmdbrows");
    ASSERT_TRUE(seen);
    EXPECT_EQ(fileName(), native(start / "chosen.txt"));
    EXPECT_EQ(home.everything(), (std::set<std::string>{".config", ".local", ".local/share"}));
}

#endif

} // namespace
} // namespace quentara
