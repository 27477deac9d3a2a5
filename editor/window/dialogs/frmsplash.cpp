// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsplash.h"

#include "assets/assets.h"
#include "levelset/levelset.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace vrh {

namespace {

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                 double points, bool bold, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // The desktop's own face: asking for one it lacks costs a font search at start-up.
    QFont font = parent->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(547, 246);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(8, 0, 529, 241);

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(splashLogo());
    logo->setGeometry(8, 80, 200, 134);

    const double normal = font().pointSizeF();
    addLabel(frame, QStringLiteral("lblVersion"), kVersionText, {448, 144, 62, 20}, 12, true,
             Qt::AlignRight);
    addLabel(frame, QStringLiteral("lblProductName"), kApplicationTitle, {16, 32, 499, 29}, 18,
             true, Qt::AlignHCenter);
    addLabel(frame, QStringLiteral("lblPlatform"), QStringLiteral("for Windows"),
             {392, 112, 116, 24}, 13.5, true, Qt::AlignRight);
    addLabel(frame, QStringLiteral("lblCopyright"),
             QStringLiteral("Copyright (C) 2001-2026 The VrhEdit authors"), {224, 184, 289, 17},
             normal, false, Qt::AlignLeft);
    addLabel(frame, QStringLiteral("lblCompany"), QStringLiteral("VrhEdit project"),
             {224, 198, 193, 17}, normal, false, Qt::AlignLeft);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace vrh
