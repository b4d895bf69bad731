#include "EditorWindow.h"

#include "ScaledArea.h"

#include "BaseMazeWindow.h"
#include "PaletteStrip.h"
#include "TilePictures.h"

#include <QMenu>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int TwipsPerPixel = 15;

int editorButton(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? EditorModel::LeftButton : b == Qt::RightButton ? EditorModel::RightButton
                                                                                 : EditorModel::MiddleButton;
}

// A tile at 25 x 25, as the two selected tiles show.
QPixmap bigTile(TileCode code, qreal ratio)
{
    const TilePictures& pics = TilePictures::forScale(ratio > 1 ? 2 : 1);
    QPixmap pm(QSize(25, 25) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::black);
    QPainter p(&pm);
    const QRect source = pics.pictureOf(code);
    p.drawImage(QRectF(0, 0, source.width() * 25.0 / source.height(), 25), pics.sheet(), source);
    return pm;
}

} // namespace

EditorBoard::EditorBoard(EditorModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("FG"));
    setFixedSize(BoardCols * 20, BoardRows * 20);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("左鍵與右鍵各畫一格；Ctrl+Z 復原，Ctrl+Y 重做"));
}

void EditorBoard::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const qreal s = static_cast<qreal>(model_.FG.width()) / width();
    for (const QRect& r : e->region())
        p.drawImage(QRectF(r), model_.FG, QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    // The cells the last map check is about, in a colour no tile has.
    const qreal cell = static_cast<qreal>(width()) / BoardCols;
    p.setPen(QPen(QColor(255, 0, 255), 2));
    for (const passability::Cell& c : model_.checkedCells)
        p.drawRect(QRectF(c.col * cell + 1, c.row * cell + 1, cell - 2, cell - 2));
}

void EditorBoard::mousePressEvent(QMouseEvent* e)
{
    model_.paintAt(editorButton(e->button()), e->position().x() * TwipsPerPixel, e->position().y() * TwipsPerPixel);
    update();
    if (onPainted)
        onPainted();
    e->accept();
}

EditorWindow::EditorWindow(const QString& appDir)
    : model_(host_, static_cast<int>(std::ceil(qApp->devicePixelRatio())))
{
    host_.setParent(this);
    host_.beforeBox = [this] { sync(); };
    host_.setAppDir(appDir);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(EditorModel::title());

    auto* save = menuBar()->addAction(QStringLiteral("儲存"));
    save->setObjectName(QStringLiteral("SaveFile"));
    connect(save, &QAction::triggered, this, [this] { run([this] { model_.SaveFile_Click(); }); });
    auto* load = menuBar()->addAction(QStringLiteral("載入"));
    load->setObjectName(QStringLiteral("LoadFile"));
    connect(load, &QAction::triggered, this, [this] { run([this] { model_.LoadFile_Click(); }); });
    auto* generate = menuBar()->addAction(QStringLiteral("產生迷宮"));
    generate->setObjectName(QStringLiteral("Generate_Maze"));
    connect(generate, &QAction::triggered, this, [this] { run([this] { model_.Command1_Click(); }); });
    auto* play = menuBar()->addAction(QStringLiteral("試玩"));
    play->setObjectName(QStringLiteral("PlayMap"));
    connect(play, &QAction::triggered, this, [this] { playMap(); });
    auto* check = menuBar()->addAction(QStringLiteral("檢查地圖"));
    check->setObjectName(QStringLiteral("CheckMap"));
    connect(check, &QAction::triggered, this, [this] { run([this] { model_.CheckMap_Click(); }); });
    // The keys a designer reaches for first.
    play->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    save->setShortcut(QKeySequence::Save);
    load->setShortcut(QKeySequence::Open);
    generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));

    // Undo and redo of every change of the board; not in the menu bar, which
    // keeps its three items, but on the keys every editor has.
    QAction* undo = model_.undo.createUndoAction(this, QStringLiteral("復原"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = model_.undo.createRedoAction(this, QStringLiteral("重做"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addAction(undo);
    addAction(redo);
    connect(&model_.undo, &QUndoStack::indexChanged, this, [this] { sync(); });

    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(644, 527);

    // The board in a thin border at the top left.
    auto* border = new QFrame(client);
    border->setFrameShape(QFrame::Box);
    border->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #5a5670; background: black; }"));
    border->setGeometry(0, 0, 524, 404);
    board_ = new EditorBoard(model_, border);
    board_->move(2, 2);
    board_->onPainted = [this] { sync(); };

    // The palette strip slides inside its window, moved by the scroll bar.
    auto* window = new QFrame(client);
    window->setObjectName(QStringLiteral("Frame5"));
    window->setGeometry(0, 408, 7575 / TwipsPerPixel, PaletteStrip::Height);
    strip_ = new PaletteStrip(window);
    strip_->onPick = [this](int button, int code) {
        model_.pick(button, static_cast<TileCode>(code));
        sync();
    };
    scroll_ = new QScrollBar(Qt::Horizontal, client);
    scroll_->setObjectName(QStringLiteral("HScroll1"));
    scroll_->setGeometry(0, 408 + PaletteStrip::Height + 2, 7575 / TwipsPerPixel, 17);
    scroll_->setRange(0, 10110 - 7575);
    scroll_->setSingleStep(1000);
    scroll_->setPageStep(1000);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) { strip_->move(-v / TwipsPerPixel, 0); });

    // The right-hand column.
    auto* side = new QWidget(client);
    side->setGeometry(530, 0, 114, 527);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 4);
    column->setSpacing(5);
    // The base pattern of the last generation, as text and as a picture.
    pattern_ = new QPlainTextEdit;
    pattern_->setObjectName(QStringLiteral("Text1"));
    pattern_->setReadOnly(true);
    pattern_->setFocusPolicy(Qt::NoFocus);
    pattern_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pattern_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pattern_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pattern_->setStyleSheet(QStringLiteral("font-family: monospace; font-size: 9px;"));
    pattern_->setFixedHeight(104);
    column->addWidget(pattern_);
    maze_ = new QLabel;
    maze_->setObjectName(QStringLiteral("Maze"));
    maze_->setFixedSize(90, 90);
    column->addWidget(maze_, 0, Qt::AlignHCenter);
    auto* editPattern = new QPushButton(QStringLiteral("編輯基底圖群"));
    editPattern->setObjectName(QStringLiteral("Command3"));
    connect(editPattern, &QPushButton::clicked, this, [this] { openBasePattern(); });
    column->addWidget(editPattern);

    auto* fill = new QGroupBox(QStringLiteral("填充功能"));
    auto* fillGrid = new QGridLayout(fill);
    fillGrid->setContentsMargins(3, 3, 3, 3);
    fillGrid->setHorizontalSpacing(2);
    find_ = new QLineEdit;
    find_->setObjectName(QStringLiteral("Text2"));
    replacement_ = new QLineEdit;
    replacement_->setObjectName(QStringLiteral("Text3"));
    auto* with = new QLabel(QStringLiteral("取代為"));
    with->setStyleSheet(QStringLiteral("font-size: 11px;"));
    for (QLineEdit* box : {find_, replacement_}) {
        box->setFixedWidth(30);
        box->setAlignment(Qt::AlignCenter);
    }
    auto* doFill = new QPushButton(QStringLiteral("執行填充"));
    doFill->setObjectName(QStringLiteral("Command2"));
    connect(doFill, &QPushButton::clicked, this,
            [this] { run([this] { model_.Command2_Click(find_->text(), replacement_->text()); }); });
    fillGrid->addWidget(find_, 0, 0);
    fillGrid->addWidget(with, 0, 1);
    fillGrid->addWidget(replacement_, 0, 2);
    fillGrid->addWidget(doFill, 1, 0, 1, 3);
    column->addWidget(fill);

    auto* tiles = new QHBoxLayout;
    const auto tileBox = [&](const char* caption, const char* image, const char* label, QLabel*& img, QLabel*& text) {
        auto* box = new QGroupBox(QString::fromUtf8(caption));
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(2, 2, 2, 2);
        img = new QLabel;
        img->setObjectName(QString::fromLatin1(image));
        img->setFixedSize(25, 25);
        text = new QLabel;
        text->setObjectName(QString::fromLatin1(label));
        text->setAlignment(Qt::AlignCenter);
        text->setStyleSheet(QStringLiteral("font-size: 11px;")); // "代碼 122" fits the box
        v->addWidget(img, 0, Qt::AlignHCenter);
        v->addWidget(text);
        tiles->addWidget(box);
    };
    tileBox("左鍵", "NowImg", "Label2", nowImg_, label2_);
    tileBox("右鍵", "NewImg", "Label3", newImg_, label3_);
    column->addLayout(tiles);
    column->addStretch(1);
    for (QAction* command : {play, check}) {
        auto* button = new QPushButton(command->text());
        button->setObjectName(command == play ? QStringLiteral("Command5") : QStringLiteral("Command6"));
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        column->addWidget(button);
    }
    auto* generateButton = new QPushButton(QStringLiteral("產生迷宮"));
    generateButton->setObjectName(QStringLiteral("Command1"));
    connect(generateButton, &QPushButton::clicked, this, [this] { run([this] { model_.Command1_Click(); }); });
    column->addWidget(generateButton);
    auto* quit = new QPushButton(QStringLiteral("離開"));
    quit->setObjectName(QStringLiteral("Command4"));
    // Ends the editor at once: an open base-pattern window goes without a question.
    connect(quit, &QPushButton::clicked, this, [this] {
        if (basePattern_)
            basePattern_->closeQuietly();
        QCoreApplication::quit();
    });
    column->addWidget(quit);

    // The whole window grows by whole factors: by the window's own controls,
    // maximised, or a size from the menu.
    area_ = new ScaledArea(client, palette().color(QPalette::Window));
    setCentralWidget(area_);
    QMenu* view = menuBar()->addMenu(QStringLiteral("檢視"));
    view->setObjectName(QStringLiteral("View"));
    view->menuAction()->setObjectName(QStringLiteral("View"));
    area_->fillSizeMenu(view, 3);

    sync();
}

QSize EditorWindow::sizeAt(int factor) const { return area_->windowSizeAt(factor); }

int EditorWindow::factor() const { return area_->factor(); }

void EditorWindow::setFactor(int factor) { area_->setWindowFactor(factor); }

// One base-pattern window at a time, beside the main window and modeless.
void EditorWindow::openBasePattern()
{
    if (!basePattern_) {
        basePattern_ = new BaseMazeWindow(host_);
        basePattern_->setAttribute(Qt::WA_DeleteOnClose);
        basePattern_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    basePattern_->show();
    basePattern_->raise();
    basePattern_->activateWindow();
}

EditorWindow::~EditorWindow()
{
    // The model and its undo stack go before the widgets: no sync from it now.
    QObject::disconnect(&model_.undo, nullptr, this, nullptr);
    if (basePattern_)
        basePattern_->closeQuietly();
}

// "試玩": the game on the map as it stands; the editor stays usable.
void EditorWindow::playMap()
{
    const QString problem = testGame_.start(model_.EdBoard);
    if (!problem.isEmpty())
        host_.MsgBox(problem, QStringLiteral("試玩"));
}

void EditorWindow::run(const std::function<void()>& command)
{
    command();
    sync();
}

void EditorWindow::sync()
{
    board_->setEnabled(model_.boardEnabled);
    board_->update();
    const qreal ratio = devicePixelRatioF();
    nowImg_->setPixmap(bigTile(model_.NowCode, ratio));
    newImg_->setPixmap(bigTile(model_.NewCode, ratio));
    label2_->setText(model_.label2);
    label3_->setText(model_.label3);
    pattern_->setPlainText(QString(model_.text1).remove(QLatin1Char('\r')));
    QPixmap preview = QPixmap::fromImage(model_.Maze);
    preview.setDevicePixelRatio(static_cast<qreal>(model_.Maze.width()) / 90);
    maze_->setPixmap(preview);
}
