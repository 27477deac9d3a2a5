#include "assets/assets.h"
#include "window/qtuserinterface.h"
#include "window/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(vrh::programIcon());
    vrh::QtUserInterface userInterface;
    const std::unique_ptr<vrh::frmMain> window = vrh::startEditor(userInterface, userInterface);
    userInterface.setParentWindow(window.get());
    return app.exec();
}
