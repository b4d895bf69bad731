#include "ModeWindow.h"

#include "AppLook.h"
#include "GameProgram.h"
#include "Modes.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ModeWindow::ModeWindow(GameProgram& program) : program_(program)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#Form2 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1b2140, stop:1 #0b0d1c); }"
        "QLabel { color: #e8e6ff; }"
        "QGroupBox { color: #ffd866; font-size: 15px; border: 1px solid #5560a0; border-radius: 8px;"
        "  margin-top: 14px; padding: 14px 10px 10px 10px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }"
        "QPushButton { color: white; font-size: 15px; min-height: 34px; border-radius: 6px;"
        "  border: 1px solid rgba(255,255,255,0.35); padding: 4px 14px; }"
        "QPushButton:hover { border: 2px solid #ffd866; }"
        "QPushButton:focus { border: 2px solid #ffffff; }"
        "#生存Cmd { background: #8c1c2c; } #困難Cmd { background: #a4502a; } #正常Cmd { background: #2f6a3a; }"
        "#簡易Cmd { background: #2d5a8c; } #練習Cmd { background: #5a4a8c; }"));

    auto* frame = new QGroupBox(QStringLiteral("請選擇模式"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    // Pyramid, hardest on top: survival alone, hard and normal side by side,
    // easy alone, and a wide practice button at the bottom.
    struct Place { int row, col, span; };
    const Place places[5] = {{0, 0, 2}, {1, 0, 1}, {1, 1, 1}, {2, 0, 2}, {3, 0, 2}};
    for (int mode = 0; mode < static_cast<int>(ModeTable.size()); ++mode) {
        auto* b = new QPushButton(QString::fromUtf8(ModeTable[mode].button));
        b->setObjectName(QString::fromUtf8(ModeTable[mode].control));
        b->setAutoDefault(true);
        const Place& at = places[mode];
        const bool centred = at.span == 2 && mode != 4;
        if (centred)
            b->setMinimumWidth(140);
        grid->addWidget(b, at.row, at.col, 1, at.span, centred ? Qt::AlignHCenter : Qt::Alignment());
        connect(b, &QPushButton::clicked, this, [this, mode] { program_.ModeCmd_Click(mode); });
    }

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(applook::icon(QStringLiteral("mibbet")).pixmap(64, 64));
    auto* title = new QLabel(QStringLiteral("Quorral"));
    title->setObjectName(QStringLiteral("TitleLbl"));
    title->setStyleSheet(QStringLiteral("color: #ffd866; font-size: 34px; font-weight: bold;"));
    auto* version = new QLabel;
    version->setObjectName(QStringLiteral("VerLbl"));
    version->setStyleSheet(QStringLiteral("color: #9fb4ff; font-size: 14px;"));
    auto* platform = new QLabel(QStringLiteral("Windows作業平台"));
    platform->setObjectName(QStringLiteral("PlatformLbl"));
    auto* credits = new QLabel(QStringLiteral("程式設計：Mibbet 製作小組\n美術與音樂：Mibbet 製作小組\n"
                                              "本遊戲為免費軟體，歡迎自由複製與散布，\n但請勿修改或用於商業用途。"));
    credits->setObjectName(QStringLiteral("CreditLbl"));
    credits->setStyleSheet(QStringLiteral("color: #b8b6d8; font-size: 12px;"));

    auto* side = new QVBoxLayout;
    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(title);
    head->addStretch();
    side->addLayout(head);
    side->addWidget(version);
    side->addWidget(platform);
    side->addStretch();
    side->addWidget(credits);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(18, 14, 18, 18);
    main->setSpacing(22);
    main->addWidget(frame, 3);
    main->addLayout(side, 2);
    setFixedSize(560, 300);

    binder_.bind(QStringLiteral("Caption"), this);
    binder_.bind(QStringLiteral("VerLbl"), version);
    sync();
}

void ModeWindow::sync() { binder_.sync(program_.modeView()); }

void ModeWindow::closeForGame()
{
    closingForGame_ = true;
    close();
}

void ModeWindow::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!closingForGame_)
        program_.modeWindowClosed();
}
