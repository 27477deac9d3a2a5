// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vrh {

class MessageBoxes;
class SystemInformation;

// The About box: title, version, description and disclaimer, and a button that starts the
// system-information program. Created for each showing, modal over the main window.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 391;
    static constexpr int kClientHeight = 203;

    frmAbout(SystemInformation& system, MessageBoxes& messages, QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblAuthor = nullptr;
    QLabel* lblDescription = nullptr;
    QWidget* Line1 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();

    SystemInformation& system_;
    MessageBoxes& messages_;
};

} // namespace vrh
