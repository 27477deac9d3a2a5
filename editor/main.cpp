#include "levelset/levelset.h"

#include <QApplication>
#include <QLabel>

// Placeholder until the main window exists.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("The main window is still being built."));
    label.setWindowTitle(vrh::windowTitle(vrh::kUntitled));
    label.setMinimumSize(400, 100);
    label.setAlignment(Qt::AlignCenter);
    label.show();
    return app.exec();
}
