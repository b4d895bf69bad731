#include "EditorHostQt.h"

#include "AppLook.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

void EditorHostQt::MsgBox(const QString& text, const QString& title)
{
    if (beforeBox)
        beforeBox();
    QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::Ok, parent_);
    applook::setBoxText(box, text);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("確定"));
    box.exec();
}

bool EditorHostQt::AskYesNo(const QString& text, const QString& title)
{
    if (beforeBox)
        beforeBox();
    QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::Yes | QMessageBox::No, parent_);
    applook::setBoxText(box, text);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    return box.exec() == QMessageBox::Yes;
}

double EditorHostQt::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void EditorHostQt::Randomize() { rng_.seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())); }

QString EditorHostQt::InputBox(const QString& prompt, const QString& title)
{
    if (beforeBox)
        beforeBox();
    QInputDialog box(parent_);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setOkButtonText(QStringLiteral("確定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString EditorHostQt::AppDir() const
{
    return appDir_.isEmpty() ? QCoreApplication::applicationDirPath() : appDir_;
}
