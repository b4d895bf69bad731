#include "SideWindows.h"

#include "GameProgram.h"
#include "Radar.h"
#include "ScaledArea.h"
#include "WindowPlacer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int RadarLeft = 6, RadarTop = 6; // where the surface CM sits
}

namespace {

// The radar's picture, its cells whole blocks at every size.
class RadarPicture : public QWidget {
public:
    RadarPicture(const RadarForm& form, QWidget* parent) : QWidget(parent), form_(form)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(RadarForm::Width, RadarForm::Height);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, form_.CM()); }

private:
    const RadarForm& form_;
};

} // namespace

RadarWindow::RadarWindow(GameProgram& program, QWidget* gameWindow)
    : QWidget(gameWindow, WindowPlacer::sideWindowFlags()),
      form_(std::make_unique<RadarForm>(program.module(), program.timers()))
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_ShowWithoutActivating); // the board keeps the keyboard
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("雷達 --- 球的位置"));
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("RadarArea"));
    content->setStyleSheet(QStringLiteral("#RadarArea { background: rgb(255, 255, 192); }"));
    content->setAttribute(Qt::WA_StyledBackground);
    auto* picture = new RadarPicture(*form_, content);
    picture->move(RadarLeft, RadarTop);
    // The radar is painted five times a second; most of those show nothing new.
    form_->painted = [this, picture] {
        if (form_->CM() == shown_)
            return;
        shown_ = form_->CM().copy();
        picture->update();
    };

    // The legend, one line each to the right of the surface.
    auto* legend = new QVBoxLayout(content);
    legend->setContentsMargins(RadarLeft + RadarForm::Width + 10, RadarTop - 2, 10, 6);
    legend->setSpacing(2);
    const struct {
        const char *name, *text, *colour;
    } lines[] = {{"Label1", "紅色=小球", "#e00000"},
                 {"Label2", "黃色=大球", "#8a7000"},
                 {"Label3", "綠色=其他", "#008000"},
                 {"Label4", "黑色=Mibbet", "#000000"}};
    for (const auto& line : lines) {
        auto* l = new QLabel(QString::fromUtf8(line.text));
        l->setObjectName(QString::fromLatin1(line.name));
        l->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(line.colour)));
        legend->addWidget(l);
    }
    legend->addStretch(1);
    content->setFixedSize(RadarLeft + RadarForm::Width + 10 + 100, FixedHeight);
    area_ = new ScaledArea(content, QColor(255, 255, 192), this);
    setFactor(1);
}

RadarWindow::~RadarWindow() = default;

void RadarWindow::setFactor(int factor) { setFixedSize(area_->sizeAt(factor)); }

void RadarWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    area_->setGeometry(rect());
}

HelpWindow::HelpWindow(QWidget* gameWindow) : QWidget(gameWindow, WindowPlacer::sideWindowFlags())
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    binder_.bind(QStringLiteral("Caption"), this);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("HelpArea"));
    auto* column = new QVBoxLayout(content);
    auto* topics = new QGroupBox;
    topics->setObjectName(QStringLiteral("Frame1"));
    binder_.bind(topics->objectName(), topics);
    auto* grid = new QGridLayout(topics);
    for (int k = 0; k < 8; ++k) {
        auto* b = new QPushButton;
        b->setObjectName(QStringLiteral("Cmd") + QString::number(k));
        binder_.bind(b->objectName(), b);
        connect(b, &QPushButton::clicked, this, [this, k] { choose(k); });
        grid->addWidget(b, k / 4, k % 4);
    }
    column->addWidget(topics);

    // The answers lie on top of one another; one shows at a time.
    auto* answers = new QWidget;
    auto* stack = new QGridLayout(answers);
    stack->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 8; ++k) {
        auto* frame = new QGroupBox;
        frame->setObjectName(QStringLiteral("Fme") + QString::number(k));
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("Lbl") + QString::number(k));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        (new QVBoxLayout(frame))->addWidget(label);
        binder_.bind(frame->objectName(), frame);
        binder_.bind(label->objectName(), label);
        stack->addWidget(frame, 0, 0);
    }
    answers->setMinimumHeight(190);
    column->addWidget(answers, 1);

    // Takes the keyboard after a choice, so no topic button keeps a focus frame.
    auto* focus = new QPushButton(content);
    focus->setObjectName(QStringLiteral("FocusCmd"));
    focus->setGeometry(0, 0, 1, 1);
    focus->setFlat(true);
    binder_.sync(form_.vm);
    content->setFixedSize(400, 330);
    area_ = new ScaledArea(content, palette().color(QPalette::Window), this);
    setFactor(1);
}

void HelpWindow::setFactor(int factor) { setFixedSize(area_->sizeAt(factor)); }

void HelpWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    area_->setGeometry(rect());
}

void HelpWindow::choose(int k)
{
    form_.Cmd_Click(k);
    binder_.sync(form_.vm);
    findChild<QPushButton*>(QStringLiteral("FocusCmd"))->setFocus();
}
