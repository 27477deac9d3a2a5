// SPDX-License-Identifier: GPL-3.0-or-later
// The widget test runner on a platform theme whose text boxes claim the keys they claim on an
// X11 desktop: Ctrl+E (end of line), Ctrl+D (delete), Ctrl+K and more, as well as Ctrl+Z.
#include "freshsettings.h"
#include "temporaryuserfolders.h"

#include <QApplication>
#include <QKeySequence>
#include <QtPlugin>
#include <qpa/qplatformtheme.h>
#include <qpa/qplatformthemeplugin.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class X11KeysTheme : public QPlatformTheme {
  public:
    QVariant themeHint(ThemeHint hint) const override {
        if (hint == KeyboardScheme) {
            return static_cast<int>(X11KeyboardScheme);
        }
        return QPlatformTheme::themeHint(hint);
    }
};

} // namespace

class X11KeysThemePlugin : public QPlatformThemePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformThemeFactoryInterface_iid FILE "x11keys_theme.json")
  public:
    QPlatformTheme* create(const QString& key, const QStringList&) override {
        return key == QLatin1String("vrhx11keys") ? new X11KeysTheme : nullptr;
    }
};

Q_IMPORT_PLUGIN(X11KeysThemePlugin)

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_QPA_PLATFORMTHEME", "vrhx11keys");
    const vrh::testing::TemporaryUserFolders folders;
    if (!folders.isValid()) {
        return 1;
    }
    QApplication app(argc, argv);
    // Without the theme in place every test here would pass for the wrong reason.
    const QList<QKeySequence> endOfLine = QKeySequence::keyBindings(QKeySequence::MoveToEndOfLine);
    if (!endOfLine.contains(QKeySequence(Qt::CTRL | Qt::Key_E))) {
        std::fprintf(stderr, "the X11 key bindings theme did not load\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new vrh::testing::FreshSettingsEachTest);
    return RUN_ALL_TESTS();
}

#include "x11keys_gtest_main.moc"
