// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services and the random source the main window and its dialogs are given;
// tests hand in recording fakes and scripted draws. Every one must be given: a set with one
// missing does not compile.
#pragma once

namespace quentara {

class Beep;
class Clipboard;
class FileChooser;
class FileLayer;
class MessageBox;
class RandomSource;
class SysInfoTool;

struct Services {
    MessageBox& messages;
    Clipboard& clipboard;
    // The batch file: the end-of-run beep, the output file dialog, the files it writes.
    Beep& beep;
    FileChooser& fileChooser;
    FileLayer& fileSystem;
    // The About dialog's system-information tool.
    SysInfoTool& sysInfoTool;
    // Every draw of the generators.
    RandomSource& random;

    // The real services of the running program, which live as long as the process, with the
    // draws from `random`.
    static Services platform(RandomSource& random);
};

} // namespace quentara
