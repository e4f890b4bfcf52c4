// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/InfoDlg.h"

#include "app/ProgramInfo.h"
#include "ui/Translatable.h"

#include <QLabel>

InfoDlg::InfoDlg(QWidget* mainWindow)
    : FixedDialog(mainWindow, QStringLiteral("InfoDlg"),
                  QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Info")), {380, 250}) {
    auto* name = new QLabel(QStringLiteral(WELLENWERK_TITLE), this);
    name->setObjectName(QStringLiteral("ProgramName"));
    QFont big = name->font();
    big.setPixelSize(20);
    big.setBold(true);
    name->setFont(big);
    name->setGeometry(16, 12, 348, 30);

    auto* subtitle = new QLabel(this);
    SetTranslated(subtitle, "text",
                  QT_TRANSLATE_NOOP("Wellenwerk", "Fourier-Synthese und Fourier-Analyse"));
    subtitle->setGeometry(16, 44, 348, 18);

    auto* terms = new QLabel(this);
    terms->setObjectName(QStringLiteral("TermsOfUse"));
    terms->setWordWrap(true);
    terms->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The terms are those of the GNU GPL, which allows no further restrictions.
    SetTranslated(
        terms, "text",
        QT_TRANSLATE_NOOP(
            "Wellenwerk",
            "Nutzungsbedingungen: Wellenwerk ist freie Software. Sie dürfen das Programm nach den "
            "Bedingungen der GNU General Public License, Version 3 oder jeder späteren Version, "
            "verwenden, weitergeben und verändern. Es wird ohne jede Gewährleistung verbreitet; "
            "Einzelheiten nennt die Lizenz: https://www.gnu.org/licenses/gpl-3.0.html"));
    terms->setGeometry(16, 72, 348, 120);

    AddButtons({152, 208, 76, 26}, {});
}

QPoint InfoDialogPosition(const QRect& mainFrame, int mainClientHeight, const QSize& dialogFrame) {
    // C++ division truncates towards zero, as the placement rule asks.
    const int left = mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2;
    const int top =
        mainFrame.top() + mainFrame.height() - (mainClientHeight + dialogFrame.height()) / 2;
    return {left, top};
}

QPoint InfoDlg::Placement(const QRect& mainFrame, int mainClientHeight) const {
    return InfoDialogPosition(mainFrame, mainClientHeight, FrameSize());
}
