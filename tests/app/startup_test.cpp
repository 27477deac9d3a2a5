// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "support/scripteduserinterface.h"
#include "support/temporaryuserfolders.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace vrh {
namespace {

// Records when the splash and the main window come and go.
class StartUpRecorder : public QObject {
  public:
    std::vector<std::string> events;
    QString productLine;
    QString versionLine;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QString name = watched->objectName();
        if (name == QLatin1String("frmSplash") && event->type() == QEvent::Show) {
            events.push_back("splash shown");
            auto* splash = static_cast<QWidget*>(watched);
            productLine = splash->findChild<QLabel*>(QStringLiteral("lblProductName"))->text();
            versionLine = splash->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
            connect(watched, &QObject::destroyed, this,
                    [this] { events.push_back("splash destroyed"); });
        } else if (name == QLatin1String("frmSplash") && event->type() == QEvent::Hide) {
            events.push_back("splash hidden");
        } else if (name == QLatin1String("frmMain") && event->type() == QEvent::ChildAdded &&
                   std::find(events.begin(), events.end(), "main built") == events.end()) {
            events.push_back("main built");
        } else if (name == QLatin1String("frmMain") && event->type() == QEvent::Show) {
            events.push_back("main shown");
        }
        return false;
    }
};

TEST(StartUp, SplashCoversTheBuildAndIsGoneBeforeTheMainWindowShows) {
    // Nothing left behind by other windows of this run is offered.
    const testing::TemporaryUserFolders folders;
    testing::ScriptedMessageBoxes messages;
    testing::ScriptedFileDialogs dialogs;
    StartUpRecorder recorder;
    qApp->installEventFilter(&recorder);
    const std::unique_ptr<frmMain> window = startEditor(messages, dialogs);
    qApp->removeEventFilter(&recorder);

    const std::vector<std::string> expected = {"splash shown", "main built", "splash hidden",
                                               "splash destroyed", "main shown"};
    EXPECT_EQ(recorder.events, expected);
    EXPECT_EQ(recorder.productLine, QStringLiteral("Varnhold: Levelset Editor"));
    EXPECT_EQ(recorder.versionLine, QStringLiteral("Version 2.0"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_NE(widget->objectName(), QStringLiteral("frmSplash"));
    }
    EXPECT_TRUE(messages.asked.empty());
}

} // namespace
} // namespace vrh
