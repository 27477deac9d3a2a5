// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "assets/assets.h"
#include "platform/desktopsysteminformation.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <map>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace vrh {
namespace {

using testing::ActiveWindow;

// Runs the box modally, as the program does, with steps run once it is up. Should a step
// fail to close it, a late timer does, so the test fails rather than waits.
struct ModalRun {
    std::function<void(frmAbout&)> whileOpen;
    bool shown = false;
    bool closedByTimer = false;

    void operator()(frmAbout& box) {
        QTimer::singleShot(0, &box, [this, &box] {
            shown = box.isVisible();
            whileOpen(box);
        });
        QTimer::singleShot(5000, &box, [this, &box] {
            closedByTimer = true;
            box.reject();
        });
        box.exec();
    }
};

class AboutBox : public ::testing::Test {
  protected:
    ActiveWindow h;
};

TEST_F(AboutBox, ShowsItsTextsAndControlsInTheirPlaces) {
    h.modal.answers = {testing::answerDialog<frmAbout>([this](frmAbout& box) {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_EQ(box.objectName(), QStringLiteral("frmAbout"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About Varnhold: Levelset Editor"));
        EXPECT_EQ(box.size(), QSize(391, 203));
        EXPECT_EQ(box.minimumSize(), box.maximumSize());
        EXPECT_TRUE(box.isModal());
        EXPECT_LE(
            (box.frameGeometry().center() - h.window.frameGeometry().center()).manhattanLength(),
            2);

        struct Control {
            const char* name;
            QRect geometry;
            const char* text; // null: not a text
        };
        const Control controls[] = {
            {"picIcon", {16, 16, 32, 32}, nullptr},
            {"lblTitle", {70, 16, 273, 32}, "Varnhold: Levelset Editor"},
            {"lblVersion", {70, 52, 273, 15}, "Version 2.0"},
            {"lblAuthor", {72, 72, 265, 17}, nullptr},
            {"lblDescription",
             {70, 96, 273, 30},
             "Levelset Editor for the game Varnhold, for the TI-83, TI-83+ and TI-86 "
             "calculators."},
            {"lblDisclaimer",
             {17, 143, 258, 55},
             "Disclaimer: The author of this program takes no responsibility for the effects of "
             "using this software. It has been tested and at the time of release no known bugs "
             "were apparent."},
            {"cmdOK", {283, 143, 98, 23}, "OK"},
            {"cmdSysInfo", {284, 173, 97, 23}, "&System Info..."},
        };
        for (const Control& c : controls) {
            SCOPED_TRACE(c.name);
            const auto* widget = box.findChild<QWidget*>(QString::fromLatin1(c.name));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(), c.geometry);
            EXPECT_TRUE(widget->isVisible());
            if (const auto* label = qobject_cast<const QLabel*>(widget); label && c.text) {
                EXPECT_EQ(label->text(), QString::fromLatin1(c.text));
            }
            if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
                EXPECT_EQ(button->text(), QString::fromLatin1(c.text));
            }
        }
        EXPECT_FALSE(box.lblAuthor->text().isEmpty());
        EXPECT_EQ(box.picIcon->pixmap().toImage(), programIconPixmap().toImage());
        EXPECT_TRUE(box.cmdOK->isDefault());

        // The etched rule: grey above, white two pixels high, one pixel further right.
        const QImage shown = box.grab().toImage();
        const QRgb grey = qRgb(128, 128, 128);
        const QRgb white = qRgb(255, 255, 255);
        EXPECT_EQ(shown.pixel(15, 130), grey);
        EXPECT_EQ(shown.pixel(200, 130), grey);
        EXPECT_EQ(shown.pixel(377, 130), grey);
        EXPECT_NE(shown.pixel(378, 130), grey);
        EXPECT_NE(shown.pixel(15, 131), white);
        EXPECT_EQ(shown.pixel(16, 131), white);
        EXPECT_EQ(shown.pixel(377, 132), white);
        EXPECT_NE(shown.pixel(200, 133), white);
        EXPECT_NE(shown.pixel(200, 129), grey);
        box.close();
    })};
    h.entry("mnuHelpAbout")->trigger();
}

TEST_F(AboutBox, OKEnterAndEscCloseIt) {
    struct Case {
        const char* name;
        std::function<void(frmAbout&)> close;
    };
    const Case cases[] = {
        {"OK", [](frmAbout& box) { QTest::mouseClick(box.cmdOK, Qt::LeftButton); }},
        {"Enter", [](frmAbout& box) { QTest::keyClick(&box, Qt::Key_Return); }},
        {"Esc", [](frmAbout& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModalRun run{c.close};
        QPointer<frmAbout> opened;
        h.modal.answers = {testing::answerDialog<frmAbout>([&](frmAbout& box) {
            opened = &box;
            run(box);
        })};
        h.window.mnuHelpAbout_Click();
        EXPECT_TRUE(run.shown);
        EXPECT_FALSE(run.closedByTimer);
        // Unloaded when closed.
        EXPECT_TRUE(opened.isNull());
    }
}

TEST_F(AboutBox, OpensFromTheMenuItsKeyAndTheToolbar) {
    int opened = 0;
    const auto answer = testing::answerDialog<frmAbout>([&](frmAbout& box) {
        ++opened;
        ModalRun{[](frmAbout& b) { b.cmdOK->click(); }}(box);
    });
    h.modal.answers = {answer, answer, answer};
    h.entry("mnuHelpAbout")->trigger();
    // The main window takes input again once the box has gone. Qt's minimal platform, which
    // the Windows runs use, gives a window no activation back after a modal box: there the
    // window the shortcuts go to is the one set here.
    QApplication::setActiveWindow(&h.window);
    if (QGuiApplication::platformName() != QLatin1String("minimal")) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window));
    }
    QTest::keyClick(&h.window, Qt::Key_F12);
    QAction* button = h.window.findChild<QAction*>(QStringLiteral("tbAbout"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(h.window.tbToolBar->widgetForAction(button), Qt::LeftButton);
    EXPECT_EQ(opened, 3);
}

// Finds what it is told to find and records what is started.
class OneProgram : public SystemInformation {
  public:
    std::optional<QString> path;
    bool startSucceeds = true;
    std::vector<QString> started;

    std::optional<RegistryValue> queryValue(std::uint32_t, const QString& keyName,
                                            const QString& valueName) override {
        if (path && keyName == kMsinfoKey && valueName == QLatin1String("PATH")) {
            return RegistryValue{kStringValueType, path->toLatin1()};
        }
        return std::nullopt;
    }
    bool fileExists(const QString&) override { return false; }
    bool startProgram(const QString& p) override {
        started.push_back(p);
        return startSucceeds;
    }
};

TEST_F(AboutBox, SystemInfoStartsTheProgramOrSaysItCannotAndStaysOpen) {
    struct Case {
        const char* name;
        std::optional<QString> path;
        bool startSucceeds;
        bool message;
    };
    const Case cases[] = {
        {"found", QStringLiteral("/opt/info"), true, false},
        {"start fails", QStringLiteral("/opt/info"), false, true},
        {"nothing found", std::nullopt, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneProgram system;
        system.path = c.path;
        system.startSucceeds = c.startSucceeds;
        h.window.setSystemInformation(system);
        h.messages.asked.clear();
        h.messages.answers.clear();
        if (c.message) {
            h.messages.answers = {MessageAnswer::Ok};
        }
        bool stayedOpen = false;
        h.modal.answers = {testing::answerDialog<frmAbout>([&](frmAbout& box) {
            ModalRun{[&](frmAbout& b) {
                QTest::mouseClick(b.cmdSysInfo, Qt::LeftButton);
                stayedOpen = b.isVisible();
                b.cmdOK->click();
            }}(box);
        })};
        h.window.mnuHelpAbout_Click();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(system.started, c.path ? std::vector<QString>{*c.path} : std::vector<QString>{});
        ASSERT_EQ(h.messages.asked.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(h.messages.asked[0].text,
                      QStringLiteral("System Information Is Unavailable At This Time"));
            EXPECT_EQ(h.messages.asked[0].title, QStringLiteral("Varnhold: Levelset Editor"));
            EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::None);
        }
    }
    h.window.setSystemInformation(h.system);
}

TEST_F(AboutBox, ClosingTheMainWindowClosesAnOpenAboutBox) {
    QPointer<frmAbout> opened;
    ModalRun run{[this](frmAbout&) {
        h.messages.answers = {MessageAnswer::No};
        h.window.close();
    }};
    h.modal.answers = {testing::answerDialog<frmAbout>([&](frmAbout& box) {
        opened = &box;
        run(box);
    })};
    h.window.mnuHelpAbout_Click();
    EXPECT_FALSE(run.closedByTimer);
    EXPECT_TRUE(opened.isNull());
    EXPECT_FALSE(h.window.isVisible());
}

TEST(DesktopSystemInformation, AnswersOnlyTheProgramPathWithAProgramOnThePath) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has the registry, not a program on the PATH";
#endif
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("kinfocenter"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder.path()));
    SystemInformation& system = desktopSystemInformation();
    QString value;
    const bool found =
        GetKeyValue(system, kLocalMachineRoot, kMsinfoKey, QStringLiteral("PATH"), value);
    QString other = QStringLiteral("x");
    const bool foundOther =
        GetKeyValue(system, kLocalMachineRoot, kSharedToolsKey, QStringLiteral("MSINFO"), other);
    qputenv("PATH", QFile::encodeName(folder.path() + QStringLiteral("/none")));
    QString none = QStringLiteral("x");
    const bool foundNone =
        GetKeyValue(system, kLocalMachineRoot, kMsinfoKey, QStringLiteral("PATH"), none);
    qputenv("PATH", oldPath);

    EXPECT_TRUE(found);
    EXPECT_EQ(value, program);
    EXPECT_FALSE(foundOther);
    EXPECT_EQ(other, QString());
    EXPECT_FALSE(foundNone);
    EXPECT_TRUE(system.fileExists(program));
    EXPECT_FALSE(system.fileExists(folder.path()));
    EXPECT_FALSE(system.startProgram(QStringLiteral("C:\\Tools\\MSINFO32.EXE")));
    EXPECT_FALSE(system.startProgram(QString()));
}

#ifdef Q_OS_WIN
// For its lifetime HKEY_LOCAL_MACHINE is, for this process, a scratch key of the current
// user's: the test writes nothing to the machine's own registry.
class ScratchLocalMachine {
  public:
    ScratchLocalMachine() {
        valid_ = RegCreateKeyExA(HKEY_CURRENT_USER, name_.constData(), 0, nullptr, 0,
                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr) == ERROR_SUCCESS &&
                 RegOverridePredefKey(HKEY_LOCAL_MACHINE, key_) == ERROR_SUCCESS;
    }
    ~ScratchLocalMachine() {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(key_);
        RegDeleteTreeA(HKEY_CURRENT_USER, name_.constData());
    }
    ScratchLocalMachine(const ScratchLocalMachine&) = delete;
    ScratchLocalMachine& operator=(const ScratchLocalMachine&) = delete;

    bool isValid() const { return valid_; }
    void clear() { RegDeleteTreeA(key_, nullptr); }
    bool set(const QString& keyName, const QString& valueName, const RegistryValue& value) {
        return RegSetKeyValueA(key_, keyName.toLocal8Bit().constData(),
                               valueName.toLocal8Bit().constData(), value.type,
                               value.data.constData(),
                               static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }

  private:
    QByteArray name_ = "Software\\VrhEdit tests " + QByteArray::number(GetCurrentProcessId());
    HKEY key_ = nullptr;
    bool valid_ = false;
};
#endif

TEST(WindowsSystemInformation, FindsTheProgramInTheRegistryAndStartsIt) {
#ifndef Q_OS_WIN
    GTEST_SKIP() << "Only Windows has a registry";
#else
    ScratchLocalMachine registry;
    ASSERT_TRUE(registry.isValid());
    QTemporaryDir tools;
    ASSERT_TRUE(tools.isValid());
    const QString folder = QDir::toNativeSeparators(tools.path());
    const QString program = QStringLiteral("C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe");
    // A string as the registry keeps it, its closing zero included.
    const auto text = [](const QString& s) {
        return RegistryValue{REG_SZ, s.toLocal8Bit() + '\0'};
    };

    struct Case {
        const char* what;
        std::optional<RegistryValue> programPath; // SOFTWARE\Microsoft\Shared Tools\MSINFO: PATH
        std::optional<RegistryValue> toolsFolder; // ...\Shared Tools Location: MSINFO
        bool programInFolder;
        // what GetKeyValue finds for each; nothing: not found
        std::optional<QString> foundPath;
        std::optional<QString> foundFolder;
        bool foundProgramInFolder;
    };
    const Case cases[] = {
        {"the program's path", text(program), std::nullopt, false, program, std::nullopt, false},
        {"only the folder, the program in it", std::nullopt, text(folder), true, std::nullopt,
         folder, true},
        {"only the folder, no program in it", std::nullopt, text(folder), false, std::nullopt,
         folder, false},
        {"neither", std::nullopt, std::nullopt, false, std::nullopt, std::nullopt, false},
        {"a number where the path goes", RegistryValue{REG_DWORD, QByteArray("\x01\0\0\0", 4)},
         std::nullopt, false, QString(), std::nullopt, false},
        {"a path longer than the 1024 bytes read", text(QString(1100, QLatin1Char('x'))),
         std::nullopt, false, std::nullopt, std::nullopt, false},
    };
    SystemInformation& system = desktopSystemInformation();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        registry.clear();
        QFile::remove(folder + kMsinfoProgram);
        if (c.programPath) {
            ASSERT_TRUE(registry.set(kMsinfoKey, kMsinfoPathValue, *c.programPath));
        }
        if (c.toolsFolder) {
            ASSERT_TRUE(registry.set(kSharedToolsKey, kSharedToolsValue, *c.toolsFolder));
        }
        if (c.programInFolder) {
            QFile file(folder + kMsinfoProgram);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const auto lookUp = [&](const QString& key, const QString& value) {
            QString found = QStringLiteral("?");
            return GetKeyValue(system, kLocalMachineRoot, key, value, found)
                       ? std::optional<QString>(found)
                       : std::optional<QString>();
        };

        const std::optional<QString> path = lookUp(kMsinfoKey, kMsinfoPathValue);
        const std::optional<QString> toolsFolder = lookUp(kSharedToolsKey, kSharedToolsValue);

        EXPECT_EQ(path, c.foundPath);
        EXPECT_EQ(toolsFolder, c.foundFolder);
        EXPECT_EQ(system.fileExists(toolsFolder.value_or(folder) + kMsinfoProgram),
                  c.foundProgramInFolder);
    }
    // A program that ends at once, and no program at all.
    EXPECT_TRUE(system.startProgram(qEnvironmentVariable("SystemRoot") +
                                    QStringLiteral("\\System32\\hostname.exe")));
    EXPECT_FALSE(system.startProgram(folder + kMsinfoProgram));
#endif
}

} // namespace
} // namespace vrh
