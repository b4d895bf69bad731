#include "BaseMazeWindow.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int TwipsPerPixel = 15;
}

BaseMazeWindow::BaseMazeWindow(EditorHost& host) : form_(host)
{
    setObjectName(QStringLiteral("Cmd"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(4560 / TwipsPerPixel, 3915 / TwipsPerPixel);
    for (int k = 0; k < 81; ++k) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Cmd%1").arg(k));
        b->setGeometry((120 + 360 * (k % 9)) / TwipsPerPixel, (120 + 360 * (k / 9)) / TwipsPerPixel, 25, 25);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, k] { run([this, k] { form_.Cmd_Click(k); }); });
        cells_[k] = b;
    }
    const auto button = [this](const char* name, const char* text, QRect where, const std::function<void()>& f) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(where);
        connect(b, &QPushButton::clicked, this, [this, f] { run(f); });
        return b;
    };
    load_ = button("Command1", "載入資料", {230, 8, 68, 26}, [this] { form_.Command1_Click(); });
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setGeometry(230, 38, 68, 150);
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus); // never edited by hand
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setStyleSheet(QStringLiteral("font-family: monospace; font-size: 10px;"));
    save_ = button("Command4", "儲存資料", {230, 192, 68, 26}, [this] { form_.Command4_Click(); });
    walls_ = button("Command2", "修改全部成為牆", {8, 228, 106, 26}, [this] { form_.Command2_Click(); });
    balls_ = button("Command3", "修改全部成為球", {118, 228, 106, 26}, [this] { form_.Command3_Click(); });
    // Takes the keyboard, so no visible control keeps it.
    focus_ = new QPushButton(this);
    focus_->setObjectName(QStringLiteral("FocusCmd"));
    focus_->setGeometry(-10, -10, 1, 1);
    sync();
}

void BaseMazeWindow::run(const std::function<void()>& command)
{
    focus_->setFocus();
    command();
    sync();
}

void BaseMazeWindow::sync()
{
    for (int k = 0; k < 81; ++k) {
        const BaseMazeForm::Button& b = form_.Cmd[k];
        cells_[k]->setText(b.caption);
        cells_[k]->setEnabled(b.enabled);
        cells_[k]->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #888;").arg(QColor(b.colour).name()));
    }
    text_->setPlainText(QString(form_.Text1).remove(QLatin1Char('\r')));
    text_->setEnabled(form_.text1Enabled);
    load_->setEnabled(form_.command1Enabled);
    walls_->setEnabled(form_.command2Enabled);
    balls_->setEnabled(form_.command3Enabled);
    save_->setEnabled(form_.command4Enabled);
}

bool BaseMazeWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        focus_->setFocus();
    return QWidget::event(e);
}

void BaseMazeWindow::closeQuietly()
{
    quiet_ = true;
    close();
}

void BaseMazeWindow::closeEvent(QCloseEvent* e)
{
    // It may ask; a pattern that could not be saved keeps the window open.
    e->setAccepted(quiet_ || form_.Form_Unload());
}
