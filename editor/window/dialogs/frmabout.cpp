// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "assets/assets.h"
#include "commands/desktop/systeminformation.h"
#include "frmsplash.h"
#include "levelset/levelset.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace vrh {

namespace {

const QString kAboutTitle = QStringLiteral("About Varnhold: Levelset Editor");
const QString kAuthorLine = QStringLiteral("by the VrhEdit developers");
const QString kDescription = QStringLiteral(
    "Levelset Editor for the game Varnhold, for the TI-83, TI-83+ and TI-86 calculators.");
const QString kDisclaimer = QStringLiteral(
    "Disclaimer: The author of this program takes no responsibility for the effects of using "
    "this software. It has been tested and at the time of release no known bugs were "
    "apparent.");

// The etched rule under the description: a grey line with a white one just below it.
class EtchedRule : public QWidget {
  public:
    static constexpr QPoint kOrigin{15, 130};

    explicit EtchedRule(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Line1"));
        setGeometry(kOrigin.x(), kOrigin.y(), 377 - kOrigin.x() + 1, 3);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        // Grey (15,130)-(377,130) one pixel high; white (16,131)-(377,131) two pixels high.
        painter.fillRect(QRect(QPoint(15, 130) - kOrigin, QPoint(377, 130) - kOrigin),
                         QColor(128, 128, 128));
        painter.fillRect(QRect(QPoint(16, 131) - kOrigin, QPoint(377, 132) - kOrigin), Qt::white);
    }
};

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(SystemInformation& system, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      system_(system), messages_(messages) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kAboutTitle);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    // The texts are laid out for a small 8-point face, like the main window's panel.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    picIcon = addLabel(this, QStringLiteral("picIcon"), QString(), {16, 16, 32, 32});
    picIcon->setPixmap(programIconPixmap());
    lblTitle = addLabel(this, QStringLiteral("lblTitle"), QString(), {70, 16, 273, 32});
    QFont titleFont = small;
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = addLabel(this, QStringLiteral("lblVersion"), QString(), {70, 52, 273, 15});
    lblAuthor = addLabel(this, QStringLiteral("lblAuthor"), kAuthorLine, {72, 72, 265, 17});
    lblDescription =
        addLabel(this, QStringLiteral("lblDescription"), kDescription, {70, 96, 273, 30});
    Line1 = new EtchedRule(this);
    lblDisclaimer =
        addLabel(this, QStringLiteral("lblDisclaimer"), kDisclaimer, {17, 143, 258, 55});

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(283, 143, 98, 23);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(284, 173, 97, 23);
    cmdOK->setFocus();
    // Esc rejects the dialog, which closes it just as OK does.
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    lblVersion->setText(kVersionText);
    lblTitle->setText(kApplicationTitle);
}

void frmAbout::showEvent(QShowEvent* event) {
    if (const QWidget* owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->frameGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    vrh::StartSysInfo(system_, messages_);
}

} // namespace vrh
