// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/desktop/systeminformation.h"

#include "support/scripteduserinterface.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vrh {
namespace {

using testing::ScriptedMessageBoxes;

// A registry of the values put in, a set of files, and a record of every start attempted.
class ScriptedSystem : public SystemInformation {
  public:
    std::map<std::pair<QString, QString>, RegistryValue> values; // (key, value name)
    std::set<QString> files;
    bool startSucceeds = true;
    std::vector<QString> started;
    std::vector<QString> fileTests;

    std::optional<RegistryValue> queryValue(std::uint32_t keyRoot, const QString& keyName,
                                            const QString& valueName) override {
        EXPECT_EQ(keyRoot, 0x80000002u);
        const auto found = values.find({keyName, valueName});
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool fileExists(const QString& path) override {
        fileTests.push_back(path);
        return files.count(path) != 0;
    }
    bool startProgram(const QString& path) override {
        started.push_back(path);
        return startSucceeds;
    }
};

const QString kFirstKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSecondKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

RegistryValue text(const char* value) {
    return {1, QByteArray(value) + '\0'};
}

TEST(StartSysInfo, FollowsTheLookupsInOrder) {
    struct Case {
        const char* name;
        const char* path;   // value PATH of the first key, or null
        const char* folder; // value MSINFO of the second key, or null
        const char* file;   // a file that exists, or null
        bool startSucceeds;
        std::vector<QString> started;
        bool message;
    };
    const Case cases[] = {
        {"first value, no file there",
         "C:\\Info\\info.exe",
         nullptr,
         nullptr,
         true,
         {QStringLiteral("C:\\Info\\info.exe")},
         false},
        {"first value wins over the second",
         "C:\\A\\a.exe",
         "C:\\Tools",
         "C:\\Tools\\MSINFO32.EXE",
         true,
         {QStringLiteral("C:\\A\\a.exe")},
         false},
        {"first value, start fails",
         "C:\\Info\\info.exe",
         nullptr,
         nullptr,
         false,
         {QStringLiteral("C:\\Info\\info.exe")},
         true},
        {"second value with the program",
         nullptr,
         "C:\\Tools",
         "C:\\Tools\\MSINFO32.EXE",
         true,
         {QStringLiteral("C:\\Tools\\MSINFO32.EXE")},
         false},
        {"second value, start fails",
         nullptr,
         "C:\\Tools",
         "C:\\Tools\\MSINFO32.EXE",
         false,
         {QStringLiteral("C:\\Tools\\MSINFO32.EXE")},
         true},
        {"second value without the program",
         nullptr,
         "C:\\Tools",
         "C:\\Tools\\other.exe",
         true,
         {},
         true},
        {"neither value", nullptr, nullptr, "C:\\Tools\\MSINFO32.EXE", true, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSystem system;
        if (c.path) {
            system.values[{kFirstKey, QStringLiteral("PATH")}] = text(c.path);
        }
        if (c.folder) {
            system.values[{kSecondKey, QStringLiteral("MSINFO")}] = text(c.folder);
        }
        if (c.file) {
            system.files.insert(QString::fromLatin1(c.file));
        }
        system.startSucceeds = c.startSucceeds;
        ScriptedMessageBoxes messages;
        if (c.message) {
            messages.answers = {MessageAnswer::Ok};
        }

        StartSysInfo(system, messages);

        EXPECT_EQ(system.started, c.started);
        // The path from the first place is never checked for a file.
        if (c.path) {
            EXPECT_TRUE(system.fileTests.empty());
        }
        ASSERT_EQ(messages.asked.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages.asked[0].text,
                      QStringLiteral("System Information Is Unavailable At This Time"));
            EXPECT_EQ(messages.asked[0].title, QStringLiteral("Varnhold: Levelset Editor"));
            EXPECT_EQ(messages.asked[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(messages.asked[0].icon, MessageIcon::None);
        }
    }
}

TEST(GetKeyValue, GivesTheTextUpToItsFirstZeroOrFalseAndNothing) {
    struct Case {
        const char* name;
        std::optional<RegistryValue> value;
        bool found;
        QString text;
    };
    const Case cases[] = {
        {"string", text("C:\\Info"), true, QStringLiteral("C:\\Info")},
        {"string cut at its first zero", RegistryValue{1, QByteArray("C:\\A\0junk", 9)}, true,
         QStringLiteral("C:\\A")},
        {"string without a zero", RegistryValue{1, QByteArray("abc")}, true, QStringLiteral("abc")},
        {"number", RegistryValue{4, QByteArray("\x01\x00\x00\x00", 4)}, true, QString()},
        {"fills the buffer", RegistryValue{1, QByteArray(1024, 'x')}, true,
         QString(1024, QLatin1Char('x'))},
        {"too long for the buffer", RegistryValue{1, QByteArray(1025, 'x')}, false, QString()},
        {"missing", std::nullopt, false, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSystem system;
        if (c.value) {
            system.values[{kSecondKey, QStringLiteral("MSINFO")}] = *c.value;
        }
        QString keyVal = QStringLiteral("left over");
        EXPECT_EQ(
            GetKeyValue(system, kLocalMachineRoot, kSecondKey, QStringLiteral("MSINFO"), keyVal),
            c.found);
        EXPECT_EQ(keyVal, c.text);
    }
}

} // namespace
} // namespace vrh
