// SPDX-License-Identifier: GPL-3.0-or-later
// The floor any Qt editor stands on: a main window with a menu bar, a toolbar, a status bar
// and a 512 x 512 picture, and nothing else.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    QImage picture(512, 512, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(picture));
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
