#include "GameWindowWidget.h"

#include "BoardView.h"
#include "DescriptionPanel.h"
#include "GameProgram.h"
#include "GameWindow.h"
#include "EndingFrame.h"
#include "StatusPanel.h"
#include "ToolbarIcons.h"

#include "ScaledArea.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

GameWindowWidget::GameWindowWidget(GameProgram& program, GameWindow& game) : program_(program), game_(game)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenus();
    buildToolbar();

    auto* central = new QWidget;
    content_ = central;
    central->setObjectName(QStringLiteral("GameArea"));
    central->setStyleSheet(QStringLiteral("#GameArea { background: #10121f; }"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(8);
    board_ = new BoardView(game.FG);
    row->addWidget(board_, 0, Qt::AlignTop);
    auto* panel = new StatusPanel(binder_);
    panel->onDoubleClick = [this](const QString& control) {
        command([&] {
            if (control == QLatin1String("Image1"))
                game_.Image1_DblClick();
            else if (control == QLatin1String("Frame5"))
                game_.Frame5_DblClick();
            else
                game_.Label1_DblClick();
        });
    };
    row->addWidget(panel, 1, Qt::AlignTop);

    // The game description slides over the board when asked for.
    description_ = new DescriptionPanel(binder_, central);
    description_->onScroll = [this](int value) { command([&] { game_.VScroll1_Change(value); }); };
    description_->onClose = [this] { command([&] { game_.Command1_Click(); }); };

    // The floating message follows the player over the board.
    auto* message = new QLabel(board_);
    message->setObjectName(QStringLiteral("Label14"));
    message->setProperty("movable", true);
    message->setStyleSheet(QStringLiteral("color: #ffe070; font-weight: bold; background: rgba(0,0,0,140);"
                                          " border-radius: 3px;"));
    message->setAlignment(Qt::AlignCenter);
    message->setFixedSize(2385 / 15, 255 / 15 + 2);
    message->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks go through to the board
    binder_.bind(QStringLiteral("Label14"), message);

    // The pause notice over the board.
    auto* pauseBox = new QWidget(board_);
    pauseBox_ = pauseBox;
    pauseBox->setGeometry(0, 150, 520, 100);
    auto* pauseColumn = new QVBoxLayout(pauseBox);
    for (const char* control : {"Label23", "Label24"}) {
        auto* l = new QLabel;
        pauseLabels_.append(l);
        l->setObjectName(QString::fromLatin1(control));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: #ffffff; background: rgba(20,24,60,200); padding: 4px;") +
                         (control[6] == '3' ? QStringLiteral("font-size: 28px; font-weight: bold;") : QString()));
        pauseColumn->addWidget(l);
        binder_.bind(l->objectName(), l);
    }
    pauseBox->setAttribute(Qt::WA_TransparentForMouseEvents);

    board_->onKeyDown = [this](int key, Qt::KeyboardModifiers mods) {
        if (key == Qt::Key_Escape && isFullScreen()) {
            setFullScreen(false);
            return;
        }
        game_.FG_KeyDown(key, mods);
        sync();
    };
    board_->onKeyUp = [this](int key, Qt::KeyboardModifiers mods) {
        game_.FG_KeyUp(key, mods);
        sync();
    };
    board_->onMouseDown = [this](int button, Qt::KeyboardModifiers mods, double x, double y) {
        game_.FG_MouseDown(button, mods, x, y);
        sync();
    };
    board_->onMouseMove = [this](int buttons, Qt::KeyboardModifiers mods, double x, double y) {
        game_.FG_MouseMove(buttons, mods, x, y);
        sync();
    };
    board_->onMouseUp = [this](int button, Qt::KeyboardModifiers mods, double x, double y) {
        game_.FG_MouseUp(button, mods, x, y);
        sync();
    };
    // A release made while a message box has the keyboard would never arrive,
    // leaving the drill or the laser running on PP. Let go of both when the
    // board loses the keyboard; a key still held repeats into a new press.
    board_->onFocusLost = [this] {
        if (game_.closed())
            return;
        game_.FG_KeyUp(Qt::Key_X, Qt::NoModifier);
        game_.FG_KeyUp(Qt::Key_Z, Qt::NoModifier);
        sync();
    };

    // The closing frame lies over the board and the panel, hidden until the end.
    ending_ = new EndingFrame(binder_, central);
    ending_->hide();

    // Everything under the toolbar grows with the window, by whole factors.
    area_ = new ScaledArea(central, QColor(0x10, 0x12, 0x1f));
    area_->onFactorChanged = [this](int factor) {
        showFactor();
        if (onFactorDrawn)
            onFactorDrawn(factor);
    };
    setCentralWidget(area_);
    area_->fillSizeMenu(sizeMenu_, MenuFactors, [this](int factor) {
        if (onFactorChosen)
            onFactorChosen(factor);
    });

    binder_.bind(QStringLiteral("Caption"), this);
    binder_.bind(QStringLiteral("Form1"), this); // locked while the high scores show
    sync();
    board_->setFocus();
}

// Runs a command of the core, then brings every widget back in line with it:
// a checkable action that Qt ticked on its own is set back to what the core says.
void GameWindowWidget::command(const std::function<void()>& handler)
{
    handler();
    if (game_.closed())
        return;
    followModel(true); // a widget may have changed itself (a ticked action)
}

void GameWindowWidget::buildMenus()
{
    struct Item {
        const char* control;
        const char* caption;
        const char* shortcut;
        std::function<void(GameWindow&)> handler;
    };
    auto addMenu = [this](const char* control, const char* caption, std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(control));
        binder_.bind(QString::fromUtf8(control), menu->menuAction());
        for (const Item& it : items) {
            if (!it.control) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(QString::fromUtf8(it.caption));
            a->setObjectName(QString::fromUtf8(it.control));
            if (it.shortcut)
                a->setShortcut(QKeySequence(QString::fromLatin1(it.shortcut)));
            binder_.bind(a->objectName(), a);
            if (it.handler)
                connect(a, &QAction::triggered, this, [this, h = it.handler] { command([&] { h(game_); }); });
        }
        return menu;
    };
    const Item separator{nullptr, nullptr, nullptr, {}};
    addMenu("Game", "遊戲(&G)",
            {{"GameStop", "暫停", "Ctrl+Z", &GameWindow::PauseGame},
             {"GameResect", "重新開始", "Ctrl+R", &GameWindow::RestartGame},
             separator,
             {"saveSP", "儲存紀錄", "Ctrl+S", &GameWindow::SaveGame},
             {"loadSP", "讀取紀錄", "Ctrl+L", &GameWindow::LoadGame},
             separator,
             {"GameOuit", "離開", "Ctrl+Q", &GameWindow::QuitGame}});
    QMenu* win = addMenu("Win", "環境(&W)",
                         {{"MapLa", "地圖雷達", nullptr, &GameWindow::MapLa_Click},
                          {"Cop", "功能提示", nullptr, &GameWindow::Cop_Click},
                          {"Mess", "訊息提示", nullptr, &GameWindow::Mess_Click}});
    for (QAction* a : win->actions())
        a->setCheckable(true);
    winMenu_ = win;
    win->addSeparator();
    auto addSwitch = [this, win](const char* name, const char* caption, std::function<void(bool)> GameWindowWidget::*told) {
        QAction* a = win->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, told](bool on) {
            if (this->*told)
                (this->*told)(on);
        });
        return a;
    };
    effectsSwitch_ = addSwitch("SoundEffects", "音效", &GameWindowWidget::onEffectsSwitched);
    musicSwitch_ = addSwitch("Music", "背景音樂", &GameWindowWidget::onMusicSwitched);
    win->addSeparator();
    sizeMenu_ = win->addMenu(QStringLiteral("視窗大小"));
    sizeMenu_->setObjectName(QStringLiteral("WindowSize"));
    sizeMenu_->menuAction()->setObjectName(QStringLiteral("WindowSize"));
    fullScreen_ = win->addAction(QStringLiteral("全螢幕"));
    fullScreen_->setObjectName(QStringLiteral("FullScreen"));
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+F")));
    connect(fullScreen_, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });
    addMenu("Coped", "遊戲說明(&H)", {{"GameCaption", "遊戲說明", "F1", &GameWindow::GameCaption_Click}});
    addMenu("Sco", "分數排行(&S)", {{"Scor", "分數排行", nullptr, &GameWindow::ShowHighScores}});
    addMenu("QA", "問題與建議(&Q)", {{"LinkMe", "聯絡我", nullptr, &GameWindow::LinkMe_Click}});
    addMenu("LinkWeb", "連結(&L)", {{"Halvern", "連上Halvern高中全球資訊網", nullptr, &GameWindow::Halvern_Click}});
    // The test tools; their keys work only while the menu is enabled (Ctrl+Alt+M and Ctrl+Alt+N on the board).
    addMenu("Tool", "＊測試用＊",
            {{"Tool0", "鬼的移動加快", "F2", &GameWindow::Tool0_Click},
             {"Tool1", "關閉鬼的移動", "F3", &GameWindow::Tool1_Click},
             {"Tool2", "等級最大最小切換", "F4", &GameWindow::Tool2_Click},
             {"Tool3", "PP值+10", "F5", &GameWindow::Tool3_Click},
             {"Tool4", "角色前方河流通道切換", "F6", &GameWindow::Tool4_Click},
             {"Tool5", "清空所有物件(跳關)", "F7", &GameWindow::Tool5_Click},
             {"Tool6", "遊戲限制時間5秒化", "F8", &GameWindow::Tool6_Click},
             {"Tool7", "生命99化", "F9", &GameWindow::Tool7_Click},
             {"Tool8", "切換隱形", "F11", &GameWindow::Tool8_Click},
             {"Tool9", "分數+1000", "F12", &GameWindow::Tool9_Click}});
}

void GameWindowWidget::buildToolbar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Positions 1..16 as the game numbers them; separators count.
    const char* buttons[16][2] = {{"reset", "重新開始"}, {"stop", "暫停"},      {nullptr, nullptr},
                                  {"save", "儲存紀錄"},  {"load", "開啟紀錄"},  {nullptr, nullptr},
                                  {"quit", "離開遊戲"},  {nullptr, nullptr},    {"coped", "功能提示"},
                                  {"mess", "信息框"},    {"lada", "雷達"},      {nullptr, nullptr},
                                  {"sco", "計分"},       {"callme", "問題與建議給我"}, {"cop", "遊戲說明"},
                                  {"halvern", "Halvern高中"}};
    for (int index = 1; index <= 16; ++index) {
        const auto& b = buttons[index - 1];
        if (!b[0]) {
            bar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b[0]);
        QAction* a = bar->addAction(toolbarIcon(key), QString::fromUtf8(b[1]));
        a->setObjectName(QStringLiteral("Toolbar1.") + key);
        // The buttons that show a window or panel look pressed while it shows.
        a->setCheckable(index == 9 || index == 10 || index == 11 || index == 15);
        binder_.bind(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, index] { command([&] { game_.Toolbar1_ButtonClick(index); }); });
    }
}

void GameWindowWidget::sync() { followModel(false); }

void GameWindowWidget::followModel(bool all)
{
    binder_.sync(game_.vm, all);
    // The notice's box is shown only with a line in it, so the board's
    // frames do not repaint an empty box over it.
    pauseBox_->setVisible(std::any_of(pauseLabels_.cbegin(), pauseLabels_.cend(),
                                      [](const QLabel* l) { return !l->isHidden(); }));
    // The sound switches go off with the rest of their menu at the end of a game.
    const bool winOn = winMenu_->menuAction()->isEnabled();
    effectsSwitch_->setEnabled(winOn);
    musicSwitch_->setEnabled(winOn);
    sizeMenu_->menuAction()->setEnabled(winOn);
    fullScreen_->setEnabled(winOn);
    board_->setPointer(game_.vm.image(QStringLiteral("FG")));
    board_->refresh();
}

void GameWindowWidget::focusBoard() { board_->setFocus(); }

void GameWindowWidget::setSoundSwitches(bool effects, bool music)
{
    effectsSwitch_->setChecked(effects);
    musicSwitch_->setChecked(music);
}

QSize GameWindowWidget::sizeAt(int factor) const { return area_->windowSizeAt(factor); }

int GameWindowWidget::factor() const { return area_->factor(); }

void GameWindowWidget::setFactor(int factor) { area_->setWindowFactor(factor); }

void GameWindowWidget::setFullScreen(bool on)
{
    if (on)
        showFullScreen();
    else
        showNormal();
    fullScreen_->setChecked(on);
}

void GameWindowWidget::showFactor()
{
    area_->showSizes(sizeMenu_);
    fullScreen_->setChecked(isFullScreen());
}

void GameWindowWidget::closeForProgram()
{
    closingForProgram_ = true;
    close();
}

// Not every desktop activates a new window (a bare X server has no window
// manager), so the first showing counts as the first activation. It runs after
// the mode button's handler has stored the mode's values.
void GameWindowWidget::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!shown_) {
        shown_ = true;
        ending_->setGeometry(content_->rect());
        description_->move(board_->x() - 4, board_->y() - 4);
        QTimer::singleShot(0, this, [this] { activate(); });
    }
}

void GameWindowWidget::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && fullScreen_) {
        fullScreen_->setChecked(isFullScreen()); // the window manager may switch it too
        if (onWindowStateChanged)
            onWindowStateChanged();
    }
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && shown_)
        QTimer::singleShot(0, this, [this] { activate(); });
}

void GameWindowWidget::activate()
{
    if (closingForProgram_ || game_.closed())
        return;
    game_.Form_Activate();
    if (!game_.closed())
        sync();
}

void GameWindowWidget::closeEvent(QCloseEvent* e)
{
    QMainWindow::closeEvent(e);
    if (!closingForProgram_) {
        closingForProgram_ = true;
        program_.gameWindowClosed();
    }
}
